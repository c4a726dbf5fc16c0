// The last filter before the rate is halved back to the base rate: an elliptic low-pass at the
// doubled rate whose stop band starts just below the base rate's Nyquist frequency, so nothing
// a curve made above it folds back into the audible band. (A half-band cannot do this: its
// transition band is centred on that very frequency.)
#pragma once
#include <algorithm>

namespace tarlix {

class DecimationLowPass {
  public:
    static constexpr int kSections = 5;
    // One sample at the doubled rate in, the filtered sample out.
    float run(float x) {
        double v = x;
        for (int s = 0; s < kSections; ++s) {
            const Section& c = kDesign[s];
            const double y = c.b0 * v + z1_[s];
            z1_[s] = c.b1 * v - c.a1 * y + z2_[s];
            z2_[s] = c.b2 * v - c.a2 * y;
            v = y;
        }
        return static_cast<float>(v);
    }
    // As after a long stretch of the constant `level` (the gain at 0 Hz is exactly 1).
    void settle(float level) {
        double v = level;
        for (int s = 0; s < kSections; ++s) {
            const Section& c = kDesign[s];
            const double y = v * (c.b0 + c.b1 + c.b2) / (1.0 + c.a1 + c.a2);
            z1_[s] = y - c.b0 * v;
            z2_[s] = c.b2 * v - c.a2 * y;
            v = y;
        }
    }

  private:
    struct Section {
        double b0, b1, b2, a1, a2;
    };
    // Order 10: ripple 0.02 dB up to 0.406 of the base rate (19.5 kHz at 48 kHz), 90 dB down
    // from 0.489 of it (23.45 kHz) on; scaled to a gain of exactly 1 at 0 Hz.
    static constexpr Section kDesign[kSections] = {
        {0.0025131955258327347, 0.0046425787268693647, 0.0025131955258327334, -0.99711236123735258,
         0.2833156540545837},
        {1, 1.0595211589294122, 1, -0.85675103776406325, 0.44227803928414711},
        {1, 0.41541250546170477, 1, -0.68442769359681499, 0.64621572991112819},
        {1, 0.078777387790269895, 0.99999999999999989, -0.56222022685877915, 0.8149104725201135},
        {1, -0.057081181822989803, 1, -0.51302145855170056, 0.9423859640296266},
    };
    double z1_[kSections] = {}, z2_[kSections] = {};
};

} // namespace tarlix
