// Recomputes the fifteen tasks of the lesson with reference solutions written
// here: each multiple-choice question has exactly the expected option right,
// task 1's key and worked Horner table are right, and every example of the
// programming exercises shows the output the reference solution gives. The
// tasks are read through the content store, as the tasks window reads them:
// hint at line 0, statement at lines 2 to 10, answer block from line 11.

#include "core/content/lesson_loader.h"

#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <numeric>
#include <optional>

using lesson::ItemList;

namespace {

// Integer polynomial: index = power of x, no zero leading coefficient.
using Poly = QList<qint64>;
using namespace Qt::StringLiterals;

Poly trimmed(Poly p)
{
    while (!p.isEmpty() && p.last() == 0)
        p.removeLast();
    return p;
}

// Statements and outputs write coefficients from the highest power down.
QList<qint64> reversed(QList<qint64> c)
{
    std::reverse(c.begin(), c.end());
    return c;
}

Poly add(Poly a, const Poly &b)
{
    a.resize(std::max(a.size(), b.size()));
    for (qsizetype i = 0; i < b.size(); ++i)
        a[i] += b[i];
    return trimmed(a);
}

Poly multiply(const Poly &a, const Poly &b)
{
    Poly r(a.size() + b.size());
    for (qsizetype i = 0; i < a.size(); ++i)
        for (qsizetype j = 0; j < b.size(); ++j)
            r[i + j] += a[i] * b[j];
    return trimmed(r);
}

template <typename T> T valueAt(const Poly &p, T x)
{
    T value = 0;
    for (qsizetype i = p.size() - 1; i >= 0; --i)
        value = value * x + T(p[i]);
    return value;
}

Poly derivative(const Poly &p)
{
    Poly d;
    for (qsizetype i = 1; i < p.size(); ++i)
        d.append(i * p[i]);
    return d;
}

// Division by x - a: the quotient from the highest power down, then the remainder.
QList<qint64> hornerRow(const Poly &p, qint64 a)
{
    QList<qint64> row;
    qint64 carried = 0;
    for (qsizetype i = p.size() - 1; i >= 0; --i)
        row.append(carried = carried * a + p[i]);
    return row;
}

QString joined(const QList<qint64> &values)
{
    QStringList texts;
    for (qint64 v : values)
        texts.append(QString::number(v));
    return texts.join(u' ');
}

// Sums, products, powers and brackets of integers and x, as the statements
// write them: "2*x^3 - 3*x^2 + 4*x - 5", "(x-1)*(x+2)", "(x + 2)^5", "-1".
struct PolyReader {
    QString text;
    qsizetype at = 0;
    bool ok = true;

    static std::optional<Poly> read(const QString &text)
    {
        PolyReader r{text};
        const Poly p = r.sum();
        r.take(' ');
        return r.ok && r.at == text.size() ? std::optional(p) : std::nullopt;
    }
    bool take(char c) // skips blanks first
    {
        while (at < text.size() && text[at] == u' ')
            ++at;
        const bool found = at < text.size() && text[at] == QLatin1Char(c);
        at += found;
        return found;
    }
    Poly sum()
    {
        Poly s;
        qint64 sign = take('-') ? -1 : 1;
        do
            s = add(s, multiply({sign}, product()));
        while ((sign = take('+') ? 1 : take('-') ? -1 : 0) != 0);
        return s;
    }
    Poly product() // of powers
    {
        Poly p{1};
        do {
            const Poly base = primary();
            for (qint64 n = take('^') ? number() : 1; n > 0; --n)
                p = multiply(p, base);
        } while (take('*'));
        return p;
    }
    Poly primary()
    {
        if (take('(')) {
            const Poly inner = sum();
            ok = ok && take(')');
            return inner;
        }
        return take('x') ? Poly{0, 1} : trimmed({number()});
    }
    qint64 number()
    {
        take(' ');
        const qsizetype start = at;
        while (at < text.size() && text[at].isDigit())
            ++at;
        ok = ok && at > start && at - start < 12;
        return text.mid(start, at - start).toLongLong();
    }
};

std::optional<Poly> definedPolynomial(const QString &question)
{
    static const QRegularExpression definition(u"P\\(x\\) = ([-+*^()x0-9 ]+)"_s);
    return PolyReader::read(definition.match(question).captured(1));
}

// The right answer to multiple-choice task t, recomputed from its question.
std::optional<Poly> rightAnswer(int t, const QString &question)
{
    static const QRegularExpression divisor(u"(?<![*\\w])x ([-+]) (\\d+)"_s);
    static const QRegularExpression root(u"\\bx = (-?\\d+)"_s);
    static const QRegularExpression binomialPower(u"\\([^()]*\\)\\^\\d+"_s);
    static const QRegularExpression monomial(u"x\\^(\\d+)"_s);
    if (t == 5) { // coefficient of x^k in the expansion of (...)^n
        const auto expanded = PolyReader::read(binomialPower.match(question).captured(0));
        const QRegularExpressionMatch k = monomial.match(question);
        if (!expanded || !k.hasMatch())
            return std::nullopt;
        return trimmed({expanded->value(k.captured(1).toInt())});
    }
    const std::optional<Poly> p = definedPolynomial(question);
    if (t == 1 || !p) // factorisation: the factors multiply out to P(x)
        return p;
    if (t == 4) { // multiplicity of the root r: how many derivatives in turn vanish at r
        const qint64 r = root.match(question).captured(1).toLongLong();
        qint64 multiplicity = 0;
        for (Poly d = *p; !d.isEmpty() && valueAt(d, r) == 0; d = derivative(d))
            ++multiplicity;
        return trimmed({multiplicity});
    }
    const QRegularExpressionMatch m = divisor.match(question); // x - a
    if (!m.hasMatch())
        return std::nullopt;
    QList<qint64> row = hornerRow(*p, m.captured(2).toLongLong() * (m.captured(1) == "-" ? 1 : -1));
    const qint64 remainder = row.takeLast();
    return t == 2 ? trimmed({remainder}) : trimmed(reversed(row));
}

// The example input of a programming exercise, read in the order it names.
struct Input {
    QStringList tokens;
    qsizetype at = 0;
    bool ok = true;

    double real()
    {
        bool good = false;
        const double v = tokens.value(at++).toDouble(&good);
        ok = ok && good;
        return v;
    }
    qint64 next()
    {
        const double v = real();
        ok = ok && v == std::trunc(v);
        return qint64(v);
    }
    Poly poly() // degree n, then a_n ... a_0
    {
        QList<qint64> c(std::clamp<qint64>(next() + 1, 0, 20));
        for (qint64 &a : c)
            a = next();
        ok = ok && (c.size() == 1 || c.first() != 0);
        return trimmed(reversed(c));
    }
};

QStringList referenceOutput(int t, Input &in)
{
    switch (t) {
    case 6: { // least n with S_n >= S
        const qint64 a1 = in.next(), d = in.next(), s = in.next();
        qint64 n = 0;
        for (qint64 sum = 0; sum < s; ++n)
            sum += a1 + n * d;
        return {QString::number(n)};
    }
    case 7: { // the first n terms of an arithmetic progression, then their sum
        const qint64 a1 = in.next(), d = in.next(), n = in.next();
        QList<qint64> terms;
        for (qint64 i = 0; i < n; ++i)
            terms.append(a1 + i * d);
        return {joined(terms), QString::number(std::accumulate(terms.begin(), terms.end(), 0LL))};
    }
    case 8: { // a_n and S_n of a geometric progression
        const qint64 a1 = in.next(), q = in.next(), n = in.next();
        qint64 term = a1, sum = a1;
        for (qint64 i = 1; i < n; ++i)
            sum += term *= q;
        return {joined({term, sum})};
    }
    case 9: {
        const Poly p = in.poly();
        return {QString::number(valueAt(p, in.next()))};
    }
    case 10:   // degree and coefficients of the sum,
    case 11: { // or of the product; "0" for the zero polynomial
        const Poly p = in.poly(), q = in.poly();
        const Poly r = t == 10 ? add(p, q) : multiply(p, q);
        return {r.isEmpty() ? u"0"_s : QString::number(r.size() - 1) + u' ' + joined(reversed(r))};
    }
    case 12: { // Newton's method: k steps from x0, six decimals
        const Poly p = in.poly();
        double x = in.real();
        for (qint64 k = in.next(); k > 0; --k)
            x -= valueAt(p, x) / valueAt(derivative(p), x);
        return {QString::number(x, 'f', 6)};
    }
    case 13: { // N as non-neighbouring Fibonacci numbers, largest first
        QList<qint64> fibonacci{1, 2}, parts;
        qint64 rest = in.next();
        while (fibonacci.last() <= rest)
            fibonacci.append(fibonacci.last() + fibonacci[fibonacci.size() - 2]);
        for (qsizetype i = fibonacci.size() - 1; i >= 0; --i)
            if (fibonacci[i] <= rest) {
                parts.append(fibonacci[i]);
                rest -= fibonacci[i];
            }
        return {joined(parts)};
    }
    case 14: { // quotient and remainder of the division by x - a
        const Poly p = in.poly();
        QList<qint64> row = hornerRow(p, in.next());
        const qint64 remainder = row.takeLast();
        return {joined(row), QString::number(remainder)};
    }
    case 15: { // distinct integer roots in increasing order: divisors of a_0
        const Poly p = in.poly();
        QList<qint64> roots;
        for (qint64 d = 1; d <= std::abs(p.value(0)); ++d)
            for (qint64 r : {-d, d})
                if (p.value(0) % d == 0 && valueAt(p, r) == 0)
                    roots.append(r);
        std::sort(roots.begin(), roots.end());
        return {roots.isEmpty() ? u"няма"_s : joined(roots)};
    }
    }
    return {};
}

} // namespace

class TestLessonTasks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        lesson::LoadResult loaded = lesson::loadLessonStore();
        QVERIFY2(loaded.store.has_value(), qPrintable(loaded.error));
        m_store = std::move(loaded.store);
    }

    // A hint, no scrambled hint, no tabs, CRs or trailing blanks, and no
    // answer block in any task but the first (the window would show it).
    void shape()
    {
        for (int t = 1; t <= 15; ++t) {
            const ItemList &lines = task(t);
            const QString name = u"task %1: "_s.arg(t);
            QVERIFY2(lines.count() >= 6 && (t == 1 || lines.count() <= 11), qPrintable(name));
            QVERIFY(!lines.read(0).trimmed().isEmpty());
            QCOMPARE(lines.read(1), QString());
            for (const QString &line : lines.items())
                QVERIFY2(!line.contains(u'\t') && !line.contains(u'\r') && !line.endsWith(u' '),
                         qPrintable(name + line));
        }
    }

    void multipleChoiceHasOneRightOption_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("options");
        QTest::newRow("task 01: factorisation of P(x)") << 1 << 1 << 3;
        QTest::newRow("task 02: remainder of P(x) : (x - a)") << 2 << 2 << 3;
        QTest::newRow("task 03: quotient of P(x) : (x - a)") << 3 << 3 << 3;
        QTest::newRow("task 04: multiplicity of a root") << 4 << 1 << 3;
        QTest::newRow("task 05: coefficient of a binomial expansion") << 5 << 4 << 6;
    }
    void multipleChoiceHasOneRightOption()
    {
        QFETCH(int, t);
        QFETCH(int, right);
        QFETCH(int, options);
        static const QRegularExpression choice(u"^(\\d+)\\) (.*)$"_s);
        QString question;
        QStringList texts;
        for (int i = 2; i <= 10; ++i) {
            const QRegularExpressionMatch m = choice.match(task(t).read(i));
            if (!m.hasMatch()) {
                question += task(t).read(i) + u'\n';
                continue;
            }
            QCOMPARE(m.captured(1).toInt(), int(texts.size()) + 1); // numbered 1, 2, 3, ...
            texts.append(m.captured(2));
        }
        const std::optional<Poly> answer = rightAnswer(t, question);
        QVERIFY2(answer, "the question cannot be read");
        QList<int> rightOptions;
        QCOMPARE(texts.size(), options);
        for (int n = 1; n <= options; ++n) {
            if (texts[n - 1] == u"липсва верния отговор"_s) {
                if (rightOptions.isEmpty() && n == options)
                    rightOptions.append(n);
                continue;
            }
            const std::optional<Poly> option = PolyReader::read(texts[n - 1]);
            QVERIFY2(option, qPrintable(texts[n - 1]));
            if (*option == *answer)
                rightOptions.append(n);
        }
        QCOMPARE(rightOptions, QList<int>{right});
    }

    void factorisationKeyAndHornerTable()
    {
        const ItemList &lines = task(1);
        QStringList statement = lines.items().mid(2, 9);
        const std::optional<Poly> p = definedPolynomial(statement.join(u'\n'));
        QVERIFY(p && p->size() == 5);
        // The key names the right option, repeats its text, and its factors
        // multiply out to P(x).
        const QRegularExpressionMatch key =
            QRegularExpression(u"^ {7}Правилен отговор = (\\d+); (.+)$"_s).match(lines.read(11));
        QVERIFY(key.hasMatch());
        QVERIFY(statement.contains(key.captured(1) + u") "_s + key.captured(2)));
        QCOMPARE(PolyReader::read(key.captured(2)), p);

        // The worked table: "a | coefficients of P(x)", then a row "a | quotient
        // remainder" per division by x - a, each remainder 0, down to a constant.
        Poly dividend;
        qsizetype barColumn = -1;
        for (int i = 12; i < lines.count(); ++i) {
            const QString line = lines.read(i);
            QVERIFY2(line.size() <= 60, qPrintable(line)); // the pane shows it unwrapped
            const qsizetype bar = line.indexOf(u'|');
            if (bar < 0)
                continue;
            if (barColumn < 0)
                barColumn = bar;
            QCOMPARE(bar, barColumn); // the columns line up
            Input numbers{line.mid(bar + 1).split(u' ', Qt::SkipEmptyParts)};
            QList<qint64> row;
            while (numbers.at < numbers.tokens.size())
                row.append(numbers.next());
            QVERIFY2(numbers.ok, qPrintable(line));
            const QString label = line.left(bar).trimmed();
            if (dividend.isEmpty()) {
                QCOMPARE(label, u"a"_s);
                dividend = trimmed(reversed(row));
                QCOMPARE(dividend, *p);
                continue;
            }
            QCOMPARE(row, hornerRow(dividend, label.toLongLong()));
            QCOMPARE(row.takeLast(), 0); // a is a root
            dividend = trimmed(reversed(row));
        }
        QCOMPARE(dividend.size(), 1); // carried through to the end
    }

    void programmingExample_data()
    {
        QTest::addColumn<int>("t");
        QTest::newRow("task 06: first n with S_n >= S") << 6;
        QTest::newRow("task 07: terms and sum of an arithmetic progression") << 7;
        QTest::newRow("task 08: a_n and S_n of a geometric progression") << 8;
        QTest::newRow("task 09: value of a polynomial") << 9;
        QTest::newRow("task 10: sum of polynomials") << 10;
        QTest::newRow("task 11: product of polynomials") << 11;
        QTest::newRow("task 12: Newton's method") << 12;
        QTest::newRow("task 13: sum of Fibonacci numbers") << 13;
        QTest::newRow("task 14: division by x - a") << 14;
        QTest::newRow("task 15: integer roots") << 15;
    }
    // "Пример:" then the input, "Изход:" then the output, on one line or on
    // lines of their own.
    void programmingExample()
    {
        QFETCH(int, t);
        const QString text = task(t).items().mid(2).join(u'\n');
        const qsizetype example = text.indexOf(u"Пример:"_s);
        const qsizetype output = text.indexOf(u"Изход:"_s, example);
        QVERIFY(example >= 0 && output > example);
        Input input{text.mid(example + 7, output - example - 7).simplified().split(u' ')};
        QStringList shown;
        for (const QString &line : text.mid(output + 6).split(u'\n'))
            if (!line.simplified().isEmpty())
                shown.append(line.simplified());
        QCOMPARE(shown, referenceOutput(t, input));
        QVERIFY2(input.ok && input.at == input.tokens.size(), "the input does not fit");
    }

private:
    const ItemList &task(int t) const { return m_store->Uslowie_L[std::size_t(t)]; }

    std::optional<lesson::ContentStore> m_store;
};

QTEST_GUILESS_MAIN(TestLessonTasks)
#include "tst_lesson_tasks.moc"
