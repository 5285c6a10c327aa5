// The desktop as the lesson meets it through Qt: Qt's own texts in the
// lesson's windows come in Bulgarian (the context menus of the text fields,
// built with the texts of Qt's translation, read only when such a menu
// first opens), and the system clipboard is emptied.

#include "gui/qt_platform.h"
#include "support/lesson_setup.h"

#include <QClipboard>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

// Right-clicks the control as a pupil does and returns the texts of the
// context menu that opens (without their shortcuts), closing it with
// Escape.
QStringList contextMenuTexts(QWidget *control)
{
    QStringList texts;
    bool opened = false;
    QTimer::singleShot(0, control, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        opened = true;
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator())
                texts.append(action->text().section(QLatin1Char('\t'), 0, 0));
        }
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    // Through the window, where Qt turns the right button into the request.
    QWidget *window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      control->mapTo(window, QPoint(10, 10)));
    if (!opened)
        qWarning("no context menu opened on %s", qPrintable(control->objectName()));
    return texts;
}

bool bulgarian(const QString &text)
{
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic) && !text.contains(latin);
}

} // namespace

class TestQtPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installBulgarianTranslations(); }

    // The point text (read only) and the pupil's answer field (editable)
    // offer Qt's menus in Bulgarian; copying from the point text still
    // works through that menu, so the texts are not only labels.
    void contextMenusInBulgarian()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        QVERIFY(QTest::qWaitForWindowExposed(tasks));
        const QStringList answer = contextMenuTexts(tasks->Text_Un[0]->viewport());
        QVERIFY2(answer.size() >= 6, qPrintable(answer.join(QLatin1Char('|'))));
        for (const QString &text : answer)
            QVERIFY2(bulgarian(text), qPrintable(text));

        Tezo *tezo = r.lesson->tezo();
        tezo->show();
        QVERIFY(QTest::qWaitForWindowExposed(tezo));
        const QStringList point = contextMenuTexts(tezo->Text_U[1]->viewport());
        QVERIFY2(point.size() >= 2, qPrintable(point.join(QLatin1Char('|'))));
        for (const QString &text : point)
            QVERIFY2(bulgarian(text), qPrintable(text));
    }

    // What the pupil copies out of the point text with Ctrl+C is gone with
    // the next emptying, and so is what any other program puts there; a
    // clipboard already empty is left alone, so that a clock's tick does
    // not ask the display who holds it.
    void clipboardEmptied()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("от по-рано"));
        QtPlatform platform;
        platform.clearClipboard();
        QVERIFY(clipboard->text().isEmpty());

        QSignalSpy changes(clipboard, &QClipboard::changed);
        for (int tick = 0; tick < 3; ++tick)
            platform.clearClipboard();
        QCOMPARE(changes.size(), 0);

        LessonRun r;
        startWithFlags(r, {});
        Tezo *tezo = r.lesson->tezo();
        QVERIFY(QTest::qWaitForWindowExposed(tezo));
        clickItem(tezo->List_Ur[0], 1);
        LessonText *point = tezo->Text_U[1];
        point->setFocus();
        QTest::keyClick(point, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(point, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), point->toPlainText());
        platform.clearClipboard();
        QVERIFY(clipboard->text().isEmpty());

        clipboard->setText(QStringLiteral("x² − 1"));
        platform.clearClipboard();
        QVERIFY(clipboard->text().isEmpty());
        changes.clear();
        platform.clearClipboard();
        QCOMPARE(changes.size(), 0);
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qt_platform.moc"
