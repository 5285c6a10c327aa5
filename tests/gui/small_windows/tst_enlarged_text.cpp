// The enlarged text window keeps the columns of the lesson's tables: its
// field has the fixed-width family of the fields it enlarges, in the size the
// pupil picks.

#include "gui/small_windows/tezo_zad.h"
#include "support/lesson_setup.h"
#include "support/pupil.h"

#include <QAction>
#include <QFontInfo>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

class TestEnlargedText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tablesKeepTheirColumns_data()
    {
        QTest::addColumn<bool>("fromTasks");
        QTest::newRow("Horner table of point 2в from the lesson window") << false;
        QTest::newRow("task statement from the tasks window") << true;
    }
    void tablesKeepTheirColumns()
    {
        QFETCH(bool, fromTasks);
        LessonRun r;
        setFlags(r, {10, 24});
        Tezo *tezo = r.lesson->tezo();
        tezo->List_Ur[0]->setEnabled(true);
        tezo->mnu_Fokus->setEnabled(true);
        r.lesson->start();
        QTextEdit *source = tezo->Text_U[1];
        if (fromTasks) {
            Tezo_n *tasks = openTasks(r);
            tasks->mnu_Pylen_Ekran->setEnabled(true);
            source = tasks->Text_Un[2];
            tasks->mnu_Pylen_Ekran->trigger();
        } else {
            clickItem(tezo->List_Ur[0], 4);
            QVERIFY(tezo->Text_U[1]->toPlainText().contains(QStringLiteral("Хорнер")));
            tezo->mnu_Fokus->trigger();
        }
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(zad->isVisible());
        QCOMPARE(zad->Obsho_Pole->toPlainText(), source->toPlainText());
        QCOMPARE(zad->Obsho_Pole->font().family(), source->font().family());

        // The size comes from the window's own list; the family stays.
        clickItem(zad->List_font, 5);
        QCOMPARE(zad->List_font->itemText(5), QStringLiteral("20"));
        QCOMPARE(zad->Obsho_Pole->font().pointSizeF(), 20.0);
        QCOMPARE(zad->Obsho_Pole->font().family(), source->font().family());
        QVERIFY(QFontInfo(zad->Obsho_Pole->font()).fixedPitch());
    }
};

QTEST_MAIN(TestEnlargedText)
#include "tst_enlarged_text.moc"
