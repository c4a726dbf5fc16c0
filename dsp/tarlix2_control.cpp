#include "dsp/tarlix2_control.h"

#include <cmath>

#include "common/curves.h"
#include "dsp/module_host.h"

namespace tarlix {

namespace {
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
    case 0:
        tempo_ = f > 0.0f ? f : 12.0f; // no usable host tempo: 120 BPM
        flags_[kTempo] = true;
        break;
    case 1:
        send(1, kHfoShapes[option(i, 7)], 0.0f);
        break;
    case 2:
        send(2, kSubWaves[option(i, 7)], 0.0f);
        break;
    case 3:
        i == 5 ? send(3, 1, 10.0f) : send(3, 0, 0.0f);
        break;
    case 4:
        echoFactor_ = kEchoFactors[option(i, 5)];
        flags_[kEcho] = true;
        break;
    case 5:
        echoLength_ = f;
        flags_[kEcho] = true;
        break;
    case 19:
        echoStep_ = i;
        flags_[kEcho] = true;
        break;
    case 26:
        echoDotted_ = i;
        flags_[kEcho] = true;
        break;
    case 6:
    case 9:
    case 12:
        lfo_[(e.port - 6) / 3].rate = f;
        break;
    case 7:
    case 10:
    case 13:
        lfo_[(e.port - 7) / 3].divisor = kBeatDivisors[option(i, 11)];
        break;
    case 8:
    case 11:
    case 14:
        lfo_[(e.port - 8) / 3].sync = i;
        break;
    case 15:
        lfo3Track_ = i;
        break;
    case 16:
        hfoOctave_ = f;
        flags_[kHfoPitch] = true;
        break;
    case 17:
        hfoSemi_ = f;
        flags_[kHfoPitch] = true;
        break;
    case 18:
        hfoTune_ = f;
        flags_[kHfoPitch] = true;
        break;
    case 20:
        hfoTarget_ = i;
        flags_[kHfoLevel] = true;
        i == 4 ? send(11, 1, 10.0f) : send(11, 0, 0.0f);
        break;
    case 21:
        hfoDepth_ = f;
        flags_[kHfoLevel] = true;
        break;
    case 22:
        hfoLevel_ = f;
        flags_[kHfoLevel] = true;
        break;
    case 24:
        playMode_ = i;
        i < 2 ? send(14, 1, 1.0f) : send(14, 0, 0.0f);  // Mono or Legato
        i == 1 ? send(15, 1, 1.0f) : send(15, 0, 0.0f); // Legato
        break;
    case 25:
        send(0, truncated(f), f);
        break;
    case 29:
        meltMode_ = i;
        if (i != 0) {
            send(32, 0, 0.0f);
            send(33, 1, 1.0f);
        } else {
            send(32, 1, 1.0f);
            send(33, 0, 0.0f);
        }
        break;
    case 30:
        meltPitch_ = f;
        break;
    case 31:
        meltJump_ = f;
        break;
    case 32:
        meltAmp_ = f;
        break;
    case 33:
        meltBlend_ = f;
        break;
    case 34:
        if (f > 0.0f) meltPeriod_ = period(rate_ / f);
        break;
    case 39:
        filter2Active_ = i;
        flags_[kFilter] = true;
        break;
    case 40:
        filter2Offset_ = f;
        flags_[kFilter] = true;
        break;
    case 42:
        resonance_ = f;
        flags_[kFilter] = true;
        break;
    case 41:
        gainMode_ = i;
        flags_[kGain] = true;
        break;
    case 44:
        eqActive_ = i;
        flags_[kEq] = true;
        break;
    case 45:
        eqPosition_ = i;
        flags_[kEq] = true;
        break;
    case 46:
        chorusMode_ = i;
        flags_[kChorusMode] = true;
        break;
    case 47:
        chorusMix_ = f;
        flags_[kChorusMode] = true;
        break;
    case 48:
        chorusRate_ = f;
        flags_[kChorusDrift] = true;
        break;
    case 49:
        chorusSep_ = f;
        flags_[kChorusDrift] = true;
        break;
    case 50:
        chorusDepth_ = f;
        flags_[kChorusDrift] = true;
        break;
    case 51:
        chorusDrift_ = f;
        flags_[kChorusDrift] = true;
        break;
    case 52:
        meltSystem_ = i;
        sendMeltCutoff();
        break;
    case 59:
        meltCutoffA_ = f;
        sendMeltCutoff();
        break;
    case 60:
        meltCutoffB_ = f;
        sendMeltCutoff();
        break;
    case 53:
        if (f > 0.0f) {
            wowPeriod_ = period(rate_ / f);
            send(36, 0, 100.0f / f);
        }
        break;
    case 54:
        if (f > 0.0f) {
            flutterPeriod_ = period(rate_ / f);
            send(37, 0, 100.0f / f);
        }
        break;
    default:
        break;
    }
    if (e.port >= 6 && e.port <= 15) flags_[kLfo1 + (e.port == 15 ? 2 : (e.port - 6) / 3)] = true;
}

void QX_DSP_Tarlix2_Control::sendMeltCutoff() {
    sendValue(38, meltSystem_ != 0 ? meltCutoffB_ : meltCutoffA_);
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
            send(34, 0, random_.uniform(1.0f) - 0.5f);
        }
        counterB_ += n;
        if (flutterPeriod_ > 0 && counterB_ > flutterPeriod_) {
            counterB_ = 0;
            send(35, 0, random_.uniform(1.0f) - 0.5f);
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
    sendValue(30, (random2_ * meltJump_ + meltPitch_) * random1_ * 0.03f);
    sendValue(31, random2_ * meltJump_ * 200.0f + meltBlend_);
    sendValue(29, meltAmp_ * random1_);
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
    send(48, 0, a * chorusRate_);
    send(49, 0, chorusSep_ * chorusRate_ * a);
    float b = (random_.uniform(1.5f) - 0.5f) * chorusDrift_ + 1.0f;
    send(50, 0, b * chorusDepth_);
}

void QX_DSP_Tarlix2_Control::Render(int, int count) {
    renderMelt(count);
    renderChorusDrift(count);
    if (flags_[kChorusMode]) {
        flags_[kChorusMode] = false;
        if (chorusMode_ == 0) {
            send(46, 0, 0.0f);
            send(47, 0, -0.5f);
        } else if (chorusMode_ == 1 || chorusMode_ == 2) {
            send(46, 1, 1.0f);
            send(47, 0, chorusMix_);
        }
    }
    if (flags_[kEq]) {
        flags_[kEq] = false;
        bool pre = !eqActive_ || eqPosition_ == 0, post = !eqActive_ || eqPosition_ != 0;
        pre ? send(44, 1, 1.0f) : send(44, 0, 0.0f);
        post ? send(45, 1, 1.0f) : send(45, 0, 0.0f);
    }
    if (flags_[kFilter]) {
        flags_[kFilter] = false;
        float v = resonance_;
        if (filter2Active_) v *= 0.8f - filter2Offset_;
        sendValue(42, v);
    }
    if (flags_[kGain]) {
        flags_[kGain] = false;
        int a = gainMode_ == 1 ? 2 : 1, b = gainMode_ == 0 ? 2 : 1;
        send(40, a, static_cast<float>(a));
        send(41, b, static_cast<float>(b));
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
        sendValue(4, t);
    }
    if (flags_[kLfo1]) {
        flags_[kLfo1] = false;
        sendLfoRate(5, lfo_[0]);
    }
    if (flags_[kLfo2]) {
        flags_[kLfo2] = false;
        sendLfoRate(6, lfo_[1]);
    }
    if (flags_[kLfo3]) {
        flags_[kLfo3] = false;
        if (lfo_[2].sync != 0) {
            send(7, 0, lfo_[2].rate);
            send(8, lfo3Track_, static_cast<float>(lfo3Track_));
        } else {
            sendLfoRate(7, lfo_[2]);
            send(8, 0, 0.0f);
        }
    }
    if (flags_[kHfoPitch]) {
        flags_[kHfoPitch] = false;
        send(9, 0, hfoOctave_ + hfoSemi_ + hfoTune_);
    }
    if (flags_[kHfoLevel]) {
        flags_[kHfoLevel] = false;
        float scale = (hfoTarget_ >= 5 && hfoTarget_ <= 8) ? 2.0f : 1.0f; // the FM targets
        send(10, 0, hfoDepth_ * scale);
        send(12, 0, hfoLevel_ * scale);
    }
}

} // namespace tarlix
