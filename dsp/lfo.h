// The LFO: Lfo1 and Lfo2 globally, Lfo3 and the audio-rate HFO per voice. Twelve shapes plus
// the trapezoid, linear or pitch rate, phase offset, retrigger and level.
#pragma once
#include <cstdint>

#include "dsp/module_base.h"

namespace tarlix {

class QX_DSP_LFO : public QX_ModuleBase {
  public:
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
