#include "gui/lesson_window/tezo.h"
#include "gui/small_windows/tezo_gra.h"
#include "gui/widgets/twips.h"
#include "support/pictures.h"
#include "support/scripted_platform.h"

#include <QTest>

using namespace lesson;
using lesson::test::LessonRun;

namespace {

// Starts the lesson and switches mode flags on as a configuration would;
// the plan list is enabled again since start-up locked it with flag 10 off.
Tezo *startWithFlags(LessonRun &r, std::initializer_list<int> flagsOn)
{
    Tezo *tezo = r.lesson->tezo();
    for (int k : flagsOn)
        tezo->ModeFlagTable.write(k, QStringLiteral("1"));
    tezo->List_Ur[0]->setEnabled(true);
    return tezo;
}

int rowOf(Tezo *tezo, const QString &title)
{
    return int(tezo->List_Ur[0]->allItems().indexOf(title));
}

} // namespace

class TestPlan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shownPlanDropsCodesAndShortItems()
    {
        LessonRun r;
        Tezo *tezo = r.lesson->tezo();
        QCOMPARE(tezo->List_Ur[0]->allItems(),
                 (QStringList{"1. Полиноми", "2. Уравнения от 2-ра и по-висока степен",
                              "2а) формули за съкратено умножение", "2б) формули на Виет",
                              "2в) метод на Хорнер", "2г) триъгълник на Паскал"}));
        QCOMPARE(tezo->Text_U[0]->Text(), QStringLiteral("Полиноми и уравнения"));
        QCOMPARE(r.lesson->store().List_Ur[2].count(), 7);
        // No picture at start-up in this lesson.
        QVERIFY(tezo->Picture_Ur[0]->picture().isEmpty());
        QCOMPARE(tezo->run.ImageIndex, 0);

        ContentStore store = test::lessonContent();
        store.Plan_Tezo[0].write(3, QStringLiteral("003"));
        LessonRun shortItem(store);
        const QStringList shown = shortItem.lesson->tezo()->List_Ur[0]->allItems();
        QCOMPARE(shown.size(), 5);
        QVERIFY(!shown.contains(QStringLiteral("")));
        QCOMPARE(shown.at(2), QStringLiteral("2б) формули на Виет"));
    }

    void selectingAPointShowsItsTextAndPicture()
    {
        LessonRun r;
        Tezo *tezo = startWithFlags(r, {10, 17});
        const ContentStore &s = r.lesson->store();
        tezo->List_Ur[0]->setListIndex(rowOf(tezo, "2. Уравнения от 2-ра и по-висока степен"));
        QCOMPARE(tezo->Text_U[1]->Text(), s.Podtochki[2]);
        QCOMPARE(tezo->run.ImageIndex, 6);
        QCOMPARE(tezo->run.ImageSource, quint8(1));
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(s.Grafika_G[6]));
        QCOMPARE(tezo->run.PointTime[0], qint16(2));
        QCOMPARE(tezo->run.CurrentPointTime, qint16(12));

        tezo->List_Ur[0]->setListIndex(rowOf(tezo, "1. Полиноми"));
        QCOMPARE(tezo->Text_U[1]->Text(), s.Podtochki[1]);
        QVERIFY(tezo->Picture_Ur[0]->picture().isEmpty());
        QCOMPARE(tezo->run.ImageIndex, 0);
        QCOMPARE(tezo->run.ImageSource, quint8(1)); // clearing leaves the source alone
        QCOMPARE(tezo->run.PointTime[0], qint16(1));
    }

    void planSwitchedOffChangesNothing()
    {
        LessonRun r;
        Tezo *tezo = r.lesson->tezo();
        const QString locked = QStringLiteral("Достъпът до учебния материал е забранен!");
        QVERIFY(!tezo->List_Ur[0]->isEnabled());
        QCOMPARE(tezo->Text_U[1]->Text(), locked);
        tezo->List_Ur[0]->setListIndex(1);
        QCOMPARE(tezo->Text_U[1]->Text(), locked);
        QCOMPARE(tezo->run.PointTime[0], qint16(0));
        QCOMPARE(tezo->run.CurrentPointTime, qint16(1));
        QCOMPARE(tezo->run.ImageIndex, 0);
        QVERIFY(tezo->Picture_Ur[0]->picture().isEmpty());
    }

    void reselectionRestartsOrResumesTheTime()
    {
        for (bool resume : {false, true}) {
            LessonRun r;
            Tezo *tezo = resume ? startWithFlags(r, {10, 17, 18}) : startWithFlags(r, {10, 17});
            tezo->List_Ur[0]->setListIndex(2);
            tezo->run.PointTime[3] = 5; // five of its fourteen seconds are left
            tezo->List_Ur[0]->setListIndex(0);
            tezo->List_Ur[0]->setListIndex(2);
            QCOMPARE(tezo->run.PointTime[3], qint16(resume ? 5 : 14));
            QCOMPARE(tezo->run.CurrentPointTime, qint16(resume ? 5 : 14));
        }
    }

    void finishedPointIsNotTimedAgain()
    {
        LessonRun r;
        Tezo *tezo = startWithFlags(r, {10, 17});
        tezo->run.PointDone[4] = 1;
        tezo->run.PointTime[4] = 0;
        tezo->List_Ur[0]->setListIndex(3);
        QCOMPARE(tezo->Text_U[1]->Text(), r.lesson->store().Podtochki[4]);
        QCOMPARE(tezo->run.PointTime[4], qint16(0));
        QCOMPARE(tezo->run.CurrentPointTime, qint16(1));
    }

    void planLockedWhileAPointIsTimed()
    {
        LessonRun r;
        Tezo *tezo = startWithFlags(r, {10});
        tezo->List_Ur[0]->setListIndex(0);
        QVERIFY(!tezo->List_Ur[0]->isEnabled());

        LessonRun free;
        Tezo *other = startWithFlags(free, {10, 17});
        other->List_Ur[0]->setListIndex(0);
        QVERIFY(other->List_Ur[0]->isEnabled());
    }

    void lastMatchingItemWinsAndTheTopicTakesPart()
    {
        ContentStore store = test::lessonContent();
        // Item 5 ends with the same title as item 4, the topic with item 1's.
        store.Plan_Tezo[0].write(4, QStringLiteral("004 ред"));
        store.Plan_Tezo[0].write(5, QStringLiteral("005 ред"));
        store.Plan_Tezo[0].write(0, QStringLiteral("Урок 1. Полиноми"));
        store.Podtochki[0] = QStringLiteral("бележка на редактора");
        LessonRun r(store);
        Tezo *tezo = startWithFlags(r, {10, 17});
        tezo->List_Ur[0]->setListIndex(3); // shown "ред", fourth point
        QCOMPARE(tezo->Text_U[1]->Text(), store.Podtochki[5]);
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(store.Grafika_G[13]));
        // Its own time still follows its position in the shown list.
        QCOMPARE(tezo->run.CurrentPointTime, qint16(16));

        // "1. Полиноми" matches the topic first and point 1 last.
        tezo->List_Ur[0]->setListIndex(0);
        QCOMPARE(tezo->Text_U[1]->Text(), store.Podtochki[1]);

        // A title that only the topic ends with shows the editor's note.
        ContentStore topicOnly = test::lessonContent();
        topicOnly.Plan_Tezo[0].write(0, QStringLiteral("Полиноми 1. Полиноми"));
        topicOnly.Plan_Tezo[0].write(1, QStringLiteral("001 1. Полиноми и още"));
        topicOnly.Podtochki[0] = QStringLiteral("бележка");
        LessonRun t(topicOnly);
        Tezo *tezo2 = startWithFlags(t, {10, 17});
        tezo2->List_Ur[0]->addItem(QStringLiteral("1. Полиноми"));
        tezo2->List_Ur[0]->setListIndex(tezo2->List_Ur[0]->count() - 1);
        QCOMPARE(tezo2->Text_U[1]->Text(), QStringLiteral("бележка"));
        QCOMPARE(tezo2->run.ImageIndex, 0);
    }

    void fullSizeView()
    {
        ContentStore store = test::lessonContent();
        // Exactly the size of the small box: 1545 x 2160 twips.
        store.Grafika_G[1] = test::jpegOfSize(103, 144);
        LessonRun r(store);
        Tezo *tezo = startWithFlags(r, {10, 17});

        // An empty box does nothing, at start and after "1. Полиноми".
        tezo->Picture_Ur_Click();
        QVERIFY(!r.lesson->hasTezoGra());
        tezo->List_Ur[0]->setListIndex(0);
        tezo->Picture_Ur_Click();
        QVERIFY(!r.lesson->hasTezoGra());

        tezo->List_Ur[0]->setListIndex(1); // picture 6, 521 x 336
        tezo->Picture_Ur_Click();
        QVERIFY(r.lesson->hasTezoGra());
        Tezo_Gra *gra = r.lesson->tezoGra();
        QVERIFY(gra->isVisible());
        QVERIFY(!gra->isModal());
        QCOMPARE(gra->windowTitle(), QStringLiteral("Пълен размер на графиката"));
        QCOMPARE(gra->outerSizeTwips(), QSizeF(521 * 15 + 100, 336 * 15 + 100));
        QVERIFY(r.lesson->store().Grafika_G[0].samePicture(store.Grafika_G[6]));
        QCOMPARE(twipsGeometry(gra->Grafika_G0), QRectF(20, 20, 521 * 15, 336 * 15));

        // Equal in both directions: the view opens, in the same window.
        tezo->List_Ur[0]->setListIndex(5); // point 6 shows picture 1
        gra->hide();
        tezo->Picture_Ur_Click();
        QCOMPARE(r.lesson->tezoGra(), gra);
        QVERIFY(gra->isVisible());
        QCOMPARE(gra->outerSizeTwips(), QSizeF(1545 + 100, 2160 + 100));

        // Strictly larger in both directions: nothing opens.
        ContentStore small = test::lessonContent();
        small.Spi_GR[3].write(1, QStringLiteral("9")); // 92 x 112 pixels
        LessonRun r2(small);
        Tezo *tezo2 = startWithFlags(r2, {10, 17});
        tezo2->List_Ur[0]->setListIndex(0);
        QCOMPARE(tezo2->run.ImageIndex, 9);
        tezo2->Picture_Ur_Click();
        QVERIFY(!r2.lesson->hasTezoGra());

        // Larger in one direction only: the view opens.
        ContentStore tall = test::lessonContent();
        tall.Grafika_G[9] = test::jpegOfSize(50, 145);
        tall.Spi_GR[3].write(1, QStringLiteral("9"));
        LessonRun r3(tall);
        Tezo *tezo3 = startWithFlags(r3, {10, 17});
        tezo3->List_Ur[0]->setListIndex(0);
        tezo3->Picture_Ur_Click();
        QVERIFY(r3.lesson->hasTezoGra());
    }

    void pupilClickGoesThroughTheSameHandler()
    {
        LessonRun r;
        r.lesson->start();
        Tezo *tezo = startWithFlags(r, {10, 17});
        LessonList *plan = tezo->List_Ur[0];
        QVERIFY(QTest::qWaitForWindowExposed(tezo));
        const QRect second = plan->visualItemRect(plan->item(1));
        QTest::mouseClick(plan->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(tezo->Text_U[1]->Text(), r.lesson->store().Podtochki[2]);
        // A click on the item already selected is a selection again: with
        // flag 18 off its time starts over.
        tezo->run.PointTime[2] = 3;
        QTest::mouseClick(plan->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(tezo->run.PointTime[2], qint16(12));
    }

    void focusAloneChoosesNothing()
    {
        LessonRun r;
        r.lesson->start();
        Tezo *tezo = startWithFlags(r, {10, 17});
        QVERIFY(QTest::qWaitForWindowExposed(tezo));
        tezo->activateWindow();
        tezo->List_Ur[0]->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(tezo->List_Ur[0]->ListIndex(), -1);
        QCOMPARE(tezo->run.PointTime[0], qint16(0));
    }
};

QTEST_MAIN(TestPlan)
#include "tst_plan.moc"
