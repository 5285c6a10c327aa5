// Checks the fifteen tasks of the lesson by computation: the multiple-choice
// questions have exactly one right option, the worked Horner table of task 1
// is right, and every example of the programming exercises gives the output
// that a reference solution written here produces. The tasks are read through
// the content store, exactly as the tasks window reads them.

#include "core/content/content_store.h"
#include "core/content/lesson_loader.h"

#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>

using lesson::ItemList;

namespace {

// Fixed layout of a task record: hint at 0, statement from 2 to 10, answer
// block from 11.
constexpr int kFirstStatementLine = 2;
constexpr int kLastStatementLine = 10;
constexpr int kFirstKeyLine = 11;

// ---------------------------------------------------------------------------
// Integer polynomials; index = power of x, no zero leading coefficient.
using Poly = QList<qint64>;

Poly normalised(Poly p)
{
    while (!p.isEmpty() && p.last() == 0)
        p.removeLast();
    return p;
}

Poly add(const Poly &a, const Poly &b, qint64 factorOfB = 1)
{
    Poly r(std::max(a.size(), b.size()), 0);
    for (qsizetype i = 0; i < a.size(); ++i)
        r[i] += a[i];
    for (qsizetype i = 0; i < b.size(); ++i)
        r[i] += factorOfB * b[i];
    return normalised(r);
}

Poly multiply(const Poly &a, const Poly &b)
{
    if (a.isEmpty() || b.isEmpty())
        return {};
    Poly r(a.size() + b.size() - 1, 0);
    for (qsizetype i = 0; i < a.size(); ++i)
        for (qsizetype j = 0; j < b.size(); ++j)
            r[i + j] += a[i] * b[j];
    return normalised(r);
}

// Coefficients written from the highest power down to the free term.
Poly fromHighToLow(QList<qint64> coefficients)
{
    std::reverse(coefficients.begin(), coefficients.end());
    return normalised(coefficients);
}

QList<qint64> highToLow(Poly p)
{
    std::reverse(p.begin(), p.end());
    return p;
}

// One row of Horner's scheme for x - a: the quotient's coefficients followed
// by the remainder, all from the highest power down.
QList<qint64> hornerRow(const QList<qint64> &coefficients, qint64 a)
{
    QList<qint64> row;
    qint64 carried = 0;
    for (qint64 c : coefficients) {
        carried = carried * a + c;
        row.append(carried);
    }
    return row;
}

// Parser for the formulas of the statements: sums, products, powers and
// brackets of integers and x ("2*x^3 - 3*x^2 + 4*x - 5", "(x-1)*(x+2)",
// "(x + 2)^5").
class PolyParser {
public:
    explicit PolyParser(QStringView text)
        : m_text(text)
    {
    }

    std::optional<Poly> parse()
    {
        std::optional<Poly> p = expression();
        skipBlanks();
        if (!p || m_pos != m_text.size())
            return std::nullopt;
        return normalised(*p);
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    bool take(char c)
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char(c)) {
            ++m_pos;
            return true;
        }
        return false;
    }

    std::optional<qint64> number()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] >= QLatin1Char('0') &&
               m_text[m_pos] <= QLatin1Char('9'))
            ++m_pos;
        if (start == m_pos || m_pos - start > 12)
            return std::nullopt;
        return m_text.mid(start, m_pos - start).toLongLong();
    }

    std::optional<Poly> expression()
    {
        qint64 sign = 1;
        if (take('-'))
            sign = -1;
        else
            take('+');
        std::optional<Poly> first = term();
        if (!first)
            return std::nullopt;
        Poly sum = add({}, *first, sign);
        for (;;) {
            if (take('+'))
                sign = 1;
            else if (take('-'))
                sign = -1;
            else
                return sum;
            std::optional<Poly> next = term();
            if (!next)
                return std::nullopt;
            sum = add(sum, *next, sign);
        }
    }

    std::optional<Poly> term()
    {
        std::optional<Poly> product = power();
        while (product && take('*')) {
            std::optional<Poly> next = power();
            if (!next)
                return std::nullopt;
            product = multiply(*product, *next);
        }
        return product;
    }

    std::optional<Poly> power()
    {
        std::optional<Poly> base = primary();
        if (!base || !take('^'))
            return base;
        std::optional<qint64> exponent = number();
        if (!exponent || *exponent > 20)
            return std::nullopt;
        Poly result{1};
        for (qint64 i = 0; i < *exponent; ++i)
            result = multiply(result, *base);
        return result;
    }

    std::optional<Poly> primary()
    {
        if (take('(')) {
            std::optional<Poly> inner = expression();
            if (!inner || !take(')'))
                return std::nullopt;
            return inner;
        }
        if (take('x'))
            return Poly{0, 1};
        std::optional<qint64> n = number();
        if (!n)
            return std::nullopt;
        return normalised(Poly{*n});
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

std::optional<Poly> parsePoly(const QString &text)
{
    return PolyParser(text).parse();
}

std::optional<qint64> parseInteger(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

// ---------------------------------------------------------------------------
// Reading the statement of a task.

struct Choice {
    int position;
    int number;
    QString text; // without the "N) " numbering
};

const QRegularExpression kChoiceLine(QStringLiteral("^(\\d+)\\) (.*)$"));

QList<Choice> choicesOf(const ItemList &task)
{
    QList<Choice> choices;
    for (int i = kFirstStatementLine; i <= kLastStatementLine; ++i) {
        const QRegularExpressionMatch m = kChoiceLine.match(task.read(i));
        if (m.hasMatch())
            choices.append({i, m.captured(1).toInt(), m.captured(2)});
    }
    return choices;
}

// The question: the statement lines that are not answer options.
QString questionOf(const ItemList &task)
{
    QStringList lines;
    for (int i = kFirstStatementLine; i <= kLastStatementLine; ++i) {
        const QString line = task.read(i);
        if (!kChoiceLine.match(line).hasMatch())
            lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

// The polynomial defined as "P(x) = ..." in a question, and the question with
// that formula cut out (so that the rest can be searched for other data).
struct DefinedPoly {
    Poly p;
    QString rest;
};

std::optional<DefinedPoly> definedPolynomial(const QString &question)
{
    static const QRegularExpression definition(QStringLiteral("P\\(x\\)\\s*=\\s*([-+*^()x0-9 ]+)"));
    const QRegularExpressionMatch m = definition.match(question);
    if (!m.hasMatch())
        return std::nullopt;
    const std::optional<Poly> p = parsePoly(m.captured(1));
    if (!p)
        return std::nullopt;
    QString rest = question;
    rest.remove(m.capturedStart(1), m.capturedLength(1));
    return DefinedPoly{*p, rest};
}

// "x - 2", "x + 2": the number a of a divisor x - a named in a text.
std::optional<qint64> linearDivisorRoot(const QString &text)
{
    static const QRegularExpression binomial(QStringLiteral("(?<![\\w*^])x\\s*[-+]\\s*\\d+"));
    const QRegularExpressionMatch m = binomial.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const std::optional<Poly> divisor = parsePoly(m.captured(0));
    if (!divisor || divisor->size() != 2 || divisor->at(1) != 1)
        return std::nullopt;
    return -divisor->at(0);
}

// Decides for one option text whether it is right; nullopt when the option
// cannot be read as the kind of answer the question asks for.
using Judge = std::function<std::optional<bool>(const QString &)>;

Judge polynomialEquals(const Poly &expected)
{
    return [expected](const QString &option) -> std::optional<bool> {
        const std::optional<Poly> p = parsePoly(option);
        if (!p)
            return std::nullopt;
        return *p == expected;
    };
}

Judge integerEquals(qint64 expected)
{
    return [expected](const QString &option) -> std::optional<bool> {
        const std::optional<qint64> n = parseInteger(option);
        if (!n)
            return std::nullopt;
        return *n == expected;
    };
}

// Builds the judge for the kind of question each multiple-choice task asks.
std::optional<Judge> judgeFor(int task, const QString &question)
{
    switch (task) {
    case 1: { // factorisation of P(x)
        const std::optional<DefinedPoly> d = definedPolynomial(question);
        if (!d)
            return std::nullopt;
        return polynomialEquals(d->p);
    }
    case 2:   // remainder of P(x) divided by x - a
    case 3: { // quotient of P(x) divided by x - a
        const std::optional<DefinedPoly> d = definedPolynomial(question);
        if (!d)
            return std::nullopt;
        const std::optional<qint64> a = linearDivisorRoot(d->rest);
        if (!a || d->p.size() < 2)
            return std::nullopt;
        QList<qint64> row = hornerRow(highToLow(d->p), *a);
        const qint64 remainder = row.takeLast();
        if (task == 2)
            return integerEquals(remainder);
        return polynomialEquals(fromHighToLow(row));
    }
    case 4: { // multiplicity of the root x = r of P(x)
        const std::optional<DefinedPoly> d = definedPolynomial(question);
        static const QRegularExpression rootAt(QStringLiteral("(?<![\\w)])x\\s*=\\s*(-?\\d+)"));
        const QRegularExpressionMatch m = d ? rootAt.match(d->rest) : QRegularExpressionMatch();
        if (!m.hasMatch())
            return std::nullopt;
        const qint64 r = m.captured(1).toLongLong();
        QList<qint64> coefficients = highToLow(d->p);
        qint64 multiplicity = 0;
        while (coefficients.size() > 1) {
            QList<qint64> row = hornerRow(coefficients, r);
            if (row.takeLast() != 0)
                break;
            ++multiplicity;
            coefficients = row;
        }
        return integerEquals(multiplicity);
    }
    case 5: { // coefficient of x^k in the expansion of (...)^n
        static const QRegularExpression powerOfBinomial(QStringLiteral("\\([^()]*\\)\\^\\d+"));
        static const QRegularExpression monomial(QStringLiteral("x\\^(\\d+)"));
        const QRegularExpressionMatch expansion = powerOfBinomial.match(question);
        if (!expansion.hasMatch())
            return std::nullopt;
        const std::optional<Poly> expanded = parsePoly(expansion.captured(0));
        QString rest = question;
        rest.remove(expansion.capturedStart(), expansion.capturedLength());
        const QRegularExpressionMatch k = monomial.match(rest);
        if (!expanded || !k.hasMatch())
            return std::nullopt;
        return integerEquals(expanded->value(k.captured(1).toInt(), 0));
    }
    default:
        return std::nullopt;
    }
}

// ---------------------------------------------------------------------------
// Reference solutions of the programming exercises: example input tokens in,
// output lines out; nullopt when the input does not fit the exercise.

std::optional<QList<qint64>> integersOf(const QStringList &tokens)
{
    QList<qint64> values;
    for (const QString &token : tokens) {
        const std::optional<qint64> n = parseInteger(token);
        if (!n)
            return std::nullopt;
        values.append(*n);
    }
    return values;
}

QString joined(const QList<qint64> &values)
{
    QStringList texts;
    for (qint64 v : values)
        texts.append(QString::number(v));
    return texts.join(QLatin1Char(' '));
}

// "n a_n ... a_0" at the front of v, starting at index from; the polynomial
// and the index after it.
std::optional<std::pair<Poly, qsizetype>> polynomialAt(const QList<qint64> &v, qsizetype from)
{
    if (from >= v.size())
        return std::nullopt;
    const qint64 degree = v[from];
    if (degree < 0 || from + 1 + degree + 1 > v.size())
        return std::nullopt;
    const QList<qint64> coefficients = v.mid(from + 1, degree + 1);
    if (degree > 0 && coefficients.first() == 0)
        return std::nullopt;
    return std::pair{fromHighToLow(coefficients), from + 2 + degree};
}

std::optional<QStringList> referenceOutput(int task, const QStringList &tokens)
{
    if (task == 12) { // Newton's method: n, a_n..a_0, x0, k
        const std::optional<QList<qint64>> head = integersOf(tokens.mid(0, tokens.size() - 2));
        bool okX = false;
        bool okK = false;
        double x = tokens.value(tokens.size() - 2).toDouble(&okX);
        const int steps = tokens.value(tokens.size() - 1).toInt(&okK);
        if (!head || !okX || !okK || steps < 1)
            return std::nullopt;
        const auto p = polynomialAt(*head, 0);
        if (!p || p->second != head->size())
            return std::nullopt;
        const QList<qint64> c = highToLow(p->first);
        for (int i = 0; i < steps; ++i) {
            double value = 0;
            double slope = 0;
            for (qint64 a : c) {
                slope = slope * x + value;
                value = value * x + double(a);
            }
            if (slope == 0)
                return std::nullopt;
            x -= value / slope;
        }
        return QStringList{QString::number(x, 'f', 6)};
    }

    const std::optional<QList<qint64>> values = integersOf(tokens);
    if (!values)
        return std::nullopt;
    const QList<qint64> &v = *values;

    switch (task) {
    case 6: { // smallest n with S_n >= S for a1 > 0, d > 0
        if (v.size() != 3 || v[0] <= 0 || v[1] <= 0 || v[2] <= 0)
            return std::nullopt;
        qint64 n = 0;
        qint64 sum = 0;
        while (sum < v[2]) {
            sum += v[0] + n * v[1];
            ++n;
        }
        return QStringList{QString::number(n)};
    }
    case 7: { // the first n terms of an arithmetic progression, then their sum
        if (v.size() != 3 || v[2] < 1)
            return std::nullopt;
        QList<qint64> terms;
        qint64 sum = 0;
        for (qint64 i = 0; i < v[2]; ++i) {
            terms.append(v[0] + i * v[1]);
            sum += terms.last();
        }
        return QStringList{joined(terms), QString::number(sum)};
    }
    case 8: { // a_n and S_n of a geometric progression
        if (v.size() != 3 || v[2] < 1)
            return std::nullopt;
        qint64 term = v[0];
        qint64 sum = v[0];
        for (qint64 i = 1; i < v[2]; ++i) {
            term *= v[1];
            sum += term;
        }
        return QStringList{joined({term, sum})};
    }
    case 9: { // value of P(x)
        const auto p = polynomialAt(v, 0);
        if (!p || p->second + 1 != v.size())
            return std::nullopt;
        return QStringList{QString::number(hornerRow(highToLow(p->first), v.last()).last())};
    }
    case 10:   // sum of two polynomials: degree and coefficients, "0" for the zero polynomial
    case 11: { // product of two polynomials: degree and coefficients
        const auto p = polynomialAt(v, 0);
        const auto q = p ? polynomialAt(v, p->second) : std::nullopt;
        if (!q || q->second != v.size())
            return std::nullopt;
        const Poly r = task == 10 ? add(p->first, q->first) : multiply(p->first, q->first);
        if (r.isEmpty())
            return QStringList{QStringLiteral("0")};
        return QStringList{QString::number(r.size() - 1) + QLatin1Char(' ') + joined(highToLow(r))};
    }
    case 13: { // N as a sum of non-neighbouring Fibonacci numbers, largest first
        if (v.size() != 1 || v[0] < 1)
            return std::nullopt;
        QList<qint64> fibonacci{1, 2};
        while (fibonacci.last() <= v[0])
            fibonacci.append(fibonacci.last() + fibonacci[fibonacci.size() - 2]);
        QList<qint64> parts;
        qint64 rest = v[0];
        for (qsizetype i = fibonacci.size() - 1; i >= 0 && rest > 0; --i) {
            if (fibonacci[i] <= rest) {
                parts.append(fibonacci[i]);
                rest -= fibonacci[i];
            }
        }
        return QStringList{joined(parts)};
    }
    case 14: { // quotient and remainder of P(x) divided by x - a
        const auto p = polynomialAt(v, 0);
        if (!p || p->second + 1 != v.size() || p->first.size() < 2)
            return std::nullopt;
        QList<qint64> row = hornerRow(highToLow(p->first), v.last());
        const qint64 remainder = row.takeLast();
        return QStringList{joined(row), QString::number(remainder)};
    }
    case 15: { // distinct integer roots in increasing order, or "няма"
        const auto p = polynomialAt(v, 0);
        if (!p || p->second != v.size() || p->first.size() < 2 || p->first.first() == 0)
            return std::nullopt;
        const QList<qint64> c = highToLow(p->first);
        const qint64 a0 = std::abs(p->first.first());
        QList<qint64> roots;
        for (qint64 d = 1; d <= a0; ++d) {
            if (a0 % d != 0)
                continue;
            for (qint64 r : {-d, d})
                if (hornerRow(c, r).last() == 0)
                    roots.append(r);
        }
        std::sort(roots.begin(), roots.end());
        if (roots.isEmpty())
            return QStringList{QStringLiteral("няма")};
        return QStringList{joined(roots)};
    }
    default:
        return std::nullopt;
    }
}

} // namespace

class TestLessonTasks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void shape_data();
    void shape();
    void multipleChoiceHasOneRightOption_data();
    void multipleChoiceHasOneRightOption();
    void factorisationKeyAndHornerTable();
    void programmingExample_data();
    void programmingExample();

private:
    const ItemList &task(int t) const { return m_store->Uslowie_L[std::size_t(t)]; }

    std::optional<lesson::ContentStore> m_store;
};

void TestLessonTasks::initTestCase()
{
    lesson::LoadResult loaded = lesson::loadLessonStore();
    QVERIFY2(loaded.store.has_value(), qPrintable(loaded.error));
    m_store = std::move(loaded.store);
}

void TestLessonTasks::shape_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("minItems");
    QTest::addColumn<int>("maxItems");

    QTest::newRow("task 01") << 1 << 20 << 20;
    QTest::newRow("task 02") << 2 << 7 << 7;
    QTest::newRow("task 03") << 3 << 8 << 8;
    QTest::newRow("task 04") << 4 << 8 << 8;
    QTest::newRow("task 05") << 5 << 10 << 10;
    for (int t = 6; t <= 15; ++t)
        QTest::addRow("task %02d", t) << t << 6 << 10;
}

void TestLessonTasks::shape()
{
    QFETCH(int, t);
    QFETCH(int, minItems);
    QFETCH(int, maxItems);
    const ItemList &lines = task(t);

    QVERIFY2(lines.count() >= minItems && lines.count() <= maxItems,
             qPrintable(QStringLiteral("%1 items").arg(lines.count())));
    QVERIFY(!lines.read(0).trimmed().isEmpty()); // the hint
    QCOMPARE(lines.read(1), QString());          // no scrambled hint in this lesson
    if (t != 1)
        QVERIFY(lines.count() <= kFirstKeyLine); // no answer block

    bool hasStatement = false;
    for (int i = 0; i < lines.count(); ++i) {
        const QString line = lines.read(i);
        QVERIFY2(!line.contains(QLatin1Char('\t')) && !line.contains(QLatin1Char('\r')),
                 qPrintable(QStringLiteral("line %1").arg(i)));
        QVERIFY2(!line.endsWith(QLatin1Char(' ')), qPrintable(QStringLiteral("line %1").arg(i)));
        if (i >= kFirstStatementLine && i <= kLastStatementLine && !line.trimmed().isEmpty())
            hasStatement = true;
    }
    QVERIFY(hasStatement);

    if (t == 1) {
        QCOMPARE(lines.read(0), QStringLiteral("Приложете метода на Хорнер"));
        for (int i = 7; i <= kLastStatementLine; ++i)
            QCOMPARE(lines.read(i), QString());
    }
    if (t == 5) {
        for (int n = 1; n <= 6; ++n)
            QVERIFY(lines.read(3 + n).startsWith(QStringLiteral("%1) ").arg(n)));
        QCOMPARE(lines.read(9), QStringLiteral("6) липсва верния отговор"));
    }
    if (t >= 6) {
        QString statement;
        for (int i = kFirstStatementLine; i <= kLastStatementLine; ++i)
            statement += lines.read(i) + QLatin1Char('\n');
        QVERIFY(statement.contains(QStringLiteral("напишете програма"), Qt::CaseInsensitive));
    }
}

void TestLessonTasks::multipleChoiceHasOneRightOption_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<QList<int>>("optionPositions");
    QTest::addColumn<QList<int>>("expectedRight");

    QTest::newRow("task 01: factorisation of P(x)") << 1 << QList<int>{4, 5, 6} << QList<int>{1};
    QTest::newRow("task 02: remainder of P(x) : (x - a)")
        << 2 << QList<int>{4, 5, 6} << QList<int>{2};
    QTest::newRow("task 03: quotient of P(x) : (x - a)")
        << 3 << QList<int>{5, 6, 7} << QList<int>{3};
    QTest::newRow("task 04: multiplicity of a root") << 4 << QList<int>{5, 6, 7} << QList<int>{1};
    QTest::newRow("task 05: coefficient of a binomial expansion")
        << 5 << QList<int>{4, 5, 6, 7, 8, 9} << QList<int>{4};
}

void TestLessonTasks::multipleChoiceHasOneRightOption()
{
    QFETCH(int, t);
    QFETCH(QList<int>, optionPositions);
    QFETCH(QList<int>, expectedRight);

    const QList<Choice> choices = choicesOf(task(t));
    QList<int> positions;
    for (qsizetype i = 0; i < choices.size(); ++i) {
        positions.append(choices[i].position);
        QCOMPARE(choices[i].number, int(i) + 1);
    }
    QCOMPARE(positions, optionPositions);

    const std::optional<Judge> judge = judgeFor(t, questionOf(task(t)));
    QVERIFY2(judge.has_value(), "the question cannot be read");

    const QString noneIsRight = QStringLiteral("липсва верния отговор");
    QList<int> rightOptions;
    bool noneOption = false;
    for (const Choice &c : choices) {
        if (c.text == noneIsRight) {
            noneOption = true;
            continue;
        }
        const std::optional<bool> right = (*judge)(c.text);
        QVERIFY2(right.has_value(),
                 qPrintable(QStringLiteral("option %1 cannot be read").arg(c.number)));
        if (*right)
            rightOptions.append(c.number);
    }
    if (noneOption && rightOptions.isEmpty())
        rightOptions.append(choices.last().number);

    QCOMPARE(rightOptions, expectedRight);
}

void TestLessonTasks::factorisationKeyAndHornerTable()
{
    const ItemList &lines = task(1);
    const std::optional<DefinedPoly> p = definedPolynomial(questionOf(lines));
    QVERIFY(p.has_value());
    QCOMPARE(p->p.size(), 5); // a polynomial of degree 4

    // The key names the right option by number and repeats its text, and
    // multiplying out its factors gives P(x) again.
    static const QRegularExpression keyLine(
        QStringLiteral("^ {7}Правилен отговор = (\\d+); (.+)$"));
    const QRegularExpressionMatch key = keyLine.match(lines.read(kFirstKeyLine));
    QVERIFY(key.hasMatch());
    const QList<Choice> choices = choicesOf(lines);
    const int keyNumber = key.captured(1).toInt();
    QVERIFY(keyNumber >= 1 && keyNumber <= choices.size());
    QCOMPARE(key.captured(2), choices[keyNumber - 1].text);
    const std::optional<Poly> product = parsePoly(key.captured(2));
    QVERIFY(product.has_value());
    QCOMPARE(*product, p->p);

    // The worked table: a header row with the coefficients of P(x), then one
    // row per division by x - a: "a | quotient coefficients remainder".
    struct Row {
        QString label;
        QList<qint64> numbers;
    };
    QList<Row> rows;
    qsizetype barColumn = -1;
    for (int i = kFirstKeyLine + 1; i < lines.count(); ++i) {
        const QString line = lines.read(i);
        QVERIFY2(line.size() <= 60, qPrintable(QStringLiteral("line %1 is too wide").arg(i)));
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        if (bar < 0)
            continue;
        if (barColumn < 0)
            barColumn = bar;
        QCOMPARE(bar, barColumn); // the columns line up
        const std::optional<QList<qint64>> numbers =
            integersOf(line.mid(bar + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QVERIFY2(numbers.has_value(), qPrintable(line));
        rows.append({line.left(bar).trimmed(), *numbers});
    }
    QVERIFY(rows.size() >= 2);
    QVERIFY(!parseInteger(rows.first().label).has_value());
    QCOMPARE(rows.first().numbers, highToLow(p->p));

    QList<qint64> dividend = rows.first().numbers;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const std::optional<qint64> a = parseInteger(rows[r].label);
        QVERIFY2(a.has_value(), qPrintable(rows[r].label));
        QCOMPARE(rows[r].numbers, hornerRow(dividend, *a));
        QCOMPARE(rows[r].numbers.last(), qint64(0)); // a is a root
        dividend = rows[r].numbers.mid(0, rows[r].numbers.size() - 1);
    }
    QCOMPARE(dividend.size(), 1); // the scheme is carried through to the end
}

void TestLessonTasks::programmingExample_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<bool>("outputOnSameLine");

    QTest::newRow("task 06: first n with S_n >= S") << 6 << true;
    QTest::newRow("task 07: terms and sum of an arithmetic progression") << 7 << false;
    QTest::newRow("task 08: a_n and S_n of a geometric progression") << 8 << false;
    QTest::newRow("task 09: value of a polynomial") << 9 << false;
    QTest::newRow("task 10: sum of polynomials") << 10 << false;
    QTest::newRow("task 11: product of polynomials") << 11 << false;
    QTest::newRow("task 12: Newton's method") << 12 << false;
    QTest::newRow("task 13: sum of Fibonacci numbers") << 13 << false;
    QTest::newRow("task 14: division by x - a") << 14 << false;
    QTest::newRow("task 15: integer roots") << 15 << false;
}

void TestLessonTasks::programmingExample()
{
    QFETCH(int, t);
    QFETCH(bool, outputOnSameLine);
    const ItemList &lines = task(t);
    const QString examplePrefix = QStringLiteral("Пример:");
    const QString outputPrefix = QStringLiteral("Изход:");

    int example = -1;
    for (int i = kFirstStatementLine; i <= kLastStatementLine && example < 0; ++i)
        if (lines.read(i).startsWith(examplePrefix))
            example = i;
    QVERIFY2(example >= 0, "no example");

    QString input;
    QStringList output;
    const QString first = lines.read(example).mid(examplePrefix.size());
    const qsizetype sameLine = first.indexOf(outputPrefix);
    QCOMPARE(sameLine >= 0, outputOnSameLine);
    int outputLine = example;
    if (sameLine >= 0) {
        input = first.left(sameLine);
        output.append(first.mid(sameLine + outputPrefix.size()));
    } else {
        input = first;
        for (outputLine = example + 1; outputLine < lines.count(); ++outputLine) {
            const QString line = lines.read(outputLine);
            if (line.startsWith(outputPrefix)) {
                QCOMPARE(line.mid(outputPrefix.size()).trimmed(), QString());
                break;
            }
            input += QLatin1Char(' ') + line;
        }
        QVERIFY2(outputLine < lines.count(), "no output after the example");
    }
    for (int i = outputLine + 1; i < lines.count(); ++i)
        output.append(lines.read(i));
    for (QString &line : output)
        line = line.simplified();
    output.removeAll(QString());

    const std::optional<QStringList> expected =
        referenceOutput(t, input.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    QVERIFY2(expected.has_value(), qPrintable(QStringLiteral("input does not fit: ") + input));
    QCOMPARE(output, *expected);
}

QTEST_GUILESS_MAIN(TestLessonTasks)
#include "tst_lesson_tasks.moc"
