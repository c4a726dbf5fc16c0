// Two-times resampling by an elliptic half-band built from two chains of first-order allpass
// sections (a polyphase IIR). The filter is minimum in delay for its selectivity: a few fast
// samples at low frequencies, the same for every signal, with a flat pass band.
#pragma once
#include <algorithm>

namespace tarlix {

// The allpass coefficients of one half-band; even-numbered ones form the first branch.
struct HalfBandDesign {
    static constexpr int kMaxCoefficients = 8;
    float a[kMaxCoefficients] = {};
    int count = 0;
    // `count` coefficients (at most kMaxCoefficients) for a transition band `transition` wide,
    // as a share of the fast rate, centred on a quarter of it.
    static HalfBandDesign elliptic(int count, double transition);
};

// The state of one direction of one half-band (an interpolator or a decimator).
class HalfBand {
  public:
    explicit HalfBand(const HalfBandDesign& design) : design_(&design) {}

    // Two fast samples for one slow sample, the older first.
    void up(float x, float& first, float& second) {
        first = branch(0, x);
        second = branch(1, x);
    }
    // One slow sample from two fast samples, the older first.
    float down(float first, float second) { return 0.5f * (branch(1, first) + branch(0, second)); }
    // As after a long stretch of the constant `level`: every section passes it unchanged.
    void settle(float level) {
        std::fill(x1_, x1_ + HalfBandDesign::kMaxCoefficients, level);
        std::fill(y1_, y1_ + HalfBandDesign::kMaxCoefficients, level);
    }

  private:
    // y = a (x - y[n-1]) + x[n-1] per section, at the slow rate.
    float branch(int b, float x) {
        const HalfBandDesign& d = *design_;
        for (int k = b; k < d.count; k += 2) {
            const float y = d.a[k] * (x - y1_[k]) + x1_[k];
            x1_[k] = x;
            y1_[k] = y;
            x = y;
        }
        return x;
    }
    const HalfBandDesign* design_;
    float x1_[HalfBandDesign::kMaxCoefficients] = {}, y1_[HalfBandDesign::kMaxCoefficients] = {};
};

} // namespace tarlix
