// Widgets that leave work until they are first shown (a heading its
// place) show the same as before.

#include "support/lesson_setup.h"

using namespace lesson;
using namespace lesson::test;

class TestShownLate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The tasks window is made hidden at start-up, and the lesson window's
    // layout moves its panes before the pupil first opens it.
    void headingsAboveTheirPanes()
    {
        LessonRun r;
        Tezo_n *tasks = startOnTasks(r, {});
        QVERIFY(QTest::qWaitForWindowExposed(tasks));
        const QList<Heading *> headings = tasks->findChildren<Heading *>();
        QCOMPARE(headings.size(), 9);
        for (Heading *heading : headings) {
            const QRect control = heading->control()->geometry();
            QVERIFY2(heading->isVisible(), qPrintable(heading->text()));
            QCOMPARE(heading->pos(), QPoint(control.x(), control.top() - 1 - heading->height()));
        }
    }
};

QTEST_MAIN(TestShownLate)
#include "tst_shown_late.moc"
