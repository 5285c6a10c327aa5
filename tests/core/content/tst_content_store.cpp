#include "core/content/content_store.h"
#include "core/content/lesson_loader.h"
#include "support/files.h"
#include "support/lesson_content.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lesson;
using namespace Qt::StringLiterals;

namespace {

QString joined(const ItemList &list, int from = 0)
{
    return list.items().mid(from).join(u'|');
}

QString numbers(int from, int to, int step)
{
    QStringList out;
    for (int v = from; v <= to; v += step)
        out.append(QString::number(v));
    return out.join(u'|');
}

// The entries of a picture map that name a picture: "position:picture ...".
QString mapped(const ItemList &map)
{
    QStringList out;
    for (int n = 1; n < map.count(); ++n)
        if (map.read(n) != QLatin1String("0"))
            out.append(u"%1:%2"_s.arg(n).arg(map.read(n)));
    return out.join(u' ');
}

} // namespace

class TestContentStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void itemListReadsPastTheEndAsEmpty()
    {
        ItemList list(QStringList{u"а"_s, u"б"_s});
        QCOMPARE(list.read(1), u"б"_s);
        QCOMPARE(list.read(2), QString());
        QCOMPARE(list.read(-1), QString());
        list.write(4, u"д"_s);
        QCOMPARE(joined(list), u"а|б|||д"_s);
        list.remove(9);
        list.remove(0);
        QCOMPARE(joined(list), u"б|||д"_s);
    }

    // Texts, lists, tables and pictures sit at their indices, with nothing
    // trimmed: the ends of each range are where an index off by one shows.
    void contentAtItsIndices()
    {
        const ContentStore &s = test::lessonContent();
        for (int k = 1; k <= 6; ++k) // each point text opens with its plan title
            QVERIFY(s.Podtochki[k].text().startsWith(u"    "_s + s.Plan_Tezo[0].read(k).mid(4) +
                                                     u"\r\n"_s));
        QVERIFY(!s.Podtochki[0].isEmpty());
        for (int k = 7; k <= 23; ++k)
            QCOMPARE(s.Podtochki[k].text(), k < 10    ? u"    \r\n"_s
                                            : k == 10 ? QString()
                                                      : u"Text1"_s);
        QVERIFY(s.Dopyln_M[1].text().startsWith(u"ДОПЪЛНИТЕЛНО"_s));
        QVERIFY(s.Dopyln_M[2].text().startsWith(u"Използвана литература"_s));
        QVERIFY(s.Dopyln_M[4].text().startsWith(u"Продължителност на урока"_s));
        QVERIFY(s.Reklama_Par[1].text().startsWith(u"   Място за рекламно послание"_s));
        QCOMPARE(s.Glos[0].text(), u"Text1\r\n"_s);
        for (int k = 1; k <= 29; ++k)
            QCOMPARE(s.Glos[k].isEmpty(), k > 24);
        for (int k = 0; k <= 9; ++k)
            QCOMPARE(s.Dopyln_M[k].isEmpty(), k == 0);
        // Every line break of a long text is CR LF.
        const QString all = s.Podtochki[1].text() + s.Dopyln_M[3].text() + s.Glos[4].text() +
                            s.Reklama_Par[1].text();
        QCOMPARE(all.count(u'\n'), all.count(u"\r\n"_s));
        QVERIFY(all.contains(u"\r\n"_s));

        QCOMPARE(joined(s.Uslowie_L[0]),
                 u"15|01 |02 |03|04|05|06|07|08|09|"_s + numbers(10, 22, 1));
        for (int t = 16; t <= 35; ++t)
            QCOMPARE(s.Uslowie_L[t].count(), 0);
        QCOMPARE(joined(s.Redowe_L[0], 1) + joined(s.Redowe_L[1], 1) + joined(s.Redowe_L[2], 1),
                 QStringList(39, "0").join('|') + QStringList(39, "2").join('|') +
                     QStringList(39, "11").join('|'));
        QCOMPARE(joined(s.List_font), numbers(10, 40, 2));
        QCOMPARE(s.glos_All[0].count(), 25);
        const ItemList &terms = s.glos_All[0];
        QCOMPARE(terms.read(0) + terms.read(1) + terms.read(14) + terms.read(22) + terms.read(24),
                 u"В слниДиофантнютонов биномточка на сгъстяване непрекъснатост на функция"_s);

        QCOMPARE(joined(s.Wremena[0]), u" В|5|"_s + numbers(86, 123, 1));
        QCOMPARE(joined(s.Wremena[1]), u" В|20|3000|3100|3200|"_s + numbers(3400, 10200, 200));
        QCOMPARE(joined(s.Wremena[2], 1), numbers(10, 54, 2));
        QCOMPARE(joined(s.Wremena[3]) + joined(s.Wremena[5]),
                 u"      Описание ниво сложност на задачи    Описание тип решение  на задачи"_s);
        QCOMPARE(joined(s.Wremena[4]), u"0 564|1|1|1|1|1|2|1|1|1|1|1|2|2|1|1|2|2|1|1|1|1|1"_s);
        QCOMPARE(s.Wremena[6].count(), 23);
        QCOMPARE(s.Wremena[6].read(1) + s.Wremena[6].read(12) + s.Wremena[6].read(22),
                 u"ХорнерМетод на НютонВиет"_s);

        for (int k = 0; k <= 19; ++k) // a slot is as wide as its pixels at 15 twips each
            QCOMPARE(s.Grafika_G[k].widthTwips(), s.Grafika_G[k].pixelSize().width() * 15);
        QVERIFY(s.Grafika_G[0].isEmpty() && s.Grafika_G[19].isEmpty() &&
                !s.Grafika_G[18].isEmpty());
        QCOMPARE(s.Grafika_G[1].pixelSize(), QSize(411, 179));
        QCOMPARE(s.Grafika_W[2].pixelSize(), QSize(181, 194));
        QVERIFY(s.Grafika_W[1].isEmpty() && s.Grafika_W[3].samePicture(s.Grafika_W[1]));
        QVERIFY(!s.Grafika_W[1].samePicture(s.Grafika_W[2]));
        QCOMPARE(mapped(s.Spi_GR[0]),
                 u"1:18 2:2 3:4 4:5 5:8 6:9 7:16 8:15 9:14 11:7 12:10 14:17"_s);
        QCOMPARE(mapped(s.Spi_GR[1]), u"7:3 13:14 17:11"_s);
        QCOMPARE(mapped(s.Spi_GR[2]), u"7:3 13:14 17:12"_s);
        QCOMPARE(mapped(s.Spi_GR[3]), u"2:6 4:2 5:13 6:1"_s);
        for (int m = 0; m < 4; ++m)
            QCOMPARE(s.Spi_GR[m].count(), 36);
        QCOMPARE(s.lessonId(), u"TAVN7"_s);

        QCOMPARE(joined(s.List_Ur[1]), u"01 кой термин е избрал,02 Коя задача е избрал, 03 "
                                       "време на задачата|0|0|0|12|0"_s);
        QCOMPARE(joined(s.List_Ur[2]),
                 QString(21, u' ') + u"Оборотен за план на урока - да са подредени"_s);
        QCOMPARE(joined(s.List_Ur[3]), u"|||96|||||||2009/10/28||||"_s);
    }

    void malformedResourcesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("fault");
        // A lesson.json whose one section named holds the text given.
        const auto row = [](const char *name, const char *section, const char *text,
                            const char *fault) {
            QByteArray json(R"({"lists":{},"texts":{},"pictures":{}})");
            QTest::newRow(name) << json.replace(QByteArray("\"") + section + "\":{}",
                                                QByteArray("\"") + section + "\":" + text)
                                << fault;
        };
        QTest::newRow("not JSON") << QByteArray("{\"lists\": [") << "lesson.json";
        row("unknown element", "lists", R"({"Plan":{"0":["a"]}})", "Plan(0)");
        row("index outside the range", "texts", R"({"Podtochki":{"24":"x"}})", "Podtochki(24)");
        row("item that is not text", "lists", R"({"Plan_Tezo":{"0":[1]}})", "Plan_Tezo(0)");
        row("missing file", "texts", R"({"Glos":{"1":{"file":"glossary/01.txt"}}})",
            "glossary/01.txt");
        row("picture that is no JPEG", "pictures", R"({"Grafika_G":{"1":{"file":"bad.jpg"}}})",
            "bad.jpg");
        row("file with CR line ends", "texts", R"({"Glos":{"1":{"file":"crlf.txt"}}})", "crlf.txt");
        QTest::newRow("missing section") << QByteArray(R"({"lists":{},"texts":{}})") << "pictures";
    }
    void malformedResourcesAreRefused()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        QVERIFY(test::writeFile(dir.filePath(u"lesson.json"_s), json));
        QVERIFY(test::writeFile(dir.filePath(u"bad.jpg"_s), "not a picture"));
        QVERIFY(test::writeFile(dir.filePath(u"crlf.txt"_s), "ред\r\nред\r\n"));
        const LoadResult result = loadLessonStore(dir.path());
        QVERIFY(!result.store);
        QVERIFY2(result.error.contains(fault), qPrintable(result.error));
    }

    void listFilesHoldOneItemPerLine()
    {
        QTemporaryDir dir;
        QVERIFY(test::writeFile(
            dir.filePath(u"lesson.json"_s),
            R"({"lists":{"Uslowie_L":{"3":{"file":"t.txt"}}},"texts":{"Glos":{"2":"а\nб"}},"pictures":{}})"));
        QVERIFY(test::writeFile(dir.filePath(u"t.txt"_s), "ред 0\n\nред 2 \n"));
        const LoadResult result = loadLessonStore(dir.path());
        QVERIFY2(result.store, qPrintable(result.error));
        QCOMPARE(joined(result.store->Uslowie_L[3]), u"ред 0||ред 2 "_s);
        QCOMPARE(result.store->Glos[2].text(), u"а\r\nб"_s);
    }

    // The program looks its own lesson up instead of reading it whole: what
    // the windows then read must be what a whole reading gives.
    void lookedUpLessonReadsAsTheWholeOne()
    {
        const LoadResult whole = loadLessonStore();
        const LoadResult looked = loadLessonStore(u":/lesson"_s, ContentCheck::Lookup);
        QVERIFY2(whole.store && looked.store, qPrintable(whole.error + looked.error));
        const ContentStore &w = *whole.store;
        const ContentStore &l = *looked.store;
        const auto sameTexts = [](const auto &a, const auto &b) {
            for (std::size_t k = 0; k < a.size(); ++k) {
                QCOMPARE(b[k].text(), a[k].text());
                QCOMPARE(b[k].isEmpty(), a[k].isEmpty());
                QCOMPARE(b[k].size(), a[k].text().size());
            }
        };
        sameTexts(w.Podtochki, l.Podtochki);
        sameTexts(w.Dopyln_M, l.Dopyln_M);
        sameTexts(w.Glos, l.Glos);
        sameTexts(w.Reklama_Par, l.Reklama_Par);
        for (std::size_t k = 0; k < w.Grafika_G.size(); ++k) {
            QCOMPARE(l.Grafika_G[k].isEmpty(), w.Grafika_G[k].isEmpty());
            QCOMPARE(l.Grafika_G[k].pixelSize(), w.Grafika_G[k].pixelSize());
            QCOMPARE(l.Grafika_G[k].jpeg(), w.Grafika_G[k].jpeg());
            QVERIFY(l.Grafika_G[k].samePicture(w.Grafika_G[k]));
        }
        QVERIFY(!l.Grafika_G[1].samePicture(l.Grafika_G[2]));
        QVERIFY(l.Grafika_W[3].samePicture(l.Grafika_W[1]) && !l.Grafika_W[2].isEmpty());
        QCOMPARE(l.Uslowie_L, w.Uslowie_L);
    }

    // Looked up, a damaged file is found where it is read: the text reads
    // as far as it can, the picture has no size; a whole reading refuses it.
    void lookupLeavesDamageToWhereItIsRead()
    {
        const LoadResult looked = loadLessonStore(u":/tests/damaged"_s, ContentCheck::Lookup);
        QVERIFY2(looked.store, qPrintable(looked.error));
        const StoredText &damaged = looked.store->Glos[1];
        QCOMPARE(damaged.check(), TextFault::NotUtf8);
        QCOMPARE(damaged.text(), u"ред\r\nпърви\r\nвтори \uFFFD\r\n"_s);
        QVERIFY(!damaged.isEmpty());
        QVERIFY(looked.store->Glos[2].isEmpty()); // a byte-order mark alone
        QCOMPARE(looked.store->Glos[2].check(), TextFault::None);
        const PictureSlot &picture = looked.store->Grafika_G[1];
        QVERIFY(!picture.isEmpty());
        QCOMPARE(picture.pixelSize(), QSize(0, 0));
        QCOMPARE(picture.widthTwips(), 0);

        const LoadResult whole = loadLessonStore(u":/tests/damaged"_s);
        QVERIFY(!whole.store);
        QCOMPARE(whole.error, u"файлът \"texts/damaged.txt\" не е в UTF-8"_s);

        // A file named but not compiled in is still refused at once.
        const LoadResult missing = loadLessonStore(u":/tests/missing"_s, ContentCheck::Lookup);
        QVERIFY(!missing.store);
        QCOMPARE(missing.error, u"липсва файлът \"points/1.txt\""_s);
    }
};

QTEST_GUILESS_MAIN(TestContentStore)
#include "tst_content_store.moc"
