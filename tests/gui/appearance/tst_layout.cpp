#include "gui/lesson_window/tezo.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/twips.h"
#include "support/lesson_setup.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

namespace {

// The 21 controls of the proportional layout, in the order of their rows.
QList<QWidget *> layoutControls(Tezo *tezo, Tezo_n *tasks)
{
    QList<QWidget *> controls{tezo->Text_U[0], tezo->Text_U[1]};
    for (QWidget *pane : tasks->Text_Un)
        controls.append(pane);
    for (QWidget *label : tezo->Label_U)
        controls.append(label);
    controls << tasks->Chasownik_Label[0] << tezo->Picture_Ur[0] << tasks->Picture_Un[0]
             << tezo->List_Ur[0] << tasks->List_Un[0] << tasks->List_Un[1];
    for (QWidget *shape : tezo->Shape_Lenta)
        controls.append(shape);
    return controls;
}

QList<QRectF> geometries(const QList<QWidget *> &controls)
{
    QList<QRectF> all;
    for (const QWidget *c : controls)
        all.append(twipsGeometry(c));
    return all;
}

bool near(double a, double b)
{
    return std::abs(a - b) < 0.05;
}

// With LESSON_SCREENSHOTS set to a folder, the window is saved there too.
void keep(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("LESSON_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// One one-second step of the point clock, ten ticks from the last step.
void oneSecond(Tezo *tezo)
{
    do
        tezo->Timer1_Timer();
    while (tezo->run.TickCount % 10 != 0);
}

struct Started {
    std::unique_ptr<LessonRun> run;
    Tezo *tezo = nullptr;
    Tezo_n *tasks = nullptr;
    QSize designWindow;
    QSize designInner;
};

// A shown lesson window at its design size; its timer is driven by hand.
Started startShown(std::initializer_list<int> flagsOn = {})
{
    Started s;
    s.run = std::make_unique<LessonRun>();
    s.run->lesson->start();
    s.tezo = s.run->lesson->tezo();
    s.tasks = s.run->lesson->tezoN();
    setFlags(*s.run, flagsOn);
    s.tezo->Timer1->stop();
    s.tezo->List_Ur[0]->setEnabled(true);
    if (!QTest::qWaitForWindowExposed(s.tezo))
        qWarning("the lesson window was not shown");
    s.designWindow = s.tezo->size();
    s.designInner = s.tezo->centralWidget()->size();
    return s;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void doublingTheWidthDoublesLeftAndWidth()
    {
        Started s = startShown();
        const QList<QWidget *> controls = layoutControls(s.tezo, s.tasks);
        const QList<QRectF> design = geometries(controls);
        const QFont font = s.tezo->Text_U[1]->font();

        s.tezo->resize(s.designWindow.width() + s.designInner.width(), s.designWindow.height());
        QCOMPARE(s.tezo->centralWidget()->width(), 2 * s.designInner.width());
        for (int i = 0; i < controls.size(); ++i) {
            const QRectF g = twipsGeometry(controls.at(i));
            const QRectF d = design.at(i);
            QVERIFY2(near(g.left(), 2 * d.left()) && near(g.width(), 2 * d.width()) &&
                         near(g.top(), d.top()) && near(g.height(), d.height()),
                     qPrintable(controls.at(i)->objectName()));
        }
        QCOMPARE(s.tezo->Text_U[1]->font(), font);
        // The tasks window grew with its fields: nothing of them is cut off.
        QWidget *tasksInner = s.tasks->centralWidget();
        for (QWidget *c : controls) {
            if (c->window() == s.tasks)
                QVERIFY2(tasksInner->rect().contains(c->geometry()), qPrintable(c->objectName()));
        }
        QCOMPARE(tasksInner->width(), 2 * 960);
        QCOMPARE(tasksInner->height(), 640);
        s.tezo->mnu_Wyprosi_Click();
        QVERIFY(QTest::qWaitForWindowExposed(s.tasks));
        keep(s.tasks, QStringLiteral("tasks-twice-as-wide"));
        s.tasks->mnu_IzhodN_Click();

        // Resizing the tasks window alone moves nothing.
        const QList<QRectF> before = geometries(controls);
        s.tasks->resize(700, 500);
        QCOMPARE(geometries(controls), before);
    }

    void innerSizeZeroAndBack()
    {
        Started s = startShown();
        const QList<QWidget *> controls = layoutControls(s.tezo, s.tasks);
        const QList<QRectF> design = geometries(controls);
        s.tezo->centralWidget()->resize(0, 0);
        for (QWidget *c : controls)
            QVERIFY2(twipsGeometry(c) == QRectF(0, 0, 0, 0), qPrintable(c->objectName()));
        s.tezo->centralWidget()->resize(s.designInner);
        QCOMPARE(geometries(controls), design);
    }

    void hundredResizesAndBackGiveTheDesign()
    {
        Started s = startShown();
        const QList<QWidget *> controls = layoutControls(s.tezo, s.tasks);
        const QList<QRectF> design = geometries(controls);
        QRandomGenerator random(2009);
        for (int i = 0; i < 100; ++i)
            s.tezo->resize(random.bounded(300, 2500), random.bounded(200, 1550));
        s.tezo->resize(s.designWindow);
        QCOMPARE(s.tezo->centralWidget()->size(), s.designInner);
        for (int i = 0; i < controls.size(); ++i) {
            const QRectF g = twipsGeometry(controls.at(i));
            const QRectF d = design.at(i);
            QVERIFY2(qRound(g.left()) == qRound(d.left()) && qRound(g.top()) == qRound(d.top()) &&
                         qRound(g.width()) == qRound(d.width()) &&
                         qRound(g.height()) == qRound(d.height()),
                     qPrintable(controls.at(i)->objectName()));
        }
        QCOMPARE(s.tasks->centralWidget()->size(), QSize(960, 640));
    }

    void tasksWindowGrowsNoFurtherThanTheScreen()
    {
        Started s = startShown();
        // Four times as wide: the fields would be far wider than the screen.
        s.tezo->resize(s.designWindow.width() + 3 * s.designInner.width(), s.designWindow.height());
        QWidget *tasksInner = s.tasks->centralWidget();
        const QSize room = s.tezo->screen()->availableGeometry().size();
        QVERIFY(tasksInner->width() <= room.width());
        QVERIFY(tasksInner->width() > 2 * 960);
        for (QWidget *c : layoutControls(s.tezo, s.tasks)) {
            if (c->window() == s.tasks)
                QVERIFY2(tasksInner->rect().contains(c->geometry()), qPrintable(c->objectName()));
        }
        // The lesson window's own fields follow it all the way.
        QVERIFY(near(twipsGeometry(s.tezo->List_Ur[0]).width(), 40000));
    }

    void barAndTapeKeepTheirProportions()
    {
        ContentStore store = lessonContent();
        store.Wremena[2].write(1, QStringLiteral("1"));
        store.Wremena[2].write(2, QStringLiteral("10"));
        Started s;
        s.run = std::make_unique<LessonRun>(store);
        s.run->lesson->start();
        s.tezo = s.run->lesson->tezo();
        setFlags(*s.run, {10, 13, 16, 17, 19});
        s.tezo->Timer1->stop();
        s.tezo->List_Ur[0]->setEnabled(true);
        QVERIFY(QTest::qWaitForWindowExposed(s.tezo));
        s.designWindow = s.tezo->size();
        s.designInner = s.tezo->centralWidget()->size();
        Tezo *tezo = s.tezo;

        LessonList *plan = tezo->List_Ur[0];
        QTest::mouseClick(plan->viewport(), Qt::LeftButton, {},
                          plan->visualItemRect(plan->item(0)).center());
        oneSecond(tezo); // point 1 done: one tape step
        QTest::mouseClick(plan->viewport(), Qt::LeftButton, {},
                          plan->visualItemRect(plan->item(1)).center());
        for (int second = 0; second < 5; ++second)
            oneSecond(tezo);
        // Half of the bar is gone, one sixth of the tape is green.
        QVERIFY(near(twipsGeometry(tezo->Shape_Lenta[0]).height(), 2500));
        QVERIFY(near(twipsGeometry(tezo->Shape_Lenta[1]).top(), 3000));
        QVERIFY(near(twipsGeometry(tezo->Shape_Lenta[3]).width(), 1848));
        for (QFrame *shape : tezo->Shape_Lenta)
            QVERIFY(shape->isVisible());
        keep(tezo, QStringLiteral("lesson-half-way"));

        // One and a half times as wide, then as high as well.
        for (const QSize factor : {QSize(3, 2), QSize(3, 3)}) {
            const QSize inner(s.designInner.width() * factor.width() / 2,
                              s.designInner.height() * factor.height() / 2);
            tezo->resize(s.designWindow + (inner - s.designInner));
            QCOMPARE(tezo->centralWidget()->size(), inner);
            const QSizeF now = innerSizeTwips(tezo->centralWidget());
            const double x = now.width() / pixelsToTwips(s.designInner.width(), tezo);
            const double y = now.height() / pixelsToTwips(s.designInner.height(), tezo);
            const QRectF remaining = twipsGeometry(tezo->Shape_Lenta[0]);
            const QRectF elapsed = twipsGeometry(tezo->Shape_Lenta[1]);
            QVERIFY(near(remaining.top(), 495 * y));
            QVERIFY(near(remaining.height(), 2500 * y));
            QVERIFY(near(remaining.left(), 11500 * x));
            QVERIFY(near(elapsed.top(), 3000 * y));
            QVERIFY(near(elapsed.height(), 2515 * y));
            const QRectF red = twipsGeometry(tezo->Shape_Lenta[2]);
            const QRectF green = twipsGeometry(tezo->Shape_Lenta[3]);
            QVERIFY(near(green.width(), 1848 * x));
            QVERIFY(near(red.left(), (360 + 1833) * x));
            QVERIFY(near(red.width(), (11000 - 1833) * x));
            QVERIFY(near(red.top(), 7200 * y));
            if (factor.height() == 2)
                keep(tezo, QStringLiteral("lesson-one-and-a-half-wide"));
        }
        // The next second goes on from there.
        oneSecond(tezo);
        QVERIFY(near(twipsGeometry(tezo->Shape_Lenta[0]).height(), 2000 * 1.5));
        keep(tezo, QStringLiteral("lesson-one-and-a-half-both-ways"));
    }
};

// The tests run on a large screen of their own, so that the tasks window
// has room to follow the lesson window.
int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    if (qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen"))) {
        const QString config = folder.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(R"({"windowFrameMargins": false, "screens": [{"name": "lesson",
                "x": 0, "y": 0, "width": 2560, "height": 1600, "logicalDpi": 96,
                "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
            return 1;
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    }
    QApplication app(argc, argv);
    TestLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_layout.moc"
