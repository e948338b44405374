#include "AssociationMeasures.h"

#include <algorithm>
#include <cmath>

namespace lexorin {

double XLnXOverE(double x, double e) {
    return x > 0 ? x * std::log(x / e) : 0.0;
}

double LogLikelihood2x2(double o11, double o12, double o21, double o22, bool below) {
    const double o[2][2] = {{std::max(o11, 0.0), std::max(o12, 0.0)},
                            {std::max(o21, 0.0), std::max(o22, 0.0)}};
    const double rows[2] = {o[0][0] + o[0][1], o[1][0] + o[1][1]};
    const double columns[2] = {o[0][0] + o[1][0], o[0][1] + o[1][1]};
    const double total = rows[0] + rows[1];
    if (total <= 0)
        return 0.0;
    double sum = 0;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            sum += XLnXOverE(o[i][j], rows[i] * columns[j] / total);
    // Rounding can leave a table that fits chance exactly a hair below 0.
    const double ll = std::max(2 * sum, 0.0);
    return below ? -ll : ll;
}

double KeywordLogLikelihood(double a, double b, double n1, double n2) {
    const double e1 = n1 * (a + b) / (n1 + n2);
    const double e2 = n2 * (a + b) / (n1 + n2);
    const double ll = std::max(2 * (XLnXOverE(a, e1) + XLnXOverE(b, e2)), 0.0);
    return a * n2 < b * n1 ? -ll : ll;
}

double LogRatio(double a, double b, double n1, double n2) {
    if (n1 <= 0 || n2 <= 0)
        return 0.0;
    return std::log2(((a > 0 ? a : 0.5) / n1) / ((b > 0 ? b : 0.5) / n2));
}

} // namespace lexorin
