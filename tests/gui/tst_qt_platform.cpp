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

// Right-clicks the control as a pupil does (through its window, where Qt
// turns the button into the request) and checks that every entry of the
// context menu that opens is Bulgarian; the menu is closed with Escape.
void contextMenuInBulgarian(QWidget *control, int entries)
{
    static const QRegularExpression bulgarian(
        QStringLiteral("^[^A-Za-z]*[\\x{0400}-\\x{04FF}][^A-Za-z]*$"));
    QStringList texts;
    QTimer::singleShot(0, control, [&texts] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    texts.append(action->text().section(QLatin1Char('\t'), 0, 0));
            }
            QTest::keyClick(menu, Qt::Key_Escape);
        }
    });
    QWidget *window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      control->mapTo(window, QPoint(10, 10)));
    QVERIFY2(texts.size() >= entries, qPrintable(texts.join(QLatin1Char('|'))));
    for (const QString &text : texts)
        QVERIFY2(bulgarian.match(text).hasMatch(), qPrintable(text));
}

} // namespace

class TestQtPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installBulgarianTranslations(); }

    // The pupil's answer field (editable) and the point text (read only).
    void contextMenusInBulgarian()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        QVERIFY(QTest::qWaitForWindowExposed(tasks));
        contextMenuInBulgarian(tasks->Text_Un[0]->viewport(), 6);
        Tezo *tezo = r.lesson->tezo();
        tezo->show();
        QVERIFY(QTest::qWaitForWindowExposed(tezo));
        contextMenuInBulgarian(tezo->Text_U[1]->viewport(), 2);
    }

    // What the pupil copies out of a point with Ctrl+C is gone with the
    // next emptying, as is what another program put there; a clipboard
    // already empty is left alone, so that a clock's tick does not ask the
    // display who holds it.
    void clipboardEmptied()
    {
        LessonRun r;
        startWithFlags(r, {});
        Tezo *tezo = r.lesson->tezo();
        QVERIFY(QTest::qWaitForWindowExposed(tezo));
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(u"от по-рано"_s);
        QtPlatform platform;
        QSignalSpy changes(clipboard, &QClipboard::changed);
        for (int tick = 0; tick < 3; ++tick)
            platform.clearClipboard();
        QVERIFY(clipboard->text().isEmpty());
        QCOMPARE(changes.size(), 1);

        clickItem(tezo->List_Ur[0], 1);
        LessonText *point = tezo->Text_U[1];
        point->setFocus();
        QTest::keyClick(point, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(point, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(clipboard->text().startsWith(u"    2. "_s));
        platform.clearClipboard();
        QVERIFY(clipboard->text().isEmpty());
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qt_platform.moc"
