#include "core/tasks/answers_file.h"

#include <QTest>

using namespace lesson;

namespace {

const QString kHeading = QStringLiteral("Има въведен текст по следните задачи:\r\n");

// An answer store of 98 items with the given answers.
ItemList answers(const QList<std::pair<int, QString>> &typed)
{
    ItemList store(QStringList(98, QString()));
    for (const auto &[task, text] : typed)
        store.write(task, text);
    return store;
}

} // namespace

class TestAnswersFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void text_data()
    {
        QTest::addColumn<ItemList>("store");
        QTest::addColumn<int>("taskCount");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing typed: the heading alone") << answers({}) << 16 << kHeading;
        QTest::newRow("five characters are not recorded, six are")
            << answers({{1, "x = 2"}, {2, "x = -2"}}) << 16 << kHeading + "Задача  2\r\nx = -2\r\n";
        QTest::newRow("task 3 answered and task 1 not")
            << answers({{3, "(x-1)(x+2)"}}) << 16 << kHeading + "Задача  3\r\n(x-1)(x+2)\r\n";
        QTest::newRow("tasks in increasing order, two-digit numbers")
            << answers({{12, "дванадесета"}, {2, "втората"}}) << 16
            << kHeading + "Задача  2\r\nвтората\r\nЗадача  12\r\nдванадесета\r\n";
        QTest::newRow("an answer over several lines keeps them")
            << answers({{1, "ред 1\r\nред 2"}}) << 16
            << kHeading + "Задача  1\r\nред 1\r\nред 2\r\n";
        QTest::newRow("bare line feeds and returns become CR LF")
            << answers({{1, "ред 1\nред 2\rред 3"}}) << 16
            << kHeading + "Задача  1\r\nред 1\r\nред 2\r\nред 3\r\n";
        QTest::newRow("the count bounds the tasks looked at")
            << answers({{16, "извън броя"}, {15, "последна"}}) << 15
            << kHeading + "Задача  15\r\nпоследна\r\n";
        QTest::newRow("items past the store read empty")
            << ItemList(QStringList{QString(), QStringLiteral("първата")}) << 200
            << kHeading + "Задача  1\r\nпървата\r\n";
    }
    void text()
    {
        QFETCH(ItemList, store);
        QFETCH(int, taskCount);
        QFETCH(QString, expected);
        QCOMPARE(formatAnswersFile(store, taskCount), expected);
    }

    void bytes_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("expected");
        // "Има въведен текст по следните задачи:" in Windows-1251.
        const QByteArray heading("\xC8\xEC\xE0 \xE2\xFA\xE2\xE5\xE4\xE5\xED \xF2\xE5\xEA\xF1\xF2 "
                                 "\xEF\xEE \xF1\xEB\xE5\xE4\xED\xE8\xF2\xE5 "
                                 "\xE7\xE0\xE4\xE0\xF7\xE8:\r\n");
        const QByteArray task("\xC7\xE0\xE4\xE0\xF7\xE0  1\r\n");
        QTest::newRow("Cyrillic in Windows-1251, byte for byte")
            << QStringLiteral("корен 2") << heading + task + "\xEA\xEE\xF0\xE5\xED 2\r\n";
        QTest::newRow("a square root turns the file to UTF-8 with a mark")
            << QStringLiteral("√4 = 2")
            << QByteArray("\xEF\xBB\xBF") +
                   QStringLiteral("Има въведен текст по следните задачи:\r\nЗадача  1\r\n√4 = "
                                  "2\r\n")
                       .toUtf8();
        QTest::newRow("an emoji survives whole")
            << QStringLiteral("добре 😀")
            << QByteArray("\xEF\xBB\xBF") +
                   QStringLiteral("Има въведен текст по следните задачи:\r\nЗадача  1\r\nдобре "
                                  "😀\r\n")
                       .toUtf8();
    }
    void bytes()
    {
        QFETCH(QString, answer);
        QFETCH(QByteArray, expected);
        QCOMPARE(answersFileBytes(answers({{1, answer}}), 16), expected);
    }

    void nameFollowsFlag31()
    {
        QCOMPARE(answersFileName(0), QStringLiteral("OTGOWORI.TXT"));
        QCOMPARE(answersFileName(1), QStringLiteral("OTGOWOR2.TXT"));
        // Only 1 picks the second name.
        QCOMPARE(answersFileName(-1), QStringLiteral("OTGOWORI.TXT"));
        QCOMPARE(answersFileName(2), QStringLiteral("OTGOWORI.TXT"));
    }
};

QTEST_GUILESS_MAIN(TestAnswersFile)
#include "tst_answers_file.moc"
