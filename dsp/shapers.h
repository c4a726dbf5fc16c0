// Waveshapers of the voice: the saturation after the filters (a drive into a quartic curve,
// blended with the dry signal) and the two soft limiters (gain, a soft knee above a threshold
// and a make-up gain) before the filters and after the filter mix.
#pragma once
#include "dsp/level_mix.h"

namespace tarlix {

class QX_DSP_Saturation : public QX_DSP_Level_Base {
  public:
    QX_DSP_Saturation(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;

    // Curve 5 at input x, drive g and amount a.
    static float curve(float x, float g, float a);

  private:
    void compute(int offset, int count) override;
    int curve_ = 5;
    int amountInput_ = 3;
    bool enabled_ = true, copyWhenOff_ = false;
};

class QX_DSP_Soft_Limiter : public QX_DSP_Level_Base {
  public:
    enum Mode { kSilence = 0, kPassThrough = 1, kLimit = 2 };
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

} // namespace tarlix
