#include "class_answers_dialog.h"
#include "config_source.h"
#include "support/class_answers.h"
#include "teacher_desk.h"
#include "teacher_window.h"

#include <QTest>
#include <QtWidgets>

using namespace lesson;
using namespace lesson::test;
using namespace tezomat_teacher;
using tezomat_config::parseConfigSource;
using namespace Qt::StringLiterals;

namespace {

// The desktop as the tests script it: message boxes answered from a queue
// (an empty queue answers "Не"), file and folder dialogs from another.
class ScriptedDesk : public TeacherDesk {
public:
    bool showMessage(const MessageSpec &message) override
    {
        asked.append(message);
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return next();
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return next();
    }
    QString folderName(QWidget *, const QString &, const QString &) override { return next(); }

    QList<bool> answers;
    QStringList paths;
    QList<MessageSpec> asked;

private:
    QString next() { return paths.isEmpty() ? QString() : paths.takeFirst(); }
};

QString sampleText()
{
    return QString::fromUtf8(fileBytes(QFINDTESTDATA("../../config/TAVN7.ini")));
}

template <typename T> T *child(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void showPage(QWidget &window, int index)
{
    QTabBar *bar = child<QTabWidget>(window, u"pages"_s)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void clickBox(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

// Clicks into the box, selects its text and types over it (no Enter).
void typeInto(QAbstractSpinBox *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

// The letter after '&' in a caption, lower case; empty when there is none.
QString mnemonic(const QString &text)
{
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.mid(at + 1, 1).toLower() : QString();
}

bool noneTwice(const QString &keys)
{
    return QSet<QChar>(keys.begin(), keys.end()).size() == keys.size();
}

struct Window {
    ScriptedDesk desk;
    TeacherWindow window{desk, *tezomat_config::builtInLesson()};
    Window()
    {
        window.startFromSample();
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("window not active");
    }
};

} // namespace

class TestTeacherWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savedAsEdited()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(u"TAVN7.ini"_s);
        QVERIFY(writeFile(source, sampleText().toUtf8()));
        Window w;
        w.desk.paths << source;
        QTest::keyClick(&w.window, Qt::Key_O, Qt::ControlModifier);
        QVERIFY2(w.window.windowTitle().contains(u"TAVN7.ini"_s),
                 qPrintable(w.window.windowTitle()));

        showPage(w.window, 1);
        clickBox(child<QCheckBox>(w.window, u"flag17"_s));
        showPage(w.window, 2);
        auto *total6 = child<QSpinBox>(w.window, u"task6Total"_s);
        typeInto(total6, u"90"_s);
        // Saved while the box is still being typed into: the typing counts.
        const QString saved = dir.filePath(u"TAVN7.UFG"_s);
        w.desk.paths << saved;
        QTest::keyClick(total6, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(child<QLabel>(w.window, u"task6End"_s)->text(),
                 u"15 мин"_s); // level 2: tens of seconds
        QVERIFY(!w.window.isWindowModified());

        ConfigFile expected = *parseConfigSource(sampleText()).file;
        expected.records[0].Values[16] = 0; // flag 17
        expected.records[3].Values[5] = 90; // task 6's total time
        QCOMPARE(fileBytes(saved), formatConfiguration(expected));

        // The source the window writes gives the same file again.
        const QString mine = dir.filePath(u"mine.ini"_s);
        w.desk.paths << mine;
        QTest::mouseClick(child<QPushButton>(w.window, u"saveSourceButton"_s), Qt::LeftButton);
        QVERIFY(parseConfigSource(QString::fromUtf8(fileBytes(mine))).file == expected);
        QVERIFY(fileBytes(mine).contains("17 = 0   ; планът остава достъпен"));
        // Saving again goes to the same file without a question.
        QTest::mouseClick(child<QPushButton>(w.window, u"saveButton"_s), Qt::LeftButton);
        QCOMPARE(w.desk.asked.size(), 0);
        QCOMPARE(fileBytes(source), sampleText().toUtf8());
    }

    void versionTakesPointOrComma_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("comma, as Bulgarian writes it") << "1,25";
        QTest::newRow("point, as the source writes it") << "1.25";
    }
    void versionTakesPointOrComma()
    {
        QFETCH(QString, typed);
        Window w;
        auto *version = child<QDoubleSpinBox>(w.window, u"version"_s);
        version->setLocale(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
        typeInto(version, typed);
        QTest::keyClick(version, Qt::Key_Return);
        QCOMPARE(w.window.configuration().records[2].Count, 125);
        QVERIFY(child<QLabel>(w.window, u"lessonCaption"_s)
                    ->text()
                    .contains(u"Версия  1.25 от  20091028"_s));
    }

    void damagedFileChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code"); // the lesson's message; 0: the window's own
        QTest::addColumn<QString>("words");
        const QByteArray good = formatConfiguration(*parseConfigSource(sampleText()).file);
        QTest::newRow("599 bytes") << "TAVN7.UFG" << good.left(599) << 3 << "599 байта";
        QTest::newRow("source of another lesson")
            << "other.ini" << sampleText().replace(u"= TAVN7"_s, u"= TAVN8"_s).toUtf8() << 1
            << "„TAVN8“";
        QTest::newRow("source with a mistake")
            << "bad.ini" << QByteArray("[урок]\nидентификатор = TAVN7\nверсия = много\n") << 0
            << "ред 3";
        QTest::newRow("a folder") << "folder.UFG" << QByteArray() << 0 << "не може да бъде отворен";
        // Read cut short, this source would open as the sample.
        QTest::newRow("source too large")
            << "big.ini" << sampleText().toUtf8() + "\n#" + QByteArray(1 << 20, 'x') << 0
            << "твърде голям за файл с настройки";
    }
    void damagedFileChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QFETCH(QString, words);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (name.startsWith(u"folder"_s))
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(writeFile(path, bytes));
        Window w;
        showPage(w.window, 1);
        clickBox(child<QCheckBox>(w.window, u"flag17"_s));
        const ConfigFile before = w.window.configuration();
        const QString title = w.window.windowTitle();

        w.desk.answers << true; // leave the unsaved change for the other file
        w.desk.paths << path;
        child<QAction>(w.window, u"openAction"_s)->trigger();
        QCOMPARE(w.desk.asked.size(), 2);
        const MessageSpec shown = w.desk.asked.last();
        if (code > 0) {
            QCOMPARE(shown.title, lessonWindowMessage(code).title);
            QVERIFY(shown.text.startsWith(lessonWindowMessage(code).text));
        }
        QVERIFY2(shown.text.contains(words), qPrintable(shown.text));
        QVERIFY(w.window.configuration() == before);
        QCOMPARE(w.window.windowTitle(), title);
        QVERIFY(w.window.isWindowModified());
        QVERIFY(!child<QCheckBox>(w.window, u"flag17"_s)->isChecked());
        if (!name.startsWith(u"folder"_s))
            QCOMPARE(fileBytes(path), bytes);
    }

    void replacingAsksFirst_data()
    {
        QTest::addColumn<QString>("target"); // what stands at the name chosen
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("words");
        QTest::newRow("the source itself: never")
            << "source" << true << 0 << false << "е източникът";
        QTest::newRow("a text file, answered Не")
            << "text" << false << 1 << false << "не е файл с настройки";
        QTest::newRow("a text file, answered Да") << "text" << true << 1 << true << "";
        QTest::newRow("another configuration file")
            << "configuration" << true << 1 << true << "вече съществува. Да бъде ли заменен?";
        QTest::newRow("a folder: never") << "folder" << true << 0 << false << "не е обикновен файл";
    }
    void replacingAsksFirst()
    {
        QFETCH(QString, target);
        QFETCH(bool, answer);
        QFETCH(int, questions);
        QFETCH(bool, written);
        QFETCH(QString, words);
        QTemporaryDir dir;
        const QString source = dir.filePath(u"TAVN7.ini"_s);
        QVERIFY(writeFile(source, sampleText().toUtf8()));
        QString path = dir.filePath(u"chosen.UFG"_s);
        QByteArray old = "бележки на учителя\n";
        if (target == u"source"_s) {
            path = source;
            old = sampleText().toUtf8();
        } else if (target == u"configuration"_s) {
            old = formatConfiguration(ConfigFile{});
        }
        if (target == u"folder"_s)
            QVERIFY(QDir().mkpath(path));
        else if (target != u"source"_s)
            QVERIFY(writeFile(path, old));
        Window w;
        QVERIFY(w.window.openFile(source));
        w.desk.answers << answer;
        w.desk.paths << path;
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.desk.asked.size(), 1);
        const MessageSpec &shown = w.desk.asked.first();
        QCOMPARE(shown.buttons == MessageSpec::Buttons::YesNo, questions == 1);
        QVERIFY2(shown.text.contains(words), qPrintable(shown.text));
        if (target == u"folder"_s)
            return;
        QCOMPARE(fileBytes(path), written ? formatConfiguration(w.window.configuration()) : old);
    }

    void everyControlNamedAndReachable()
    {
        Window w;
        QTest::mouseClick(child<QPushButton>(w.window, u"classAnswersButton"_s), Qt::LeftButton);
        auto *dialog = w.window.findChild<ClassAnswersDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        for (QWidget *top : {static_cast<QWidget *>(&w.window), static_cast<QWidget *>(dialog)}) {
            const QList<QWidget *> controls = top->findChildren<QWidget *>();
            int checked = 0;
            for (QWidget *c : controls) {
                const bool control =
                    qobject_cast<QAbstractButton *>(c) || qobject_cast<QAbstractSpinBox *>(c) ||
                    qobject_cast<QLineEdit *>(c) || qobject_cast<QAbstractItemView *>(c) ||
                    qobject_cast<QTextEdit *>(c) || qobject_cast<QTabWidget *>(c);
                if (!control || c->objectName().startsWith(u"qt_"_s) ||
                    qobject_cast<QTabBar *>(c->parentWidget()))
                    continue;
                ++checked;
                const QString what =
                    c->objectName() + QLatin1Char(' ') + c->metaObject()->className();
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(what));
                QVERIFY2(!c->toolTip().isEmpty(), qPrintable(what));
                QCOMPARE(c->accessibleDescription(), c->toolTip());
                QVERIFY2(c->focusPolicy() & Qt::TabFocus, qPrintable(what));
            }
            QVERIFY(checked > 20 || top == dialog);
        }
        QString menuKeys;
        for (QAction *action : w.window.menuBar()->actions().first()->menu()->actions()) {
            if (action->isSeparator())
                continue;
            QVERIFY2(!action->shortcut().isEmpty(), qPrintable(action->text()));
            menuKeys += mnemonic(action->text());
        }
        QVERIFY2(noneTwice(menuKeys), qPrintable(menuKeys));
        // Alt and a letter reaches one control on every page: an ambiguous
        // letter only moves the focus between its controls.
        auto *pages = child<QTabWidget>(w.window, u"pages"_s);
        for (int page = 0; page < pages->count(); ++page) {
            QString keys;
            for (int tab = 0; tab < pages->count(); ++tab)
                keys += mnemonic(pages->tabText(tab));
            for (QWidget *c : w.window.centralWidget()->findChildren<QWidget *>()) {
                if (pages->isAncestorOf(c) && !pages->widget(page)->isAncestorOf(c))
                    continue;
                if (auto *label = qobject_cast<QLabel *>(c); label && label->buddy())
                    keys += mnemonic(label->text());
                if (auto *button = qobject_cast<QPushButton *>(c))
                    keys += mnemonic(button->text());
            }
            QVERIFY2(noneTwice(keys), qPrintable(keys));
        }
    }

    void classAnswersFromTheWindow()
    {
        QTemporaryDir dir;
        const QDir root(dir.path());
        writeClass(root);
        const QByteArray pc1 = fileBytes(root.filePath(u"PC1/OTGOWORI.TXT"_s));
        Window w;
        QTest::keyClick(&w.window, Qt::Key_K, Qt::ControlModifier);
        auto *dialog = w.window.findChild<ClassAnswersDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        auto *list = child<QListWidget>(*dialog, u"folderList"_s);
        w.desk.paths << root.path();
        QTest::mouseClick(child<QPushButton>(*dialog, u"addSubfoldersButton"_s), Qt::LeftButton);
        QCOMPARE(list->count(), 3);
        QCOMPARE(child<QLineEdit>(*dialog, u"htmlPath"_s)->text(),
                 QDir::toNativeSeparators(root.filePath(u"otgowori-na-klasa.html"_s)));
        QTest::mouseClick(child<QPushButton>(*dialog, u"makeReportButton"_s), Qt::LeftButton);
        QCOMPARE(w.desk.asked.size(), 0);
        // The page, shown as a page: the pupil's "<script>" is text.
        QVERIFY(child<QTextBrowser>(*dialog, u"reportView"_s)
                    ->toPlainText()
                    .contains(u"<script>alert(1)</script> √9 = 3"_s));
        QVERIFY(fileBytes(root.filePath(u"otgowori-na-klasa.csv"_s))
                    .contains("PC3,Няма файл с отговори."));
        QCOMPARE(fileBytes(root.filePath(u"PC1/OTGOWORI.TXT"_s)), pc1);

        // Delete takes the chosen folder off the list, not off the disk.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2)).center());
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->count(), 2);
        QVERIFY(root.exists(u"PC3"_s));
    }
};

QTEST_MAIN(TestTeacherWindow)
#include "tst_teacher_window.moc"
