// The elementary functions the sound depends on, written with nothing but IEEE additions,
// multiplications and divisions, so that every build (any C library, any system) computes the
// same bits. The C libraries' exp2, pow, sin, tan and tanh differ in their last bits from one
// system to the next, which made renders differ by about -140 dB between builds.
//
// Accuracy (measured against long double by the unit tests): exp2, exp, sin, cos within 2 ulp
// of double; log2, tan, tanh within 4 ulp. Arguments of exp, sin, cos and tan are reduced with
// two-part constants, exact enough for |x| < 2^20.
#pragma once
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tarlix::pmath {

namespace detail {
constexpr double kLn2 = 0.693147180559945309417232121458176568;
constexpr double kLog2e = 1.44269504088896340735992468100189214;
constexpr double kTwoOverPi = 0.636619772367581343075535053490057448;
// pi/2 in two parts: the first has 33 significant bits, so k * kPio2Hi is exact for k < 2^20.
constexpr double kPio2Hi = 1.57079632673412561417e+00;
constexpr double kPio2Lo = 6.07710050650619224932e-11;
// ln 2 in two parts, the first with its low bits zero, so n * kLn2Hi is exact for |n| < 2^11.
constexpr double kLn2Hi = 6.93147180369123816490e-01;
constexpr double kLn2Lo = 1.90821492927058770002e-10;

// 2^n for an integer n in [-1022, 1023], from its bits.
inline double powerOfTwo(int n) {
    return std::bit_cast<double>(static_cast<uint64_t>(n + 1023) << 52);
}

// p * 2^n, rounded once only where the result is subnormal.
inline double scale(double p, int n) {
    if (n > 1023) return p * powerOfTwo(1023) * powerOfTwo(n - 1023);
    if (n >= -1022) return p * powerOfTwo(n);
    return p * powerOfTwo(n + 52) * powerOfTwo(-52); // into the subnormals
}

// e^t - 1 for |t| <= 0.5 by its Taylor series (the next term is below 2^-60 relative).
inline double expm1Small(double t) {
    double p = 1.0 / 355687428096000.0; // 1/17!
    static constexpr double kInverseFactorials[] = {1.0 / 20922789888000.0,
                                                    1.0 / 1307674368000.0,
                                                    1.0 / 87178291200.0,
                                                    1.0 / 6227020800.0,
                                                    1.0 / 479001600.0,
                                                    1.0 / 39916800.0,
                                                    1.0 / 3628800.0,
                                                    1.0 / 362880.0,
                                                    1.0 / 40320.0,
                                                    1.0 / 5040.0,
                                                    1.0 / 720.0,
                                                    1.0 / 120.0,
                                                    1.0 / 24.0,
                                                    1.0 / 6.0,
                                                    1.0 / 2.0,
                                                    1.0};
    for (double c : kInverseFactorials)
        p = p * t + c;
    return p * t;
}

// sin r and cos r for |r| <= pi/4 by their Taylor series (next terms below 2^-60).
inline double sinSmall(double r) {
    const double z = r * r;
    double p = -1.0 / 121645100408832000.0; // -1/19!
    static constexpr double kCoefficients[] = {
        1.0 / 355687428096000.0, -1.0 / 1307674368000.0, 1.0 / 6227020800.0, -1.0 / 39916800.0,
        1.0 / 362880.0,          -1.0 / 5040.0,          1.0 / 120.0,        -1.0 / 6.0};
    for (double c : kCoefficients)
        p = p * z + c;
    return r + r * z * p;
}
inline double cosSmall(double r) {
    const double z = r * r;
    double p = 1.0 / 6402373705728000.0; // 1/18!
    static constexpr double kCoefficients[] = {
        -1.0 / 20922789888000.0, 1.0 / 87178291200.0, -1.0 / 479001600.0, 1.0 / 3628800.0,
        -1.0 / 40320.0,          1.0 / 720.0,         -1.0 / 24.0,        1.0 / 2.0};
    for (double c : kCoefficients)
        p = p * z + c;
    return 1.0 - z * p;
}

// x = k * pi/2 + r with |r| <= pi/4 (about), and the quadrant k mod 4.
inline double reduceQuarterTurns(double x, int& quadrant) {
    const double k = std::round(x * kTwoOverPi);
    quadrant = static_cast<int>(static_cast<int64_t>(k) & 3);
    return (x - k * kPio2Hi) - k * kPio2Lo;
}
} // namespace detail

// 2^x; exact for integer x.
inline double exp2(double x) {
    if (std::isnan(x)) return x;
    if (x >= 1024.0) return std::numeric_limits<double>::infinity();
    if (x < -1075.0) return 0.0;
    const double n = std::round(x);
    const double f = x - n; // exact, |f| <= 0.5
    return detail::scale(1.0 + detail::expm1Small(f * detail::kLn2), static_cast<int>(n));
}

// e^x, reduced as x = n ln 2 + r with |r| <= ln 2 / 2.
inline double exp(double x) {
    if (std::isnan(x)) return x;
    if (x > 710.0) return std::numeric_limits<double>::infinity();
    if (x < -746.0) return 0.0;
    const double n = std::round(x * detail::kLog2e);
    const double r = (x - n * detail::kLn2Hi) - n * detail::kLn2Lo;
    return detail::scale(1.0 + detail::expm1Small(r), static_cast<int>(n));
}

// log2 x: -inf at 0, NaN below.
inline double log2(double x) {
    if (std::isnan(x) || x < 0.0) return std::numeric_limits<double>::quiet_NaN();
    if (x == 0.0) return -std::numeric_limits<double>::infinity();
    if (std::isinf(x)) return x;
    int e = 0;
    if (x < 0x1p-1022) x *= 0x1p54, e = -54; // subnormal: normalise first
    const uint64_t bits = std::bit_cast<uint64_t>(x);
    e += static_cast<int>(bits >> 52) - 1023;
    double m = std::bit_cast<double>((bits & 0x000fffffffffffffull) | 0x3ff0000000000000ull);
    if (m > 1.4142135623730951) m *= 0.5, ++e; // m in [0.707, 1.414]
    // ln m = 2 atanh(s), s = (m - 1) / (m + 1), |s| <= 0.1716: the series to s^21.
    const double s = (m - 1.0) / (m + 1.0), z = s * s;
    double p = 1.0 / 23.0;
    for (int k = 21; k >= 1; k -= 2)
        p = p * z + 1.0 / k;
    return e + 2.0 * s * p * detail::kLog2e;
}

inline double sin(double x) {
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    int q = 0;
    const double r = detail::reduceQuarterTurns(x, q);
    switch (q) {
    case 0:
        return detail::sinSmall(r);
    case 1:
        return detail::cosSmall(r);
    case 2:
        return -detail::sinSmall(r);
    default:
        return -detail::cosSmall(r);
    }
}

inline double cos(double x) {
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    int q = 0;
    const double r = detail::reduceQuarterTurns(x, q);
    switch (q) {
    case 0:
        return detail::cosSmall(r);
    case 1:
        return -detail::sinSmall(r);
    case 2:
        return -detail::cosSmall(r);
    default:
        return detail::sinSmall(r);
    }
}

inline double tan(double x) {
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    int q = 0;
    const double r = detail::reduceQuarterTurns(x, q);
    const double s = detail::sinSmall(r), c = detail::cosSmall(r);
    return (q & 1) ? -c / s : s / c;
}

inline double tanh(double x) {
    if (std::isnan(x)) return x;
    const double a = std::fabs(x);
    if (a > 22.0) return std::copysign(1.0, x); // 1 - tanh < 2^-63
    // tanh a = (e^2a - 1) / (e^2a + 1), with e^2a - 1 computed without cancellation.
    const double e = 2.0 * a <= 0.5 ? detail::expm1Small(2.0 * a) : exp(2.0 * a) - 1.0;
    return std::copysign(e / (e + 2.0), x);
}

} // namespace tarlix::pmath
