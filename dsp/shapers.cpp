#include "dsp/shapers.h"

#include <cmath>
#include <cstring>

namespace tarlix {

// ---- saturation -----------------------------------------------------------------------------

QX_DSP_Saturation::QX_DSP_Saturation(ModuleContext* context, bool createdHeld)
    : QX_DSP_Level_Base(context, createdHeld, 2) {}

void QX_DSP_Saturation::Prepare() {
    QX_DSP_Level_Base::Prepare();
    curve_ = wholeInput(4, 1);
    amountInput_ = wholeInput(6, 0) != 0 ? 5 : 3;
    enabled_ = wholeInput(9, 1) != 0;
    copyWhenOff_ = wholeInput(10, 0) != 0;
}

void QX_DSP_Saturation::HandleEvent(const EventRecord& e, int offset) {
    QX_DSP_Level_Base::HandleEvent(e, offset);
    switch (e.port) {
    case 4:
        curve_ = e.intValue;
        break;
    case 6:
        amountInput_ = e.intValue != 0 ? 5 : 3;
        break;
    case 9:
        enabled_ = e.intValue != 0;
        break;
    case 10:
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
    const bool stereo = inputs[1] != nullptr;
    const size_t bytes = sizeof(float) * static_cast<size_t>(count);
    for (int c = 0; c < (stereo ? 2 : 1); ++c) {
        float* out = outputs[c];
        if (!enabled_) {
            if (copyWhenOff_)
                for (int i = offset; i < offset + count; ++i)
                    out[i] = in(c, i);
            else
                std::memset(out + offset, 0, bytes);
            continue;
        }
        if (curve_ != 5) { // the only curve the instrument selects; others pass the signal
            for (int i = offset; i < offset + count; ++i)
                out[i] = in(c, i);
            continue;
        }
        float sx[kMaxChunk], sg[kMaxChunk], sa[kMaxChunk];
        const float *x = span(c, 0.0f, sx, offset, count),
                    *drive = span(2, 1.0f, sg, offset, count),
                    *amount = span(amountInput_, 0.0f, sa, offset, count);
        for (int i = 0; i < count; ++i)
            out[offset + i] = curve(x[i], drive[i], amount[i]);
    }
}

// ---- soft limiter ---------------------------------------------------------------------------

QX_DSP_Soft_Limiter::QX_DSP_Soft_Limiter(ModuleContext* context, bool createdHeld)
    : QX_DSP_Level_Base(context, createdHeld, 1) {}

void QX_DSP_Soft_Limiter::Prepare() {
    QX_DSP_Level_Base::Prepare();
    mode_ = wholeInput(5, kLimit);
    makeUpOn_ = inputs[19] != nullptr || inputSource[19] != nullptr;
    // The blend is a plain number on its input (a constant), not an option.
    blend_ = hasConstant(20) ? finiteOr(inputs[20][0], 0.75f) : 0.75f;
}

void QX_DSP_Soft_Limiter::HandleEvent(const EventRecord& e, int offset) {
    QX_DSP_Level_Base::HandleEvent(e, offset);
    if (e.port == 5) mode_ = e.intValue;
    if (e.port == 20) blend_ = finiteOr(e.floatValue, 0.75f);
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
    float* out = outputs[0];
    const bool silent = mode_ == kSilence || (inputs[4] && in(4, offset) == 0.0f);
    if (silent || (mode_ != kPassThrough && mode_ != kLimit)) {
        std::memset(out + offset, 0, sizeof(float) * static_cast<size_t>(count));
        return;
    }
    if (mode_ == kPassThrough) {
        for (int i = offset; i < offset + count; ++i)
            out[i] = in(0, i);
        return;
    }
    const float k = gain(3, offset); // 1 V when unwired
    const float knee = k * k * 0.1f;
    float lastGain = gain(2, offset), m = makeUpOn_ ? makeUp(lastGain, blend_) : 1.0f;
    float sx[kMaxChunk], st[kMaxChunk], sg[kMaxChunk];
    const float *x = span(0, 0.0f, sx, offset, count),
                *threshold = span(1, 1.0f, st, offset, count),
                *level = span(2, 1.0f, sg, offset, count);
    if (!makeUpOn_ || !varies(2)) {
        for (int i = 0; i < count; ++i)
            out[offset + i] = limit(level[i] * x[i], threshold[i], knee) * m;
        return;
    }
    for (int i = 0; i < count; ++i) {
        const float g = level[i];
        if (g != lastGain) {
            lastGain = g;
            m = makeUp(g, blend_);
        }
        out[offset + i] = limit(g * x[i], threshold[i], knee) * m;
    }
}

} // namespace tarlix
