// Headings show exactly when their control does.

#include "support/lesson_setup.h"

class TestHeading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Without flag 3 the clock is hidden at start-up, before the tasks
    // window is first shown; "Остава" goes with it.
    void followsItsControl()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        QVERIFY(QTest::qWaitForWindowExposed(tasks));
        QVERIFY(!tasks->Chasownik_Label[0]->isVisible());
        const QList<Heading *> headings = tasks->findChildren<Heading *>();
        QCOMPARE(headings.size(), 9);
        for (Heading *heading : headings)
            QVERIFY2(heading->isVisible() == heading->control()->isVisible(),
                     qPrintable(heading->text()));

        // A bare control hidden while the window shows, then shown while the
        // window is hidden as a whole.
        QWidget window;
        auto *control = new QWidget(&window);
        control->setGeometry(10, 40, 80, 30);
        auto *heading = new Heading(QStringLiteral("Остава"), control);
        window.show();
        control->hide();
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
