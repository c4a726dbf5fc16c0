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
    // coefficient(i, k): b0, b1, b2, a1, a2 (k = 0..4) for sample i.
    template <typename Coefficients>
    void run(const float* in, float* out, int from, int to, const Coefficients& coefficient) {
        float px1 = x1, px2 = x2;
        double py1 = y1, py2 = y2;
        for (int i = from; i < to; ++i) {
            const float x = in[i];
            const double y = static_cast<double>(coefficient(i, 0) * x) +
                             static_cast<double>(coefficient(i, 1) * px1) +
                             static_cast<double>(coefficient(i, 2) * px2) -
                             static_cast<double>(coefficient(i, 3)) * py1 -
                             static_cast<double>(coefficient(i, 4)) * py2;
            px2 = px1;
            px1 = x;
            py2 = py1;
            py1 = y;
            out[i] = static_cast<float>(y);
        }
        x1 = px1;
        x2 = px2;
        y1 = py1;
        y2 = py2;
    }
    // Two sections in a row, sample by sample: each recursion waits on its own last output, so
    // running them side by side overlaps the two chains. The same sums as two run() calls.
    template <typename Coefficients>
    static void runPair(BiquadSection& first, BiquadSection& second, const float* in, float* out,
                        int from, int to, const Coefficients& coefficient) {
        float ax1 = first.x1, ax2 = first.x2, bx1 = second.x1, bx2 = second.x2;
        double ay1 = first.y1, ay2 = first.y2, by1 = second.y1, by2 = second.y2;
        for (int i = from; i < to; ++i) {
            const float b0 = coefficient(i, 0), b1 = coefficient(i, 1), b2 = coefficient(i, 2);
            const double a1 = coefficient(i, 3), a2 = coefficient(i, 4);
            const float x = in[i];
            const double ya = static_cast<double>(b0 * x) + static_cast<double>(b1 * ax1) +
                              static_cast<double>(b2 * ax2) - a1 * ay1 - a2 * ay2;
            ax2 = ax1;
            ax1 = x;
            ay2 = ay1;
            ay1 = ya;
            const float xb = static_cast<float>(ya);
            const double yb = static_cast<double>(b0 * xb) + static_cast<double>(b1 * bx1) +
                              static_cast<double>(b2 * bx2) - a1 * by1 - a2 * by2;
            bx2 = bx1;
            bx1 = xb;
            by2 = by1;
            by1 = yb;
            out[i] = static_cast<float>(yb);
        }
        first.x1 = ax1;
        first.x2 = ax2;
        first.y1 = ay1;
        first.y2 = ay2;
        second.x1 = bx1;
        second.x2 = bx2;
        second.y1 = by1;
        second.y2 = by2;
    }
    // The same section on two channels (left in `a`, right in `b`), sample by sample: the two
    // recursions are independent and overlap. The same sums as two run() calls.
    template <typename Coefficients>
    static void runStereo(BiquadSection& a, BiquadSection& b, const float* inA, float* outA,
                          const float* inB, float* outB, int from, int to,
                          const Coefficients& coefficient) {
        float ax1 = a.x1, ax2 = a.x2, bx1 = b.x1, bx2 = b.x2;
        double ay1 = a.y1, ay2 = a.y2, by1 = b.y1, by2 = b.y2;
        for (int i = from; i < to; ++i) {
            const float b0 = coefficient(i, 0), b1 = coefficient(i, 1), b2 = coefficient(i, 2);
            const double a1 = coefficient(i, 3), a2 = coefficient(i, 4);
            const float xa = inA[i], xb = inB[i];
            const double ya = static_cast<double>(b0 * xa) + static_cast<double>(b1 * ax1) +
                              static_cast<double>(b2 * ax2) - a1 * ay1 - a2 * ay2;
            const double yb = static_cast<double>(b0 * xb) + static_cast<double>(b1 * bx1) +
                              static_cast<double>(b2 * bx2) - a1 * by1 - a2 * by2;
            ax2 = ax1;
            ax1 = xa;
            ay2 = ay1;
            ay1 = ya;
            bx2 = bx1;
            bx1 = xb;
            by2 = by1;
            by1 = yb;
            outA[i] = static_cast<float>(ya);
            outB[i] = static_cast<float>(yb);
        }
        a.x1 = ax1;
        a.x2 = ax2;
        a.y1 = ay1;
        a.y2 = ay2;
        b.x1 = bx1;
        b.x2 = bx2;
        b.y1 = by1;
        b.y2 = by2;
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
