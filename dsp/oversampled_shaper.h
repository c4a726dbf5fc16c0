// A waveshaper run without aliasing: four times oversampled (up through two polyphase
// half-bands, down through one of them and an elliptic low-pass), the curve with first-order
// antiderivative anti-aliasing at the fast rate, then filtered back down. The stage always runs
// this way, so its delay (about three and a quarter samples at low frequencies) never changes
// with the signal.
//
// A Shape describes one curve with parameters that may change per base sample i; the curve is
// the linear part slope(i) u plus a residual, evaluated two fast samples (doubles) at a time:
//   float slope(int i) const                          the linear part's slope
//   float plainBound(int i) const                     residual is 0 wherever |u| <= this
//   __m128d residual(__m128d u, int i) const          curve(u) - slope u
//   __m128d antiderivative(__m128d u, int i) const    of residual, in u
//   bool same(int i, int j) const                     the curve is the same at i and j
#pragma once
#include <emmintrin.h>

#include <algorithm>
#include <cmath>

#include "dsp/decimation_low_pass.h"
#include "dsp/half_band.h"
#include "dsp/vector_math.h"

namespace tarlix {

class OversampledShaper {
  public:
    // Input held still this long leaves every filter of the stage settled to float precision
    // (the slowest pole, the low-pass's 0.942 per base sample, has fallen to 3e-7).
    static constexpr int kSettle = 256;

    OversampledShaper() { designs(); } // the filters are designed here, not on the audio thread

    // As after a long stretch of the constant input `in` whose shaped value is `out`.
    void settle(float in, float out) {
        const __m128 i = _mm_set1_ps(in), o = _mm_set1_ps(out);
        for (Allpass& a : up1_)
            a = {i, i};
        up2_ = {i, i};
        down2_ = {o, o};
        down1_.settle(out);
        previous_ = in;
        areaKnown_ = false;
    }
    void reset() { settle(0.0f, 0.0f); }

    template <class Shape> void process(const float* x, float* out, int count, const Shape& shape) {
        areaKnown_ = false; // the curve's parameters are new
        for (int at = 0; at < count; at += DecimationLowPass::kMaxBlock) {
            const int n = std::min(count - at, DecimationLowPass::kMaxBlock);
            block(x + at, out + at, n, shape, at);
        }
    }

  private:
    // The lanes below hold two sections per branch on the way up and one in the middle.
    static constexpr int kOuterSections = 4, kInnerSections = 2;
    struct Designs {
        HalfBandDesign outer; // base rate to twice: the pass band reaches 0.42 of the base rate
        HalfBandDesign inner; // twice to four times: wide, the band above is already empty
    };
    static const Designs& designs();

    // One allpass section of a half-band's two branches side by side in lanes 0 and 1:
    // y = a (x - y[n-1]) + x[n-1] per lane, exactly as a section on its own computes it.
    struct Allpass {
        __m128 x1, y1;
        __m128 step(__m128 x, __m128 a) {
            const __m128 y = _mm_add_ps(_mm_mul_ps(a, _mm_sub_ps(x, y1)), x1);
            x1 = x;
            y1 = y;
            return y;
        }
    };
    // The coefficients in lanes: the way up runs the two branches on one input (branch 0's
    // output is the older fast sample); the way down feeds the older sample to branch 1 and
    // the newer to branch 0, so lane 0 holds branch 1 there.
    struct Lanes {
        __m128 up1[2], up2, down2;
    };
    static const Lanes& lanes();

    template <class Shape>
    void block(const float* x, float* out, int count, const Shape& shape, int first) {
        const Lanes& c = lanes();
        float clean[DecimationLowPass::kMaxBlock];
        forgetBadSamples(x, clean, count);
        for (int n = 0; n < count; ++n) {
            const int i = first + n; // the shape's per-sample parameters
            __m128 half = _mm_set1_ps(clean[n]);
            half = up1_[0].step(half, c.up1[0]);
            half = up1_[1].step(half, c.up1[1]); // lanes 0, 1: the older and newer half sample
            const __m128 a = up2_.step(_mm_shuffle_ps(half, half, 0x00), c.up2);
            const __m128 b = up2_.step(_mm_shuffle_ps(half, half, 0x55), c.up2);
            __m128 fast = _mm_movelh_ps(a, b); // four fast samples, the oldest in lane 0
            fast = shapeFour(fast, shape, i);
            const __m128 older = down2_.step(fast, c.down2);
            const __m128 newer = down2_.step(_mm_movehl_ps(fast, fast), c.down2);
            down1_.write(n, joined(older, newer));
        }
        down1_.run(out, count);
    }

    // A sample that is not finite becomes 0: one bad sample must not poison the filters.
    static void forgetBadSamples(const float* x, float* clean, int count) {
        int n = 0;
        for (; n + 4 <= count; n += 4) {
            _mm_storeu_ps(clean + n, vmath::finiteOrZero(_mm_loadu_ps(x + n)));
        }
        for (; n < count; ++n)
            clean[n] = std::isfinite(x[n]) ? x[n] : 0.0f;
    }

    // The half-band's two branches joined (half the sum of lanes 0 and 1) for the older and the
    // newer pair, as the two doubles the low-pass takes.
    static __m128d joined(__m128 older, __m128 newer) {
        const __m128 sum =
            _mm_mul_ps(_mm_set1_ps(0.5f), _mm_add_ps(_mm_shuffle_ps(older, newer, 0x00),
                                                     _mm_shuffle_ps(older, newer, 0x55)));
        return _mm_cvtps_pd(_mm_shuffle_ps(sum, sum, _MM_SHUFFLE(2, 0, 2, 0)));
    }

    // The curve at four fast samples of base sample i: over each segment from the previous fast
    // sample, the mean of the linear part and of the residual (the antiderivative's difference
    // quotient) alike, so the two stay in step and the result never leaves the curve's range.
    template <class Shape> __m128 shapeFour(__m128 u, const Shape& shape, int i) {
        // The segments' earlier ends: the last fast sample, then lanes 0 to 2.
        const __m128 before =
            _mm_move_ss(_mm_shuffle_ps(u, u, _MM_SHUFFLE(2, 1, 0, 0)), _mm_set_ss(previous_));
        previous_ = _mm_cvtss_f32(_mm_shuffle_ps(u, u, 0xFF));
        const __m128 linear = _mm_mul_ps(_mm_set1_ps(shape.slope(i)),
                                         _mm_mul_ps(_mm_set1_ps(0.5f), _mm_add_ps(u, before)));

        // Most of the time all four lie in the curve's linear region: no area needed.
        const __m128 bound = _mm_set1_ps(shape.plainBound(i)), sign = _mm_set1_ps(-0.0f);
        if (_mm_movemask_ps(_mm_cmple_ps(_mm_andnot_ps(sign, before), bound)) == 0xF &&
            _mm_movemask_ps(_mm_cmple_ps(_mm_andnot_ps(sign, u), bound)) == 0xF) {
            areaKnown_ = false;
            return _mm_add_ps(linear, _mm_setzero_ps());
        }

        const __m128d nowLow = _mm_cvtps_pd(u), nowHigh = _mm_cvtps_pd(_mm_movehl_ps(u, u));
        const __m128d beforeLow = _mm_cvtps_pd(before),
                      beforeHigh = _mm_cvtps_pd(_mm_movehl_ps(before, before));
        const __m128d half = _mm_set1_pd(0.5);
        const __m128d midLow = _mm_mul_pd(half, _mm_add_pd(nowLow, beforeLow)),
                      midHigh = _mm_mul_pd(half, _mm_add_pd(nowHigh, beforeHigh));

        // The antiderivative at the five ends; the earliest is the last sample's latest when the
        // curve has not changed since.
        const __m128d areaLow = shape.antiderivative(nowLow, i),
                      areaHigh = shape.antiderivative(nowHigh, i);
        const double areaFirst = areaKnown_ && i > 0 && shape.same(i, i - 1)
                                     ? lastArea_
                                     : _mm_cvtsd_f64(shape.antiderivative(beforeLow, i));
        lastArea_ = _mm_cvtsd_f64(_mm_unpackhi_pd(areaHigh, areaHigh));
        areaKnown_ = true;
        const __m128d areaBeforeLow = _mm_shuffle_pd(_mm_set_sd(areaFirst), areaLow, 0),
                      areaBeforeHigh = _mm_shuffle_pd(areaLow, areaHigh, 1);
        const __m128d low =
            residualMean(shape, i, beforeLow, nowLow, midLow, areaBeforeLow, areaLow);
        const __m128d high =
            residualMean(shape, i, beforeHigh, nowHigh, midHigh, areaBeforeHigh, areaHigh);
        return _mm_add_ps(linear, _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high)));
    }

    // The residual's mean over two segments: 0 where the shape says so, the difference quotient
    // of the areas, or, over a segment too short to divide by, the residual at its middle.
    template <class Shape>
    static __m128d residualMean(const Shape& shape, int i, __m128d a, __m128d b, __m128d mid,
                                __m128d areaA, __m128d areaB) {
        const __m128d d = _mm_sub_pd(b, a);
        const __m128d wide = _mm_cmpgt_pd(vmath::abs(d), _mm_set1_pd(1e-5));
        const __m128d quotient = _mm_div_pd(_mm_sub_pd(areaB, areaA), d);
        const __m128d r = _mm_movemask_pd(wide) == 3
                              ? quotient
                              : vmath::select(wide, quotient, shape.residual(mid, i));
        // Both ends within the plain bound, so all between: no residual on that segment.
        const __m128d bound = _mm_set1_pd(shape.plainBound(i));
        const __m128d plain =
            _mm_and_pd(_mm_cmple_pd(vmath::abs(a), bound), _mm_cmple_pd(vmath::abs(b), bound));
        return _mm_andnot_pd(plain, r);
    }

    Allpass up1_[2] = {}, up2_ = {}, down2_ = {};
    DecimationLowPass down1_;
    float previous_ = 0.0f; // the last fast sample
    double lastArea_ = 0.0; // its antiderivative, when areaKnown_
    bool areaKnown_ = false;
};

} // namespace tarlix
