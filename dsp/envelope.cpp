#include "dsp/envelope.h"

#include <algorithm>
#include <cmath>

#include "common/portable_math.h"
#include "dsp/voice_allocation.h"

namespace tarlix {

QX_DSP_HAHDSR_Env::QX_DSP_HAHDSR_Env(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(1);
}

void QX_DSP_HAHDSR_Env::setOwner(QX_DSP_Midi_to_Poly_Gen2* allocator, int voiceNumber) {
    owner_ = allocator;
    voice = voiceNumber;
}

void QX_DSP_HAHDSR_Env::Prepare() {
    rate_ = static_cast<float>(sampleRate());
    stage_ = Stage::End;
    endCountdown_ = 2 * blockSize;
    announceEnd_ = true;
    y_ = 0.0f;
    velocityGain_ = velocity_ = amount_ = 1.0f;
    timeScale_ = 1.0f;
    enabled_ = true;
    // Endless hold until a hold time arrives; a constant on the hold or delay input sends no
    // event, so it is taken now.
    hold_ = hasConstant(kInHold) ? static_cast<int64_t>(samplesOf(in(kInHold, 0)))
                                 : static_cast<int64_t>(rate_) * 30000;
    delay_ = hasConstant(kInDelay) ? static_cast<int64_t>(samplesOf(in(kInDelay, 0))) : 0;
    fastCountdown_ = 0;
    eventLevel_ = 1.0f;
    // A constant on the minimum-attack input sends no event: take it now.
    setMinimumAttack(hasConstant(kInMinimumAttack) ? in(kInMinimumAttack, 0) : 0.0f);
    const double glide = samplesPerMs() * kSustainGlideMs;
    sustainStep_ = glide > 1.0 ? static_cast<float>(1.0 / glide) : 1.0f;
}

void QX_DSP_HAHDSR_Env::setMinimumAttack(float volts) {
    double m = std::isfinite(volts) ? std::trunc(static_cast<double>(rate_) * 10.0 * volts) : 0.0;
    minimumAttack_ = m < 1.0 ? 1 : (m > 1e9 ? 1000000000 : static_cast<int64_t>(m));
}

double QX_DSP_HAHDSR_Env::samplesOf(float volts) const {
    double v = std::isfinite(volts) && volts > 0.0f ? volts : 0.0;
    double s = v * rate_ * 10.0 * timeScale_;
    return s > 4e9 ? 4e9 : s;
}

float QX_DSP_HAHDSR_Env::shaped(float y, int i) const {
    float c = shape_ == kSquared ? y * y : (shape_ == kRounded ? (2.0f - y) * y : y);
    float v = velocityGain_ * level(i) * c;
    return invert_ == kNegative ? -v : (invert_ == kFromOne ? 1.0f - v : v);
}

void QX_DSP_HAHDSR_Env::end() {
    stage_ = Stage::End;
    y_ = 0.0f;
    endCountdown_ = 2 * blockSize;
    announceEnd_ = true;
}

void QX_DSP_HAHDSR_Env::HandleEvent(const EventRecord& e, int) {
    const float f = finiteOr(e.floatValue, 0.0f);
    const int32_t i = e.intValue;
    // Only a gate or the on switch restarts the end countdown: automation reaching a released
    // voice must not keep it from being freed.
    if (e.port == kInGate || e.port == kInOn) endCountdown_ = 2 * blockSize;
    switch (e.port) {
    case kInGate:
        if (i >= 1) {
            // The no-retrigger flag ignores gates while a note sounds, not the first one.
            if (!enabled_ || (noRetrigger_ && stage_ != Stage::End)) break;
            if (stage_ == Stage::End) SendEvent(now, kOutLevel, 1, 0, 0.0f, nullptr); // active
            gateHeld_ = true;
            y_ = 0.0f; // every note starts from zero
            fastCountdown_ = 0;
            countdown_ = delay_;
            stage_ = delay_ < 2 ? Stage::Attack : Stage::Delay;
        } else if (gateHeld_) {
            gateHeld_ = false;
            if (stage_ != Stage::End) {
                releaseStart_ = y_;
                stage_ = Stage::Release;
            }
        }
        break;
    case kInDelay:
        delay_ = static_cast<int64_t>(samplesOf(f));
        break;
    case kInHold:
        hold_ = static_cast<int64_t>(samplesOf(f));
        break;
    case kInShape:
        shape_ = i < kLinear ? kLinear : (i > kRounded ? kRounded : i);
        break;
    case kInOn:
        enabled_ = f != 0.0f;
        if (!enabled_ && stage_ != Stage::End) end();
        break;
    case kInInvert:
        invert_ = i < kUpright ? kUpright : (i > kFromOne ? kFromOne : i);
        break;
    case kInVelocity:
    case kInVelocityAmount:
        (e.port == kInVelocity ? velocity_ : amount_) = f;
        velocityGain_ = 1.0f - (1.0f - velocity_) * amount_;
        break;
    case kInTimeScale:
        timeScale_ = f > 0.0f ? f * 10.0f : 1.0f;
        break;
    case kInMinimumAttack:
        setMinimumAttack(f);
        break;
    case kInLevel:
        eventLevel_ = f;
        break;
    case kInNoRetrigger:
        noRetrigger_ = i != 0;
        break;
    default:
        break;
    }
}

void QX_DSP_HAHDSR_Env::FastRelease() {
    if (!owner_ || stage_ == Stage::End) return;
    fastCountdown_ = blockSize + static_cast<int64_t>(0.019 * rate_);
    // From the value last written (contour, level and velocity applied) to the idle value in
    // 19 ms, so the output does not jump first.
    fastValue_ = shaped(y_, 0);
    if (!std::isfinite(fastValue_)) fastValue_ = idle();
    fastStep_ = (idle() - fastValue_) * 52.631577f / rate_;
}

void QX_DSP_HAHDSR_Env::Hold() {
    QX_ModuleBase::Hold();
    if (owner_) { // the voice was freed: the next note starts from an ended envelope
        stage_ = Stage::End;
        y_ = 0.0f;
        endCountdown_ = 0;
        announceEnd_ = false;
    }
}

// The envelope has ended: the idle value for two blocks, then sleep and free the voice.
void QX_DSP_HAHDSR_Env::finish(int offset, int count) {
    float* out = outputs[kOutLevel];
    for (int i = offset; i < offset + count; ++i)
        out[i] = idle();
    if (announceEnd_) {
        announceEnd_ = false;
        SendEvent(now, kOutLevel, 0, 0, 0.0f, nullptr); // inactive
    }
    endCountdown_ -= count;
    // An event still to come in this chunk may be the gate of a new note on this voice.
    if (endCountdown_ >= 0 || eventAhead()) return;
    Sleep(offset, count);
    if (owner_) owner_->FreeVoice(voice);
}

void QX_DSP_HAHDSR_Env::Render(int offset, int count) {
    float* out = outputs[kOutLevel];
    // The times of the last call still hold when this one only goes on past a host's cut.
    const bool keepTimes = continuesCall() && timesKept_;
    timesKept_ = false;
    if (fastCountdown_ > 0) {
        const float target = idle();
        for (int i = offset; i < offset + count; ++i) {
            fastValue_ += fastStep_;
            if ((fastStep_ < 0.0f && fastValue_ < target) ||
                (fastStep_ > 0.0f && fastValue_ > target))
                fastValue_ = target;
            out[i] = fastValue_;
        }
        if ((fastCountdown_ -= count) <= 0) {
            fastCountdown_ = 0;
            gateHeld_ = false;
            stage_ = Stage::End;
            y_ = 0.0f;
            endCountdown_ = -1;
            announceEnd_ = true;
            finish(offset + count, 0);
        }
        return;
    }
    if (stage_ == Stage::End) {
        finish(offset, count);
        return;
    }
    // Holding a steady sustain: one value until an event (gate off, a new note) or a moving
    // sustain or level source wakes the envelope.
    // Judged at a call's start: not at a host's cut, so it sleeps at the same sample whatever
    // blocks the host cuts.
    if (stage_ == Stage::Sustain && !continuesCall() && !sourceVaries(kInSustain) &&
        !sourceVaries(kInLevel) && y_ == in(kInSustain, offset)) {
        const float v = shaped(y_, offset);
        if (std::isfinite(v)) {
            std::fill(out, out + bufferFloats(blockSize), v);
            sleepWatching(offset, count);
            return;
        }
    }
    // Times are read at the start of every render call.
    if (!keepTimes) {
        auto modulation = [this](int port, int i) {
            return inputs[port] ? pmath::exp2(10.0 * in(port, i)) : 1.0;
        };
        double attack = samplesOf(in(kInAttack, offset)) * modulation(kInAttackModulation, offset);
        if (attack < static_cast<double>(minimumAttack_))
            attack = static_cast<double>(minimumAttack_);
        double decay = samplesOf(in(kInDecay, offset)) * modulation(kInDecayModulation, offset);
        if (decay < 1.0) decay = 1.0;
        release_ = samplesOf(in(kInRelease, offset));
        if (release_ < 1.0) release_ = 1.0;
        decayStep_ = static_cast<float>((1.0 - in(kInSustain, offset)) / decay);
        attackStep_ = static_cast<float>(1.0 / attack);
    }
    timesKept_ = true;
    const double release = release_;
    const float decayStep = decayStep_, attackStep = attackStep_;
    for (int i = offset; i < offset + count; ++i) {
        switch (stage_) {
        case Stage::Delay:
            if (--countdown_ <= 0) stage_ = Stage::Attack;
            out[i] = idle();
            continue;
        case Stage::Attack:
            y_ += attackStep;
            if (y_ >= 1.0f) {
                y_ = 1.0f;
                countdown_ = hold_;
                stage_ = Stage::Hold;
            }
            break;
        case Stage::Hold:
            y_ = 1.0f;
            if (--countdown_ <= 0) stage_ = Stage::Decay;
            break;
        case Stage::Decay: {
            const float s = in(kInSustain, i);
            y_ -= decayStep;
            if (y_ <= s) {
                stage_ = Stage::Sustain;
                // Reached within this step; or the sustain was raised above the falling level,
                // and the level glides up to it.
                y_ = s - y_ <= std::fmax(decayStep, sustainStep_) ? s : y_ + sustainStep_;
            }
            break;
        }
        case Stage::Sustain: {
            // A sustain level that jumps (or one raised above the decaying level) is reached
            // over a short glide, not in one sample.
            const float s = in(kInSustain, i), d = s - y_;
            y_ =
                !(std::fabs(d) > sustainStep_) ? s : y_ + (d > 0.0f ? sustainStep_ : -sustainStep_);
            break;
        }
        case Stage::Release:
            y_ -= static_cast<float>(releaseStart_ / release);
            if (!(y_ > 0.0f)) { // also ends a value gone bad, so the voice is freed
                y_ = 0.0f;
                out[i] = shaped(0.0f, i);
                end();
                finish(i + 1, offset + count - i - 1);
                return;
            }
            break;
        case Stage::End:
            break;
        }
        out[i] = shaped(y_, i);
    }
}

} // namespace tarlix
