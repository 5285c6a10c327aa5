#include "core/content/number_text.h"

#include <cmath>
#include <limits>

namespace lesson {

QString Str(double value)
{
    if (std::isnan(value))
        return QStringLiteral(" NaN");
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    QString digits;
    if (magnitude == std::floor(magnitude) && magnitude < 1e15) {
        digits = QString::number(static_cast<qint64>(magnitude));
    } else {
        // 15 significant digits, the precision the classic form shows for a double.
        digits = QString::number(magnitude, 'g', 15).toUpper();
        if (digits.startsWith(QLatin1String("0.")))
            digits.remove(0, 1);
        const int e = digits.indexOf(QLatin1Char('E'));
        if (e >= 0 && digits.mid(e + 1, 1) != QLatin1String("-") &&
            digits.mid(e + 1, 1) != QLatin1String("+"))
            digits.insert(e + 1, QLatin1Char('+'));
    }
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

double Val(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
            c != QLatin1Char('\r'))
            s.append(c);
    }
    int i = 0;
    const int n = int(s.size());
    auto isDigit = [&](int at) {
        return at < n && s.at(at) >= QLatin1Char('0') && s.at(at) <= QLatin1Char('9');
    };
    QString number;
    if (i < n && (s.at(i) == QLatin1Char('-') || s.at(i) == QLatin1Char('+')))
        number.append(s.at(i++));
    bool anyDigit = false;
    while (isDigit(i)) {
        number.append(s.at(i++));
        anyDigit = true;
    }
    if (i < n && s.at(i) == QLatin1Char('.')) {
        number.append(s.at(i++));
        while (isDigit(i)) {
            number.append(s.at(i++));
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    // An exponent counts only when digits follow it ("2e" reads 2).
    if (i < n && (s.at(i) == QLatin1Char('e') || s.at(i) == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (s.at(j) == QLatin1Char('-') || s.at(j) == QLatin1Char('+')))
            ++j;
        if (isDigit(j)) {
            number.append(QLatin1Char('e'));
            number.append(s.mid(i + 1, j - i - 1));
            while (isDigit(j))
                number.append(s.at(j++));
        }
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    if (!ok || std::isinf(v))
        return 0.0;
    return v;
}

double roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

qint16 toInt16(double value)
{
    const double r = roundHalfEven(value);
    if (r < std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    if (r > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    return static_cast<qint16>(r);
}

} // namespace lesson
