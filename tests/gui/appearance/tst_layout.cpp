#include "support/lesson_setup.h"
#include "support/screenshots.h"

#include <QRandomGenerator>
#include <QScreen>

namespace {

bool near(double a, double b)
{
    return std::abs(a - b) < 0.05;
}

// The lesson window shown at its design size, with its 21 laid-out controls.
struct Shown {
    explicit Shown(const ContentStore &store = lessonContent())
        : run(store)
    {
        run.lesson->start();
        tezo = run.lesson->tezo();
        tasks = run.lesson->tezoN();
        tezo->Timer1->stop();
        if (!QTest::qWaitForWindowExposed(tezo))
            qWarning("the lesson window was not shown");
        window = tezo->size();
        inner = tezo->centralWidget()->size();
        controls << tezo->Text_U[0] << tezo->Text_U[1] << tezo->Label_U[0] << tezo->Label_U[1]
                 << tezo->Label_U[2] << tezo->Label_U[3] << tezo->Picture_Ur[0] << tezo->List_Ur[0]
                 << tasks->Chasownik_Label[0] << tasks->Picture_Un[0] << tasks->List_Un[0]
                 << tasks->List_Un[1];
        for (int i = 0; i < 5; ++i)
            controls << tasks->Text_Un[std::size_t(i)];
        for (int i = 0; i < 4; ++i)
            controls << tezo->Shape_Lenta[std::size_t(i)];
        design = geometries();
    }
    QList<QRectF> geometries() const
    {
        QList<QRectF> all;
        for (const QWidget *c : controls)
            all << twipsGeometry(c);
        return all;
    }
    // Gives the lesson window an inner size, its menu bar unchanged.
    void resizeInner(QSize size) { tezo->resize(window + (size - inner)); }
    // True when every field of the tasks window lies inside that window.
    bool tasksFieldsInside() const
    {
        for (QWidget *c : controls) {
            if (c->window() == tasks && !tasks->centralWidget()->rect().contains(c->geometry()))
                return false;
        }
        return true;
    }

    LessonRun run;
    Tezo *tezo = nullptr;
    Tezo_n *tasks = nullptr;
    QSize window, inner;
    QList<QWidget *> controls;
    QList<QRectF> design;
};

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Minimised, every control is 0; back at design size after any number
    // of sizes, every control is where it was. Four times as wide, the tasks
    // window stops at the screen. Twice as wide, left and width double, top,
    // height and the font stay, the tasks window grows with its fields, and
    // resizing it alone moves nothing.
    void resizingFollowsTheDesign()
    {
        Shown s;
        s.tezo->centralWidget()->resize(0, 0);
        for (const QRectF &g : s.geometries())
            QCOMPARE(g, QRectF(0, 0, 0, 0));
        s.tezo->centralWidget()->resize(s.inner);
        QCOMPARE(s.geometries(), s.design);
        QRandomGenerator random(2009);
        for (int i = 0; i < 100; ++i)
            s.tezo->resize(random.bounded(300, 2500), random.bounded(200, 1550));
        s.tezo->resize(s.window);
        const QList<QRectF> back = s.geometries();
        for (int i = 0; i < back.size(); ++i)
            QVERIFY2(back[i].toRect() == s.design[i].toRect(),
                     qPrintable(s.controls[i]->objectName()));
        QCOMPARE(s.tasks->centralWidget()->size(), QSize(960, 640));

        s.resizeInner({4 * s.inner.width(), s.inner.height()});
        const int width = s.tasks->centralWidget()->width();
        QVERIFY(width > 2 * 960 && width <= s.tezo->screen()->availableGeometry().width());
        QVERIFY(s.tasksFieldsInside());
        QVERIFY(near(twipsGeometry(s.tezo->List_Ur[0]).width(), 40000));

        const QFont font = s.tezo->Text_U[1]->font();
        s.resizeInner({2 * s.inner.width(), s.inner.height()});
        QCOMPARE(s.tezo->centralWidget()->width(), 2 * s.inner.width());
        const QList<QRectF> now = s.geometries();
        for (int i = 0; i < now.size(); ++i) {
            const QRectF g = now[i], d = s.design[i];
            QVERIFY2(near(g.left(), 2 * d.left()) && near(g.width(), 2 * d.width()) &&
                         near(g.top(), d.top()) && near(g.height(), d.height()),
                     qPrintable(s.controls[i]->objectName()));
        }
        QCOMPARE(s.tezo->Text_U[1]->font(), font);
        QCOMPARE(s.tasks->centralWidget()->size(), QSize(2 * 960, 640));
        QVERIFY(s.tasksFieldsInside());
        s.tasks->resize(700, 500);
        QCOMPARE(s.geometries(), now);
        s.tezo->mnu_Wyprosi_Click();
        if (QTest::qWaitForWindowExposed(s.tasks))
            keep(s.tasks, u"tasks-twice-as-wide"_s);
    }
};

// The tests run on a large screen of their own, so that the tasks window
// has room to follow the lesson window.
int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    if (qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen"))) {
        QFile config(folder.filePath(u"screen.json"_s));
        if (!config.open(QIODevice::WriteOnly) ||
            config.write(R"({"windowFrameMargins": false, "screens": [{"name": "lesson",
                "x": 0, "y": 0, "width": 2560, "height": 1600, "logicalDpi": 96,
                "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
            return 1;
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    TestLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_layout.moc"
