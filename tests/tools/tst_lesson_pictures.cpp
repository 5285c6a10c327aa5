#include "picture_kit.h"
#include "picture_math.h"
#include "pictures.h"
#include "support/files.h"

#include <QFontMetricsF>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numeric>

using namespace lesson_pictures;
using namespace Qt::StringLiterals;
using Coefficients = std::vector<long long>;
using Values = std::vector<double>;

class TestLessonPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sequences()
    {
        const auto rows = pascalRows(20);
        QCOMPARE(rows.size(), size_t(21));
        QCOMPARE(rows[6], (Coefficients{1, 6, 15, 20, 15, 6, 1}));
        for (size_t n = 0; n < rows.size(); ++n) { // symmetric, and row n sums to 2^n
            QCOMPARE(Coefficients(rows[n].rbegin(), rows[n].rend()), rows[n]);
            QCOMPARE(std::accumulate(rows[n].begin(), rows[n].end(), 0LL), 1LL << n);
        }
        QCOMPARE(arithmeticTerms(2, 3, 6), (Coefficients{2, 5, 8, 11, 14, 17}));
        QCOMPARE(geometricTerms(1, 2, 6), (Coefficients{1, 2, 4, 8, 16, 32}));
        QCOMPARE(fibonacciTerms(7), (Coefficients{1, 1, 2, 3, 5, 8, 13}));
        QVERIFY(arithmeticTerms(1, 1, 0).empty());
    }

    void hornerDivide_data()
    {
        QTest::addColumn<Coefficients>("coefficients");
        QTest::addColumn<long long>("c");
        QTest::addColumn<Coefficients>("results");

        QTest::newRow("lesson cubic by x - 1")
            << Coefficients{1, -6, 11, -6} << 1LL << Coefficients{1, -5, 6, 0};
        QTest::newRow("same cubic by x - 4 leaves 6")
            << Coefficients{1, -6, 11, -6} << 4LL << Coefficients{1, -2, 3, 6};
        QTest::newRow("negative root x + 2")
            << Coefficients{1, 0, -4, 0} << -2LL << Coefficients{1, -2, 0, 0};
        QTest::newRow("leading coefficient not 1")
            << Coefficients{2, 3, -5} << 1LL << Coefficients{2, 5, 0};
        QTest::newRow("constant polynomial") << Coefficients{7} << 3LL << Coefficients{7};
    }

    void hornerDivide()
    {
        QFETCH(Coefficients, coefficients);
        QFETCH(long long, c);
        QFETCH(Coefficients, results);

        const HornerScheme scheme = lesson_pictures::hornerDivide(coefficients, c);
        QCOMPARE(scheme.results, results);
        QCOMPARE(scheme.products.size(), coefficients.size());
        for (size_t i = 1; i < coefficients.size(); ++i)
            QCOMPARE(scheme.products[i], scheme.results[i - 1] * c);

        // The remainder is the value at c, and quotient·(x - c) + remainder gives
        // back the polynomial at any x.
        const Values p(coefficients.begin(), coefficients.end());
        const Coefficients q = scheme.quotient();
        const Values quotient(q.begin(), q.end());
        QCOMPARE(static_cast<double>(scheme.remainder()), evaluate(p, static_cast<double>(c)));
        for (double x : {-3.0, -0.5, 0.0, 2.0, 5.0})
            QCOMPARE(evaluate(quotient, x) * (x - static_cast<double>(c)) +
                         static_cast<double>(scheme.remainder()),
                     evaluate(p, x));
    }

    void realRoots_data()
    {
        QTest::addColumn<Values>("coefficients");
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::addColumn<Values>("expected");

        QTest::newRow("parabola of the graph") << Values{1, -2, -3} << -3.6 << 4.6 << Values{-1, 3};
        QTest::newRow("cubic of the graph, root 0 on a grid point")
            << Values{1, 0, -4, 0} << -4.0 << 4.0 << Values{-2, 0, 2};
        QTest::newRow("cubic of the graph, root 0 between grid points")
            << Values{1, 0, -4, 0} << -3.6 << 4.6 << Values{-2, 0, 2};
        QTest::newRow("irrational roots")
            << Values{1, 0, -2} << -2.0 << 2.0 << Values{-std::sqrt(2.0), std::sqrt(2.0)};
        QTest::newRow("no real roots") << Values{1, 0, 1} << -5.0 << 5.0 << Values{};
        QTest::newRow("roots at both ends") << Values{1, 0, -1} << -1.0 << 1.0 << Values{-1, 1};
        QTest::newRow("root outside the interval") << Values{1, -10} << -5.0 << 5.0 << Values{};
    }

    void realRoots()
    {
        QFETCH(Values, coefficients);
        QFETCH(double, lo);
        QFETCH(double, hi);
        QFETCH(Values, expected);

        const Values roots = lesson_pictures::realRoots(coefficients, lo, hi);
        QCOMPARE(roots.size(), expected.size());
        for (size_t i = 0; i < roots.size(); ++i)
            QVERIFY2(std::abs(roots[i] - expected[i]) < 1e-9,
                     qPrintable(QString::number(roots[i])));
    }

    void numberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");

        const QString minus = u"\u2212"_s;
        QTest::newRow("negative whole number") << -2.0 << 2 << minus + u"2"_s;
        QTest::newRow("tiny negative is no minus zero") << -1e-12 << 2 << u"0"_s;
        QTest::newRow("decimal comma, zeros dropped") << 1.50 << 2 << u"1,5"_s;
        QTest::newRow("rounded root") << -1.41421356 << 2 << minus + u"1,41"_s;
        QTest::newRow("no decimals") << 3.0 << 0 << u"3"_s;
    }

    void numberText()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(lesson_pictures::numberText(value, decimals), expected);
        QCOMPARE(lesson_pictures::numberText(-17LL), u"\u221217"_s);
    }

    void textFitting()
    {
        if (!fontsAvailable(nullptr))
            QSKIP("DejaVu fonts are not installed");
        const QString name = u"Диофант Александрийски"_s;
        const int px = fitPixelSize({name}, Family::Serif, true, 120, 30, 6);
        QVERIFY(px < 30);
        QVERIFY(QFontMetricsF(makeFont(Family::Serif, px, true)).horizontalAdvance(name) <= 120);
        QVERIFY(QFontMetricsF(makeFont(Family::Serif, px + 1, true)).horizontalAdvance(name) > 120);
        QCOMPARE(fitPixelSize({name}, Family::Serif, true, 1, 30, 6), 6); // never below the minimum

        QCOMPARE(splitInTwo(name), (QStringList{u"Диофант"_s, u"Александрийски"_s}));
        QCOMPARE(splitInTwo(u"Нилс Хенрик Абел"_s), (QStringList{u"Нилс Хенрик"_s, u"Абел"_s}));
        QCOMPARE(splitInTwo(u"Лопитал"_s), QStringList{u"Лопитал"_s});

        const QFont font = makeFont(Family::Sans, 10);
        const QString text = u"Корените на уравнението f(x) = 0 са абсцисите на общите "
                             "точки на графиката с оста Ox."_s;
        const QStringList lines = wrapWords(text, font, 110);
        QVERIFY(lines.size() > 2);
        QCOMPARE(lines.join(u' '), text);
        for (const QString &line : lines)
            QVERIFY2(QFontMetricsF(font).horizontalAdvance(line) <= 110, qPrintable(line));

        Formula f;
        f.var(u"x"_s).sup(u"n+1"_s).text(u" = 0"_s);
        QVERIFY(f.width(20) > f.width(10));
        QVERIFY(f.width(f.fit(60, 40, 6)) <= 60);
    }

    // The lesson window sizes its picture boxes from the sizes of the files the
    // generator wrote into the lesson, so those must be the sizes drawn here.
    void catalogueMatchesTheLessonsFiles()
    {
        const auto &pictures = lessonPictures();
        QCOMPARE(pictures.size(), size_t(19));
        for (size_t k = 0; k < pictures.size(); ++k) {
            const QString file =
                QFINDTESTDATA("../../src/lesson_data/pictures/" + pictures[k].fileName);
            QCOMPARE(QImageReader(file).size(), pictures[k].size);
        }
    }

    // Something is drawn besides paper and border, and nothing runs into the
    // border: the two pixel rings just inside the bronze line are plain paper.
    // Two runs write the same bytes, so that redrawing changes no file.
    void picturesAreDrawnInsideTheirBorderAndReproducibly()
    {
        if (!fontsAvailable(nullptr))
            QSKIP("DejaVu fonts are not installed");
        QTemporaryDir first, second;
        QString failure; // a folder that is not there cannot be written to
        QVERIFY(!writePicture(lessonPictures().front(), first.filePath(u"no/such"_s), &failure));
        QVERIFY(!failure.isEmpty());
        for (const LessonPicture &picture : lessonPictures()) {
            const QImage image = renderPicture(picture);
            const int w = image.width(), h = image.height();
            QSet<QRgb> colours;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    colours.insert(image.pixel(x, y));
                    const int ring = std::min({x, y, w - 1 - x, h - 1 - y});
                    if (ring >= 1 && ring <= 2 && image.pixel(x, y) != palette::paper.rgb())
                        QFAIL(qPrintable(u"%1 at %2,%3"_s.arg(picture.fileName).arg(x).arg(y)));
                }
            }
            QVERIFY2(colours.size() >= 20, qPrintable(picture.fileName));
            QString error;
            QVERIFY2(writePicture(picture, first.path(), &error), qPrintable(error));
            QVERIFY2(writePicture(picture, second.path(), &error), qPrintable(error));
            QImageReader reader(first.filePath(picture.fileName));
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            QCOMPARE(reader.size(), picture.size);
            QVERIFY2(lesson::test::fileBytes(first.filePath(picture.fileName)) ==
                         lesson::test::fileBytes(second.filePath(picture.fileName)),
                     qPrintable(picture.fileName));
        }
    }
};

QTEST_MAIN(TestLessonPictures)
#include "tst_lesson_pictures.moc"
