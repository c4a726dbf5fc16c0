#include "dsp/shapers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarlix {

// ---- saturation -----------------------------------------------------------------------------

QX_DSP_Saturation::QX_DSP_Saturation(ModuleContext* context, bool createdHeld)
    : QX_DSP_Level_Base(context, createdHeld, 2) {}

void QX_DSP_Saturation::Prepare() {
    QX_DSP_Level_Base::Prepare();
    curve_ = wholeInput(kInCurve, 1);
    amountInput_ = wholeInput(kInUseAmountB, 0) != 0 ? kInAmountB : kInAmount;
    enabled_ = wholeInput(kInOn, 1) != 0;
    copyWhenOff_ = wholeInput(kInCopyWhenOff, 0) != 0;
    for (OversampledShaper& s : shaper_)
        s.reset();
    lastIn_[0] = lastIn_[1] = 0.0f;
    stillFor_ = 0;
    wasShaping_ = false;
}

void QX_DSP_Saturation::Render(int offset, int count) {
    const bool wasShaping = wasShaping_;
    wasShaping_ = shaping();
    if (!wasShaping_) {
        QX_DSP_Level_Base::Render(offset, count);
        return;
    }
    if (!wasShaping) // from a plain copy: the filters start settled on the signal as it stands
        for (int c = 0; c < (inputs[kInRight] ? 2 : 1); ++c) {
            const float x = finiteOr(in(kInLeft + c, offset), 0.0f);
            shaper_[c].settle(x, curve(x, gain(kInDrive, offset), in(amountInput_, offset)));
        }
    compute(offset, count);
    stillFor_ = anyVarying() ? 0 : stillFor_ + count;
    if (stillFor_ < OversampledShaper::kSettle) return;
    // Asleep, the output holds exactly the curve's value of the resting input.
    const bool stereo = inputs[kInRight] != nullptr;
    for (int c = 0; c < (stereo ? 2 : 1); ++c) {
        const float y = curve(lastIn_[c], lastDrive_, lastAmount_);
        shaper_[c].settle(lastIn_[c], y);
        std::fill(outputs[c], outputs[c] + bufferFloats(blockSize), y);
    }
    sleepWatching(offset, count);
}

void QX_DSP_Saturation::HandleEvent(const EventRecord& e, int offset) {
    QX_DSP_Level_Base::HandleEvent(e, offset);
    stillFor_ = 0;
    switch (e.port) {
    case kInCurve:
        curve_ = e.intValue;
        break;
    case kInUseAmountB:
        amountInput_ = e.intValue != 0 ? kInAmountB : kInAmount;
        break;
    case kInOn:
        enabled_ = e.intValue != 0;
        break;
    case kInCopyWhenOff:
        copyWhenOff_ = e.intValue != 0;
        break;
    default:
        break;
    }
}

float QX_DSP_Saturation::curve(float x, float g, float a) {
    g = g > 0.0f ? g : 0.0f; // a negative drive would divide by zero near -2
    float t = x * g;
    float s = a / (0.333f * g + 0.667f);
    if (t < 0.0f) {
        t = -t;
        s = -s;
    }
    float u = 1.0f;
    if (t < 1.0f) {
        const float d = 1.0f - t, d2 = d * d;
        u = 1.0f - d2 * d2;
    }
    return (1.0f - a) * x + s * u;
}

void QX_DSP_Saturation::compute(int offset, int count) {
    const bool stereo = inputs[kInRight] != nullptr;
    const size_t bytes = sizeof(float) * static_cast<size_t>(count);
    for (int c = 0; c < (stereo ? 2 : 1); ++c) {
        float* out = outputs[c];
        if (!enabled_) {
            if (copyWhenOff_)
                for (int i = offset; i < offset + count; ++i)
                    out[i] = in(kInLeft + c, i);
            else
                std::memset(out + offset, 0, bytes);
            continue;
        }
        if (curve_ != kQuarticCurve || dry()) { // other curves pass the signal, as does amount 0
            for (int i = offset; i < offset + count; ++i)
                out[i] = in(kInLeft + c, i);
            continue;
        }
        float sx[kMaxChunk], sg[kMaxChunk], sa[kMaxChunk];
        const float *x = span(kInLeft + c, 0.0f, sx, offset, count),
                    *drive = span(kInDrive, 1.0f, sg, offset, count),
                    *amount = span(amountInput_, 0.0f, sa, offset, count);
        shaper_[c].process(x, out + offset, count, QuarticShape{drive, amount});
        if (count > 0) {
            lastIn_[c] = finiteOr(x[count - 1], 0.0f);
            lastDrive_ = drive[count - 1];
            lastAmount_ = amount[count - 1];
        }
    }
}

// ---- soft limiter ---------------------------------------------------------------------------

QX_DSP_Soft_Limiter::QX_DSP_Soft_Limiter(ModuleContext* context, bool createdHeld)
    : QX_DSP_Level_Base(context, createdHeld, 1) {}

void QX_DSP_Soft_Limiter::Prepare() {
    QX_DSP_Level_Base::Prepare();
    mode_ = wholeInput(kInMode, kLimit);
    makeUpOn_ = inputs[kInMakeUp] != nullptr || inputSource[kInMakeUp] != nullptr;
    // The blend is a plain number on its input (a constant), not an option.
    blend_ = hasConstant(kInMakeUpBlend) ? finiteOr(inputs[kInMakeUpBlend][0], 0.75f) : 0.75f;
    shaper_.reset();
    lastIn_ = 0.0f;
    silent_ = true;
    stillFor_ = 0;
}

void QX_DSP_Soft_Limiter::Render(int offset, int count) {
    if (mode_ != kLimit) {
        QX_DSP_Level_Base::Render(offset, count);
        return;
    }
    if (entering_) { // from another mode: the filters start settled on the signal as it stands
        entering_ = false;
        const float k = gain(kInKnee, offset), g = gain(kInGain, offset) * in(kInSignal, offset);
        const float y = finiteOr(g, 0.0f);
        shaper_.settle(y, limit(y, gain(kInThreshold, offset), k * k * 0.1f));
    }
    compute(offset, count);
    stillFor_ = anyVarying() ? 0 : stillFor_ + count;
    if (stillFor_ < OversampledShaper::kSettle) return;
    // Asleep, the output holds exactly the knee's value of the resting input.
    float y = 0.0f;
    if (!silent_) {
        const float knee = limit(lastIn_, lastThreshold_, lastKnee_);
        shaper_.settle(lastIn_, knee);
        y = knee * lastMakeUp_;
    }
    std::fill(outputs[kOut], outputs[kOut] + bufferFloats(blockSize), y);
    sleepWatching(offset, count);
}

void QX_DSP_Soft_Limiter::HandleEvent(const EventRecord& e, int offset) {
    QX_DSP_Level_Base::HandleEvent(e, offset);
    stillFor_ = 0;
    if (e.port == kInMode) {
        if (e.intValue == kLimit && mode_ != kLimit) entering_ = true;
        mode_ = e.intValue;
    }
    if (e.port == kInMakeUpBlend) blend_ = finiteOr(e.floatValue, 0.75f);
}

float QX_DSP_Soft_Limiter::limit(float y, float threshold, float knee) {
    const float m = std::fabs(y);
    if (!(m > threshold)) return y;
    const float over = m - threshold;
    const float shaped = threshold + over / (over + 1.0f) * knee;
    return y < 0.0f ? -shaped : shaped;
}

float QX_DSP_Soft_Limiter::makeUp(float gain, float blend) {
    const float g = gain > 0.0f ? gain : 0.0f; // no square root of a negative gain
    const float d = std::sqrt(g) * (1.0f - blend) + blend;
    return d > 1e-6f ? 1.0f / d : 1.0f;
}

void QX_DSP_Soft_Limiter::compute(int offset, int count) {
    float* out = outputs[kOut];
    const bool silent = mode_ == kSilence || (inputs[kInOn] && in(kInOn, offset) == 0.0f);
    if (silent || (mode_ != kPassThrough && mode_ != kLimit)) {
        std::memset(out + offset, 0, sizeof(float) * static_cast<size_t>(count));
        if (!silent_) shaper_.reset(); // the knee starts again from silence
        silent_ = true;
        return;
    }
    if (mode_ == kPassThrough) {
        for (int i = offset; i < offset + count; ++i)
            out[i] = in(kInSignal, i);
        return;
    }
    silent_ = false;
    const float k = gain(kInKnee, offset); // 1 V when unwired
    const float knee = k * k * 0.1f;
    float lastGain = gain(kInGain, offset), m = makeUpOn_ ? makeUp(lastGain, blend_) : 1.0f;
    float sx[kMaxChunk], st[kMaxChunk], sg[kMaxChunk];
    const float *x = span(kInSignal, 0.0f, sx, offset, count),
                *threshold = span(kInThreshold, 1.0f, st, offset, count),
                *level = span(kInGain, 1.0f, sg, offset, count);
    // The knee runs oversampled on the gained signal. Its output is band-limited: where the
    // knee cuts a sharp corner (the ears of a saw's jump, a hard-driven edge) the result rings
    // past the curve's ceiling for a sample or two, as any band-limited corner does. A clamp
    // there would fold the cut-off harmonics back into the audible band.
    out += offset;
    for (int i = 0; i < count; ++i)
        out[i] = level[i] * x[i]; // shaped in place
    shaper_.process(out, out, count, KneeShape{threshold, knee});
    if (count > 0) {
        lastIn_ = finiteOr(level[count - 1] * x[count - 1], 0.0f);
        lastThreshold_ = threshold[count - 1];
        lastKnee_ = knee;
    }
    if (!makeUpOn_ || !varies(kInGain)) {
        for (int i = 0; i < count; ++i)
            out[i] *= m;
        lastMakeUp_ = m;
        return;
    }
    for (int i = 0; i < count; ++i) {
        const float g = level[i];
        if (g != lastGain) {
            lastGain = g;
            m = makeUp(g, blend_);
        }
        out[i] *= m;
    }
    lastMakeUp_ = m;
}

} // namespace tarlix
