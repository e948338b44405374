// The statistics of collocates and keywords: how far an observed frequency
// stands from the one chance would give.
#pragma once

#include <cstdint>

namespace lexorin {

// x ln(x / e), with 0 ln 0 = 0.
double XLnXOverE(double x, double e);

// Log-likelihood (G²) of a 2 × 2 contingency table whose first cell is the
// observed frequency; cells below 0 count as 0, and the row and column sums
// are taken from the four cells. Its sign is that of `observed - expected`
// as the caller reckons it: `below` makes it negative.
double LogLikelihood2x2(double o11, double o12, double o21, double o22, bool below);

// The log-likelihood of a word's frequencies a and b in two texts of n1 and
// n2 tokens: 2 (a ln(a / E1) + b ln(b / E2)) with E1 = n1 (a + b) / (n1 + n2)
// and E2 = n2 (a + b) / (n1 + n2); negative when a / n1 < b / n2.
double KeywordLogLikelihood(double a, double b, double n1, double n2);

// log2((a / n1) / (b / n2)), a zero frequency counting as 0.5; 0 when a
// side has no tokens.
double LogRatio(double a, double b, double n1, double n2);

} // namespace lexorin
