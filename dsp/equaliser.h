// The three-band equaliser: a coefficient module per band turns frequency, width and gain into
// peaking-band coefficients sample by sample, and engines run the active bands in series on one
// channel each. A band at 0 dB, or with "EQ Active" off, is skipped, so a flat equaliser passes
// the signal bit for bit.
#pragma once
#include <cstdint>

#include "dsp/filter.h"
#include "dsp/module_base.h"

namespace tarlix {

struct LookupTables;

class QX_DSP_BiQuad_Coeff : public QX_ModuleBase {
  public:
    static constexpr int kPeaking = 11;
    enum Input {
        kInFrequency = 0, // volts
        kInWidth = 1,
        kInGain = 2,
        kInDesign = 3,
        kInActive = 6,
        kInLinear = 7, // linear frequency scale
    };
    enum Output {
        kOutCoefficients = 0, // b0, b1, b2, a1, a2
        kOutBandActive = 5,   // events: 1 while the band's gain is not 0
    };
    static constexpr int kCoefficients = 5;
    QX_DSP_BiQuad_Coeff(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

    // Peaking band: b0, b1, b2, a1, a2 from K = tan(pi fc / rate), width W and gain G.
    static void peaking(float K, float width, float gain, float* c);

  private:
    float tanAt(float volts) const;
    void announce(bool active);
    const LookupTables* tables_ = nullptr;
    int design_ = kPeaking;
    bool active_ = true, linear_ = true;
    int announced_ = -1; // band-active state last sent on output 5
    bool filled_ = false;
    float last_[3] = {};
};

class QX_DSP_BiQuad_Multi_Engine : public QX_ModuleBase {
  public:
    static constexpr int kBands = 5;
    // Band b's five coefficients arrive on kInBand + kBandStride x b onwards, its active
    // switch on kInBandActive + kBandStride x b.
    static constexpr int kBandStride = 10;
    enum Input {
        kInSignal = 0,
        kInEnable = 2,
        kInPosition = 3, // 0: this engine's place in the chain is not in use
        kInReset = 4,
        kInEnable2 = 5,
        kInBand = 9,
        kInBandActive = 14,
    };
    enum Output { kOut = 0 };
    QX_DSP_BiQuad_Multi_Engine(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Reset() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    void renderAudio(int offset, int count);
    bool filtering() const;
    BiquadSection state_[kBands];
    bool bandActive_[kBands] = {};
    bool enable_ = true, position_ = true, enable2_ = true;
};

// Up to three biquad filters with coefficients once per render call, on one or two channels:
// the echo's low-pass (design 1) and high-pass (design 5) and a smoothing low-pass.
class QX_DSP_BiQuad_Static : public QX_ModuleBase {
  public:
    static constexpr int kFilters = 3, kMaxSections = 8;
    // Each filter's cutoff, resonance (the next input), design and extra sections.
    enum Input {
        kInLeft = 0,
        kInRight = 1, // wiring it makes the filters stereo
        kInCutoff1 = 2,
        kInResonance1 = 3,
        kInDesign1 = 5,
        kInSections1 = 6,
        kInLinear = 7,
        kInEnableA = 9,
        kInActive = 10,
        kInReset = 11,
        kInEnableB = 19,
        kInSwap = 20,
        kInCutoff2 = 29,
        kInResonance2 = 30,
        kInDesign2 = 32,
        kInSections2 = 33,
        kInCutoff3 = 39,
        kInResonance3 = 40,
        kInDesign3 = 42,
        kInSections3 = 43,
    };
    enum Output { kOutLeft = 0, kOutRight = 1 };
    // Designs: 1..4 the low-passes A-D, 5 the high-pass.
    static constexpr int kDesignHighPass = 5;
    QX_DSP_BiQuad_Static(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Reset() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    void renderAudio(int offset, int count);
    struct Filter {
        int design = 0, sections = 1;
        float c[5] = {};
        bool designed = false; // c was made by the last call, from its first sample
        BiquadSection state[kMaxSections][2];
    };
    static constexpr int kControls[kFilters] = {kInCutoff1, kInCutoff2, kInCutoff3};
    const LookupTables* tables_ = nullptr;
    Filter filters_[kFilters];
    bool linear_ = true, enableA_ = true, enableB_ = false, active_ = true, swap_ = false;
    bool resetPending_ = false;
};

} // namespace tarlix
