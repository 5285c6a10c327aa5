// The windows from the keyboard alone and for a screen reader, where the
// end-to-end run (tests/e2e: Alt letters pressed, Alt and F10 and the
// context-menu key in the lesson window, a name on every control) does not
// reach: no Alt letter twice on any menu, F10 in the other windows, a
// context-menu request from the desktop, Tab in reading order with a frame
// round the focused control, Escape out of the small windows, and what the
// pictures and headings tell a screen reader.

#include "support/lesson_setup.h"

#include <QAccessible>
#include <QContextMenuEvent>

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

void press(int key)
{
    QWidget *focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : QApplication::activeWindow(), Qt::Key(key));
}

// F10 puts the focus on the menu bar's first entry; Escape gives it back.
void f10IntoMenuBar(QMainWindow *window)
{
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget *before = QApplication::focusWidget();
    press(Qt::Key_F10);
    QCOMPARE(QApplication::focusWidget(), window->menuBar());
    QCOMPARE(window->menuBar()->activeAction(), window->menuBar()->actions().first());
    press(Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), before);
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
    // Tab goes through the controls in reading order and round again, the
    // focused one wearing a frame, bright between two dark lines (after a
    // click as well); a box without a picture is passed by. F10 leads into
    // the menu bar of the tasks and colour windows too.
    void tabFollowsTheReadingOrder()
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
        QTest::mouseClick(tezo->Text_U[1]->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(frame->control(), tezo->Text_U[1]);
        // It follows its control when the window is laid out anew.
        tezo->resize(tezo->size() + QSize(120, 90));
        QCOMPARE(frame->geometry(), tezo->Text_U[1]->geometry());
        QCOMPARE(tabWalk(tezo->Text_U[1], 3, Qt::Key_Backtab),
                 (QStringList{"Text_U_1", "Picture_Ur_0", "List_Ur_0", "Text_U_0"}));
        tezo->List_Ur[0]->setListIndex(0); // point 1 has no picture
        QCOMPARE(tabWalk(tezo->List_Ur[0], 1, Qt::Key_Tab), (QStringList{"List_Ur_0", "Text_U_1"}));

        Tezo_n *tasks = openedTasks(r);
        QCOMPARE(QApplication::focusWidget(), tasks->List_Un[1]);
        QCOMPARE(tabWalk(tasks->List_Un[1], 7, Qt::Key_Tab),
                 (QStringList{"List_Un_1", "Text_Un_2", "Text_Un_0", "Text_Un_4", "Text_Un_3",
                              "List_Un_0", "Text_Un_1", "List_Un_1"}));
        f10IntoMenuBar(tasks);

        tasks->mnu_Pylen_Ekran->trigger();
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(QTest::qWaitForWindowActive(zad));
        QCOMPARE(tabWalk(zad->List_font, 2, Qt::Key_Tab),
                 (QStringList{"List_font", "Obsho_Pole", "List_font"}));
        zad->close();
        r.lesson->tezo()->mnu_Cwqt->trigger();
        Cwiat *cwiat = r.lesson->cwiat();
        f10IntoMenuBar(cwiat);
        QCOMPARE(tabWalk(cwiat->List_font[0], 7, Qt::Key_Tab),
                 (QStringList{"List_font_0", "List_font_1", "Text_Cv_0", "Slider1_0", "Slider1_1",
                              "Slider1_2", "Option1_0", "List_font_0"}));
    }

    // The context-menu key opens the lesson's pop-up menu wherever the focus
    // is, also on a desktop that turns the key into a request to the control.
    // Escape closes the small windows; the type/difficulty window closes
    // choosing nothing. The tasks window keeps its own way back.
    void keysOpenAndEscapeCloses()
    {
        LessonRun r;
        Tezo *tezo = startedOnPointTwo(r);
        for (QWidget *control :
             std::initializer_list<QWidget *>{tezo->Text_U[1], tezo->List_Ur[0]}) {
            for (bool request : {false, true}) {
                control->setFocus();
                const int clears = r.platform.clipboardClears;
                QContextMenuEvent asked(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                        control->mapToGlobal(QPoint(5, 5)));
                request ? void(QApplication::sendEvent(control, &asked)) : press(Qt::Key_Menu);
                QVERIFY2(tezo->mnu_Sydyrv_plan->isVisible(), qPrintable(control->objectName()));
                QCOMPARE(r.platform.clipboardClears, clears + 1);
                tezo->mnu_Sydyrv_plan->hide();
            }
        }
        for (Qt::Key opens : {Qt::Key_Return, Qt::Key_Space}) {
            tezo->Picture_Ur[0]->setFocus();
            QTest::keyClick(tezo->Picture_Ur[0], opens);
            Tezo_Gra *gra = r.lesson->tezoGra();
            QVERIFY(QTest::qWaitForWindowActive(gra));
            QCOMPARE(gra->Grafika_G0->accessibleName(), tezo->Picture_Ur[0]->accessibleName());
            QTest::keyClick(gra, Qt::Key_Escape);
            QVERIFY(!gra->isVisible());
            // The keys go back to the window the picture was opened from.
            QTRY_COMPARE(QApplication::activeWindow(), tezo);
            QCOMPARE(QApplication::focusWidget(), tezo->Picture_Ur[0]);
        }

        tezo->mnu_Fokus->trigger();
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(QTest::qWaitForWindowActive(zad));
        QTest::keyClick(zad->Obsho_Pole, Qt::Key_Escape);
        QVERIFY(!zad->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), tezo);

        // The arrows only move in the type/difficulty window; Escape chooses
        // nothing, Enter the line under the cursor.
        Tezo_n *tasks = openedTasks(r);
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            tasks->mnu_Tip_Wid->trigger();
            Tezo_Glos *glos = r.lesson->tezoGlos();
            QVERIFY(QTest::qWaitForWindowActive(glos));
            LessonList *lines = glos->Wremena[key == Qt::Key_Escape ? 3 : 5];
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(lines, Qt::Key_Down);
            QCOMPARE(r.lesson->tezoGlos(), glos);
            QCOMPARE(lines->ListIndex(), -1);
            r.platform.asked.clear();
            r.platform.answers = {true};
            QTest::keyClick(lines, key);
            QVERIFY(!r.lesson->tezoGlos());
            QCOMPARE(r.platform.asked.isEmpty(), key == Qt::Key_Escape);
            QCOMPARE(tasks->CurrentTask, qint16(key == Qt::Key_Escape ? 1 : 3));
            QCOMPARE(tasks->List_Un[1]->ListIndex(), tasks->CurrentTask - 1);
        }

        QTest::keyClick(tasks->Text_Un[0], Qt::Key_Escape);
        QVERIFY(tasks->isVisible());
    }

    // A picture says what it illustrates, anew with every picture; a
    // heading names its pane; a tooltip is the description. Every entry of
    // every menu bar and menu has its own Alt letter.
    void picturesHeadingsAndMenus()
    {
        LessonRun r;
        Tezo *tezo = startedOnPointTwo(r);
        Tezo_n *tasks = r.lesson->tezoN();
        QCOMPARE(tezo->Picture_Ur[0]->accessibleName(),
                 QStringLiteral("Илюстрация към точка „2. Уравнения от 2-ра и по-висока степен“"));
        tezo->List_Ur[0]->setListIndex(0);
        QCOMPARE(tezo->Picture_Ur[0]->accessibleName(),
                 QStringLiteral("Илюстрация: няма изображение"));
        r.platform.answers = {true};
        tasks->List_Un[1]->setListIndex(6);
        QCOMPARE(tasks->Picture_Un[0]->accessibleName(), QStringLiteral("Илюстрация към задача 7"));
        for (auto *heading : tasks->findChildren<Heading *>())
            QCOMPARE(heading->buddy(), heading->control());
        tezo->mnu_Cwqt->trigger();
        for (QMainWindow *window :
             std::initializer_list<QMainWindow *>{tezo, tasks, r.lesson->cwiat()}) {
            for (QWidget *control : window->findChildren<QWidget *>()) {
                if (!control->toolTip().isEmpty())
                    QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(
                                 QAccessible::Description),
                             control->toolTip());
            }
            QList<QList<QAction *>> menus{window->menuBar()->actions()};
            for (QAction *action : window->menuBar()->actions()) {
                if (action->menu())
                    menus.append(action->menu()->actions());
            }
            for (const QList<QAction *> &menu : menus) {
                QSet<int> letters;
                for (const QAction *action : menu) {
                    const int letter = QKeySequence::mnemonic(action->text())[0].key();
                    QVERIFY2(!action->isVisible() || (letter && !letters.contains(letter)),
                             qPrintable(action->text()));
                    letters.insert(letter);
                }
            }
        }
    }
};

QTEST_MAIN(TestKeyboardWindows)
#include "tst_keyboard_windows.moc"
