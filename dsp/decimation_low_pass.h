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
#include <emmintrin.h>

#include <algorithm>
#include <iterator>

namespace tarlix {

class DecimationLowPass {
  public:
    static constexpr int kSections = 5;
    static constexpr int kTaps = 4 * kSections + 1; // the zeros' order plus the mirrors'
    static constexpr int kMaxBlock = 128;           // outputs per run()

    DecimationLowPass() { polyphase(); } // designed here, not on the audio thread

    // The n-th pair of doubled-rate samples of the next run, the older in lane 0.
    void write(int n, __m128d olderNewer) {
        _mm_storel_pd(even_ + kHistory + n, olderNewer);
        _mm_storeh_pd(odd_ + kHistory + n, olderNewer);
    }
    // The filtered newer sample of each of the `count` pairs written (count <= kMaxBlock).
    void run(float* out, int count) {
        double v[kMaxBlock];
        fir(v, count);
        const Polyphase& p = polyphase();
        for (int n = 0; n < count; ++n) {
            double y = v[n];
            for (int s = 0; s < kSections; ++s) {
                const double w = y - p.c1[s] * y1_[s] - p.c2[s] * y2_[s];
                y2_[s] = y1_[s];
                y1_[s] = w;
                y = w;
            }
            out[n] = static_cast<float>(y);
        }
        std::copy(even_ + count, even_ + count + kHistory, even_);
        std::copy(odd_ + count, odd_ + count + kHistory, odd_);
    }
    // As after a long stretch of the constant `level` (the gain at 0 Hz is exactly 1).
    void settle(float level) {
        const Polyphase& p = polyphase();
        std::fill(std::begin(even_), std::end(even_), static_cast<double>(level));
        std::fill(std::begin(odd_), std::end(odd_), static_cast<double>(level));
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
        alignas(16) double pairs[kTaps][2]; // each tap twice, for two outputs at once
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
                q.pairs[k][0] = q.pairs[k][1] = q.taps[k];
            }
            return q;
        }();
        return p;
    }
    // The zeros and mirrored poles for every output of a run, two outputs per vector so each
    // sum keeps its order (oldest input first). The inputs are kept split by phase: output n
    // weighs the newer samples of pairs n-10 to n and the older samples of pairs n-9 to n.
    void fir(double* v, int count) const {
        const Polyphase& p = polyphase();
        int n = 0;
        for (; n + 4 <= count; n += 4) {
            __m128d a = _mm_setzero_pd(), b = _mm_setzero_pd();
            tapsFrom<0>(p, n, a, b);
            _mm_storeu_pd(v + n, a);
            _mm_storeu_pd(v + n + 2, b);
        }
        for (; n < count; ++n) {
            double a = 0.0;
            for (int k = 0; k < kTaps; ++k)
                a += p.taps[k] * (k % 2 == 0 ? odd_[n + k / 2] : even_[n + (k + 1) / 2]);
            v[n] = a;
        }
    }
    // Taps k and on, in order, for outputs n to n + 3 (unrolled: the phase of each is known).
    template <int k> void tapsFrom(const Polyphase& p, int n, __m128d& a, __m128d& b) const {
        if constexpr (k < kTaps) {
            const double* src = (k % 2 == 0 ? odd_ + k / 2 : even_ + (k + 1) / 2) + n;
            const __m128d t = _mm_load_pd(p.pairs[k]);
            a = _mm_add_pd(a, _mm_mul_pd(t, _mm_loadu_pd(src)));
            b = _mm_add_pd(b, _mm_mul_pd(t, _mm_loadu_pd(src + 2)));
            tapsFrom<k + 1>(p, n, a, b);
        }
    }
    static constexpr int kHistory = kTaps / 2; // pairs of earlier runs the window still reaches
    double even_[kHistory + kMaxBlock] = {}, odd_[kHistory + kMaxBlock] = {};
    double y1_[kSections] = {}, y2_[kSections] = {};
};

} // namespace tarlix
