#include "support/lesson_setup.h"
#include "support/screenshots.h"

namespace {

// The lesson shown with point k's viewing time times[k - 1] seconds and the
// given flags on; the tests drive its timer.
struct Run {
    Run(const QList<int> &times, const QList<int> &flagsOn)
    {
        ContentStore store = lessonContent();
        for (int k = 1; k <= times.size(); ++k)
            store.Wremena[2].write(k, QString::number(times.at(k - 1)));
        run = std::make_unique<LessonRun>(store);
        run->lesson->start();
        tezo = run->lesson->tezo();
        tezo->Timer1->stop();
        for (int k : flagsOn)
            tezo->ModeFlagTable.write(k, u"1"_s);
        tezo->List_Ur[0]->setEnabled(true);
        if (!QTest::qWaitForWindowExposed(tezo))
            qWarning("the lesson window was not shown");
    }
    // The pupil clicks point k of the plan.
    void choose(int k) { clickItem(tezo->List_Ur[0], k - 1); }
    // One step of the point clock: the ticks up to the next tenth.
    void second()
    {
        do
            tezo->Timer1_Timer();
        while (tezo->run.TickCount % 10 != 0);
    }
    bool barShown() const { return tezo->Shape_Lenta[0]->isVisible(); }
    double twips(int shape, qreal (QRectF::*part)() const) const
    {
        return (twipsGeometry(tezo->Shape_Lenta[std::size_t(shape)]).*part)();
    }

    std::unique_ptr<LessonRun> run;
    Tezo *tezo = nullptr;
};

} // namespace

class TestPointTimer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pointOfTenSeconds()
    {
        Run r({10, 6000, 14, 16, 18, 20}, {10, 13, 19});
        const int clears = r.run->platform.clipboardClears;
        r.choose(1);
        QVERIFY(!r.tezo->List_Ur[0]->isEnabled()); // flag 17 off locks the plan
        for (int second = 1; second <= 9; ++second) {
            r.second();
            QCOMPARE(r.tezo->run.PointTime[1], qint16(10 - second));
            QVERIFY(r.barShown() && r.tezo->run.PointDone[1] == 0);
            // The remaining part shrinks from the bottom, the elapsed rises.
            QCOMPARE(r.twips(0, &QRectF::height), 5000.0 - 500 * second);
            QCOMPARE(r.twips(1, &QRectF::top), 5500.0 - 500 * second);
            QCOMPARE(r.twips(1, &QRectF::height), 15.0 + 500 * second);
        }
        r.second();
        QCOMPARE(r.tezo->run.PointDone[1], quint8(1));
        QCOMPARE(r.tezo->run.PointDone[0], quint8(5));
        QVERIFY(!r.tezo->List_Ur[0]->isEnabled());
        QVERIFY(r.tezo->Label_U[1]->toolTip().startsWith(" Лявата (зелената) част"));
        r.second();
        QVERIFY(r.tezo->List_Ur[0]->isEnabled() && !r.barShown());
        QCOMPARE(r.run->platform.clipboardClears - clears, 110);
        // A point longer than the bar is high keeps it whole to its last second.
        r.choose(2);
        r.tezo->run.PointTime[2] = 2;
        r.second();
        QCOMPARE(r.twips(0, &QRectF::height), 5000.0);
        r.second();
        QCOMPARE(r.tezo->run.PointDone[2], quint8(1));
    }

    // A negative viewing time (a teacher's negative reading factor) has no
    // end to wait for: the point counts as done once and the plan is free.
    void negativeTimeFreesThePlan()
    {
        Run r({-3, 12, 14, 16, 18, 20}, {10, 13, 19});
        r.choose(1);
        for (int second = 0; second < 3; ++second)
            r.second();
        QVERIFY(r.tezo->List_Ur[0]->isEnabled() && !r.barShown());
        QCOMPARE(r.tezo->run.PointDone[0], quint8(5));
    }

    void wholePlan_data()
    {
        QTest::addColumn<QList<int>>("flags");
        QTest::newRow("bar and tape") << QList<int>{10, 13, 17, 19};
        QTest::newRow("flag 13 off: no bar") << QList<int>{10, 17, 19};
        QTest::newRow("flag 19 off: no tape") << QList<int>{10, 13, 17};
        QTest::newRow("flag 16 on: tasks free after each point") << QList<int>{10, 13, 16, 17};
    }
    void wholePlan()
    {
        QFETCH(QList<int>, flags);
        Run r({2, 2, 2, 2, 2, 2}, flags);
        const bool bar = flags.contains(13), tape = flags.contains(19);
        for (int k = 1; k <= 6; ++k) {
            r.choose(k);
            r.second();
            QCOMPARE(r.barShown(), bar);
            // Locked while a point is read (with the bar), and with flag 16
            // at 0 until every point is done.
            QCOMPARE(r.tezo->mnu_Wyprosi->isEnabled(), !bar && flags.contains(16));
            r.second();
            QCOMPARE(r.tezo->mnu_Wyprosi->isEnabled(), flags.contains(16) || k == 6);
            QCOMPARE(r.tezo->Shape_Lenta[3]->isVisible(), tape);
            if (tape && k < 6)
                QCOMPARE(r.twips(2, &QRectF::left), 360.0 + 1833 * k);
        }
        QVERIFY(!r.tezo->Shape_Lenta[2]->isVisible());
        if (tape)
            QCOMPARE(r.twips(3, &QRectF::width), 11013.0);
    }

    // Resized half way through the plan, bar and tape keep their proportions,
    // and the next second goes on from there.
    void barAndTapeKeepTheirProportions()
    {
        Run r({1, 10, 14, 16, 18, 20}, {10, 13, 16, 17, 19});
        r.choose(1);
        r.second();
        r.choose(2);
        for (int i = 0; i < 5; ++i)
            r.second();
        // Half of the bar is gone, a sixth of the tape is green.
        keep(r.tezo, u"lesson-half-way"_s);
        const QSize window = r.tezo->size(), inner = r.tezo->centralWidget()->size();
        const auto near = [](double a, double b) {
            return std::abs(a - b) < 0.05;
        };
        for (const QSize half : {QSize(3, 2), QSize(3, 3)}) {
            r.tezo->resize(
                window - inner +
                QSize(inner.width() * half.width() / 2, inner.height() * half.height() / 2));
            const double x = double(r.tezo->centralWidget()->width()) / inner.width();
            const double y = double(r.tezo->centralWidget()->height()) / inner.height();
            QVERIFY(near(r.twips(0, &QRectF::top), 495 * y) &&
                    near(r.twips(0, &QRectF::height), 2500 * y));
            QVERIFY(near(r.twips(1, &QRectF::top), 3000 * y) &&
                    near(r.twips(1, &QRectF::height), 2515 * y));
            QVERIFY(near(r.twips(2, &QRectF::left), 2193 * x) &&
                    near(r.twips(2, &QRectF::width), 9167 * x) &&
                    near(r.twips(3, &QRectF::width), 1848 * x));
            if (half.height() == 2)
                keep(r.tezo, u"lesson-one-and-a-half-wide"_s);
        }
        r.second();
        QVERIFY(near(r.twips(0, &QRectF::height), 2000 * 1.5));
    }
};

QTEST_MAIN(TestPointTimer)
#include "tst_point_timer.moc"
