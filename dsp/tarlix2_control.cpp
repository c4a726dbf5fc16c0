#include "dsp/tarlix2_control.h"

#include <cmath>

#include "common/curves.h"
#include "common/target_menus.h"
#include "dsp/module_host.h"
#include "dsp/oscillator.h"

namespace tarlix {

namespace {
// Items of the option parameters this module reads.
constexpr int kOscModeSync = QX_DSP_Tarlix2_OSC_Combine::kSync; // "Osc Mode"
constexpr int kHfoTargetCutoff = hfoTarget::kFilterCutoff;
constexpr int kHfoTargetFirstFm = hfoTarget::kMainFm; // then "Osc1 - FM", "Osc2 - FM", "Sub - FM"
constexpr int kHfoTargetLastFm = hfoTarget::kSubFm;
constexpr int kPlayLegato = 1;             // "Play Mode": "Mono", "Legato", "Poly"
constexpr int kGainPost = 0, kGainPre = 1; // "Gain Mode"; any other is "Off"
constexpr int kEqPre = 0;                  // "Pre-Post EQ"
// An option index from an event, kept inside its table.
int option(int32_t i, int size) {
    return i < 0 ? 0 : (i >= size ? size - 1 : i);
}
} // namespace

QX_DSP_Tarlix2_Control::QX_DSP_Tarlix2_Control(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {}

int32_t QX_DSP_Tarlix2_Control::truncated(float v) {
    if (!(v == v)) return 0;
    if (v >= 2147483520.0f) return INT32_MAX;
    if (v <= -2147483520.0f) return INT32_MIN;
    return static_cast<int32_t>(v);
}

int QX_DSP_Tarlix2_Control::period(double samples) {
    if (!(samples >= 1.0) || samples > 2e9) return -1;
    return static_cast<int>(samples);
}

void QX_DSP_Tarlix2_Control::Prepare() {
    renderRoutine = &QX_ModuleBase::Render;
    tempo_ = 12.0f;
    rate_ = static_cast<float>(sampleRate());
    jumpPeriod_ = period(rate_ * 0.35);
    chorusMix_ = -0.5f;
    random_.restart();
    for (bool& f : flags_)
        f = true;
}

void QX_DSP_Tarlix2_Control::HandleEvent(const EventRecord& e, int) {
    const int32_t i = e.intValue;
    const float f = finiteOr(e.floatValue, 0.0f);
    switch (e.port) {
    case kInTempo:
        tempo_ = f > 0.0f ? f : 12.0f; // no usable host tempo: 120 BPM
        flags_[kTempo] = true;
        break;
    case kInHfoShape:
        send(kOutHfoShape, kHfoShapes[option(i, 7)], 0.0f);
        break;
    case kInSubOscWave:
        send(kOutSubWave, kSubWaves[option(i, 7)], 0.0f);
        break;
    case kInOscMode:
        i == kOscModeSync ? send(kOutOscSync, 1, 10.0f) : send(kOutOscSync, 0, 0.0f);
        break;
    case kInEchoRate:
        echoFactor_ = kEchoFactors[option(i, 5)];
        flags_[kEcho] = true;
        break;
    case kInEchoLength:
        echoLength_ = f;
        flags_[kEcho] = true;
        break;
    case kInEchoStep:
        echoStep_ = i;
        flags_[kEcho] = true;
        break;
    case kInEchoDotted:
        echoDotted_ = i;
        flags_[kEcho] = true;
        break;
    case kInLfo1Rate:
    case kInLfo2Rate:
    case kInLfo3Rate:
        lfo_[(e.port - kInLfo1Rate) / 3].rate = f;
        break;
    case kInLfo1Beat:
    case kInLfo2Beat:
    case kInLfo3Beat:
        lfo_[(e.port - kInLfo1Beat) / 3].divisor = kBeatDivisors[option(i, 11)];
        break;
    case kInLfo1Sync:
    case kInLfo2Sync:
    case kInLfo3Sync:
        lfo_[(e.port - kInLfo1Sync) / 3].sync = i;
        break;
    case kInLfo3Track:
        lfo3Track_ = i;
        break;
    case kInHfoOct:
        hfoOctave_ = f;
        flags_[kHfoPitch] = true;
        break;
    case kInHfoSemi:
        hfoSemi_ = f;
        flags_[kHfoPitch] = true;
        break;
    case kInHfoTune:
        hfoTune_ = f;
        flags_[kHfoPitch] = true;
        break;
    case kInHfoTarget:
        hfoTarget_ = i;
        flags_[kHfoLevel] = true;
        i == kHfoTargetCutoff ? send(kOutHfoToCutoff, 1, 10.0f) : send(kOutHfoToCutoff, 0, 0.0f);
        break;
    case kInHfoDepth:
        hfoDepth_ = f;
        flags_[kHfoLevel] = true;
        break;
    case kInHfoLevel:
        hfoLevel_ = f;
        flags_[kHfoLevel] = true;
        break;
    case kInPlayMode:
        playMode_ = i;
        i <= kPlayLegato ? send(kOutMono, 1, 1.0f) : send(kOutMono, 0, 0.0f); // Mono or Legato
        i == kPlayLegato ? send(kOutLegato, 1, 1.0f) : send(kOutLegato, 0, 0.0f);
        break;
    case kInMasterVolume:
        send(kOutMasterVolume, truncated(f), f);
        break;
    case kInMeltAMode:
        meltMode_ = i;
        if (i != 0) {
            send(kOutMeltCircuit, 0, 0.0f);
            send(kOutMeltTape, 1, 1.0f);
        } else {
            send(kOutMeltCircuit, 1, 1.0f);
            send(kOutMeltTape, 0, 0.0f);
        }
        break;
    case kInMeltAPitch:
        meltPitch_ = f;
        break;
    case kInMeltAJump:
        meltJump_ = f;
        break;
    case kInMeltAAmp:
        meltAmp_ = f;
        break;
    case kInMeltABlend:
        meltBlend_ = f;
        break;
    case kInMeltASpeed:
        if (f > 0.0f) meltPeriod_ = period(rate_ / f);
        break;
    case kInFilter2Active:
        filter2Active_ = i;
        flags_[kFilter] = true;
        break;
    case kInFilter2Offset:
        filter2Offset_ = f;
        flags_[kFilter] = true;
        break;
    case kInLpfResonance:
        resonance_ = f;
        flags_[kFilter] = true;
        break;
    case kInGainMode:
        gainMode_ = i;
        flags_[kGain] = true;
        break;
    case kInEqActive:
        eqActive_ = i;
        flags_[kEq] = true;
        break;
    case kInPrePostEq:
        eqPosition_ = i;
        flags_[kEq] = true;
        break;
    case kInChoMode:
        chorusMode_ = i;
        flags_[kChorusMode] = true;
        break;
    case kInChorusMix:
        chorusMix_ = f;
        flags_[kChorusMode] = true;
        break;
    case kInChorusRate:
        chorusRate_ = f;
        flags_[kChorusDrift] = true;
        break;
    case kInChorusSep:
        chorusSep_ = f;
        flags_[kChorusDrift] = true;
        break;
    case kInChorusDepth:
        chorusDepth_ = f;
        flags_[kChorusDrift] = true;
        break;
    case kInChorusMelt:
        chorusDrift_ = f;
        flags_[kChorusDrift] = true;
        break;
    case kInMeltSystem:
        meltSystem_ = i;
        sendMeltCutoff();
        break;
    case kInMeltACutoff:
        meltCutoffA_ = f;
        sendMeltCutoff();
        break;
    case kInMeltBCutoff:
        meltCutoffB_ = f;
        sendMeltCutoff();
        break;
    case kInMeltBWow:
        if (f > 0.0f) {
            wowPeriod_ = period(rate_ / f);
            send(kOutMeltBWowGlide, 0, 100.0f / f);
        }
        break;
    case kInMeltBFlutter:
        if (f > 0.0f) {
            flutterPeriod_ = period(rate_ / f);
            send(kOutMeltBFlutterGlide, 0, 100.0f / f);
        }
        break;
    default:
        break;
    }
    if (e.port >= kInLfo1Rate && e.port <= kInLfo3Track)
        flags_[kLfo1 + (e.port == kInLfo3Track ? 2 : (e.port - kInLfo1Rate) / 3)] = true;
}

void QX_DSP_Tarlix2_Control::sendMeltCutoff() {
    sendValue(kOutMeltCutoff, meltSystem_ != 0 ? meltCutoffB_ : meltCutoffA_);
}

void QX_DSP_Tarlix2_Control::sendLfoRate(int output, const Lfo& lfo) {
    if (lfo.sync != 0)
        send(output, 0, lfo.rate);
    else if (lfo.divisor > 0.0f)
        send(output, 0, tempo_ / lfo.divisor * 4.0f);
}

void QX_DSP_Tarlix2_Control::renderMelt(int n) {
    counterA_ += n;
    if (meltSystem_ != 0) {
        if (wowPeriod_ > 0 && counterA_ > wowPeriod_) {
            counterA_ = 0;
            send(kOutMeltBWow, 0, random_.uniform(1.0f) - 0.5f);
        }
        counterB_ += n;
        if (flutterPeriod_ > 0 && counterB_ > flutterPeriod_) {
            counterB_ = 0;
            send(kOutMeltBFlutter, 0, random_.uniform(1.0f) - 0.5f);
        }
        return;
    }
    if (meltPeriod_ > 0 && counterA_ > meltPeriod_) {
        counterA_ = 0;
        random1_ = random_.uniform(1.0f) - 0.5f;
        newRandom_ = true;
    }
    counterB_ += n;
    if (jumpPeriod_ > 0 && counterB_ > jumpPeriod_) {
        counterB_ = 0;
        random2_ = random_.uniform(1.0f) - 0.5f;
        newRandom_ = true;
    }
    if (!newRandom_) return;
    newRandom_ = false;
    sendValue(kOutMeltAPitch, (random2_ * meltJump_ + meltPitch_) * random1_ * 0.03f);
    sendValue(kOutMeltABlend, random2_ * meltJump_ * 200.0f + meltBlend_);
    sendValue(kOutMeltAAmp, meltAmp_ * random1_);
}

void QX_DSP_Tarlix2_Control::renderChorusDrift(int n) {
    if (chorusMode_ == 0) return;
    counterC_ += n;
    if (meltPeriod_ > 0 && counterC_ > meltPeriod_)
        counterC_ = 0;
    else if (!flags_[kChorusDrift])
        return;
    flags_[kChorusDrift] = false;
    float a = (random_.uniform(1.5f) - 0.5f) * chorusDrift_ + 1.0f;
    send(kOutChorusRate, 0, a * chorusRate_);
    send(kOutChorusSep, 0, chorusSep_ * chorusRate_ * a);
    float b = (random_.uniform(1.5f) - 0.5f) * chorusDrift_ + 1.0f;
    send(kOutChorusDepth, 0, b * chorusDepth_);
}

void QX_DSP_Tarlix2_Control::Render(int offset, int) {
    // The random periods are counted in whole cells of the engine's grid, at each cell's first
    // sample, so their values change at the same samples whatever blocks the host cuts.
    const int n = offset == 0 ? blockSize : 0;
    renderMelt(n);
    renderChorusDrift(n);
    if (flags_[kChorusMode]) {
        flags_[kChorusMode] = false;
        if (chorusMode_ == 0) {
            send(kOutChorusOn, 0, 0.0f);
            send(kOutChorusMix, 0, -0.5f);
        } else if (chorusMode_ == 1 || chorusMode_ == 2) {
            send(kOutChorusOn, 1, 1.0f);
            send(kOutChorusMix, 0, chorusMix_);
        }
    }
    if (flags_[kEq]) {
        flags_[kEq] = false;
        bool pre = !eqActive_ || eqPosition_ == kEqPre, post = !eqActive_ || eqPosition_ != kEqPre;
        pre ? send(kOutPreEchoEq, 1, 1.0f) : send(kOutPreEchoEq, 0, 0.0f);
        post ? send(kOutPostEchoEq, 1, 1.0f) : send(kOutPostEchoEq, 0, 0.0f);
    }
    if (flags_[kFilter]) {
        flags_[kFilter] = false;
        float v = resonance_;
        if (filter2Active_) v *= 0.8f - filter2Offset_;
        sendValue(kOutResonance, v);
    }
    if (flags_[kGain]) {
        flags_[kGain] = false;
        int a = gainMode_ == kGainPre ? 2 : 1, b = gainMode_ == kGainPost ? 2 : 1;
        send(kOutPreLimiterGain, a, static_cast<float>(a));
        send(kOutPostLimiterGain, b, static_cast<float>(b));
    }
    if (flags_[kTempo]) {
        flags_[kTempo] = false;
        flags_[kEcho] = flags_[kLfo1] = flags_[kLfo2] = flags_[kLfo3] = true;
    }
    if (flags_[kEcho]) {
        flags_[kEcho] = false;
        float length = echoLength_;
        if (echoStep_) length = std::floor(length + 0.000001f);
        if (echoDotted_) length *= 1.5f;
        float t = 600.0f / tempo_ * echoFactor_ * length * 0.25f - 1.8000001f;
        if (!(t > 0.0f) || !std::isfinite(t)) t = 0.0f;
        sendValue(kOutEchoTime, t);
    }
    if (flags_[kLfo1]) {
        flags_[kLfo1] = false;
        sendLfoRate(kOutLfo1Rate, lfo_[0]);
    }
    if (flags_[kLfo2]) {
        flags_[kLfo2] = false;
        sendLfoRate(kOutLfo2Rate, lfo_[1]);
    }
    if (flags_[kLfo3]) {
        flags_[kLfo3] = false;
        if (lfo_[2].sync != 0) {
            send(kOutLfo3Rate, 0, lfo_[2].rate);
            send(kOutLfo3Track, lfo3Track_, static_cast<float>(lfo3Track_));
        } else {
            sendLfoRate(kOutLfo3Rate, lfo_[2]);
            send(kOutLfo3Track, 0, 0.0f);
        }
    }
    if (flags_[kHfoPitch]) {
        flags_[kHfoPitch] = false;
        send(kOutHfoPitch, 0, hfoOctave_ + hfoSemi_ + hfoTune_);
    }
    if (flags_[kHfoLevel]) {
        flags_[kHfoLevel] = false;
        float scale =
            (hfoTarget_ >= kHfoTargetFirstFm && hfoTarget_ <= kHfoTargetLastFm) ? 2.0f : 1.0f;
        send(kOutHfoDepth, 0, hfoDepth_ * scale);
        send(kOutHfoLevel, 0, hfoLevel_ * scale);
    }
}

} // namespace tarlix
