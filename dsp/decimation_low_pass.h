// The last filter before the rate is halved back to the base rate: an elliptic low-pass at the
// doubled rate whose stop band starts just below the base rate's Nyquist frequency, so nothing
// a curve made above it folds back into the audible band. (A half-band cannot do this: its
// transition band is centred on that very frequency.)
//
// Only every second output is kept, so the filter runs in polyphase form: each section's
// denominator D(z) is multiplied, above and below, by its mirror D(-z), which leaves a
// denominator in z^-2 alone. Its recursion then runs at the base rate on the kept phase only,
// after one FIR (the zeros times the mirrored poles) evaluated once per kept sample. The
// response is the cascade's, to double rounding.
#pragma once
#include <algorithm>

namespace tarlix {

class DecimationLowPass {
  public:
    static constexpr int kSections = 5;
    static constexpr int kTaps = 4 * kSections + 1; // the zeros' order plus the mirrors'

    DecimationLowPass() { polyphase(); } // designed here, not on the audio thread

    // Two samples at the doubled rate in, the older first; the filtered second one out.
    float down(float first, float second) {
        push(first);
        push(second);
        const Polyphase& p = polyphase();
        const double* window = history_ + at_; // the last kTaps inputs, the oldest first
        double v = 0.0;
        for (int k = 0; k < kTaps; ++k)
            v += p.taps[k] * window[k];
        for (int s = 0; s < kSections; ++s) {
            const double y = v - p.c1[s] * y1_[s] - p.c2[s] * y2_[s];
            y2_[s] = y1_[s];
            y1_[s] = y;
            v = y;
        }
        return static_cast<float>(v);
    }
    // As after a long stretch of the constant `level` (the gain at 0 Hz is exactly 1).
    void settle(float level) {
        const Polyphase& p = polyphase();
        std::fill(history_, history_ + 2 * kTaps, static_cast<double>(level));
        double v = level * p.tapSum;
        for (int s = 0; s < kSections; ++s) {
            v /= 1.0 + p.c1[s] + p.c2[s];
            y1_[s] = y2_[s] = v;
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
    struct Polyphase {
        double taps[kTaps]; // reversed: taps[k] weighs the k-th oldest input of the window
        double tapSum;
        double c1[kSections], c2[kSections]; // D(z) D(-z) = 1 + c1 z^-2 + c2 z^-4
    };
    static const Polyphase& polyphase() {
        static const Polyphase p = [] {
            Polyphase q{};
            double h[kTaps] = {1.0};
            int degree = 0;
            const auto times = [&](double c0, double c1, double c2) {
                for (int k = degree + 2; k >= 0; --k)
                    h[k] =
                        c0 * h[k] + (k >= 1 ? c1 * h[k - 1] : 0.0) + (k >= 2 ? c2 * h[k - 2] : 0.0);
                degree += 2;
            };
            for (int s = 0; s < kSections; ++s) {
                const Section& c = kDesign[s];
                times(c.b0, c.b1, c.b2);
                times(1.0, -c.a1, c.a2);
                q.c1[s] = 2.0 * c.a2 - c.a1 * c.a1;
                q.c2[s] = c.a2 * c.a2;
            }
            for (int k = 0; k < kTaps; ++k) {
                q.taps[k] = h[kTaps - 1 - k];
                q.tapSum += h[k];
            }
            return q;
        }();
        return p;
    }
    // The inputs twice over, so the last kTaps of them always lie side by side.
    void push(float x) {
        history_[at_] = history_[at_ + kTaps] = x;
        at_ = at_ + 1 == kTaps ? 0 : at_ + 1;
    }
    double history_[2 * kTaps] = {};
    double y1_[kSections] = {}, y2_[kSections] = {};
    int at_ = 0;
};

} // namespace tarlix
