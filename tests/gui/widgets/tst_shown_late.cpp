// Widgets that leave work until they are first shown (a picture box its
// decoding, a heading its place) show the same as before.

#include "support/lesson_setup.h"
#include "support/pictures.h"

namespace {

// Near enough to red for a JPEG of one colour.
bool red(const QImage &image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return c.red() > 170 && c.green() < 60 && c.blue() < 60;
}

} // namespace

class TestShownLate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The pupil clicks a term whose picture (550 x 150, wider than the
    // 275 x 200 box) shows scaled to the box's width at its top; a click
    // on it shows it at its own size.
    void termPictureShownWhenDrawn()
    {
        ContentStore store = lessonContent();
        store.Grafika_G[18] = jpegOfSize(550, 150, QColor(200, 30, 30)); // term 1's picture
        LessonRun r(store);
        Tezo_n *tasks = startOnTasks(r, {});
        QVERIFY(QTest::qWaitForWindowExposed(tasks));
        clickItem(tasks->List_Un[0], 1);
        PictureBox *box = tasks->Picture_Un[0];
        QCOMPARE(box->size(), QSize(275, 200));
        const QImage shown = box->grab().toImage();
        QVERIFY(red(shown, 137, 30) && !red(shown, 137, 120));

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(137, 30));
        QVERIFY(r.lesson->hasTezoGra());
        PictureBox *full = r.lesson->tezoGra()->Grafika_G0;
        QVERIFY(QTest::qWaitForWindowExposed(full->window()));
        QCOMPARE(full->size(), QSize(550, 150));
        QVERIFY(red(full->grab().toImage(), 5, 5) && red(full->grab().toImage(), 545, 145));
    }

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
