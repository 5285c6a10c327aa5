#include "core/content/code_page.h"
#include "core/tasks/text_scrambling.h"

#include <QTest>

#include <algorithm>

using namespace lesson;
using namespace Qt::StringLiterals;

class TestTextScrambling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void knownLine()
    {
        // "Урок" XOR keys 13, 14, 15, 16 gives "Ююбъ"; stored reversed after a lead.
        QCOMPARE(unscrambleText(u"#ъбюЮ"_s), u"Урок"_s);
        QCOMPARE(unscrambleText(u"ZъбюЮ"_s), u"Урок"_s);
        QCOMPARE(scrambleText(u"Урок"_s), u"#ъбюЮ"_s);
        QCOMPARE(scrambleText(u"Урок"_s, u'*'), u"*ъбюЮ"_s);
        // Nothing but the lead is no text; a character outside the code page is "?".
        QCOMPARE(unscrambleText(QString()), QString());
        QCOMPARE(unscrambleText(u"Ж"_s), QString());
        QCOMPARE(scrambleText(QString()), u"#"_s);
        QCOMPARE(unscrambleText(scrambleText(u"аѝ😀б"_s)), u"а??б"_s);
        // 25 equal characters: position i of the reversed text uses key 12 + i mod 12.
        const QString stored = u'#' + QString(25, u'A');
        const QString plain = unscrambleText(stored);
        QCOMPARE(plain.size(), 25);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(plain.at(i), QChar('A' ^ (12 + (i + 1) % 12)));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("plain");
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QByteArray backwards = all;
        std::reverse(backwards.begin(), backwards.end());
        QTest::newRow("every byte value") << fromWindows1251(all);
        QTest::newRow("every byte value, backwards") << fromWindows1251(backwards);
        QTest::newRow("Cyrillic task line")
            << u"Разделете x^3 - 6x^2 + 11x - 6 на (x - 1) по метода на Хорнер."_s;
        QTest::newRow("Ё, ё and №") << u"Ёё № 12 — „цитат“"_s;
        QTest::newRow("one character") << u"я"_s;
    }
    void roundTrip()
    {
        QFETCH(QString, plain);
        QCOMPARE(unscrambleText(scrambleText(plain)), plain);
        // Every prefix too, so that each length meets the keys at another phase.
        for (int n = 0; n < std::min<int>(plain.size(), 30); ++n)
            QCOMPARE(unscrambleText(scrambleText(plain.left(n))), plain.left(n));
    }
};

QTEST_GUILESS_MAIN(TestTextScrambling)
#include "tst_text_scrambling.moc"
