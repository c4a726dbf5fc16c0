// The envelope: delay, attack, hold, decay, sustain, release with three contours, velocity,
// time scaling, inversion and level. The amplitude envelope of a voice frees its voice when it
// has ended.
#pragma once
#include <cstdint>

#include "dsp/module_base.h"

namespace tarlix {

class QX_DSP_Midi_to_Poly_Gen2;

class QX_DSP_HAHDSR_Env : public QX_ModuleBase {
  public:
    enum class Stage { Delay, Attack, Hold, Decay, Sustain, Release, End };
    // Times are in volts, 0.1 V per second, scaled by the time scale.
    enum Input {
        kInGate = 0, // 1 or more starts, less releases
        kInDelay = 1,
        kInAttack = 2,
        kInHold = 3,
        kInDecay = 4,
        kInSustain = 5,
        kInRelease = 6,
        kInLevel = 7,
        kInShape = 8, // a Contour
        kInOn = 9,
        kInInvert = 10, // an Inversion
        kInVelocity = 11,
        kInVelocityAmount = 12,
        kInTimeScale = 13,
        kInMinimumAttack = 14,
        kInAttackModulation = 15, // times 2^(10 v)
        kInDecayModulation = 16,
        kInNoRetrigger = 29,
    };
    enum Output { kOutLevel = 0 }; // events: tag 1 when it starts, 0 when it has ended
    enum Contour { kLinear = 0, kSquared = 1, kRounded = 2 };
    enum Inversion { kUpright = 0, kNegative = 1, kFromOne = 2 };
    QX_DSP_HAHDSR_Env(ModuleContext* context, bool createdHeld);
    void setOwner(QX_DSP_Midi_to_Poly_Gen2* allocator, int voiceNumber);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;
    void FastRelease() override;
    void Hold() override;
    Stage stage() const { return stage_; }

  private:
    // The level comes from a signal, a parameter, or a control module's events.
    float level(int i) const { return inputs[kInLevel] ? in(kInLevel, i) : eventLevel_; }
    float shaped(float y, int i) const;
    float idle() const { return invert_ == kFromOne ? 1.0f : 0.0f; }
    double samplesOf(float volts) const; // 0.1 V per second, through the time scale
    void end();
    void setMinimumAttack(float volts);
    void finish(int offset, int count);

    Stage stage_ = Stage::End;
    // Steps and release time read at the start of a render call (see continuesCall).
    float attackStep_ = 0.0f, decayStep_ = 0.0f;
    double release_ = 1.0;
    bool timesKept_ = false;
    float y_ = 0.0f, releaseStart_ = 0.0f, velocityGain_ = 1.0f, velocity_ = 1.0f, amount_ = 1.0f;
    float eventLevel_ = 1.0f, timeScale_ = 1.0f, rate_ = 44100.0f, fastStep_ = 0.0f,
          fastValue_ = 0.0f;
    int64_t delay_ = 0, hold_ = 0, minimumAttack_ = 1, countdown_ = 0, fastCountdown_ = 0;
    // A jump of the sustain level is spread over this long: a loud voice through the
    // oversampled shapers would ring on a sudden change of level.
    static constexpr double kSustainGlideMs = 2.0;
    float sustainStep_ = 1.0f; // the most the level moves per sample while sustaining
    int64_t endCountdown_ = 0;
    int shape_ = 0, invert_ = 0;
    bool enabled_ = true, gateHeld_ = false, noRetrigger_ = false, announceEnd_ = false;
    QX_DSP_Midi_to_Poly_Gen2* owner_ = nullptr;
};

} // namespace tarlix
