// The control module: turns selector and timing parameters into the switches, targets and
// generator signals other modules read (tempo-synced echo and LFO rates, option-code
// translation, play-mode switches, the melt and chorus drift random generators).
#pragma once
#include "common/curves.h"
#include "dsp/lfo.h"
#include "dsp/module_base.h"
#include "dsp/wave_tables.h"

namespace tarlix {

class QX_DSP_Tarlix2_Control : public QX_ModuleBase {
  public:
    // Parameter inputs (option inputs read the event's whole number, the others its value).
    enum Input {
        kInTempo = 0, // host tempo module, BPM x 0.1
        kInHfoShape = 1,
        kInSubOscWave = 2,
        kInOscMode = 3,
        kInEchoRate = 4,
        kInEchoLength = 5,
        kInLfo1Rate = 6, // then beat and sync; Lfo2 and Lfo3 follow in threes
        kInLfo1Beat = 7,
        kInLfo1Sync = 8,
        kInLfo2Rate = 9,
        kInLfo2Beat = 10,
        kInLfo2Sync = 11,
        kInLfo3Rate = 12,
        kInLfo3Beat = 13,
        kInLfo3Sync = 14,
        kInLfo3Track = 15,
        kInHfoOct = 16,
        kInHfoSemi = 17,
        kInHfoTune = 18,
        kInEchoStep = 19,
        kInHfoTarget = 20,
        kInHfoDepth = 21,
        kInHfoLevel = 22,
        kInPlayMode = 24,
        kInMasterVolume = 25,
        kInEchoDotted = 26,
        kInMeltAMode = 29,
        kInMeltAPitch = 30,
        kInMeltAJump = 31,
        kInMeltAAmp = 32,
        kInMeltABlend = 33,
        kInMeltASpeed = 34,
        kInFilter2Active = 39,
        kInFilter2Offset = 40,
        kInGainMode = 41,
        kInLpfResonance = 42,
        kInEqActive = 44,
        kInPrePostEq = 45,
        kInChoMode = 46,
        kInChorusMix = 47,
        kInChorusRate = 48,
        kInChorusSep = 49,
        kInChorusDepth = 50,
        kInChorusMelt = 51,
        kInMeltSystem = 52,
        kInMeltBWow = 53,
        kInMeltBFlutter = 54,
        kInMeltACutoff = 59,
        kInMeltBCutoff = 60,
    };
    // Event-only outputs.
    enum Output {
        kOutMasterVolume = 0, // as received
        kOutHfoShape = 1,     // the HFO's shape code
        kOutSubWave = 2,      // the sub-oscillator's wave code
        kOutOscSync = 3,      // oscillator 2 synced to oscillator 1 ("Osc Mode" "Sync")
        kOutEchoTime = 4,
        kOutLfo1Rate = 5,
        kOutLfo2Rate = 6,
        kOutLfo3Rate = 7,
        kOutLfo3Track = 8,
        kOutHfoPitch = 9,
        kOutHfoDepth = 10,
        kOutHfoToCutoff = 11, // "HFO Target" "Filter Cutoff"
        kOutHfoLevel = 12,
        kOutMono = 14,   // "Mono" or "Legato"
        kOutLegato = 15, // "Legato"
        kOutMeltAAmp = 29,
        kOutMeltAPitch = 30,
        kOutMeltABlend = 31,
        kOutMeltCircuit = 32, // "Melt A Mode" "Circuit"
        kOutMeltTape = 33,    // "Melt A Mode" "Tape"
        kOutMeltBWow = 34,
        kOutMeltBFlutter = 35,
        kOutMeltBWowGlide = 36,     // the wow's ramp time
        kOutMeltBFlutterGlide = 37, // the flutter's ramp time
        kOutMeltCutoff = 38,        // the cutoff of the chosen "Melt System"
        kOutPreLimiterGain = 40,
        kOutPostLimiterGain = 41,
        kOutResonance = 42,
        kOutPreEchoEq = 44,  // the equaliser before the echo runs
        kOutPostEchoEq = 45, // the equaliser after the echo runs
        kOutChorusOn = 46,
        kOutChorusMix = 47,
        kOutChorusRate = 48,
        kOutChorusSep = 49,
        kOutChorusDepth = 50,
    };

    QX_DSP_Tarlix2_Control(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

    // "HFO Shape" and "SubOsc Wave" items as LFO shapes and oscillator waves.
    static constexpr int kHfoShapes[7] = {
        QX_DSP_LFO::kSine,      QX_DSP_LFO::kTriangle, QX_DSP_LFO::kPulse, QX_DSP_LFO::kSawUp,
        QX_DSP_LFO::kTrapezoid, QX_DSP_LFO::kPeak,     QX_DSP_LFO::kRandom};
    static constexpr int kSubWaves[7] = {
        WaveTables::kSine, WaveTables::kSquare, WaveTables::kTriangle, WaveTables::kVox,
        WaveTables::kVox2, WaveTables::kVox3,   WaveTables::kFunk};
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
