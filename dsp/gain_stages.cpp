#include "dsp/gain_stages.h"

#include <cmath>
#include <cstring>
#include <xmmintrin.h>

namespace tarlix {

namespace {
// MixLaw::of for four controls at once, the same operations lane by lane (the held ends give
// exactly 0 and 1, as the scalar selection does).
struct MixLaw4 {
    __m128 a, b;
    static MixLaw4 of(int law, __m128 m) {
        const __m128 one = _mm_set1_ps(1.0f);
        const __m128 aboveTop = _mm_cmpgt_ps(m, _mm_set1_ps(0.5f));
        const __m128 aboveBottom = _mm_cmpgt_ps(m, _mm_set1_ps(-0.5f));
        const __m128 inside = _mm_and_ps(aboveBottom, _mm_add_ps(m, _mm_set1_ps(0.5f)));
        const __m128 q = _mm_or_ps(_mm_and_ps(aboveTop, one), _mm_andnot_ps(aboveTop, inside));
        const __m128 rest = _mm_sub_ps(one, q);
        if (law == MixLaw::kCentreCompensated) {
            const __m128 w = _mm_mul_ps(q, rest);
            return {_mm_add_ps(rest, w), _mm_add_ps(q, w)};
        }
        return {rest, q};
    }
};
} // namespace

// ---- fade-in --------------------------------------------------------------------------------

QX_DSP_FadeIn::QX_DSP_FadeIn(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(2);
}

void QX_DSP_FadeIn::Prepare() {
    gain_ = 1.0f;
    position_ = length_ = 0.0;
    enabled_ = true;
    settle_.stop();
}

void QX_DSP_FadeIn::HandleEvent(const EventRecord& e, int) {
    settle_.stop();
    switch (e.port) {
    case kInGate: {
        if (e.intValue == 0 || !enabled_) return;
        const float volts = inputs[kInTime] ? finiteOr(in(kInTime, 0), 0.0f) : fadeVolts_;
        // 0.1 V per millisecond: the ramp lasts volts x rate x 0.01 samples.
        const double samples = static_cast<double>(volts) * sampleRate() * 0.01;
        position_ = 0.0;
        length_ = samples >= 1.0 ? samples : 0.0;
        gain_ = samples >= 1.0 ? 0.0f : 1.0f;
        return;
    }
    case kInTime:
        fadeVolts_ = finiteOr(e.floatValue, 0.0f);
        return;
    case kInOn:
        enabled_ = e.intValue != 0;
        return;
    default:
        return;
    }
}

void QX_DSP_FadeIn::Render(int offset, int count) {
    const bool stereo = inputs[kInRight] != nullptr;
    for (int c = 0; c < (stereo ? 2 : 1); ++c) {
        float* out = outputs[c];
        if (!enabled_) {
            std::memset(out + offset, 0, sizeof(float) * static_cast<size_t>(count));
            continue;
        }
        double at = position_;
        float g = gain_;
        const float* src = inputs[kInLeft + c];
        if (g >= 1.0f && src && inputSource[kInLeft + c]) {
            // Faded in: a plain product that vectorises.
            for (int i = offset; i < offset + count; ++i)
                out[i] = src[i] * g;
            continue;
        }
        for (int i = offset; i < offset + count; ++i) {
            out[i] = in(kInLeft + c, i) * g;
            if (g < 1.0f) {
                at += 1.0;
                g = at >= length_ ? 1.0f : static_cast<float>(at / length_);
            }
        }
        if (c == (stereo ? 1 : 0)) {
            gain_ = g;
            position_ = at;
        }
    }
    const bool constant =
        !enabled_ || (!inputSource[kInLeft] && !(stereo && inputSource[kInRight]));
    if (!constant || gain_ < 1.0f) return;
    if (!settle_.active()) settle_.start(blockSize);
    if (settle_.advance(offset, count, blockSize)) Sleep(offset, count);
}

// ---- panner ---------------------------------------------------------------------------------

void QX_DSP_Panner::Prepare() {
    QX_DSP_Level_Base::Prepare();
    law_ = 0;
    squared_ = false;
}

void QX_DSP_Panner::HandleEvent(const EventRecord& e, int offset) {
    QX_DSP_Level_Base::HandleEvent(e, offset);
    if (e.port == kInLaw) law_ = e.intValue;
    if (e.port == kInSquared) squared_ = e.intValue != 0;
}

void QX_DSP_Panner::compute(int offset, int count) {
    float sx[kMaxChunk], sp[kMaxChunk], sl[kMaxChunk];
    const float *x = span(kInSignal, 0.0f, sx, offset, count),
                *pan = span(kInPan, 0.0f, sp, offset, count),
                *level = span(kInLevel, 1.0f, sl, offset, count);
    float *left = outputs[kOutLeft] + offset, *right = outputs[kOutRight] + offset;
    const bool squared = squared_;
    const int law = law_;
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128 l = _mm_loadu_ps(level + i);
        const __m128 v = squared ? _mm_mul_ps(l, l) : l;
        const MixLaw4 g = MixLaw4::of(law, _mm_loadu_ps(pan + i));
        const __m128 y = _mm_mul_ps(_mm_loadu_ps(x + i), v);
        _mm_storeu_ps(left + i, _mm_mul_ps(y, g.a));
        _mm_storeu_ps(right + i, _mm_mul_ps(y, g.b));
    }
    for (; i < count; ++i) {
        const float v = squared ? level[i] * level[i] : level[i];
        const MixLaw g = MixLaw::of(law, pan[i]);
        const float y = x[i] * v;
        left[i] = y * g.a;
        right[i] = y * g.b;
    }
}

// ---- cross-mixes ----------------------------------------------------------------------------

void QX_DSP_XMix::Prepare() {
    QX_DSP_Level_Base::Prepare();
    law_ = 0;
}

void QX_DSP_XMix::HandleEvent(const EventRecord& e, int offset) {
    QX_DSP_Level_Base::HandleEvent(e, offset);
    if (e.port == kInLaw) law_ = e.intValue;
}

void QX_DSP_XMix::compute(int offset, int count) {
    float sa[kMaxChunk], sb[kMaxChunk], sm[kMaxChunk];
    const float *a = span(kInA, 0.0f, sa, offset, count), *b = span(kInB, 0.0f, sb, offset, count),
                *mix = span(kInMix, 0.0f, sm, offset, count);
    float* out = outputs[kOut] + offset;
    const int law = law_;
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const MixLaw4 g = MixLaw4::of(law, _mm_loadu_ps(mix + i));
        _mm_storeu_ps(out + i, _mm_add_ps(_mm_mul_ps(_mm_loadu_ps(a + i), g.a),
                                          _mm_mul_ps(_mm_loadu_ps(b + i), g.b)));
    }
    for (; i < count; ++i) {
        const MixLaw g = MixLaw::of(law, mix[i]);
        out[i] = a[i] * g.a + b[i] * g.b;
    }
}

void QX_DSP_XMixVol::Prepare() {
    QX_DSP_XMix::Prepare();
    squared_ = volumeOnBOnly_ = false;
    enabled_ = true;
}

void QX_DSP_XMixVol::HandleEvent(const EventRecord& e, int offset) {
    QX_DSP_XMix::HandleEvent(e, offset);
    if (e.port == kInSquared) squared_ = e.intValue == 1;
    if (e.port == kInOn) enabled_ = e.intValue != 0;
    if (e.port == kInVolumeOnBOnly) volumeOnBOnly_ = e.intValue != 0;
}

void QX_DSP_XMixVol::compute(int offset, int count) {
    float* out = outputs[kOut];
    if (!enabled_) {
        std::memset(out + offset, 0, sizeof(float) * static_cast<size_t>(count));
        return;
    }
    float sa[kMaxChunk], sb[kMaxChunk], sm[kMaxChunk], sv[kMaxChunk];
    const float *x = span(kInA, 0.0f, sa, offset, count), *y = span(kInB, 0.0f, sb, offset, count),
                *mix = span(kInMix, 0.0f, sm, offset, count),
                *volume = span(kInVolume, 1.0f, sv, offset, count);
    const bool squared = squared_, onBOnly = volumeOnBOnly_;
    const int law = law_;
    out += offset;
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128 u = _mm_loadu_ps(volume + i);
        const __m128 v = squared ? _mm_mul_ps(u, u) : u;
        const MixLaw4 g = MixLaw4::of(law, _mm_loadu_ps(mix + i));
        const __m128 a = _mm_mul_ps(_mm_loadu_ps(x + i), g.a),
                     b = _mm_mul_ps(_mm_loadu_ps(y + i), g.b);
        _mm_storeu_ps(out + i,
                      onBOnly ? _mm_add_ps(a, _mm_mul_ps(b, v)) : _mm_mul_ps(_mm_add_ps(a, b), v));
    }
    for (; i < count; ++i) {
        const float v = squared ? volume[i] * volume[i] : volume[i];
        const MixLaw g = MixLaw::of(law, mix[i]);
        const float a = x[i] * g.a, b = y[i] * g.b;
        out[i] = onBOnly ? a + b * v : (a + b) * v;
    }
}

// ---- stereo level ---------------------------------------------------------------------------

void QX_DSP_ST_Level::Prepare() {
    QX_DSP_Level_Base::Prepare();
    squared_ = bypass_ = false;
    enabled_ = true;
}

void QX_DSP_ST_Level::HandleEvent(const EventRecord& e, int offset) {
    QX_DSP_Level_Base::HandleEvent(e, offset);
    if (e.port == kInSquared) squared_ = e.intValue != 0;
    if (e.port == kInOn) enabled_ = e.intValue != 0;
    if (e.port == kInBypass) bypass_ = e.intValue != 0;
}

void QX_DSP_ST_Level::compute(int offset, int count) {
    float sl[kMaxChunk], sr[kMaxChunk], sg[kMaxChunk];
    const float *l = span(kInLeft, 0.0f, sl, offset, count),
                *r = span(kInRight, 0.0f, sr, offset, count),
                *g = span(kInLevel, 1.0f, sg, offset, count);
    const bool bypass = bypass_, enabled = enabled_, squared = squared_ && !bypass_;
    float *left = outputs[kOutLeft] + offset, *right = outputs[kOutRight] + offset;
    for (int i = 0; i < count; ++i) {
        float level = bypass ? 1.0f : (enabled ? g[i] : 0.0f);
        if (squared) level *= level;
        left[i] = l[i] * level;
        right[i] = r[i] * level;
    }
}

} // namespace tarlix
