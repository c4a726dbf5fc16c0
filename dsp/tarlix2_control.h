// The control module: turns selector and timing parameters into the switches, targets and
// generator signals other modules read (tempo-synced echo and LFO rates, option-code
// translation, play-mode switches, the melt and chorus drift random generators).
#pragma once
#include "common/curves.h"
#include "dsp/module_base.h"

namespace tarlix {

class QX_DSP_Tarlix2_Control : public QX_ModuleBase {
  public:
    QX_DSP_Tarlix2_Control(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

    static constexpr int kHfoShapes[7] = {0, 1, 2, 3, 16, 9, 11};
    static constexpr int kSubWaves[7] = {0, 7, 3, 11, 12, 13, 14};
    static constexpr float kEchoFactors[5] = {4.0f, 2.0f, 1.0f, 0.5f, 0.25f};
    static constexpr float kBeatDivisors[11] = {15360, 7680, 3840, 1920, 960, 480,
                                                240,   120,  60,   30,   15};

  private:
    enum Flag {
        kTempo,
        kEcho,
        kLfo1,
        kLfo2,
        kLfo3,
        kHfoPitch,
        kHfoLevel,
        kFilter,
        kGain,
        kEq,
        kChorusMode,
        kChorusDrift,
        kFlagCount
    };
    struct Lfo {
        float rate = 0, divisor = 0;
        int sync = 0;
    };

    void send(int output, int32_t i, float f) { SendEvent(now, output, 0, i, f, nullptr); }
    void sendValue(int output, float v) { send(output, truncated(v), v); }
    static int32_t truncated(float v);
    // Whole samples of `samples`, or -1 (never) when it is not a usable period.
    static int period(double samples);
    void sendMeltCutoff();
    void sendLfoRate(int output, const Lfo& lfo);
    void renderMelt(int n);
    void renderChorusDrift(int n);

    float tempo_ = 12.0f, rate_ = 44100.0f;
    float meltPitch_ = 0, meltJump_ = 0, meltAmp_ = 0, meltBlend_ = 0;
    int meltPeriod_ = -1, jumpPeriod_ = -1, wowPeriod_ = -1, flutterPeriod_ = -1;
    int counterA_ = 0, counterB_ = 0, counterC_ = 0;
    float random1_ = 0, random2_ = 0;
    RandomSequence random_; // restarted by Prepare: the same song wobbles the same way
    bool newRandom_ = false;
    int meltSystem_ = 0, meltMode_ = 0;
    float meltCutoffA_ = 0, meltCutoffB_ = 0;
    int playMode_ = 0, hfoTarget_ = 0;
    float echoFactor_ = 4.0f, echoLength_ = 0;
    int echoStep_ = 0, echoDotted_ = 0;
    Lfo lfo_[3];
    int lfo3Track_ = 0;
    float hfoOctave_ = 0, hfoSemi_ = 0, hfoTune_ = 0, hfoDepth_ = 0, hfoLevel_ = 0;
    int filter2Active_ = 0;
    float filter2Offset_ = 0, resonance_ = 0;
    int gainMode_ = 0;
    int eqActive_ = 0, eqPosition_ = 0;
    int chorusMode_ = 0;
    float chorusMix_ = -0.5f, chorusRate_ = 0, chorusSep_ = 0, chorusDepth_ = 0, chorusDrift_ = 0;
    bool flags_[kFlagCount] = {};
};

} // namespace tarlix
