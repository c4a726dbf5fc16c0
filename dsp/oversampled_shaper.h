// A waveshaper run without aliasing: four times oversampled (up through two polyphase
// half-bands, down through one of them and an elliptic low-pass), the curve with first-order
// antiderivative anti-aliasing at the fast rate, then filtered back down. The stage always runs
// this way, so its delay (about three and a quarter samples at low frequencies) never changes
// with the signal.
//
// A Shape describes one curve with parameters that may change per base sample:
//   float linear(float x, int i) const            the linear part of the curve
//   double residual(double u, int i) const        curve(u) - linear(u)
//   double antiderivative(double u, int i) const  of residual, in u
//   bool plain(double a, double b, int i) const   residual is 0 from a to b (may say false)
//   float plainBound(int i) const                 residual is 0 wherever |u| <= this
//   float slope(int i) const                      linear(x, i) is slope(i) * x
#pragma once
#include <emmintrin.h>

#include <algorithm>
#include <cmath>

#include "dsp/decimation_low_pass.h"
#include "dsp/half_band.h"

namespace tarlix {

class OversampledShaper {
  public:
    static constexpr int kFactor = 4;
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
        areaIndex_ = -1;
    }
    void reset() { settle(0.0f, 0.0f); }

    template <class Shape> void process(const float* x, float* out, int count, const Shape& shape) {
        areaIndex_ = -1; // the shape's parameters are new
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
        for (int n = 0; n < count; ++n) {
            const int i = first + n; // the shape's per-sample parameters
            float v = x[n];
            if (!std::isfinite(v)) v = 0.0f; // one bad sample must not poison the filters
            __m128 half = _mm_set1_ps(v);
            half = up1_[0].step(half, c.up1[0]);
            half = up1_[1].step(half, c.up1[1]); // lanes 0, 1: the older and newer half sample
            const __m128 a = up2_.step(_mm_shuffle_ps(half, half, 0x00), c.up2);
            const __m128 b = up2_.step(_mm_shuffle_ps(half, half, 0x55), c.up2);
            __m128 fast = _mm_movelh_ps(a, b); // four fast samples, the oldest in lane 0
            fast = shapeFour(fast, shape, i);
            const __m128 older = down2_.step(fast, c.down2);
            const __m128 newer = down2_.step(_mm_movehl_ps(fast, fast), c.down2);
            down1_.write(n, halfSum(older), halfSum(newer));
        }
        down1_.run(out, count);
    }

    // Half the sum of lanes 0 and 1: the half-band's two branches joined.
    static float halfSum(__m128 v) {
        return 0.5f * _mm_cvtss_f32(_mm_add_ss(v, _mm_shuffle_ps(v, v, 0x01)));
    }

    // The curve at four fast samples of base sample i. Most of the time all four lie in the
    // curve's linear region, where the mean over each segment is the linear part of the mean of
    // its ends: four at once, in double as below, without the area.
    template <class Shape> __m128 shapeFour(__m128 u, const Shape& shape, int i) {
        const __m128 magnitude = _mm_andnot_ps(_mm_set1_ps(-0.0f), u);
        const float bound = shape.plainBound(i);
        const bool plain =
            _mm_movemask_ps(_mm_cmple_ps(magnitude, _mm_set1_ps(bound))) == 0xF &&
            std::fabs(previous_) <= bound;
        if (!plain) {
            alignas(16) float f[4];
            _mm_store_ps(f, u);
            for (float& s : f)
                s = shapeFast(s, shape, i);
            return _mm_load_ps(f);
        }
        // The segments' earlier ends: the last fast sample, then lanes 0 to 2.
        const __m128 before =
            _mm_move_ss(_mm_shuffle_ps(u, u, _MM_SHUFFLE(2, 1, 0, 0)), _mm_set_ss(previous_));
        const __m128d h = _mm_set1_pd(0.5);
        const __m128d low = _mm_mul_pd(h, _mm_add_pd(_mm_cvtps_pd(u), _mm_cvtps_pd(before)));
        const __m128d high = _mm_mul_pd(h, _mm_add_pd(_mm_cvtps_pd(_mm_movehl_ps(u, u)),
                                                      _mm_cvtps_pd(_mm_movehl_ps(before, before))));
        const __m128 mid = _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high));
        previous_ = _mm_cvtss_f32(_mm_shuffle_ps(u, u, 0xFF));
        areaIndex_ = -1;
        return _mm_add_ps(_mm_mul_ps(_mm_set1_ps(shape.slope(i)), mid), _mm_setzero_ps());
    }

    // The curve at one fast sample: its mean over the segment from the previous fast sample,
    // the linear part's and the residual's (the antiderivative's difference quotient) alike, so
    // the two stay in step and the result never leaves the curve's range.
    template <class Shape> float shapeFast(float u, const Shape& shape, int i) {
        const double now = u, before = previous_, d = now - before, mid = 0.5 * (now + before);
        double r;
        if (shape.plain(before, now, i)) {
            // Inside the curve's linear region its mean is the linear part's: no area needed.
            r = 0.0;
            areaIndex_ = -1;
        } else if (std::fabs(d) > 1e-5) {
            // The previous end's antiderivative is kept while the curve's parameters stay those
            // of the same base sample: one evaluation per fast sample, not two.
            if (areaIndex_ != i) previousArea_ = shape.antiderivative(before, i);
            const double area = shape.antiderivative(now, i);
            r = (area - previousArea_) / d;
            previousArea_ = area;
            areaIndex_ = i;
        } else {
            r = shape.residual(mid, i);
            areaIndex_ = -1;
        }
        previous_ = u;
        return shape.linear(static_cast<float>(mid), i) + static_cast<float>(r);
    }

    Allpass up1_[2] = {}, up2_ = {}, down2_ = {};
    DecimationLowPass down1_;
    float previous_ = 0.0f;     // the last fast sample
    double previousArea_ = 0.0; // its antiderivative, for the base sample areaIndex_
    int areaIndex_ = -1;
};

} // namespace tarlix
