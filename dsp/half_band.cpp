#include "dsp/half_band.h"

#include <cmath>

namespace tarlix {

// The classic closed form for a half-band whose two branches are allpass chains: the poles
// follow from Jacobi's elliptic functions, summed here as their theta series in the nome q.
HalfBandDesign HalfBandDesign::elliptic(int count, double transition) {
    HalfBandDesign d;
    d.count = count < 1 ? 1 : (count > kMaxCoefficients ? kMaxCoefficients : count);
    const double pi = 3.14159265358979323846;
    // Selectivity: tan^2 of half the pass-band edge in radians.
    const double edge = std::tan((1.0 - 2.0 * transition) * pi / 4.0);
    const double k = edge * edge;
    const double root = std::sqrt(std::sqrt(1.0 - k * k));
    const double e = 0.5 * (1.0 - root) / (1.0 + root);
    const double e4 = e * e * e * e;
    const double q = e * (1.0 + e4 * (2.0 + e4 * (15.0 + 150.0 * e4))); // the nome
    const double order = 2.0 * d.count + 1.0;
    for (int i = 1; i <= d.count; ++i) {
        double num = 0.0, den = 0.0;
        for (int m = 0; m < 12; ++m) {
            const double sign = m % 2 == 0 ? 1.0 : -1.0;
            num += sign * std::pow(q, m * (m + 1.0)) * std::sin((2.0 * m + 1.0) * i * pi / order);
            if (m > 0) den += sign * std::pow(q, m * m * 1.0) * std::cos(2.0 * m * i * pi / order);
        }
        const double w = 2.0 * std::pow(q, 0.25) * num / (1.0 + 2.0 * den), w2 = w * w;
        const double x = std::sqrt((1.0 - w2 * k) * (1.0 - w2 / k)) / (1.0 + w2);
        d.a[i - 1] = static_cast<float>((1.0 - x) / (1.0 + x));
    }
    return d;
}

} // namespace tarlix
