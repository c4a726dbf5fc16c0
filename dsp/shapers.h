// Waveshapers of the voice: the saturation after the filters (a drive into a quartic curve,
// blended with the dry signal) and the two soft limiters (gain, a soft knee above a threshold
// and a make-up gain) before the filters and after the filter mix.
#pragma once
#include <cmath>

#include "common/portable_math.h"
#include "dsp/level_mix.h"

namespace tarlix {

class QX_DSP_Saturation : public QX_DSP_Level_Base {
  public:
    enum Input {
        kInLeft = 0,
        kInRight = 1, // wiring it makes the stage stereo
        kInDrive = 2,
        kInAmount = 3,
        kInCurve = 4,
        kInAmountB = 5, // read instead of kInAmount when kInUseAmountB is set
        kInUseAmountB = 6,
        kInOn = 9,
        kInCopyWhenOff = 10,
    };
    enum Output { kOutLeft = 0, kOutRight = 1 };
    static constexpr int kQuarticCurve = 5; // the only curve the instrument selects
    QX_DSP_Saturation(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;

    // Curve 5 at input x, drive g and amount a.
    static float curve(float x, float g, float a);

  private:
    void compute(int offset, int count) override;
    int curve_ = kQuarticCurve;
    int amountInput_ = kInAmount;
    bool enabled_ = true, copyWhenOff_ = false;
};

class QX_DSP_Soft_Limiter : public QX_DSP_Level_Base {
  public:
    enum Mode { kSilence = 0, kPassThrough = 1, kLimit = 2 };
    enum Input {
        kInSignal = 0,
        kInThreshold = 1,
        kInGain = 2,
        kInKnee = 3,
        kInOn = 4, // 0 silences
        kInMode = 5,
        kInMakeUp = 19, // wired: make-up gain after the knee
        kInMakeUpBlend = 20,
    };
    enum Output { kOut = 0 };
    QX_DSP_Soft_Limiter(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;

    // The knee: y beyond the threshold t approaches t + knee; below it y passes.
    static float limit(float y, float threshold, float knee);
    // Make-up gain 1 / (sqrt(G) (1 - m) + m).
    static float makeUp(float gain, float blend);

  private:
    void compute(int offset, int count) override;
    int mode_ = kLimit;
    float blend_ = 0.75f;
    bool makeUpOn_ = false;
};

// The instrument's last stage, for the ears and the speakers: untouched up to +3 dBFS, then
// bent smoothly (slope 1 at the knee) towards a ceiling of +5.9 dBFS that no sample passes,
// whatever the effects at their extremes add up to. Anything not finite becomes silence.
struct OutputCeiling {
    static constexpr float kKnee = 1.4125375f;  // +3 dBFS
    static constexpr float kLimit = 1.9724227f; // +5.9 dBFS
    static float apply(float x) {
        if (!std::isfinite(x)) return 0.0f;
        const float a = std::fabs(x);
        if (a <= kKnee) return x;
        const float room = kLimit - kKnee;
        const float y = kKnee + room * static_cast<float>(pmath::tanh((a - kKnee) / room));
        return std::copysign(std::fmin(y, kLimit), x);
    }
};

} // namespace tarlix
