// The voice filter: four biquad low-passes (A-D), four two-pole designs (E-H), a soft-clipped
// four-pole ("Acid"), a ladder ("Milk") and a biquad high-pass, each run as a cascade of up to
// eight equal sections. Coefficients follow cutoff and resonance sample by sample so envelopes,
// LFOs and the HFO can sweep the filter at audio rate. Mono, or stereo when input 1 is wired.
#pragma once
#include <cmath>
#include <cstdint>

#include "dsp/module_base.h"

namespace tarlix {

struct LookupTables;

// One biquad section: its history and recursion. Input products are formed in single
// precision, the sum and the feedback in double; settle() holds the output history within
// +-20, so an unstable setting saturates instead of overflowing, and forgets a history that is
// no longer finite.
struct BiquadSection {
    float x1 = 0.0f, x2 = 0.0f;
    double y1 = 0.0, y2 = 0.0;

    // The history in locals for a loop: one step of the recursion.
    struct History {
        float x1, x2;
        double y1, y2;
        double step(float x, float b0, float b1, float b2, double a1, double a2) {
            const double y = static_cast<double>(b0 * x) + static_cast<double>(b1 * x1) +
                             static_cast<double>(b2 * x2) - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            return y;
        }
    };
    History history() const { return {x1, x2, y1, y2}; }
    void keep(const History& h) { x1 = h.x1, x2 = h.x2, y1 = h.y1, y2 = h.y2; }

    // coefficient(i, k): b0, b1, b2, a1, a2 (k = 0..4) for sample i.
    template <typename Coefficients>
    void run(const float* in, float* out, int from, int to, const Coefficients& coefficient) {
        History h = history();
        for (int i = from; i < to; ++i)
            out[i] =
                static_cast<float>(h.step(in[i], coefficient(i, 0), coefficient(i, 1),
                                          coefficient(i, 2), coefficient(i, 3), coefficient(i, 4)));
        keep(h);
    }
    // Two sections in a row, sample by sample: each recursion waits on its own last output, so
    // running them side by side overlaps the two chains. The same sums as two run() calls.
    template <typename Coefficients>
    static void runPair(BiquadSection& first, BiquadSection& second, const float* in, float* out,
                        int from, int to, const Coefficients& coefficient) {
        History a = first.history(), b = second.history();
        for (int i = from; i < to; ++i) {
            const float b0 = coefficient(i, 0), b1 = coefficient(i, 1), b2 = coefficient(i, 2);
            const double a1 = coefficient(i, 3), a2 = coefficient(i, 4);
            const double ya = a.step(in[i], b0, b1, b2, a1, a2);
            out[i] = static_cast<float>(b.step(static_cast<float>(ya), b0, b1, b2, a1, a2));
        }
        first.keep(a);
        second.keep(b);
    }
    // The same section on two channels (left in `a`, right in `b`), sample by sample: the two
    // recursions are independent and overlap. The same sums as two run() calls.
    template <typename Coefficients>
    static void runStereo(BiquadSection& a, BiquadSection& b, const float* inA, float* outA,
                          const float* inB, float* outB, int from, int to,
                          const Coefficients& coefficient) {
        History l = a.history(), r = b.history();
        for (int i = from; i < to; ++i) {
            const float b0 = coefficient(i, 0), b1 = coefficient(i, 1), b2 = coefficient(i, 2);
            const double a1 = coefficient(i, 3), a2 = coefficient(i, 4);
            const float xl = inA[i], xr = inB[i];
            outA[i] = static_cast<float>(l.step(xl, b0, b1, b2, a1, a2));
            outB[i] = static_cast<float>(r.step(xr, b0, b1, b2, a1, a2));
        }
        a.keep(l);
        b.keep(r);
    }
    void settle() {
        constexpr double kBound = 20.0;
        y1 = y1 > kBound ? kBound : (y1 < -kBound ? -kBound : y1);
        y2 = y2 > kBound ? kBound : (y2 < -kBound ? -kBound : y2);
        if (!finite()) *this = BiquadSection{};
    }
    bool finite() const {
        return std::isfinite(x1) && std::isfinite(x2) && std::isfinite(y1) && std::isfinite(y2);
    }
};

// Position of a cutoff (volts; exponential scale 0.1 V per octave from 13.75 Hz, linear scale
// Hz / 10) in the 2049-entry filter tables, held inside them.
float cutoffTableIndex(const LookupTables& tables, bool exponential, float cutoff);
// The biquad designs (low-pass types 1-4, high-pass 11): b0, b1, b2, a1, a2 for a cutoff, a
// resonance (held within 0..1) and the cascade's section count; false for any other type.
bool biquadDesign(int type, int sections, bool exponential, const LookupTables& tables,
                  float cutoff, float resonance, float* c);

class QX_DSP_Multi_Filter : public QX_ModuleBase {
  public:
    static constexpr int kMaxSections = 8;
    // Designs: "LPF Type" items 1..10 ("A".."H", "Acid", "Milk"), then the high-pass.
    enum Type : int {
        kTypeLowPassA = 1, // biquads
        kTypeLowPassB,
        kTypeLowPassC,
        kTypeLowPassD,
        kTypeTwoPoleE, // two-pole designs
        kTypeTwoPoleF,
        kTypeTwoPoleG,
        kTypeTwoPoleH,
        kTypeAcid,
        kTypeMilk,
        kTypeHighPass,
        kTypeLast = 47 // the highest design number a type event may carry
    };
    enum Input {
        kInLeft = 0,
        kInRight = 1,  // wiring it makes the filter stereo
        kInCutoff = 2, // volts
        kInResonance = 3,
        kInThird = 4, // third control, 0 V here
        // Settings (event ports; constants and parameters are also read in Prepare).
        kInType = 5,
        kInExtraSections = 6,   // sections - 1
        kInLinearCutoff = 7,    // 0 = exponential cutoff scale
        kInCoefficientRate = 8, // 0 = one coefficient set per call
        kInEnableA = 9,
        kInActive = 10, // 0 passes the signal and clears the state
        kInReset = 11,  // above 0 clears the state
        kInEnableB = 19,
    };
    enum Output { kOutLeft = 0, kOutRight = 1 };

    QX_DSP_Multi_Filter(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Reset() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

    // Cutoff in Hz of a control in volts (0.1 V per octave, 0 V = 13.75 Hz).
    static double cutoffHz(double volts);

  private:
    // Every design keeps at most these per section and channel.
    struct Section {
        BiquadSection biquad;
        // Two-pole, four-pole and ladder states; a two-pole stage keeps its last two outputs'
        // older one and its last factor at 5..8, to go on where a host's cut left it.
        float s[9];
    };
    enum class Mode : uint8_t { Filter, PassThrough, Zero };

    // The two-pole stages ran the last call (their stepping state is current); the acid
    // resonance was read by it.
    bool twoPoleStepping_ = false, acidKept_ = false;
    void chooseMode();
    bool computeCoefficients(int offset, int count);
    void coefficientsAt(int slot, float cutoff, float resonance);
    template <int type> void twoPoleSet(int slot, float p, float resonance);
    template <int type>
    void twoPoleSets(const float* cut, int cutStep, const float* res, int resStep, int count);
    void runBiquad(Section* st, const float* in, float* out, int offset, int count) const;
    void runTwoPole(Section* st, const float* in, float* out, int offset, int count,
                    bool continues) const;
    void runAcid(Section* st, const float* in, float* out, int offset, int count) const;
    void runLadder(Section* st, const float* in, float* out, int offset, int count) const;
    void keepStatesBounded(int channels);

    float twoPoleFactor(float cutoff) const; // 2 fc / rate, within (0, 1]
    // twoPoleFactor of `count` cutoffs (`step` 0: one value), the table reads four at a time.
    void twoPoleFactors(const float* cut, int step, float* factor, int count) const;

    const LookupTables* tables_ = nullptr;
    Section state_[2][kMaxSections] = {};
    float coef_[8][kMaxChunk] = {};
    bool perSampleCoefficients_ = false; // this call's arrays hold one set per sample
    float lastCutoff_ = 0.0f, lastResonance_ = 0.0f;
    bool coefficientsValid_ = false;

    int type_ = 0, sections_ = 1;
    bool exponential_ = false, coefficientRate_ = true;
    bool enableA_ = true, enableB_ = false, active_ = true;
    bool resetPending_ = false;
    float acidResonance_ = 0.0f; // k = 20 r, read at the start of a call
    Mode mode_ = Mode::PassThrough;
    int zeroLeft_ = 0;
};

} // namespace tarlix
