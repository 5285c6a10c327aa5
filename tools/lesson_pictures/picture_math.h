// Arithmetic behind the lesson pictures: every number a picture shows is
// computed here, so a picture can never disagree with the mathematics.
#pragma once

#include <vector>

namespace lesson_pictures {

// Rows 0..lastRow of Pascal's triangle; row n holds C(n,0) .. C(n,n).
std::vector<std::vector<long long>> pascalRows(int lastRow);

// Synthetic division of a polynomial by (x - c).
// `coefficients` run from the highest power down to the constant term.
struct HornerScheme {
    std::vector<long long> coefficients; // top row of the table
    std::vector<long long> products;     // middle row; products[0] is unused (empty cell)
    std::vector<long long> results;      // bottom row; the last entry is the remainder
    long long divisorRoot = 0;           // c in (x - c)

    long long remainder() const { return results.back(); }
    // Coefficients of the quotient, highest power first.
    std::vector<long long> quotient() const;
};
HornerScheme hornerDivide(const std::vector<long long> &coefficients, long long c);

// Value of a polynomial given highest power first.
double evaluate(const std::vector<double> &coefficients, double x);

// Real roots in [lo, hi], ascending, found by sign changes on a fine grid and
// refined by bisection; a grid point where the value is exactly zero counts as
// a root. Roots of even multiplicity (touching without crossing) are not found,
// which the lesson's curves do not need.
std::vector<double> realRoots(const std::vector<double> &coefficients, double lo, double hi);

std::vector<long long> arithmeticTerms(long long first, long long difference, int count);
std::vector<long long> geometricTerms(long long first, long long ratio, int count);
// 1, 1, 2, 3, 5, ... (count terms).
std::vector<long long> fibonacciTerms(int count);

} // namespace lesson_pictures
