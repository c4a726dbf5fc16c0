#include "dsp/equaliser.h"

#include <cmath>
#include <cstring>

#include "dsp/filter.h"
#include "engine/lookup_tables.h"
#include "engine/qx_dsp_vst.h"

namespace tarlix {

// ---- band coefficients ----------------------------------------------------------------------

QX_DSP_BiQuad_Coeff::QX_DSP_BiQuad_Coeff(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(5);
}

void QX_DSP_BiQuad_Coeff::Prepare() {
    tables_ = context->engine ? &context->engine->tables() : nullptr;
    design_ = wholeInput(3, kPeaking);
    active_ = wholeInput(6, 1) != 0;
    linear_ = wholeInput(7, 1) != 0;
    announced_ = -1;
    filled_ = false;
}

void QX_DSP_BiQuad_Coeff::HandleEvent(const EventRecord& e, int) {
    if (e.port == 3) design_ = e.intValue;
    if (e.port == 6) active_ = e.intValue != 0;
    if (e.port == 7) linear_ = e.intValue != 0;
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
    SendEvent(now, 5, 0, announced_, static_cast<float>(announced_), nullptr);
}

void QX_DSP_BiQuad_Coeff::Render(int offset, int count) {
    if (design_ != kPeaking || !active_ || !tables_) {
        if (!filled_) {
            for (int k = 0; k < 5; ++k)
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
    const bool gainOn = in(2, offset) != 0.0f || (inputSource[2] && !constant);
    announce(gainOn);
    if (constant && filled_) return;
    const bool whole = constant;
    const int from = whole ? 0 : offset, to = whole ? blockSize : offset + count;
    float c[5];
    for (int i = from; i < to; ++i) {
        const int at = whole ? offset : i;
        peaking(tanAt(in(0, at)), in(1, at), in(2, at), c);
        for (int k = 0; k < 5; ++k)
            outputs[k][i] = c[k];
    }
    for (int k = 0; k < 3; ++k)
        last_[k] = in(k, offset);
    filled_ = whole;
}

// ---- engine ---------------------------------------------------------------------------------

QX_DSP_BiQuad_Multi_Engine::QX_DSP_BiQuad_Multi_Engine(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    setAudioPorts({0});
    allocateOutputs(1);
}

void QX_DSP_BiQuad_Multi_Engine::Prepare() {
    enable_ = wholeInput(2, 1) != 0;
    position_ = wholeInput(3, 1) != 0;
    enable2_ = wholeInput(5, 1) != 0;
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
    case 2:
        enable_ = on;
        if (!on) Reset();
        break;
    case 3:
        position_ = on;
        if (!on) Reset();
        break;
    case 4:
        if (e.intValue > 0) Reset();
        break;
    case 5:
        enable2_ = on;
        if (!on) Reset();
        break;
    case 14:
    case 24:
    case 34:
    case 44:
    case 54: {
        const int b = e.port / 10 - 1;
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
        if (bandActive_[b] && inputs[9 + 10 * b]) return true;
    return false;
}

// Asleep in silence: an idle equaliser costs nothing.
void QX_DSP_BiQuad_Multi_Engine::Render(int offset, int count) {
    renderAudio(offset, count);
    clearWhenSilent(offset, count, blockSize);
}

void QX_DSP_BiQuad_Multi_Engine::renderAudio(int offset, int count) {
    float* out = outputs[0];
    const size_t bytes = sizeof(float) * static_cast<size_t>(count);
    if (!enable_ || !inputs[0]) {
        std::memset(out + offset, 0, bytes);
        return;
    }
    if (!filtering()) { // bit for bit what arrives
        for (int i = offset; i < offset + count; ++i)
            out[i] = in(0, i);
        return;
    }
    bool first = true;
    for (int b = 0; b < kBands; ++b) {
        if (!bandActive_[b] || !inputs[9 + 10 * b]) continue;
        const float *b0 = inputs[9 + 10 * b], *b1 = inputs[10 + 10 * b], *b2 = inputs[11 + 10 * b],
                    *a1 = inputs[12 + 10 * b], *a2 = inputs[13 + 10 * b];
        if (!b1 || !b2 || !a1 || !a2) continue;
        const float* c[5] = {b0, b1, b2, a1, a2};
        state_[b].run(first ? inputs[0] : out, out, offset, offset + count,
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
    setAudioPorts({0, 1});
    allocateOutputs(2);
}

void QX_DSP_BiQuad_Static::Prepare() {
    tables_ = context->engine ? &context->engine->tables() : nullptr;
    const int designPort[kFilters] = {5, 32, 42}, sectionPort[kFilters] = {6, 33, 43};
    for (int f = 0; f < kFilters; ++f) {
        filters_[f].design = wholeInput(designPort[f], 0);
        const int extra = wholeInput(sectionPort[f], 0);
        filters_[f].sections = extra < 0 ? 1 : (extra > 7 ? 8 : extra + 1);
    }
    linear_ = wholeInput(7, 1) != 0;
    enableA_ = wholeInput(9, 1) != 0;
    enableB_ = wholeInput(19, 0) != 0;
    active_ = wholeInput(10, 1) != 0;
    swap_ = wholeInput(20, 0) != 0;
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
    const int sections = i < 0 ? 1 : (i > 7 ? 8 : i + 1);
    switch (e.port) {
    case 5:
    case 32:
    case 42:
        filters_[e.port == 5 ? 0 : (e.port == 32 ? 1 : 2)].design = i;
        break;
    case 6:
    case 33:
    case 43:
        filters_[e.port == 6 ? 0 : (e.port == 33 ? 1 : 2)].sections = sections;
        break;
    case 7:
        linear_ = i != 0;
        break;
    case 9:
        enableA_ = i != 0;
        break;
    case 19:
        enableB_ = i != 0;
        break;
    case 10:
        active_ = i != 0;
        if (!active_) resetPending_ = true;
        break;
    case 11:
        if (i > 0) resetPending_ = true;
        break;
    case 20:
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
    const bool stereo = inputs[1] && inputSource[1];
    const int channels = stereo ? 2 : 1;
    const size_t bytes = sizeof(float) * static_cast<size_t>(count);
    if (resetPending_) Reset();
    float* out[2] = {outputs[swap_ && stereo ? 1 : 0], outputs[swap_ && stereo ? 0 : 1]};
    if (!enableA_ && !enableB_) {
        for (float* o : outputs)
            if (o) std::memset(o + offset, 0, bytes);
        return;
    }
    for (int c = 0; c < channels; ++c)
        for (int i = offset; i < offset + count; ++i)
            out[c][i] = in(c, i);
    if (!active_ || !tables_) return;
    for (int f = 0; f < kFilters; ++f) {
        Filter& flt = filters_[f];
        // Designs 1-4 are the low-passes A-D, 5 the high-pass; the others are not used.
        const int type = flt.design >= 1 && flt.design <= 4
                             ? flt.design
                             : (flt.design == 5 ? QX_DSP_Multi_Filter::kTypeHighPass : 0);
        if (type == 0) continue;
        const int k = kControls[f];
        biquadDesign(type, flt.sections, !linear_, *tables_, in(k, offset), in(k + 1, offset),
                     flt.c);
        for (int c = 0; c < channels; ++c)
            for (int n = 0; n < flt.sections; ++n) {
                BiquadSection& z = flt.state[n][c];
                z.run(out[c], out[c], offset, offset + count, [&](int, int k) { return flt.c[k]; });
                z.settle();
            }
    }
    for (int c = 0; c < channels; ++c)
        for (int i = offset; i < offset + count; ++i)
            if (!std::isfinite(out[c][i])) out[c][i] = 0.0f;
}

} // namespace tarlix
