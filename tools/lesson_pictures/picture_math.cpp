#include "picture_math.h"

#include <cmath>

namespace lesson_pictures {

std::vector<std::vector<long long>> pascalRows(int lastRow)
{
    std::vector<std::vector<long long>> rows;
    for (int n = 0; n <= lastRow; ++n) {
        std::vector<long long> row(static_cast<size_t>(n) + 1, 1);
        for (int k = 1; k < n; ++k) {
            const auto &above = rows.back();
            row[static_cast<size_t>(k)] =
                above[static_cast<size_t>(k) - 1] + above[static_cast<size_t>(k)];
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<long long> HornerScheme::quotient() const
{
    return {results.begin(), results.end() - 1};
}

HornerScheme hornerDivide(const std::vector<long long> &coefficients, long long c)
{
    HornerScheme scheme;
    scheme.coefficients = coefficients;
    scheme.divisorRoot = c;
    long long carried = 0;
    for (size_t i = 0; i < coefficients.size(); ++i) {
        const long long product = i == 0 ? 0 : carried * c;
        scheme.products.push_back(product);
        carried = coefficients[i] + product;
        scheme.results.push_back(carried);
    }
    return scheme;
}

double evaluate(const std::vector<double> &coefficients, double x)
{
    double value = 0.0;
    for (double a : coefficients)
        value = value * x + a;
    return value;
}

std::vector<double> realRoots(const std::vector<double> &coefficients, double lo, double hi)
{
    constexpr int steps = 4000;
    std::vector<double> roots;
    const auto addRoot = [&roots](double r) {
        if (roots.empty() || std::abs(roots.back() - r) > 1e-9)
            roots.push_back(r);
    };
    double a = lo;
    double fa = evaluate(coefficients, a);
    for (int i = 1; i <= steps; ++i) {
        const double b = lo + (hi - lo) * i / steps;
        const double fb = evaluate(coefficients, b);
        if (fa == 0.0) {
            addRoot(a);
        } else if (fb != 0.0 && (fa < 0.0) != (fb < 0.0)) {
            double left = a;
            double right = b;
            double fLeft = fa;
            for (int k = 0; k < 80; ++k) {
                const double mid = 0.5 * (left + right);
                const double fMid = evaluate(coefficients, mid);
                if (fMid == 0.0) {
                    left = right = mid;
                    break;
                }
                if ((fMid < 0.0) == (fLeft < 0.0)) {
                    left = mid;
                    fLeft = fMid;
                } else {
                    right = mid;
                }
            }
            addRoot(0.5 * (left + right));
        }
        a = b;
        fa = fb;
    }
    if (fa == 0.0)
        addRoot(a);
    return roots;
}

std::vector<long long> arithmeticTerms(long long first, long long difference, int count)
{
    std::vector<long long> terms;
    for (int i = 0; i < count; ++i)
        terms.push_back(first + i * difference);
    return terms;
}

std::vector<long long> geometricTerms(long long first, long long ratio, int count)
{
    std::vector<long long> terms;
    long long term = first;
    for (int i = 0; i < count; ++i) {
        terms.push_back(term);
        term *= ratio;
    }
    return terms;
}

std::vector<long long> fibonacciTerms(int count)
{
    std::vector<long long> terms;
    long long a = 1;
    long long b = 1;
    for (int i = 0; i < count; ++i) {
        terms.push_back(a);
        const long long next = a + b;
        a = b;
        b = next;
    }
    return terms;
}

} // namespace lesson_pictures
