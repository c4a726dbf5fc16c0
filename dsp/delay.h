// Delay lines for the echo and the chorus: a one-channel line with an interpolated read, a
// delay time that may move every sample and optional feedback with damping; and a stereo
// block delay with an optional left/right swap. Buffers are made when the graph is built for
// its sample rate; switching a line off and on again, clearing it or a program change never
// allocates or clears memory on the audio thread: the line only counts what it has written
// since, and reads older positions as silence.
#pragma once
#include <cmath>
#include <cstdint>

#include "dsp/module_base.h"

namespace tarlix {

// Buffer length of a size index (0: 524288 down to 11: 256 samples), doubled above 48 kHz,
// again above 96 kHz and again above 192 kHz.
int delayBufferLength(int sizeIndex, double sampleRate);

// A power-of-two ring of samples, written downward, that knows how much of it is fresh.
class DelayRing {
  public:
    DelayRing() = default;
    ~DelayRing();
    // The ring owns its buffer: it moves (the source is left empty), it never copies.
    DelayRing(const DelayRing&) = delete;
    DelayRing& operator=(const DelayRing&) = delete;
    DelayRing(DelayRing&& other) noexcept { take(other); }
    DelayRing& operator=(DelayRing&& other) noexcept;
    bool allocate(int length); // off the audio thread only
    void forget() { fresh_ = 0; }
    // Use at most `length` samples of the allocation (a power of two); never grows it.
    void limit(int length);
    int length() const { return mask_ + 1; }
    int fresh() const { return fresh_; } // samples written since the line was last cleared
    bool ready() const { return data_ != nullptr; }
    void write(float x) {
        w_ = (w_ - 1) & mask_;
        data_[w_] = x;
        if (fresh_ <= mask_) ++fresh_;
    }
    void add(float x) { data_[w_] += x; }
    // The sample written d samples ago (0: the newest), silence beyond what is fresh.
    float at(int d) const { return d < fresh_ ? data_[(w_ + d) & mask_] : 0.0f; }

  private:
    void take(DelayRing& other);
    float* data_ = nullptr;
    int allocated_ = 0, mask_ = 0, w_ = 0, fresh_ = 0;
};

// How a delay time in volts counts: 0.1 V per second, per millisecond or per sample.
enum DelayTimeScale { kDelaySeconds = 0, kDelayMilliseconds = 1, kDelaySamples = 2 };

class QX_DSP_Delay : public QX_ModuleBase {
  public:
    enum Input {
        kInSignal = 0,
        kInTime = 1,
        kInFeedback = 2,
        kInDamping = 3,
        kInFractional = 4, // interpolated reads
        kInTimeScale = 5,  // a DelayTimeScale
        kInSize = 6,       // buffer size index
        kInOn = 7,
        kInClear = 8,
        kInBypass = 9,
    };
    enum Output { kOut = 0 };
    QX_DSP_Delay(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Reset() override;
    void Suspend() override { Reset(); }
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    void renderAudio(int offset, int count);
    float samplesPerVolt() const;
    DelayRing ring_;
    int sizeIndex_ = 1, timeScale_ = kDelayMilliseconds;
    bool fractional_ = true, enabled_ = true, bypass_ = false;
    float feedback_ = 0.0f, damping_ = 0.0f, dampState_ = 0.0f;
    int zeroLeft_ = 0;
    int reach_ = 0; // the longest tap read in the last render: older samples never play
};

class QX_DSP_Delay_ST : public QX_ModuleBase {
  public:
    enum Input {
        kInLeft = 0,
        kInRight = 1,
        kInTime = 2,
        kInTimeScale = 3,
        kInSize = 4,
        kInOn = 5,
        kInSwap = 6,
        kInClear = 9,
        kInBypass = 19,
    };
    enum Output { kOutLeft = 0, kOutRight = 1 };
    QX_DSP_Delay_ST(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Reset() override;
    void Suspend() override { Reset(); }
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    void renderAudio(int offset, int count);
    void updateDelay();
    DelayRing ring_[2];
    int sizeIndex_ = 4, timeScale_ = kDelayMilliseconds, delay_ = 0;
    float time_ = 0.0f;
    bool enabled_ = true, swap_ = false, bypass_ = false;
    int zeroLeft_ = 0;
};

// The chorus core: one line written with the input and read by up to three taps, each swept
// from its tap to tap + depth by its own modulation (-0.5..+0.5).
class QX_DSP_Chorus3v : public QX_ModuleBase {
  public:
    static constexpr int kVoices = 3;
    enum Input {
        kInSignal = 0,
        kInTapOffset = 1,  // one per voice
        kInModulation = 6, // one per voice, -0.5..+0.5
        kInDepth = 14,
        kInFeedback = 15,
        kInTapScaleMs = 17,
        kInOn = 18,
        kInVoiceCount = 19,
        kInBypass = 29,
        kInSize = 30,
        kInBaseTime = 31,
        kInClear = 32,
        kInActive = 33,       // 0 bypasses
        kInSecondSignal = 39, // wired: the line takes the mean of both inputs
    };
    enum Output { kOutVoice = 0 }; // one per voice
    QX_DSP_Chorus3v(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Reset() override { ring_.forget(); }
    void Suspend() override { Reset(); }
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    void renderAudio(int offset, int count);
    void updateTaps();
    DelayRing ring_;
    float offsets_[kVoices] = {}, baseVolts_ = 0.1f, feedback_ = 0.0f;
    int taps_[kVoices] = {1, 1, 1}, voices_ = kVoices;
    bool tapScaleMs_ = true, enabled_ = true, bypass_ = false;
    int zeroLeft_ = 0;
};

// A delay-line pitch shifter: two taps sweep a window behind the write position at a rate
// set by the pitch control and cross-fade once per sweep. Mode 1 (Melt) and mode 4 (the echo
// shift) have their own weights; mode 0 copies. The buffer is made with the graph.
class QX_DSP_PitchShifter : public QX_ModuleBase {
  public:
    enum Input {
        kInSignal = 0,
        kInOffset = 1, // the taps' distance behind the write position
        kInPitch = 2,
        kInFeedback = 3,
        kInWindow = 4,
        kInMode = 5,
        kInLaw = 6,
        kInOn = 7,
        kInClear = 8,
        kInBypass = 9,
    };
    enum Output { kOut = 0 };
    enum Mode { kCopy = 0, kMelt = 1, kEchoShift = 4 }; // others copy
    // How a pitch in volts becomes a ratio: 0.1 V per octave, per semitone, or linear.
    enum Law { kOctaves = 0, kSemitones = 1, kLinear = 2 };
    QX_DSP_PitchShifter(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Reset() override;
    void Suspend() override { Reset(); }
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

    // Phase increment per sample for a ratio and a window (saturated to 32 bits).
    static int32_t incrementFor(double ratioMinusOne, int window);
    int window() const { return window_; }

  private:
    void renderAudio(int offset, int count);
    void catchUp();
    void restartPhase() { phase_ = mode_ == 2 || mode_ == kEchoShift ? 0x80000000u : 0u; }
    void recompute(float pitch);
    DelayRing ring_;
    uint32_t phase_ = 0;
    int32_t increment_ = 0;
    int window_ = 1, offset_ = 0, mode_ = kMelt, law_ = kSemitones;
    float windowControl_ = 6.0f, feedback_ = 0.0f, lastPitch_ = NAN;
    bool enabled_ = true, bypass_ = false, zeroPitch_ = false;
    int zeroLeft_ = 0;
    uint64_t sleptUntil_ = 0; // end of the chunk in which a quiet sleep began
};

} // namespace tarlix
