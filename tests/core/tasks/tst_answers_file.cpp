#include "core/tasks/answers_file.h"

#include <QTest>

using namespace lesson;

class TestAnswersFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void text_data()
    {
        QTest::addColumn<QStringList>("store"); // item t = answer to task t
        QTest::addColumn<QString>("lines");     // after the heading
        QTest::newRow("nothing typed") << QStringList{} << QString();
        QTest::newRow("tasks in order, Str number")
            << QStringList{"", "", "(x-1)(x+2)", "", "", "", "", "", "", "", "", "", "12-тата"}
            << "Задача  2\r\n(x-1)(x+2)\r\nЗадача  12\r\n12-тата\r\n";
        QTest::newRow("any line break becomes CR LF")
            << QStringList{"", "а\r\nб\nв\rг"} << "Задача  1\r\nа\r\nб\r\nв\r\nг\r\n";
        QTest::newRow("tasks past the count not looked at")
            << (QStringList(17, QString()) << "извън броя") << QString();
    }
    void text()
    {
        QFETCH(QStringList, store);
        QFETCH(QString, lines);
        QCOMPARE(formatAnswersFile(ItemList(store), 16),
                 QStringLiteral("Има въведен текст по следните задачи:\r\n") + lines);
    }

    void nameFollowsFlag31()
    {
        QCOMPARE(answersFileName(1), QStringLiteral("OTGOWOR2.TXT"));
        for (int flag : {0, -1, 2})
            QCOMPARE(answersFileName(flag), QStringLiteral("OTGOWORI.TXT"));
    }
};

QTEST_GUILESS_MAIN(TestAnswersFile)
#include "tst_answers_file.moc"
