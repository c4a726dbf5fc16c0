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
#pragma once
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
        up1_.settle(in);
        up2_.settle(in);
        down2_.settle(out);
        down1_.settle(out);
        previous_ = in;
        areaIndex_ = -1;
    }
    void reset() { settle(0.0f, 0.0f); }

    template <class Shape> void process(const float* x, float* out, int count, const Shape& shape) {
        areaIndex_ = -1; // the shape's parameters are new
        for (int i = 0; i < count; ++i) {
            float v = x[i];
            if (!std::isfinite(v)) v = 0.0f; // one bad sample must not poison the filters
            float half[2], fast[4];
            up1_.up(v, half[0], half[1]);
            up2_.up(half[0], fast[0], fast[1]);
            up2_.up(half[1], fast[2], fast[3]);
            for (float& u : fast)
                u = shapeFast(u, shape, i);
            const float older = down2_.down(fast[0], fast[1]); // in this order: one state
            out[i] = down1_.down(older, down2_.down(fast[2], fast[3]));
        }
    }

  private:
    struct Designs {
        HalfBandDesign outer; // base rate to twice: the pass band reaches 0.42 of the base rate
        HalfBandDesign inner; // twice to four times: wide, the band above is already empty
    };
    static const Designs& designs();

    // The curve at one fast sample: its mean over the segment from the previous fast sample,
    // the linear part's and the residual's (the antiderivative's difference quotient) alike, so
    // the two stay in step and the result never leaves the curve's range.
    template <class Shape> float shapeFast(float u, const Shape& shape, int i) {
        const double now = u, d = now - previous_, mid = 0.5 * (now + previous_);
        double r;
        if (shape.plain(previous_, now, i)) {
            // Inside the curve's linear region its mean is the linear part's: no area needed.
            r = 0.0;
            areaIndex_ = -1;
        } else if (std::fabs(d) > 1e-5) {
            // The previous end's antiderivative is kept while the curve's parameters stay those
            // of the same base sample: one evaluation per fast sample, not two.
            if (areaIndex_ != i) previousArea_ = shape.antiderivative(previous_, i);
            const double area = shape.antiderivative(now, i);
            r = (area - previousArea_) / d;
            previousArea_ = area;
            areaIndex_ = i;
        } else {
            r = shape.residual(mid, i);
            areaIndex_ = -1;
        }
        previous_ = now;
        return shape.linear(static_cast<float>(mid), i) + static_cast<float>(r);
    }

    HalfBand up1_{designs().outer}, up2_{designs().inner};
    HalfBand down2_{designs().inner};
    DecimationLowPass down1_;
    double previous_ = 0.0;     // the last fast sample
    double previousArea_ = 0.0; // its antiderivative, for the base sample areaIndex_
    int areaIndex_ = -1;
};

} // namespace tarlix
