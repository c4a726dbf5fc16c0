// Noise, portamento and parameter smoothing: the shared noise source, the per-voice glide, and
// the smoothers that turn parameter events into ramps so that knob moves never step.
#pragma once
#include <cstdint>

#include "dsp/module_base.h"

namespace tarlix {

// Writes a constant for one more block, then sleeps: consumers keep reading a full block.
class Settling {
  public:
    void start(int blockSize) { left_ = blockSize; } // a whole cell after this one
    void stop() { left_ = -1; }
    bool active() const { return left_ >= 0; }
    // True when the module may now sleep: its time has passed and the call ends a cell of the
    // engine's grid, so it sleeps at the same sample whatever blocks the host cuts.
    bool advance(int offset, int count, int cellLength) {
        if (left_ < 0) return false;
        left_ -= count;
        if (left_ < 0 && offset + count != cellLength) left_ = 0;
        return left_ < 0;
    }

  private:
    int left_ = -1;
};

class QX_DSP_Noise : public QX_ModuleBase {
  public:
    enum Input {
        kInLeftLevel = 0, // level squared
        kInRightLevel = 1,
        kInLowPass = 4, // "Noise LPF", 0..1
        kInHighPass = 5,
        kInHold = 6, // "Noise Tone": samples each value is held, at 44.1 kHz
        kInOn = 9,
    };
    enum Output { kOutLeft = 0, kOutRight = 1 };
    QX_DSP_Noise(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    float next(int channel);
    uint32_t s1_ = 0, s2_ = 0;
    float lpf_ = 0, hpf_ = 0, gain_[2] = {1, 1}, low_[2] = {}, high_[2] = {}, held_[2] = {};
    int hold_ = 1, holdCounter_ = 0;
    bool on_ = true, stereo_ = false;
    Settling settle_;
};

class QX_DSP_Glide_F : public QX_ModuleBase {
  public:
    enum Input {
        kInTimeDown = 1,
        kInTimeUp = 2,
        kInPitch = 3, // jumps there
        kInOn = 6,
        kInStart = 7, // glides from here to the pitch
        kInScale = 9,
        kInOffset = 10,
    };
    enum Output { kOutPitch = 0 };
    QX_DSP_Glide_F(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;
    float value() const { return static_cast<float>(y_); }

  private:
    double coefficient(float time) const;
    // The glide runs in double: in float a slow glide stalls a few cents short of its target
    // (each step becomes smaller than the float spacing near the pitch).
    double target_ = 0.425, y_ = 0.425, cDown_ = 0, cUp_ = 0;
    float down_ = 0.5f, up_ = 0.5f;
    float scale_ = 1.0f, offset_ = 0.0f;
    bool enabled_ = true;
    Settling settle_;
};

// One channel (QX_DSP_GUItoV_Glide) or up to 49 (QX_DSP_GUItoV_Glide_Multi) of linear ramps.
class QX_DSP_GUItoV_Glide_Multi : public QX_ModuleBase {
  public:
    static constexpr int kChannels = 49;
    // Input k and output k are channel k. Port 49 sets the ramp time of every channel, 50 + k
    // that of channel k alone.
    enum Input { kInChannel = 0, kInAllRamps = kChannels, kInRamp = kInAllRamps + 1 };
    QX_DSP_GUItoV_Glide_Multi(ModuleContext* context, bool createdHeld, int channels = kChannels);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  protected:
    // Values that arrive with a program load are taken at once: the load resets the sound, and
    // a ramp would play the old program's levels into the new one's first notes.
    void setTarget(int channel, float value, bool jump = false);
    bool isProgramLoad() const { return context && context->programSettling; }
    void setRampMilliseconds(float tenths);
    int rampSamples(float tenths) const;
    virtual float convert(float v) const { return v; }

  private:
    struct Channel {
        float value = 0.0f, step = 0.0f, target = 0.0f;
        int remaining = 0, ramp = 1323;
        int toWrite = 0; // samples still to write: the ramp, then one block of the final value
    };
    Channel channels_[kChannels];
    int count_;
    int runOn_ = 0;
    bool ramping_ = false;
};

class QX_DSP_GUItoV_Glide : public QX_DSP_GUItoV_Glide_Multi {
  public:
    enum Input { kInValue = 0, kInRampTime = 1, kInMode = 4, kInScale = 9, kInOffset = 10 };
    enum Output { kOutValue = 0 };
    enum Mode { kLinear = 0, kFrequencyFactor = 1, kPitchOfHz = 2 };
    QX_DSP_GUItoV_Glide(ModuleContext* context, bool createdHeld);
    void HandleEvent(const EventRecord& e, int offset) override;

  private:
    float convert(float v) const override;
    float scale_ = 1.0f, offset_ = 0.0f;
    int mode_ = 0;
};

} // namespace tarlix
