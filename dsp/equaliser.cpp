#include "dsp/equaliser.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "dsp/filter.h"
#include "dsp/module_host.h"

namespace tarlix {

// ---- band coefficients ----------------------------------------------------------------------

QX_DSP_BiQuad_Coeff::QX_DSP_BiQuad_Coeff(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(5);
}

void QX_DSP_BiQuad_Coeff::Prepare() {
    tables_ = context->host ? &context->host->tables() : nullptr;
    design_ = wholeInput(kInDesign, kPeaking);
    active_ = wholeInput(kInActive, 1) != 0;
    linear_ = wholeInput(kInLinear, 1) != 0;
    announced_ = -1;
    filled_ = false;
}

void QX_DSP_BiQuad_Coeff::HandleEvent(const EventRecord& e, int) {
    if (e.port == kInDesign) design_ = e.intValue;
    if (e.port == kInActive) active_ = e.intValue != 0;
    if (e.port == kInLinear) linear_ = e.intValue != 0;
    filled_ = false;
}

void QX_DSP_BiQuad_Coeff::peaking(float K, float width, float gain, float* c) {
    // The width arrives as the knob's engine value (1..10): a tenth of it keeps Q within
    // 0.011..10, where the band stays audible.
    const float W = width * 0.1f;
    const float Q = W * W * W * W * 10.0f + 0.01f;
    const float a = K / Q;
    // g = G + 0.5 within 0..1: beyond it the band's poles leave the unit circle.
    float g = gain + 0.5f;
    g = g > 0.0f ? (g < 1.0f ? g : 1.0f) : 0.0f;
    const float K2 = K * K;
    const float n = 1.0f / ((1.001f - g) * a + 1.0f + K2);
    c[0] = (g * a + K2 + 1.0f) * n;
    c[1] = c[3] = 2.0f * (K2 - 1.0f) * n;
    c[2] = (K2 + 1.0f - g * a) * n;
    c[4] = (K2 + 1.0f - (1.001f - g) * a) * n;
}

float QX_DSP_BiQuad_Coeff::tanAt(float volts) const {
    float index;
    if (linear_) {
        // The control is fc / 10 Hz; held below 0.49 of the rate (tan(pi/2) lies at the end).
        const float rate = static_cast<float>(tables_->rate);
        float fc = volts * 10.0f;
        fc = fc > 0.0f ? (fc < 0.49f * rate ? fc : 0.49f * rate) : 0.0f;
        index = fc * 4096.0f / rate;
    } else {
        index = (volts + 1.0f) * 890.43475f;
    }
    index = index > 0.0f ? (index < 2047.999f ? index : 2047.999f) : 0.0f;
    const float* t = linear_ ? tables_->circleTan : tables_->filterTan;
    const int i = static_cast<int>(index);
    return t[i] + (t[i + 1] - t[i]) * (index - static_cast<float>(i));
}

void QX_DSP_BiQuad_Coeff::announce(bool active) {
    if (announced_ == (active ? 1 : 0)) return;
    announced_ = active ? 1 : 0;
    SendEvent(now, kOutBandActive, 0, announced_, static_cast<float>(announced_), nullptr);
}

void QX_DSP_BiQuad_Coeff::Render(int offset, int count) {
    if (design_ != kPeaking || !active_ || !tables_) {
        if (!filled_) {
            for (int k = kOutCoefficients; k < kOutCoefficients + kCoefficients; ++k)
                std::memset(outputs[k], 0, sizeof(float) * static_cast<size_t>(blockSize));
            filled_ = true;
        }
        announce(false);
        return;
    }
    // Constant controls: one set fills the whole block and is kept until they change.
    bool constant = true;
    for (int k = 0; k < 3 && constant; ++k) {
        if (in(k, offset) != last_[k]) constant = false;
        if (inputSource[k])
            for (int i = offset + 1; i < offset + count && constant; ++i)
                constant = inputs[k][i] == inputs[k][offset];
    }
    // The band is on while its gain is not 0 dB or may move. Judged at a call's start from the
    // gain there and whether its source is running (counted in grid cells), not from the rest
    // of the call, and kept across a host's cut: it switches at the same samples whatever
    // blocks the host cuts.
    if (!continuesCall())
        announce(in(kInGain, offset) != 0.0f || (inputSource[kInGain] && sourceVaries(kInGain)));
    if (constant && filled_) return;
    const bool whole = constant;
    const int from = whole ? 0 : offset, to = whole ? blockSize : offset + count;
    float c[kCoefficients];
    for (int i = from; i < to; ++i) {
        const int at = whole ? offset : i;
        peaking(tanAt(in(kInFrequency, at)), in(kInWidth, at), in(kInGain, at), c);
        for (int k = 0; k < kCoefficients; ++k)
            outputs[kOutCoefficients + k][i] = c[k];
    }
    for (int k = 0; k < 3; ++k)
        last_[k] = in(k, offset);
    filled_ = whole;
}

// ---- engine ---------------------------------------------------------------------------------

QX_DSP_BiQuad_Multi_Engine::QX_DSP_BiQuad_Multi_Engine(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    setAudioPorts({kInSignal});
    allocateOutputs(1);
}

void QX_DSP_BiQuad_Multi_Engine::Prepare() {
    enable_ = wholeInput(kInEnable, 1) != 0;
    position_ = wholeInput(kInPosition, 1) != 0;
    enable2_ = wholeInput(kInEnable2, 1) != 0;
    for (bool& a : bandActive_)
        a = false;
    Reset();
}

void QX_DSP_BiQuad_Multi_Engine::Reset() {
    for (BiquadSection& b : state_)
        b = BiquadSection{};
}

void QX_DSP_BiQuad_Multi_Engine::HandleEvent(const EventRecord& e, int) {
    const bool on = e.intValue != 0;
    switch (e.port) {
    case kInEnable:
        enable_ = on;
        if (!on) Reset();
        break;
    case kInPosition:
        position_ = on;
        if (!on) Reset();
        break;
    case kInReset:
        if (e.intValue > 0) Reset();
        break;
    case kInEnable2:
        enable2_ = on;
        if (!on) Reset();
        break;
    case kInBandActive:
    case kInBandActive + kBandStride:
    case kInBandActive + 2 * kBandStride:
    case kInBandActive + 3 * kBandStride:
    case kInBandActive + 4 * kBandStride: {
        const int b = (e.port - kInBandActive) / kBandStride;
        bandActive_[b] = on;
        if (!on) state_[b] = BiquadSection{};
        break;
    }
    default:
        break;
    }
}

bool QX_DSP_BiQuad_Multi_Engine::filtering() const {
    if (!position_ || !enable2_) return false;
    for (int b = 0; b < kBands; ++b)
        if (bandActive_[b] && inputs[kInBand + kBandStride * b]) return true;
    return false;
}

// Asleep in silence: an idle equaliser costs nothing.
void QX_DSP_BiQuad_Multi_Engine::Render(int offset, int count) {
    renderAudio(offset, count);
    clearWhenSilent(offset, count, blockSize);
}

void QX_DSP_BiQuad_Multi_Engine::renderAudio(int offset, int count) {
    float* out = outputs[kOut];
    const size_t bytes = sizeof(float) * static_cast<size_t>(count);
    if (!enable_ || !inputs[kInSignal]) {
        std::memset(out + offset, 0, bytes);
        return;
    }
    if (!filtering()) { // bit for bit what arrives
        for (int i = offset; i < offset + count; ++i)
            out[i] = in(kInSignal, i);
        return;
    }
    bool first = true;
    for (int b = 0; b < kBands; ++b) {
        const int port = kInBand + kBandStride * b;
        if (!bandActive_[b] || !inputs[port]) continue;
        const float *b0 = inputs[port], *b1 = inputs[port + 1], *b2 = inputs[port + 2],
                    *a1 = inputs[port + 3], *a2 = inputs[port + 4];
        if (!b1 || !b2 || !a1 || !a2) continue;
        const float* c[5] = {b0, b1, b2, a1, a2};
        state_[b].run(first ? inputs[kInSignal] : out, out, offset, offset + count,
                      [&](int i, int k) { return c[k][i]; });
        state_[b].settle();
        first = false;
    }
    for (int i = offset; i < offset + count; ++i)
        if (!std::isfinite(out[i])) out[i] = 0.0f;
}

// ---- static filters -------------------------------------------------------------------------

QX_DSP_BiQuad_Static::QX_DSP_BiQuad_Static(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    setAudioPorts({kInLeft, kInRight});
    allocateOutputs(2);
}

void QX_DSP_BiQuad_Static::Prepare() {
    tables_ = context->host ? &context->host->tables() : nullptr;
    const int designPort[kFilters] = {kInDesign1, kInDesign2, kInDesign3},
              sectionPort[kFilters] = {kInSections1, kInSections2, kInSections3};
    for (int f = 0; f < kFilters; ++f) {
        filters_[f].design = wholeInput(designPort[f], 0);
        const int extra = wholeInput(sectionPort[f], 0);
        filters_[f].sections = extra < 0 ? 1 : (extra >= kMaxSections ? kMaxSections : extra + 1);
    }
    linear_ = wholeInput(kInLinear, 1) != 0;
    enableA_ = wholeInput(kInEnableA, 1) != 0;
    enableB_ = wholeInput(kInEnableB, 0) != 0;
    active_ = wholeInput(kInActive, 1) != 0;
    swap_ = wholeInput(kInSwap, 0) != 0;
    Reset();
}

void QX_DSP_BiQuad_Static::Reset() {
    for (Filter& f : filters_)
        for (auto& sections : f.state)
            for (BiquadSection& b : sections)
                b = BiquadSection{};
    resetPending_ = false;
}

void QX_DSP_BiQuad_Static::HandleEvent(const EventRecord& e, int) {
    const int i = e.intValue;
    const int sections = i < 0 ? 1 : (i >= kMaxSections ? kMaxSections : i + 1);
    switch (e.port) {
    case kInDesign1:
    case kInDesign2:
    case kInDesign3:
        filters_[e.port == kInDesign1 ? 0 : (e.port == kInDesign2 ? 1 : 2)].design = i;
        break;
    case kInSections1:
    case kInSections2:
    case kInSections3:
        filters_[e.port == kInSections1 ? 0 : (e.port == kInSections2 ? 1 : 2)].sections = sections;
        break;
    case kInLinear:
        linear_ = i != 0;
        break;
    case kInEnableA:
        enableA_ = i != 0;
        break;
    case kInEnableB:
        enableB_ = i != 0;
        break;
    case kInActive:
        active_ = i != 0;
        if (!active_) resetPending_ = true;
        break;
    case kInReset:
        if (i > 0) resetPending_ = true;
        break;
    case kInSwap:
        swap_ = i != 0;
        break;
    default:
        break;
    }
}

// Asleep in silence once its memory has emptied: an idle echo or chorus costs nothing.
void QX_DSP_BiQuad_Static::Render(int offset, int count) {
    renderAudio(offset, count);
    clearWhenSilent(offset, count, blockSize);
}

void QX_DSP_BiQuad_Static::renderAudio(int offset, int count) {
    const bool stereo = inputs[kInRight] && inputSource[kInRight];
    const int channels = stereo ? 2 : 1;
    const size_t bytes = sizeof(float) * static_cast<size_t>(count);
    if (resetPending_) Reset();
    float* out[2] = {outputs[swap_ && stereo ? kOutRight : kOutLeft],
                     outputs[swap_ && stereo ? kOutLeft : kOutRight]};
    // Each filter is designed from its controls at a call's first sample; a call that only goes
    // on past a host's cut keeps the design of the call before.
    const bool keep = continuesCall();
    if (!enableA_ && !enableB_) {
        for (float* o : outputs)
            if (o) std::memset(o + offset, 0, bytes);
        for (Filter& flt : filters_)
            flt.designed = false;
        return;
    }
    for (int c = 0; c < channels; ++c) {
        const float* src = inputs[kInLeft + c];
        if (src && inputSource[kInLeft + c]) {
            std::memcpy(out[c] + offset, src + offset, bytes);
        } else {
            const float v = src ? src[0] : 0.0f;
            std::fill(out[c] + offset, out[c] + offset + count, v);
        }
    }
    if (!active_ || !tables_) {
        for (Filter& flt : filters_)
            flt.designed = false;
        return;
    }
    for (int f = 0; f < kFilters; ++f) {
        Filter& flt = filters_[f];
        // The other designs are not used.
        using F = QX_DSP_Multi_Filter;
        const int type = flt.design >= F::kTypeLowPassA && flt.design <= F::kTypeLowPassD
                             ? flt.design
                             : (flt.design == kDesignHighPass ? F::kTypeHighPass : 0);
        if (type == 0) {
            flt.designed = false;
            continue;
        }
        const int k = kControls[f];
        if (!keep || !flt.designed)
            biquadDesign(type, flt.sections, !linear_, *tables_, in(k, offset), in(k + 1, offset),
                         flt.c);
        flt.designed = true;
        const float held[5] = {flt.c[0], flt.c[1], flt.c[2], flt.c[3], flt.c[4]};
        const auto coefficient = [&held](int, int k) { return held[k]; };
        if (channels == 2) {
            // Left and right side by side, section by section: the same sums per channel.
            for (int n = 0; n < flt.sections; ++n) {
                BiquadSection &l = flt.state[n][0], &r = flt.state[n][1];
                BiquadSection::runStereo(l, r, out[0], out[0], out[1], out[1], offset,
                                         offset + count, coefficient);
                l.settle();
                r.settle();
            }
            continue;
        }
        for (int n = 0; n < flt.sections; ++n) {
            BiquadSection& z = flt.state[n][0];
            z.run(out[0], out[0], offset, offset + count, coefficient);
            z.settle();
        }
    }
    for (int c = 0; c < channels; ++c)
        for (int i = offset; i < offset + count; ++i)
            if (!std::isfinite(out[c][i])) out[c][i] = 0.0f;
}

} // namespace tarlix
