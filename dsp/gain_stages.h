// Small gain stages of the voice and the effect chain: the intro fade-in, the voice panner, the
// two cross-mixes and the stereo level. Like the other level stages they compute a constant once
// and sleep when nothing feeding them varies.
#pragma once
#include "dsp/level_mix.h"

namespace tarlix {

// Shares of A and B for a control m in -0.5..+0.5 (q = m + 0.5): law 0 linear, law 1
// centre-compensated (0.75 each at the centre).
struct MixLaw {
    enum Law { kLinear = 0, kCentreCompensated = 1 };
    float a, b;
    static MixLaw of(int law, float m) {
        // Beyond the ends a gain would turn negative: hold the position at the nearer end.
        const float q = m > 0.5f ? 1.0f : (m > -0.5f ? m + 0.5f : 0.0f);
        if (law == kCentreCompensated) {
            const float w = q * (1.0f - q);
            return {1.0f - q + w, q + w};
        }
        return {1.0f - q, q};
    }
};

class QX_DSP_FadeIn : public QX_ModuleBase {
  public:
    enum Input {
        kInLeft = 0,
        kInRight = 1, // wiring it makes the stage stereo
        kInGate = 2,  // a non-zero gate restarts the fade
        kInTime = 3,  // 0.1 V per millisecond
        kInOn = 9,
    };
    enum Output { kOutLeft = 0, kOutRight = 1 };
    QX_DSP_FadeIn(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;
    float gain() const { return gain_; }

  private:
    // The gain is position / length, counted in samples, so a long ramp ends on time.
    float gain_ = 1.0f, fadeVolts_ = 0.0f;
    double position_ = 0.0, length_ = 0.0;
    bool enabled_ = true;
    Settling settle_;
};

class QX_DSP_Panner : public QX_DSP_Level_Base {
  public:
    enum Input { kInSignal = 0, kInPan = 1, kInLevel = 2, kInLaw = 3, kInSquared = 4 };
    enum Output { kOutLeft = 0, kOutRight = 1 };
    QX_DSP_Panner(ModuleContext* c, bool held) : QX_DSP_Level_Base(c, held, 2) {
        silentWith({kInSignal});
    }
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;

  private:
    void compute(int offset, int count) override;
    int law_ = 0;
    bool squared_ = false;
};

class QX_DSP_XMix : public QX_DSP_Level_Base {
  public:
    enum Input { kInA = 0, kInB = 1, kInMix = 2, kInLaw = 3 };
    enum Output { kOut = 0 };
    QX_DSP_XMix(ModuleContext* c, bool held) : QX_DSP_Level_Base(c, held, 1) {
        silentWith({kInA, kInB});
    }
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;

  protected:
    void compute(int offset, int count) override;
    int law_ = 0;
};

// (A gain A + B gain B) x volume, or with port 19 set only B x volume.
class QX_DSP_XMixVol : public QX_DSP_XMix {
  public:
    enum VolumeInput { kInVolume = 4, kInSquared = 5, kInOn = 9, kInVolumeOnBOnly = 19 };
    using QX_DSP_XMix::QX_DSP_XMix;
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;

  private:
    void compute(int offset, int count) override;
    bool squared_ = false, enabled_ = true, volumeOnBOnly_ = false;
};

class QX_DSP_ST_Level : public QX_DSP_Level_Base {
  public:
    enum Input {
        kInLeft = 0,
        kInRight = 1,
        kInLevel = 2,
        kInSquared = 3,
        kInOn = 7,
        kInBypass = 9
    };
    enum Output { kOutLeft = 0, kOutRight = 1 };
    QX_DSP_ST_Level(ModuleContext* c, bool held) : QX_DSP_Level_Base(c, held, 2) {
        silentWith({kInLeft, kInRight});
    }
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;

  private:
    void compute(int offset, int count) override;
    bool squared_ = false, enabled_ = true, bypass_ = false;
};

} // namespace tarlix
