// The windows from the keyboard alone and for a screen reader: the Alt
// letters of the menus, the ways into the menu bar and to the pop-up menu,
// Tab in reading order with a frame round the focused control, Escape out of
// the small windows, and a name on every control.

#include "gui/appearance/cwiat.h"
#include "gui/small_windows/tezo_glos.h"
#include "gui/small_windows/tezo_gra.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/heading.h"
#include "support/started_lesson.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

namespace {

// The lesson started with every feature on, point 2 (which has a picture)
// chosen, and the lesson window active.
Tezo *startedOnPointTwo(LessonRun &r)
{
    startWithFlags(r, {});
    Tezo *tezo = r.lesson->tezo();
    tezo->List_Ur[0]->setListIndex(1);
    tezo->activateWindow();
    if (!QTest::qWaitForWindowActive(tezo))
        qWarning("the lesson window is not active");
    return tezo;
}

Tezo_n *openedTasks(LessonRun &r)
{
    r.lesson->tezo()->mnu_Wyprosi->trigger();
    Tezo_n *tasks = r.lesson->tezoN();
    if (!QTest::qWaitForWindowActive(tasks))
        qWarning("the tasks window is not active");
    return tasks;
}

QWidget *keyTarget()
{
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(keyTarget(), Qt::Key(key), modifiers);
}

// The Alt letter of every visible entry of a menu bar or menu.
QList<int> altLetters(const QList<QAction *> &actions)
{
    QList<int> letters;
    for (const QAction *action : actions) {
        if (action->isVisible() && !action->isSeparator())
            letters.append(QKeySequence::mnemonic(action->text())[0].key());
    }
    return letters;
}

// Tab from the first control visits the others in order and comes back.
QStringList tabWalk(QWidget *first, int steps, int key)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < steps; ++i) {
        press(key);
        visited.append(QApplication::focusWidget()->objectName());
    }
    return visited;
}

} // namespace

class TestKeyboardWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every entry of every menu bar and menu has its own Alt letter.
    void everyCommandHasItsOwnAltLetter()
    {
        LessonRun r;
        Tezo *tezo = startedOnPointTwo(r);
        tezo->mnu_Cwqt->trigger();
        const QList<QMenuBar *> bars{tezo->menuBar(), r.lesson->tezoN()->menuBar(),
                                     r.lesson->cwiat()->menuBar()};
        for (QMenuBar *bar : bars) {
            QList<QList<QAction *>> menus{bar->actions()};
            for (QAction *action : bar->actions()) {
                if (action->menu())
                    menus.append(action->menu()->actions());
            }
            for (const QList<QAction *> &menu : menus) {
                const QList<int> letters = altLetters(menu);
                QVERIFY2(!letters.contains(0), qPrintable(bar->window()->objectName()));
                QCOMPARE(QSet<int>(letters.begin(), letters.end()).size(), letters.size());
            }
        }
        QCOMPARE(QKeySequence::mnemonic(tezo->Sydyrv_pla[2]->text()),
                 QKeySequence(Qt::ALT | 0x0418));
    }

    // Alt pressed and released, or F10, put the focus on the menu bar's
    // first entry; Escape gives it back.
    void altAndF10LeadIntoTheMenuBar_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier);
        QTest::newRow("Alt alone") << int(Qt::Key_Alt) << int(Qt::AltModifier);
    }
    void altAndF10LeadIntoTheMenuBar()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        LessonRun r;
        startedOnPointTwo(r);
        for (int window = 0; window < 2; ++window) {
            QMainWindow *shown =
                window == 0 ? static_cast<QMainWindow *>(r.lesson->tezo()) : openedTasks(r);
            QWidget *before = QApplication::focusWidget();
            QVERIFY(before && before->window() == shown);
            press(key, Qt::KeyboardModifiers(modifiers));
            QCOMPARE(QApplication::focusWidget(), shown->menuBar());
            QCOMPARE(shown->menuBar()->activeAction(), shown->menuBar()->actions().first());
            press(Qt::Key_Escape);
            QCOMPARE(QApplication::focusWidget(), before);
        }
    }

    // The context-menu key and Shift+F10 open the lesson's pop-up menu
    // wherever the focus is, as a right click on the background does.
    void keyboardOpensTheLessonPopUp_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("context-menu key") << 0;
        QTest::newRow("Shift+F10") << 1;
        QTest::newRow("request from the desktop") << 2;
    }
    void keyboardOpensTheLessonPopUp()
    {
        QFETCH(int, way);
        LessonRun r;
        Tezo *tezo = startedOnPointTwo(r);
        for (QWidget *control :
             std::initializer_list<QWidget *>{tezo->Text_U[1], tezo->List_Ur[0]}) {
            control->setFocus();
            const int clears = r.platform.clipboardClears;
            if (way == 0) {
                press(Qt::Key_Menu);
            } else if (way == 1) {
                press(Qt::Key_F10, Qt::ShiftModifier);
            } else {
                QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                          control->mapToGlobal(QPoint(5, 5)));
                QApplication::sendEvent(control, &request);
            }
            QVERIFY2(tezo->mnu_Sydyrv_plan->isVisible(), qPrintable(control->objectName()));
            QCOMPARE(r.platform.clipboardClears, clears + 1);
            tezo->mnu_Sydyrv_plan->hide();
        }
    }

    // Tab goes through the controls in reading order and round again; a box
    // without a picture is passed by.
    void tabFollowsTheReadingOrder()
    {
        LessonRun r;
        Tezo *tezo = startedOnPointTwo(r);
        QCOMPARE(tabWalk(tezo->Text_U[0], 4, Qt::Key_Tab),
                 (QStringList{"Text_U_0", "List_Ur_0", "Picture_Ur_0", "Text_U_1", "Text_U_0"}));
        QCOMPARE(tabWalk(tezo->Text_U[1], 3, Qt::Key_Backtab),
                 (QStringList{"Text_U_1", "Picture_Ur_0", "List_Ur_0", "Text_U_0"}));
        tezo->List_Ur[0]->setListIndex(0); // point 1 has no picture
        QCOMPARE(tabWalk(tezo->List_Ur[0], 1, Qt::Key_Tab), (QStringList{"List_Ur_0", "Text_U_1"}));

        Tezo_n *tasks = openedTasks(r);
        QCOMPARE(QApplication::focusWidget(), tasks->List_Un[1]);
        QCOMPARE(tabWalk(tasks->List_Un[1], 7, Qt::Key_Tab),
                 (QStringList{"List_Un_1", "Text_Un_2", "Text_Un_0", "Text_Un_4", "Text_Un_3",
                              "List_Un_0", "Text_Un_1", "List_Un_1"}));

        tasks->mnu_Pylen_Ekran->trigger();
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(QTest::qWaitForWindowActive(zad));
        QCOMPARE(tabWalk(zad->List_font, 2, Qt::Key_Tab),
                 (QStringList{"List_font", "Obsho_Pole", "List_font"}));
    }

    // The focused control wears a frame, bright between two dark lines,
    // after a Tab as after a click: read-only fields, lists, the picture.
    void focusedControlWearsAFrame()
    {
        LessonRun r;
        Tezo *tezo = startedOnPointTwo(r);
        auto *frame = tezo->findChild<FocusFrame *>();
        QVERIFY(frame);
        tezo->Text_U[0]->setFocus();
        for (QWidget *control : std::initializer_list<QWidget *>{
                 tezo->List_Ur[0], tezo->Picture_Ur[0], tezo->Text_U[1], tezo->Text_U[0]}) {
            press(Qt::Key_Tab);
            QCOMPARE(frame->control(), control);
            QVERIFY(frame->isVisible());
            QCOMPARE(frame->geometry(), control->geometry());
            const QImage shown = tezo->grab().toImage();
            const QPoint corner = control->mapTo(tezo, QPoint(0, 0));
            QCOMPARE(shown.pixelColor(corner + QPoint(0, 10)), FocusFrame::darkColour());
            QCOMPARE(shown.pixelColor(corner + QPoint(2, 10)), FocusFrame::brightColour());
        }
        // A click gives the frame as well.
        QTest::mouseClick(tezo->Text_U[1]->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(frame->control(), tezo->Text_U[1]);
        // It follows its control when the window is laid out anew.
        tezo->resize(tezo->size() + QSize(120, 90));
        QCOMPARE(frame->geometry(), tezo->Text_U[1]->geometry());
    }

    // Escape closes the small windows; the type/difficulty window closes
    // choosing nothing. The tasks window keeps its own way back.
    void escapeClosesTheSmallWindows()
    {
        LessonRun r;
        Tezo *tezo = startedOnPointTwo(r);
        tezo->Picture_Ur[0]->setFocus();
        QTest::keyClick(tezo->Picture_Ur[0], Qt::Key_Return);
        Tezo_Gra *gra = r.lesson->tezoGra();
        QVERIFY(QTest::qWaitForWindowActive(gra));
        QCOMPARE(gra->Grafika_G0->accessibleName(), tezo->Picture_Ur[0]->accessibleName());
        QTest::keyClick(gra, Qt::Key_Escape);
        QVERIFY(!gra->isVisible());
        // The keys go back to the window the picture was opened from.
        QTRY_COMPARE(QApplication::activeWindow(), tezo);
        QCOMPARE(QApplication::focusWidget(), tezo->Picture_Ur[0]);
        QTest::keyClick(tezo->Picture_Ur[0], Qt::Key_Space);
        QVERIFY(QTest::qWaitForWindowActive(gra));
        QTest::keyClick(gra, Qt::Key_Escape);
        QVERIFY(!gra->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), tezo);

        tezo->mnu_Fokus->trigger();
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(QTest::qWaitForWindowActive(zad));
        QTest::keyClick(zad->Obsho_Pole, Qt::Key_Escape);
        QVERIFY(!zad->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), tezo);

        Tezo_n *tasks = openedTasks(r);
        tasks->mnu_Tip_Wid->trigger();
        Tezo_Glos *glos = r.lesson->tezoGlos();
        QVERIFY(QTest::qWaitForWindowActive(glos));
        QTest::keyClick(glos->Wremena[3], Qt::Key_Down);
        r.platform.asked.clear();
        QTest::keyClick(glos->Wremena[3], Qt::Key_Escape);
        QVERIFY(!r.lesson->tezoGlos());
        QVERIFY(r.platform.asked.isEmpty());
        QCOMPARE(tasks->CurrentTask, qint16(1));

        QTest::keyClick(tasks->Text_Un[0], Qt::Key_Escape);
        QVERIFY(tasks->isVisible());
    }

    // Every control a pupil can see or reach has a Bulgarian name, its
    // tooltip as description; a heading names its pane; a picture says
    // what it illustrates, and says it anew with every picture.
    void everyControlIsNamed()
    {
        LessonRun r;
        Tezo *tezo = startedOnPointTwo(r);
        Tezo_n *tasks = r.lesson->tezoN();
        tezo->mnu_Fokus->trigger();
        tezo->mnu_Cwqt->trigger();
        tasks->mnu_Tip_Wid->trigger();
        const QList<QWidget *> windows{tezo, tasks, r.lesson->tezoZad(), r.lesson->tezoGlos(),
                                       r.lesson->cwiat()};
        for (QWidget *window : windows) {
            for (QWidget *control : window->findChildren<QWidget *>()) {
                if (!control->isVisibleTo(window) || qobject_cast<FocusFrame *>(control))
                    continue;
                QAccessibleInterface *seen = QAccessible::queryAccessibleInterface(control);
                if (!seen || seen->role() == QAccessible::Client ||
                    seen->role() == QAccessible::Pane || seen->role() == QAccessible::Grouping)
                    continue;
                QVERIFY2(!seen->text(QAccessible::Name).trimmed().isEmpty(),
                         qPrintable(window->objectName() + "/" + control->objectName() + " " +
                                    control->metaObject()->className()));
                if (!control->toolTip().isEmpty())
                    QCOMPARE(seen->text(QAccessible::Description), control->toolTip());
            }
        }
        for (auto *heading : tasks->findChildren<Heading *>())
            QCOMPARE(heading->buddy(), heading->control());
        QCOMPARE(tasks->Text_Un[2]->accessibleName(), QStringLiteral("Условие на задачата"));

        QCOMPARE(tezo->Picture_Ur[0]->accessibleName(),
                 QStringLiteral("Илюстрация към точка „2. Уравнения от 2-ра и по-висока степен“"));
        tezo->List_Ur[0]->setListIndex(0);
        QCOMPARE(tezo->Picture_Ur[0]->accessibleName(),
                 QStringLiteral("Илюстрация: няма изображение"));
        r.platform.answers = {true};
        tasks->List_Un[1]->setListIndex(6);
        QCOMPARE(tasks->Picture_Un[0]->accessibleName(), QStringLiteral("Илюстрация към задача 7"));
        QCOMPARE(QAccessible::queryAccessibleInterface(tasks->Picture_Un[0])->role(),
                 QAccessible::Graphic);
        for (QWidget *window : windows)
            QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    }
};

QTEST_MAIN(TestKeyboardWindows)
#include "tst_keyboard_windows.moc"
