// The LFO: Lfo1 and Lfo2 globally, Lfo3 and the audio-rate HFO per voice. Twelve shapes plus
// the trapezoid, linear or pitch rate, phase offset, retrigger and level.
#pragma once
#include <cstdint>

#include "dsp/module_base.h"

namespace tarlix {

class QX_DSP_LFO : public QX_ModuleBase {
  public:
    enum Input {
        kInRate = 0,  // Hz / 10, or pitch volts
        kInPhase = 1, // phase offset in cycles
        kInGate = 2,  // 1 or more restarts the cycle when retriggering
        kInShape = 3,
        kInLinearRate = 4, // 0: the rate is a pitch
        kInOn = 5,
        kInInvert = 6, // output 1 is output 0 inverted
        kInLevel = 7,
        kInRetrigger = 8,
        kInPerSampleRate = 9,
        kInResetPhase = 10,
    };
    // Events on both: tag 1 when running, 0 when switched off.
    enum Output { kOutWave = 0, kOutMirror = 1 };
    enum WaveShape {
        kSine = 0,
        kTriangle = 1,
        kPulse = 2,
        kSawUp = 3,
        kRiseSquared = 4,
        kRiseQuartic = 5,
        kSawDown = 6,
        kFallSquared = 7,
        kFallQuartic = 8,
        kPeak = 9,
        kParabola = 10,
        kRandom = 11, // a new value each cycle
        kTrapezoid = 16,
    };

    QX_DSP_LFO(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Resume() override { phase_ = 0.0; }
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;
    double phase() const { return phase_; }

  private:
    float increment(int i) const;
    float nextRandom();
    template <class Shape> void loop(Shape w, int offset, int count);

    double phase_ = 0.0;
    float cyclesPerVolt_ = 10.0f / 44100.0f;
    int shape_ = 0;
    bool linear_ = true, perSampleRate_ = true, retrigger_ = true, on_ = true, invert_ = true;
    int silentLeft_ = -1;
    uint32_t s1_ = 0xb3fc89d6u, s2_ = 21374263u;
    float held_ = 0.0f;
};

} // namespace tarlix
