#include "dsp/noise_glide.h"

#include <cmath>

#include "common/portable_math.h"

namespace tarlix {

// ---- noise ----------------------------------------------------------------------------------

QX_DSP_Noise::QX_DSP_Noise(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(2);
}

void QX_DSP_Noise::Prepare() {
    s1_ = 0xfcdab89eu;
    s2_ = 1697777473u;
    stereo_ = routes[1] != nullptr;
    gain_[0] = gain_[1] = 1.0f;
    lpf_ = hpf_ = 0.0f;
    hold_ = 1;
    holdCounter_ = 0;
    on_ = true;
    settle_.stop();
}

void QX_DSP_Noise::HandleEvent(const EventRecord& e, int) {
    const float v = finiteOr(e.floatValue, 0.0f);
    switch (e.port) {
    case kInLeftLevel:
    case kInRightLevel:
        gain_[e.port - kInLeftLevel] = v * v;
        break;
    case kInLowPass:
        lpf_ = v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
        break;
    case kInHighPass:
        hpf_ = v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
        break;
    case kInHold: {
        // Hold length in samples: the value at 44.1 kHz, scaled to the sample rate.
        double h = std::trunc(sampleRate() * 2.2675737e-5 * v);
        hold_ = h < 1.0 ? 1 : (h > 1e6 ? 1000000 : static_cast<int>(h));
        break;
    }
    case kInOn:
        on_ = e.intValue != 0;
        break;
    default:
        return;
    }
    settle_.stop();
}

// One generator step for one channel (both channels draw from the one generator).
float QX_DSP_Noise::next(int channel) {
    if (lpf_ + hpf_ != 0.0f) {
        s2_ ^= s1_;
        s1_ += s2_;
        float x = static_cast<float>(static_cast<int32_t>(s1_)) * 2.3283064e-10f; // 2^-32
        float& l = low_[channel];
        float& h = high_[channel];
        l = x - (x - l) * lpf_;
        h = h + (l - h) * hpf_;
        return (l - h) * gain_[channel];
    }
    s2_ ^= s1_ << 8;
    s1_ += s2_;
    return static_cast<float>(static_cast<int32_t>(s1_)) * 2.3283064e-10f * gain_[channel];
}

void QX_DSP_Noise::Render(int offset, int count) {
    const bool silent = !on_ || (gain_[0] == 0.0f && (!stereo_ || gain_[1] == 0.0f));
    const int channels = stereo_ ? 2 : 1;
    if (silent) {
        if (!settle_.active()) settle_.start(blockSize);
        for (int c = 0; c < channels; ++c)
            for (int i = offset; i < offset + count; ++i)
                outputs[c][i] = 0.0f;
        if (settle_.advance(offset, count, blockSize)) Sleep(offset, count);
        return;
    }
    for (int i = offset; i < offset + count; ++i) {
        if (--holdCounter_ <= 0) {
            holdCounter_ = hold_;
            for (int c = 0; c < channels; ++c)
                held_[c] = next(c);
        }
        for (int c = 0; c < channels; ++c)
            outputs[c][i] = held_[c];
    }
}

// ---- glide ----------------------------------------------------------------------------------

QX_DSP_Glide_F::QX_DSP_Glide_F(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(1);
}

double QX_DSP_Glide_F::coefficient(float time) const {
    double t = time > 0.0001f ? time : 0.0001;
    return pmath::exp(-600.0 / (t * sampleRate()));
}

void QX_DSP_Glide_F::Prepare() {
    down_ = up_ = 0.5f;
    cDown_ = coefficient(down_);
    cUp_ = coefficient(up_);
    target_ = y_ = 0.425; // MIDI note 60
    scale_ = 1.0f;
    offset_ = 0.0f;
    enabled_ = true;
    settle_.stop();
}

void QX_DSP_Glide_F::HandleEvent(const EventRecord& e, int) {
    const float v = finiteOr(e.floatValue, 0.0f);
    switch (e.port) {
    case kInTimeDown:
        cDown_ = coefficient(down_ = v);
        break;
    case kInTimeUp:
        cUp_ = coefficient(up_ = v);
        break;
    case kInPitch:
        target_ = y_ = static_cast<double>(v) * scale_ + offset_;
        break; // a pitch alone jumps
    case kInStart:
        y_ = static_cast<double>(v) * scale_ + offset_;
        break; // glide from here to the target
    case kInOn:
        enabled_ = e.intValue != 0;
        break;
    case kInScale:
        scale_ = v * 10.0f;
        break;
    case kInOffset:
        offset_ = v * 10.0f;
        break;
    default:
        return;
    }
    settle_.stop();
}

void QX_DSP_Glide_F::Render(int offset, int count) {
    float* out = outputs[kOutPitch];
    if (settle_.active()) {
        for (int i = offset; i < offset + count; ++i)
            out[i] = static_cast<float>(target_);
        if (settle_.advance(offset, count, blockSize)) Sleep(offset, count);
        return;
    }
    double y = enabled_ ? y_ : target_;
    for (int i = offset; i < offset + count; ++i) {
        double c = y > target_ ? cDown_ : cUp_;
        y = target_ + (y - target_) * c;
        out[i] = static_cast<float>(y);
    }
    y_ = y;
    // Settled is judged where a call ends at a cell's end or an event, not at a host's cut.
    if ((offset + count == blockSize || eventAhead()) && std::fabs(target_ - y_) < 1e-5) {
        y_ = target_;
        settle_.start(blockSize);
    }
}

// ---- smoothers ------------------------------------------------------------------------------

QX_DSP_GUItoV_Glide_Multi::QX_DSP_GUItoV_Glide_Multi(ModuleContext* context, bool createdHeld,
                                                     int channels)
    : QX_ModuleBase(context, createdHeld), count_(channels) {
    allocateOutputs(channels);
}

void QX_DSP_GUItoV_Glide_Multi::Prepare() {
    for (int k = 0; k < count_; ++k)
        channels_[k] = Channel{};
    setRampMilliseconds(3.0f); // 30 ms
    for (int k = 0; k < count_; ++k)
        channels_[k].toWrite = blockSize; // every buffer holds its value once
    runOn_ = 0;
    ramping_ = false;
}

int QX_DSP_GUItoV_Glide_Multi::rampSamples(float tenths) const {
    // The value is in tenths of a millisecond per 0.1 V, as parameters arrive.
    double samples = std::trunc(static_cast<double>(tenths) * 10.0 * samplesPerMs() + 1.0);
    return samples < 1.0 ? 1 : (samples > 1e7 ? 10000000 : static_cast<int>(samples));
}

void QX_DSP_GUItoV_Glide_Multi::setRampMilliseconds(float tenths) {
    const int samples = rampSamples(tenths);
    for (int k = 0; k < count_; ++k)
        channels_[k].ramp = samples;
}

void QX_DSP_GUItoV_Glide_Multi::setTarget(int k, float value, bool jump) {
    Channel& c = channels_[k];
    const float target = convert(finiteOr(value, 0.0f));
    // Already there (a program load resends every value): nothing to ramp or rewrite.
    if (c.remaining == 0 && target == c.value && target == c.target) return;
    if (jump) {
        c.value = c.target = target;
        c.remaining = 0;
        c.step = 0.0f;
        c.toWrite = blockSize;
        if (blockSize + 1 > runOn_) runOn_ = blockSize + 1;
        return;
    }
    c.target = target;
    c.remaining = c.ramp;
    c.step = (c.target - c.value) / static_cast<float>(c.ramp);
    c.toWrite = c.ramp + blockSize;
    // Keep running well past the ramp: at least a block, and at least 100 ms.
    double minimum = 100.0 * samplesPerMs();
    int runOn = blockSize + 1 + c.ramp;
    if (runOn < minimum) runOn = static_cast<int>(minimum);
    if (runOn > runOn_) runOn_ = runOn;
}

void QX_DSP_GUItoV_Glide_Multi::HandleEvent(const EventRecord& e, int) {
    if (e.port < kInChannel + count_)
        setTarget(e.port - kInChannel, e.floatValue, isProgramLoad());
    else if (e.port == kInAllRamps)
        setRampMilliseconds(finiteOr(e.floatValue, 3.0f));
    else if (e.port >= kInRamp && e.port < kInRamp + count_)
        channels_[e.port - kInRamp].ramp = rampSamples(finiteOr(e.floatValue, 3.0f));
}

void QX_DSP_GUItoV_Glide_Multi::Render(int offset, int count) {
    bool any = false;
    for (int k = 0; k < count_; ++k) {
        Channel& c = channels_[k];
        // A channel whose whole buffer already holds its settled value costs nothing.
        if (c.toWrite <= 0) continue;
        c.toWrite -= count;
        float* out = outputs[k] + offset;
        // From the target back by the steps left: no error piles up over a long ramp.
        const int ramped = c.remaining < count ? c.remaining : count;
        const float target = c.target, step = c.step;
        const int last = c.remaining - 1;
        for (int i = 0; i < ramped; ++i)
            out[i] = target - step * static_cast<float>(last - i);
        c.remaining -= ramped;
        if (ramped > 0) c.value = out[ramped - 1];
        const float settled = c.value;
        for (int i = ramped; i < count; ++i)
            out[i] = settled;
        any = any || c.remaining > 0;
    }
    if (any != ramping_) {
        ramping_ = any;
        for (int k = 0; k < count_; ++k)
            SendEvent(now, k, any ? 1 : 0, 0, 0.0f, nullptr);
    }
    runOn_ -= count;
    if (!any && runOn_ < 0 && offset + count == blockSize) Sleep(offset, count);
}

QX_DSP_GUItoV_Glide::QX_DSP_GUItoV_Glide(ModuleContext* context, bool createdHeld)
    : QX_DSP_GUItoV_Glide_Multi(context, createdHeld, 1) {}

void QX_DSP_GUItoV_Glide::HandleEvent(const EventRecord& e, int) {
    const float v = finiteOr(e.floatValue, 0.0f);
    switch (e.port) {
    case kInValue:
        setTarget(0, v, isProgramLoad());
        break;
    case kInRampTime:
        setRampMilliseconds(v);
        break;
    case kInMode:
        mode_ = e.intValue;
        break;
    case kInScale:
        scale_ = v * 10.0f;
        break;
    case kInOffset:
        offset_ = v * 10.0f;
        break;
    default:
        break;
    }
}

float QX_DSP_GUItoV_Glide::convert(float v) const {
    if (mode_ == kFrequencyFactor)
        return static_cast<float>(
            pmath::exp2((v * scale_ + offset_) * 1.6666666f)); // a frequency factor
    if (mode_ == kPitchOfHz) {
        double f = static_cast<double>(v) * 10.0 * scale_;
        return f > 0.0 ? static_cast<float>(pmath::log2(f / 440.0) / 10.0 + 0.5) : 0.0f;
    }
    return v * scale_ + offset_;
}

} // namespace tarlix
