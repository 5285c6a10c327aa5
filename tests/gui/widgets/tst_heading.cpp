// Headings over the controls of the tasks window show exactly when their
// control does.

#include "gui/widgets/heading.h"
#include "support/configuration.h"
#include "support/lesson_setup.h"

#include <QLabel>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

namespace {

enum class When { BeforeFirstShown, WhileShown, WhileWindowHidden };

Heading *headingOf(QWidget *control)
{
    for (Heading *heading : control->parentWidget()->findChildren<Heading *>()) {
        if (heading->control() == control)
            return heading;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(When)

class TestHeading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Without flag 3 the task clock is hidden at start-up, and so is
    // "Остава" above it; every other heading shows with its control.
    void clockHeadingGoesWithTheClock()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        QVERIFY(QTest::qWaitForWindowExposed(tasks));
        QVERIFY(!tasks->Chasownik_Label[0]->isVisible());
        Heading *clock = headingOf(tasks->Chasownik_Label[0]);
        QVERIFY(clock);
        QCOMPARE(clock->text(), QStringLiteral("Остава"));
        const QList<Heading *> headings = tasks->findChildren<Heading *>();
        QCOMPARE(headings.size(), 9);
        for (Heading *heading : headings)
            QVERIFY2(heading->isVisible() == heading->control()->isVisible(),
                     qPrintable(heading->text()));

        LessonRun withClock;
        ConfigFile file = lessonConfiguration();
        setFlag(file, 3, 1);
        writeConfiguration(withClock, file);
        withClock.lesson->start();
        Tezo_n *shown = openTasks(withClock);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QVERIFY(shown->Chasownik_Label[0]->isVisible());
        QVERIFY(headingOf(shown->Chasownik_Label[0])->isVisible());
    }

    // A control hidden and shown again, at any time, takes its heading along.
    void followsItsControl_data()
    {
        QTest::addColumn<When>("when");
        QTest::newRow("hidden before the window is first shown") << When::BeforeFirstShown;
        QTest::newRow("hidden while the window shows") << When::WhileShown;
        QTest::newRow("hidden while the window is hidden") << When::WhileWindowHidden;
    }
    void followsItsControl()
    {
        QFETCH(When, when);
        QWidget window;
        auto *control = new QLabel(QStringLiteral("12"), &window);
        control->setGeometry(10, 40, 80, 30);
        auto *heading = new Heading(QStringLiteral("Остава"), control);
        if (when != When::BeforeFirstShown) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(heading->isVisible());
            if (when == When::WhileWindowHidden)
                window.hide();
        }
        control->hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!heading->isVisible());

        window.hide();
        control->show();
        window.show();
        QVERIFY(heading->isVisible());
    }
};

QTEST_MAIN(TestHeading)
#include "tst_heading.moc"
