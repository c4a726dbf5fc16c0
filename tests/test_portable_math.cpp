// The portable elementary functions against long double references: how many units in the
// last place of a double each is off, over the ranges the instrument uses and beyond.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "common/portable_math.h"
#include "dsp/vector_math.h"

namespace pm = tarlix::pmath;

namespace {

// The error of `got` in units of the last place of the correctly rounded double.
double ulps(double got, long double exact) {
    const double rounded = static_cast<double>(exact);
    if (rounded == 0.0) return got == 0.0 ? 0.0 : HUGE_VAL;
    const double ulp = std::nextafter(std::fabs(rounded), HUGE_VAL) - std::fabs(rounded);
    return static_cast<double>(std::fabs(static_cast<long double>(got) - exact) / ulp);
}

// Long double references for sine and cosine that reduce their argument themselves: some C
// libraries' sinl and cosl reduce by a 66-bit pi and are off by a few ulp of double near the
// zeros. pi/2 as a double plus its long double remainder: k * kHalfPi is exact for k < 2^11.
constexpr long double kHalfPi = 1.5707963267948966;
constexpr long double kHalfPiTail = 6.123233995736766035868820147291818e-17L;

long double referenceSinCos(long double x, int phase) { // phase 0: sine, 1: cosine
    const long double k = std::round(x / kHalfPi);
    const long double r = (x - k * kHalfPi) - k * kHalfPiTail;
    switch ((static_cast<long long>(k) + phase) & 3) {
    case 0:
        return sinl(r);
    case 1:
        return cosl(r);
    case 2:
        return -sinl(r);
    default:
        return -cosl(r);
    }
}

struct Range {
    const char* name;
    double (*portable)(double);
    long double (*reference)(long double);
    double from, to, limitUlps;
};

// ln(1 + x) for two doubles at a time, read from the first lane.
double vectorLog1p(double x) {
    return _mm_cvtsd_f64(tarlix::vmath::log1p(_mm_set1_pd(x)));
}

double worstUlps(const Range& r, int steps = 20000) {
    double worst = 0.0;
    for (int i = 0; i <= steps; ++i) {
        const double x = r.from + (r.to - r.from) * i / steps;
        worst = std::max(worst, ulps(r.portable(x), r.reference(x)));
    }
    return worst;
}

} // namespace

TEST(PortableMath, AccuracyInUnitsOfTheLastPlace) {
    const Range ranges[] = {
        {"exp2", pm::exp2, [](long double x) { return exp2l(x); }, -60.0, 60.0, 2.0},
        {"exp", pm::exp, [](long double x) { return expl(x); }, -40.0, 40.0, 2.0},
        {"log2", pm::log2, [](long double x) { return log2l(x); }, 1e-6, 1e6, 4.0},
        {"log2 near 1", pm::log2, [](long double x) { return log2l(x); }, 0.5, 2.0, 4.0},
        {"sin", pm::sin, [](long double x) { return referenceSinCos(x, 0); }, -20.0, 20.0, 2.0},
        {"cos", pm::cos, [](long double x) { return referenceSinCos(x, 1); }, -20.0, 20.0, 2.0},
        // Up to just below the pole at pi/2, as the filter tables use it.
        {"tan", pm::tan, [](long double x) { return tanl(x); }, 1e-4, 1.5706, 4.0},
        {"tanh", pm::tanh, [](long double x) { return tanhl(x); }, -10.0, 10.0, 4.0},
        {"tanh near 0", pm::tanh, [](long double x) { return tanhl(x); }, -1e-3, 1e-3, 4.0},
        // The limiter's knee: how far a sample lies past its threshold, small and large.
        {"log1p", vectorLog1p, [](long double x) { return log1pl(x); }, 0.0, 200.0, 4.0},
        {"log1p near 0", vectorLog1p, [](long double x) { return log1pl(x); }, 0.0, 1e-6, 4.0},
    };
    for (const Range& r : ranges) {
        const double worst = worstUlps(r);
        std::printf("%-12s worst %.2f ulp on [%g, %g]\n", r.name, worst, r.from, r.to);
        EXPECT_LE(worst, r.limitUlps) << r.name;
    }
}

TEST(PortableMath, ExactValuesAndEdges) {
    for (int k = -1074; k <= 1023; ++k)
        ASSERT_EQ(pm::exp2(k), std::ldexp(1.0, k)) << k;
    for (int k = -1022; k <= 1023; k += 7)
        ASSERT_EQ(pm::log2(std::ldexp(1.0, k)), k) << k;
    EXPECT_EQ(pm::log2(std::numeric_limits<double>::denorm_min()), -1074.0);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(pm::exp2(2000.0), inf);
    EXPECT_EQ(pm::exp2(-2000.0), 0.0);
    EXPECT_EQ(pm::exp2(-inf), 0.0);
    EXPECT_EQ(pm::log2(0.0), -inf);
    EXPECT_EQ(pm::log2(inf), inf);
    EXPECT_TRUE(std::isnan(pm::log2(-1.0)));
    EXPECT_TRUE(std::isnan(pm::exp2(NAN)));
    EXPECT_EQ(pm::sin(0.0), 0.0);
    EXPECT_EQ(pm::cos(0.0), 1.0);
    EXPECT_TRUE(std::isnan(pm::sin(inf)));
    EXPECT_TRUE(std::isnan(pm::tan(NAN)));
    EXPECT_EQ(pm::tanh(0.0), 0.0);
    EXPECT_EQ(vectorLog1p(0.0), 0.0); // no area below the knee
    EXPECT_EQ(pm::tanh(30.0), 1.0);
    EXPECT_EQ(pm::tanh(-30.0), -1.0);
    EXPECT_TRUE(std::isnan(pm::tanh(NAN)));
}
