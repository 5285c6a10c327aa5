// The enlarged text window (Tezo_Zad) and the type/difficulty window
// (Tezo_Glos), opened from the lesson window and the tasks window.

#include "support/lesson_setup.h"

#include <QFontInfo>

class TestSmallWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enlargedTextFromTheLessonWindow()
    {
        LessonRun r;
        Tezo *tezo = r.lesson->tezo();
        ContentStore &s = r.lesson->store();
        Tezo_Zad *zad = r.lesson->tezoZad(); // loaded with nothing chosen: the first size
        QCOMPARE(zad->Obsho_Pole->font().pointSizeF(), 10.0);
        QCOMPARE(zad->List_font->allItems(), s.List_font.items());

        tezo->awtori[3]->trigger();
        s.List_Ur[1].write(5, u"3"_s);
        tezo->mnu_Fokus_Click();
        QVERIFY(zad->isVisible());
        QCOMPARE(zad->Obsho_Pole->Text(), s.Reklama_Par[3].text());
        QCOMPARE(s.Text_U[2].text(), s.Reklama_Par[3].text());
        QVERIFY(zad->Obsho_Pole->isReadOnly());
        QCOMPARE(zad->List_font->ListIndex(), 3);
        QCOMPARE(zad->Obsho_Pole->font().pointSizeF(), 16.0);

        // The field takes 95 % of the width and all the height but the lists'
        // 1320 twips; below four list heights it keeps its height.
        zad->resize(900, 500);
        const double width = pixelsToTwips(zad->frameGeometry().width(), zad);
        const double height = pixelsToTwips(zad->frameGeometry().height(), zad);
        QCOMPARE(twipsGeometry(zad->Obsho_Pole).width(), std::trunc(0.95 * width));
        QCOMPARE(twipsGeometry(zad->Obsho_Pole).height(), std::trunc(height - 1320));
        const double kept = twipsGeometry(zad->Obsho_Pole).height();
        zad->resize(600, 80); // 1200 twips
        QCOMPARE(twipsGeometry(zad->Obsho_Pole).height(), kept);
        QCOMPARE(twipsGeometry(zad->Obsho_Pole).width(),
                 std::trunc(0.95 * pixelsToTwips(zad->frameGeometry().width(), zad)));
    }

    // The enlarged text keeps the columns of the lesson's tables: the field
    // has the fixed-width family of the field it enlarges, in the size the
    // pupil picks from the window's own list.
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
            QVERIFY(tezo->Text_U[1]->toPlainText().contains(u"Хорнер"_s));
            tezo->mnu_Fokus->trigger();
        }
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(zad->isVisible());
        QCOMPARE(zad->Obsho_Pole->toPlainText(), source->toPlainText());
        clickItem(zad->List_font, 5);
        const ItemList &settings = r.lesson->store().List_Ur[1];
        QCOMPARE(settings.read(4) + u'|' + settings.read(5), u"20|5"_s);
        QCOMPARE(zad->Obsho_Pole->font().pointSizeF(), 20.0);
        QCOMPARE(zad->Obsho_Pole->font().family(), source->font().family());
        QVERIFY(QFontInfo(zad->Obsho_Pole->font()).fixedPitch());
    }

    // The enlarged answer is the answer, both ways, until the task changes or
    // its time is up; other panes are enlarged read-only.
    void enlargedAnswerIsTheAnswer()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {24});
        tasks->Text_Un[0]->setText(u"за задача 1"_s);
        tasks->Text_Un_GotFocus(0);
        tasks->mnu_Pylen_Ekran_Click();
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(!zad->Obsho_Pole->isReadOnly());
        QCOMPARE(zad->Obsho_Pole->Text(), u"за задача 1"_s);
        chooseTask(r, 2, {true});
        QVERIFY(zad->Obsho_Pole->isReadOnly());
        zad->Obsho_Pole->setText(u"не бива да стигне до задача 2"_s);
        QCOMPARE(tasks->Text_Un[0]->Text(), QString());
        QCOMPARE(tasks->List_Un3.read(1), u"за задача 1"_s);

        tasks->Text_Un[0]->setText(u"начало"_s);
        tasks->Text_Un_GotFocus(0);
        tasks->mnu_Pylen_Ekran_Click();
        QVERIFY(!zad->Obsho_Pole->isReadOnly());
        zad->Obsho_Pole->setText(u"начало и продължение"_s);
        QCOMPARE(tasks->Text_Un[0]->Text(), u"начало и продължение"_s);
        tasks->Text_Un[0]->setText(u"поправено в прозореца"_s);
        QCOMPARE(zad->Obsho_Pole->Text(), u"поправено в прозореца"_s);

        // The time-up lock holds for the enlarged field too.
        tasks->TaskTimeUp();
        QVERIFY(zad->Obsho_Pole->isReadOnly());
        zad->Obsho_Pole->setText(u"след края"_s);
        QCOMPARE(tasks->Text_Un[0]->Text(), u"поправено в прозореца"_s);

        // Other panes are enlarged read-only.
        tasks->Text_Un_GotFocus(2);
        tasks->mnu_Pylen_Ekran_Click();
        QVERIFY(zad->Obsho_Pole->isReadOnly());
        QCOMPARE(zad->Obsho_Pole->Text(), tasks->Text_Un[2]->Text());
    }

    // A line per listed task, also past the lesson's own tables (task 23 here).
    void typeAndDifficultyLineChoosesItsTask()
    {
        ContentStore store = lessonContent();
        store.Uslowie_L[0].append(u"23"_s);
        LessonRun r(store);
        Tezo_n *tasks = openTasks(r, {8, 26});
        tasks->mnu_Tip_Wid_Click();
        Tezo_Glos *glos = r.lesson->tezoGlos();
        QVERIFY(glos && glos->isVisible());
        const ContentStore &s = r.lesson->store();
        QCOMPARE(s.Wremena[3].count(), 23);
        QCOMPARE(s.Wremena[3].read(22) + u'|' + s.Wremena[5].read(22),
                 u"Сложност  за задача 23| за задача 23"_s);
        QCOMPARE(s.Wremena[3].read(5), u"Сложност 2 за задача 6"_s);
        QCOMPARE(s.Wremena[3].read(11), u"Сложност 2 за задача 12"_s);
        QCOMPARE(s.Wremena[5].read(0), u"Хорнер за задача 1"_s);
        QCOMPARE(glos->Wremena[3]->allItems(), s.Wremena[3].items());
        QCOMPARE(glos->Wremena[3]->ListIndex(), -1);
        QCOMPARE(glos->Wremena[5]->ListIndex(), -1);

        QString written; // seen at the question, before the task is shown
        r.platform.onMessage = [&](const MessageSpec &) {
            written = s.List_Ur[1].read(2);
        };
        r.platform.answers = {true};
        glos->Wremena[3]->setListIndex(11);
        QCOMPARE(written, u"11"_s);
        QCOMPARE(r.lesson->tezoGlos(), nullptr);
        QCOMPARE(chosen(tasks), u"task 12 at row 11"_s);
        QCOMPARE(s.List_Ur[1].read(2), u"12"_s); // the shown task wrote over "11"

        // The line of the chosen task shows it again and asks nothing.
        tasks->Text_Un[2]->clear();
        tasks->mnu_Tip_Wid_Click();
        r.platform.asked.clear();
        r.lesson->tezoGlos()->Wremena[5]->setListIndex(11);
        QCOMPARE(r.lesson->tezoGlos(), nullptr);
        QVERIFY(r.platform.asked.isEmpty());
        QVERIFY(tasks->Text_Un[2]->Text().contains(s.Uslowie_L[12].read(3)));
        QCOMPARE(s.List_Ur[1].read(2), u"12"_s);
    }
};

QTEST_MAIN(TestSmallWindows)
#include "tst_small_windows.moc"
