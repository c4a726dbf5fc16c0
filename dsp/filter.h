// The voice filter: four biquad low-passes (A-D), four two-pole designs (E-H), a soft-clipped
// four-pole ("Acid"), a ladder ("Milk") and a biquad high-pass, each run as a cascade of up to
// eight equal sections. Coefficients follow cutoff and resonance sample by sample so envelopes,
// LFOs and the HFO can sweep the filter at audio rate. Mono, or stereo when input 1 is wired.
#pragma once
#include <cstdint>

#include "dsp/module_base.h"

namespace tarlix {

struct LookupTables;

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
    static constexpr int kHighPass = 11;

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
        float x1, x2;  // biquad input history
        double y1, y2; // biquad output history
        float s[5];    // two-pole, four-pole and ladder states
    };
    enum class Mode : uint8_t { Filter, PassThrough, Zero };

    void chooseMode();
    bool computeCoefficients(int offset, int count);
    void coefficientsAt(int slot, float cutoff, float resonance);
    void runBiquad(Section* st, const float* in, float* out, int offset, int count) const;
    void runTwoPole(Section* st, const float* in, float* out, int offset, int count) const;
    void runAcid(Section* st, const float* in, float* out, int offset, int count) const;
    void runLadder(Section* st, const float* in, float* out, int offset, int count) const;
    void keepStatesBounded(int channels);

    float twoPoleFactor(float cutoff) const; // 2 fc / rate, within (0, 1]

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
