// Fonts at start: the font list read on a second thread while the windows
// are built, and the point text's monospace font loaded with the first text
// shown there.

#include "gui/qt_platform.h"
#include "support/lesson_setup.h"

#include <QFontInfo>

namespace {

bool monospace(const QWidget *w)
{
    return QFontInfo(w->font()).fixedPitch();
}

} // namespace

class TestStartFonts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The windows get their fonts while the list is read, and the list the
    // colour window offers then holds the font they got.
    void windowsBuiltWhileTheListIsRead()
    {
        QString content;
        {
            const FontListReader reader;
            LessonRun r;
            startWithFlags(r, {});
            Tezo *tezo = r.lesson->tezo();
            QVERIFY(QTest::qWaitForWindowExposed(tezo));
            clickItem(tezo->List_Ur[0], 1);
            content = QFontInfo(tezo->Text_U[1]->font()).family();
        }
        QVERIFY(QtPlatform().screenFonts().contains(content));
    }

    // The point text turns monospace with the first point the pupil
    // clicks; a font the pupil saved in the colour window before that stays.
    void pointTextFont()
    {
        {
            LessonRun r;
            startWithFlags(r, {});
            Tezo *tezo = r.lesson->tezo();
            QVERIFY(QTest::qWaitForWindowExposed(tezo));
            QVERIFY(!monospace(tezo->Text_U[1]));
            clickItem(tezo->List_Ur[0], 1);
            QVERIFY(monospace(tezo->Text_U[1]));
            QCOMPARE(tezo->Text_U[1]->font().pointSize(), 9);
        }
        {
            LessonRun r;
            startWithFlags(r, {});
            Tezo *tezo = r.lesson->tezo();
            QVERIFY(QTest::qWaitForWindowExposed(tezo));
            tezo->mnu_Cwqt->trigger();
            Cwiat *colours = r.lesson->cwiat();
            const QFont chosen = colours->Text_Cv[0]->font();
            colours->mnu_zapis->trigger();
            clickItem(tezo->List_Ur[0], 1);
            QCOMPARE(tezo->Text_U[1]->font().family(), chosen.family());
            QCOMPARE(tezo->Text_U[1]->font().pointSize(), chosen.pointSize());
        }
    }
};

QTEST_MAIN(TestStartFonts)
#include "tst_start_fonts.moc"
