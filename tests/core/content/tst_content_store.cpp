#include "core/content/content_store.h"
#include "core/content/lesson_loader.h"
#include "core/content/number_text.h"
#include "support/scripted_platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lesson;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList numbers(int from, int to, int step)
{
    QStringList out;
    for (int v = from; v <= to; v += step)
        out.append(QString::number(v));
    return out;
}

} // namespace

class TestContentStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void itemListReadsPastTheEndAsEmpty()
    {
        ItemList list(QStringList{QStringLiteral("а"), QStringLiteral("б")});
        QCOMPARE(list.read(1), QStringLiteral("б"));
        QCOMPARE(list.read(2), QString());
        QCOMPARE(list.read(-1), QString());
        list.write(4, QStringLiteral("д"));
        QCOMPARE(list.count(), 5);
        QCOMPARE(list.read(3), QString());
        list.remove(9);
        QCOMPARE(list.count(), 5);
        list.remove(0);
        QCOMPARE(list.read(0), QStringLiteral("б"));
        list.clear();
        QCOMPARE(list.count(), 0);
    }

    void planAndTopic()
    {
        const ContentStore &s = test::lessonContent();
        QCOMPARE(s.Plan_Tezo[0].items(),
                 (QStringList{"Полиноми и уравнения", "001 1. Полиноми",
                              "002 2. Уравнения от 2-ра и по-висока степен",
                              "003 2а) формули за съкратено умножение", "004 2б) формули на Виет",
                              "005 2в) метод на Хорнер", "006 2г) триъгълник на Паскал"}));
        for (int k = 1; k <= 6; ++k) {
            const QString title = s.Plan_Tezo[0].read(k).mid(4);
            QVERIFY2(s.Podtochki[std::size_t(k)].startsWith(QStringLiteral("    ") + title +
                                                            QStringLiteral("\r\n")),
                     qPrintable(QStringLiteral("point %1").arg(k)));
        }
        QVERIFY(!s.Podtochki[0].isEmpty());
        for (int k = 7; k <= 9; ++k)
            QCOMPARE(s.Podtochki[std::size_t(k)], QStringLiteral("    \r\n"));
        QCOMPARE(s.Podtochki[10], QString());
        for (int k = 11; k <= 23; ++k)
            QCOMPARE(s.Podtochki[std::size_t(k)], QStringLiteral("Text1"));
    }

    void textsCarryCrLf()
    {
        const ContentStore &s = test::lessonContent();
        const QString all = s.Podtochki[1] + s.Dopyln_M[3] + s.Glos[4] + s.Reklama_Par[1];
        QVERIFY(all.contains(QStringLiteral("\r\n")));
        QCOMPARE(all.count(QLatin1Char('\n')), all.count(QStringLiteral("\r\n")));
        QCOMPARE(s.Glos[0], QStringLiteral("Text1\r\n"));
        QVERIFY(s.Reklama_Par[1].startsWith(
            QStringLiteral("   Място за рекламно послание от спонсора.")));
        QVERIFY(s.Dopyln_M[1].startsWith(QStringLiteral("ДОПЪЛНИТЕЛНО")));
        QVERIFY(s.Dopyln_M[2].startsWith(QStringLiteral("Използвана литература")));
        QVERIFY(s.Dopyln_M[4].startsWith(QStringLiteral("Продължителност на урока")));
        QCOMPARE(s.Dopyln_M[0], QString());
        for (int k = 1; k <= 9; ++k)
            QVERIFY(!s.Dopyln_M[std::size_t(k)].isEmpty());
    }

    void taskCatalogueAndLinePositions()
    {
        const ContentStore &s = test::lessonContent();
        const ItemList &catalogue = s.Uslowie_L[0];
        QCOMPARE(catalogue.count(), 23);
        QCOMPARE(catalogue.read(0), QStringLiteral("15"));
        QCOMPARE(catalogue.read(1), QStringLiteral("01 "));
        QCOMPARE(catalogue.read(22), QStringLiteral("22"));
        for (int t = 1; t <= 22; ++t)
            QCOMPARE(int(Val(catalogue.read(t))), t);
        for (int t = 1; t <= 15; ++t)
            QVERIFY(s.Uslowie_L[std::size_t(t)].count() >= 6);
        for (int t = 16; t <= 35; ++t)
            QCOMPARE(s.Uslowie_L[std::size_t(t)].count(), 0);
        QCOMPARE(s.Uslowie_L[1].read(0), QStringLiteral("Приложете метода на Хорнер"));
        QCOMPARE(s.Uslowie_L[1].read(11),
                 QStringLiteral("       Правилен отговор = 1; (x-1)*(x+2)*(x-3)*(x+4)"));
        // A statement is read up to position 10 even when the task is shorter.
        QCOMPARE(s.Uslowie_L[2].count(), 7);
        for (int i = 7; i <= 10; ++i)
            QCOMPARE(s.Uslowie_L[2].read(i), QString());
        for (int r = 0; r < 3; ++r)
            QCOMPARE(s.Redowe_L[std::size_t(r)].count(), 40);
        for (int t = 1; t <= 39; ++t) {
            QCOMPARE(s.Redowe_L[0].read(t), QStringLiteral("0"));
            QCOMPARE(s.Redowe_L[1].read(t), QStringLiteral("2"));
            QCOMPARE(s.Redowe_L[2].read(t), QStringLiteral("11"));
        }
        QCOMPARE(s.List_font.items(), numbers(10, 40, 2));
    }

    void glossaryAndTables()
    {
        const ContentStore &s = test::lessonContent();
        const ItemList &terms = s.glos_All[0];
        QCOMPARE(terms.count(), 25);
        QCOMPARE(terms.read(0), QStringLiteral("В слни"));
        QCOMPARE(terms.read(1), QStringLiteral("Диофант"));
        QCOMPARE(terms.read(14), QStringLiteral("нютонов бином"));
        QCOMPARE(terms.read(22), QStringLiteral("точка на сгъстяване "));
        QCOMPARE(terms.read(24), QStringLiteral("непрекъснатост на функция"));
        for (int k = 1; k <= 24; ++k)
            QVERIFY(!s.Glos[std::size_t(k)].isEmpty());
        for (int k = 25; k <= 29; ++k)
            QCOMPARE(s.Glos[std::size_t(k)], QString());

        const ItemList &hints = s.Wremena[0];
        QCOMPARE(hints.count(), 40);
        QCOMPARE(hints.read(0), QStringLiteral(" В"));
        QCOMPARE(hints.read(1), QStringLiteral("5"));
        QCOMPARE(hints.read(2), QStringLiteral("86"));
        QCOMPARE(hints.read(39), QStringLiteral("123"));
        const ItemList &totals = s.Wremena[1];
        QCOMPARE(totals.items().mid(1, 5), (QStringList{"20", "3000", "3100", "3200", "3400"}));
        QCOMPARE(totals.items().mid(5), numbers(3400, 10200, 200));
        QCOMPARE(s.Wremena[2].count(), 24);
        QCOMPARE(s.Wremena[2].items().mid(1), numbers(10, 54, 2));
        QCOMPARE(s.Wremena[3].items(), QStringList{"      Описание ниво сложност на задачи"});
        QCOMPARE(s.Wremena[5].items(), QStringList{"    Описание тип решение  на задачи"});
        QCOMPARE(s.Wremena[4].read(0), QStringLiteral("0 564"));
        QCOMPARE(s.Wremena[4].items().mid(1).join(QString()),
                 QStringLiteral("1111121111122112211111"));
        QCOMPARE(s.Wremena[6].count(), 23);
        QCOMPARE(s.Wremena[6].read(1), QStringLiteral("Хорнер"));
        QCOMPARE(s.Wremena[6].read(12), QStringLiteral("Метод на Нютон"));
        QCOMPARE(s.Wremena[6].read(22), QStringLiteral("Виет"));
    }

    void pictureMapsAndPictures()
    {
        const ContentStore &s = test::lessonContent();
        const QList<QSize> sizes = {{411, 179}, {182, 222}, {311, 261}, {169, 200}, {296, 334},
                                    {521, 336}, {200, 230}, {280, 340}, {92, 112},  {160, 229},
                                    {452, 266}, {400, 266}, {419, 229}, {282, 328}, {205, 253},
                                    {228, 256}, {422, 118}, {180, 222}};
        for (int k = 1; k <= 18; ++k) {
            QCOMPARE(s.Grafika_G[std::size_t(k)].pixelSize(), sizes.at(k - 1));
            QCOMPARE(s.Grafika_G[std::size_t(k)].widthTwips(), sizes.at(k - 1).width() * 15);
        }
        QVERIFY(s.Grafika_G[0].isEmpty());
        QVERIFY(s.Grafika_G[19].isEmpty());
        QCOMPARE(s.Grafika_W[2].pixelSize(), QSize(181, 194));
        QVERIFY(s.Grafika_W[1].isEmpty() && s.Grafika_W[3].isEmpty());
        QVERIFY(s.Grafika_W[1].samePicture(s.Grafika_W[3]));
        QVERIFY(!s.Grafika_W[1].samePicture(s.Grafika_W[2]));
        PictureSlot copy = s.Grafika_G[6];
        QVERIFY(copy.samePicture(s.Grafika_G[6]));

        for (int m = 0; m < 4; ++m)
            QCOMPARE(s.Spi_GR[std::size_t(m)].count(), 36);
        QCOMPARE(s.Spi_GR[2].read(0), QStringLiteral("TAVN7"));
        QCOMPARE(s.lessonId(), QStringLiteral("TAVN7"));
        auto nonZero = [&](int m) {
            QMap<int, int> out;
            for (int n = 1; n < 36; ++n)
                if (s.Spi_GR[std::size_t(m)].read(n) != QLatin1String("0"))
                    out.insert(n, s.Spi_GR[std::size_t(m)].read(n).toInt());
            return out;
        };
        QCOMPARE(nonZero(3), (QMap<int, int>{{2, 6}, {4, 2}, {5, 13}, {6, 1}}));
        QCOMPARE(nonZero(0), (QMap<int, int>{{1, 18},
                                             {2, 2},
                                             {3, 4},
                                             {4, 5},
                                             {5, 8},
                                             {6, 9},
                                             {7, 16},
                                             {8, 15},
                                             {9, 14},
                                             {11, 7},
                                             {12, 10},
                                             {14, 17}}));
        QCOMPARE(nonZero(1), (QMap<int, int>{{7, 3}, {13, 14}, {17, 11}}));
        QCOMPARE(nonZero(2), (QMap<int, int>{{7, 3}, {13, 14}, {17, 12}}));
    }

    void lessonWindowLists()
    {
        const ContentStore &s = test::lessonContent();
        QCOMPARE(s.List_Ur[1].count(), 6);
        QCOMPARE(
            s.List_Ur[1].read(0),
            QStringLiteral("01 кой термин е избрал,02 Коя задача е избрал, 03 време на задачата"));
        QCOMPARE(s.List_Ur[1].read(4), QStringLiteral("12"));
        QCOMPARE(s.List_Ur[1].read(5), QStringLiteral("0"));
        QCOMPARE(s.List_Ur[2].items(),
                 QStringList{QString(21, QLatin1Char(' ')) +
                             QStringLiteral("Оборотен за план на урока - да са подредени")});
        QCOMPARE(s.List_Ur[3].count(), 15);
        QCOMPARE(s.List_Ur[3].read(3), QStringLiteral("96"));
        QCOMPARE(s.List_Ur[3].read(10), QStringLiteral("2009/10/28"));
    }

    void malformedResourcesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("fault");
        QTest::newRow("not JSON") << QByteArray("{\"lists\": [") << "lesson.json";
        QTest::newRow("unknown element")
            << QByteArray(R"({"lists":{"Plan":{"0":["a"]}},"texts":{},"pictures":{}})")
            << "Plan(0)";
        QTest::newRow("index outside the range")
            << QByteArray(R"({"lists":{},"texts":{"Podtochki":{"24":"x"}},"pictures":{}})")
            << "Podtochki(24)";
        QTest::newRow("item that is not text")
            << QByteArray(R"({"lists":{"Plan_Tezo":{"0":[1]}},"texts":{},"pictures":{}})")
            << "Plan_Tezo(0)";
        QTest::newRow("missing file")
            << QByteArray(
                   R"({"lists":{},"texts":{"Glos":{"1":{"file":"glossary/01.txt"}}},"pictures":{}})")
            << "glossary/01.txt";
        QTest::newRow("picture that is no JPEG")
            << QByteArray(
                   R"({"lists":{},"texts":{},"pictures":{"Grafika_G":{"1":{"file":"bad.jpg"}}}})")
            << "bad.jpg";
        QTest::newRow("file with CR line ends")
            << QByteArray(
                   R"({"lists":{},"texts":{"Glos":{"1":{"file":"crlf.txt"}}},"pictures":{}})")
            << "crlf.txt";
        QTest::newRow("missing section") << QByteArray(R"({"lists":{},"texts":{}})") << "pictures";
    }
    void malformedResourcesAreRefused()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("lesson.json")), json);
        writeFile(dir.filePath(QStringLiteral("bad.jpg")), "not a picture");
        writeFile(dir.filePath(QStringLiteral("crlf.txt")), "ред\r\nред\r\n");
        const LoadResult result = loadLessonStore(dir.path());
        QVERIFY(!result.store);
        QVERIFY2(result.error.contains(fault), qPrintable(result.error));
    }

    void listFilesHoldOneItemPerLine()
    {
        QTemporaryDir dir;
        writeFile(
            dir.filePath(QStringLiteral("lesson.json")),
            R"({"lists":{"Uslowie_L":{"3":{"file":"t.txt"}}},"texts":{"Glos":{"2":"а\nб"}},"pictures":{}})");
        writeFile(dir.filePath(QStringLiteral("t.txt")), "ред 0\n\nред 2 \n");
        const LoadResult result = loadLessonStore(dir.path());
        QVERIFY2(result.store, qPrintable(result.error));
        QCOMPARE(result.store->Uslowie_L[3].items(), (QStringList{"ред 0", "", "ред 2 "}));
        QCOMPARE(result.store->Glos[2], QStringLiteral("а\r\nб"));
    }
};

QTEST_GUILESS_MAIN(TestContentStore)
#include "tst_content_store.moc"
