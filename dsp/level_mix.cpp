#include "dsp/level_mix.h"

#include <cmath>
#include <cstring>

#include "common/portable_math.h"
#include "engine/qx_dsp_vst.h"

namespace tarlix {

// ---- the audio-rate base ----------------------------------------------------------------------

QX_DSP_Level_Base::QX_DSP_Level_Base(ModuleContext* context, bool createdHeld, int outputCount)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(outputCount);
}

// The wiring is fixed once the graph is built, so whether a buffer feeds this stage is known
// from Prepare on.
void QX_DSP_Level_Base::Prepare() {
    fedCount_ = 0;
    for (int k = 0; k < kModulePorts; ++k)
        if (varies(k)) fed_[fedCount_++] = static_cast<uint8_t>(k);
}

void QX_DSP_Level_Base::Render(int offset, int count) {
    compute(offset, count);
    // Quiet for a whole block first: a note's faint first samples must not put it back to sleep.
    if (silentWithAudio_ && quietLongerThan(offset, count, blockSize)) {
        settle_.stop();
        sleepQuiet();
        return;
    }
    if (anyVarying()) {
        settle_.stop();
        return;
    }
    if (!settle_.active()) settle_.start(blockSize);
    if (settle_.advance(count)) sleepWatching(offset, count);
}

// ---- modulation summer ----------------------------------------------------------------------

QX_DSP_Adder::QX_DSP_Adder(ModuleContext* context, bool createdHeld)
    : QX_DSP_Level_Base(context, createdHeld, 1) {}

int QX_DSP_Adder::whole(int k) const {
    if (!inputs[k]) return k >= 20 && k < 56 ? receivedWhole_[k - 20] : 0;
    return wholeInput(k, 0);
}

// Which sources count for this destination: those whose target selector names its id.
void QX_DSP_Adder::evaluate() {
    stale_ = false;
    constant_ = offset(56) + offset(57) + offset(58);
    listLength_ = 0;
    for (int k = 0; k < 16; ++k) {
        if (!inputs[k] || whole(20 + k) != whole(40 + k)) continue;
        if (varies(k))
            list_[listLength_++] = k;
        else
            constant_ += in(k, 0);
    }
    clamped_ = inputs[59] || inputs[60];
    on_ = !inputs[61] || in(61, 0) != 0.0f;
}

void QX_DSP_Adder::HandleEvent(const EventRecord& e, int offset) {
    QX_DSP_Level_Base::HandleEvent(e, offset);
    if (e.port >= 56 && e.port <= 58) received_[e.port - 56] = finiteOr(e.floatValue, 0.0f);
    if (e.port >= 20 && e.port < 56) receivedWhole_[e.port - 20] = e.intValue;
    stale_ = true; // a program load sends dozens of events: choose the sources once, after them
}

void QX_DSP_Adder::compute(int offset, int count) {
    if (stale_) evaluate();
    float* out = outputs[0];
    if (!on_) {
        std::memset(out + offset, 0, sizeof(float) * static_cast<size_t>(count));
        return;
    }
    // A sleeping source holds a constant buffer: add it once, not per sample.
    float base = constant_;
    const float* live[16];
    int n = 0;
    for (int j = 0; j < listLength_; ++j) {
        const int k = list_[j];
        const QX_ModuleBase* source = inputSource[k];
        if (source && (source->status() & kStatusAsleep))
            base += inputs[k][offset];
        else
            live[n++] = inputs[k];
    }
    // Source by source over the whole chunk, in the same order as a per-sample sum, so each
    // pass is a plain vector loop.
    float* __restrict dst = out + offset;
    if (n == 0) {
        for (int i = 0; i < count; ++i)
            dst[i] = base;
    } else {
        const float* first = live[0] + offset;
        for (int i = 0; i < count; ++i)
            dst[i] = base + first[i];
        for (int m = 1; m < n; ++m) {
            const float* src = live[m] + offset;
            for (int i = 0; i < count; ++i)
                dst[i] += src[i];
        }
    }
    if (!clamped_) return;
    const float lo = inputs[59] ? in(59, 0) : -1000.0f, hi = inputs[60] ? in(60, 0) : 1000.0f;
    for (int i = 0; i < count; ++i) {
        const float v = dst[i], top = v > hi ? hi : v;
        dst[i] = v < lo ? lo : top;
    }
}

// ---- level and mix stages -------------------------------------------------------------------

void QX_DSP_Level_ABxC::compute(int offset, int count) {
    float sa[kMaxChunk], sb[kMaxChunk], sc[kMaxChunk];
    const float *a = span(0, 0.0f, sa, offset, count), *b = span(1, 0.0f, sb, offset, count),
                *c = span(2, 1.0f, sc, offset, count);
    float* out = outputs[0] + offset;
    for (int i = 0; i < count; ++i)
        out[i] = (a[i] + b[i]) * c[i];
}

void QX_DSP_Level_ABxCxD::compute(int offset, int count) {
    float sa[kMaxChunk], sb[kMaxChunk], sc[kMaxChunk], sd[kMaxChunk];
    const float *a = span(0, 0.0f, sa, offset, count), *b = span(1, 0.0f, sb, offset, count),
                *c = span(2, 1.0f, sc, offset, count), *d = span(3, 1.0f, sd, offset, count);
    float* out = outputs[0] + offset;
    for (int i = 0; i < count; ++i)
        out[i] = (a[i] + b[i]) * c[i] * d[i];
}

void QX_DSP_Level_AxB_CD::compute(int offset, int count) {
    float sa[kMaxChunk], sb[kMaxChunk], sc[kMaxChunk], sd[kMaxChunk];
    const float *a = span(0, 0.0f, sa, offset, count), *b = span(1, 1.0f, sb, offset, count),
                *c = span(2, 0.0f, sc, offset, count), *d = span(3, 0.0f, sd, offset, count);
    float* out = outputs[0] + offset;
    for (int i = 0; i < count; ++i)
        out[i] = a[i] * b[i] + c[i] + d[i];
}

void QX_DSP_Dual_Level::compute(int offset, int count) {
    float sa[kMaxChunk], sb[kMaxChunk], sc[kMaxChunk], sd[kMaxChunk];
    const float *x = span(0, 0.0f, sa, offset, count), *y = span(1, 0.0f, sb, offset, count),
                *gx = span(2, 1.0f, sc, offset, count), *gy = span(3, 1.0f, sd, offset, count);
    float *outA = outputs[0] + offset, *outB = outputs[1] + offset, *sum = outputs[2] + offset;
    for (int i = 0; i < count; ++i) {
        const float a = x[i] * gx[i], b = y[i] * gy[i];
        outA[i] = a;
        outB[i] = b;
        sum[i] = a + b;
    }
}

void QX_DSP_Level_FX_BUS::compute(int offset, int count) {
    const bool external = inputs[9] && in(9, 0) != 0.0f;
    for (int i = offset; i < offset + count; ++i) {
        float l = in(0, i), r = in(1, i);
        if (external) {
            float level = inputs[4] ? in(4, i) : 1.0f;
            float g = level * level;
            l += in(2, i) * g;
            r += in(3, i) * g;
        }
        outputs[0][i] = l;
        outputs[1][i] = r;
        outputs[2][i] = (l + r) * 0.5f;
    }
}

// Band gain of a dB value x 0.1. The final sine keeps |G| below 0.5: without it +18 dB would
// give G = 2.8 and an unstable band, and -18 dB an inverted boost instead of a cut.
float QX_DSP_FdB_to_VFGain::gainOf(float v) {
    const float u = v * 1.77f;
    const float s = u * 0.23529412f;
    const float y = (1.0f - s * s * 0.2014218f) * u;
    return static_cast<float>(pmath::sin(y * 0.3183098861837907f)) * 0.5f;
}

void QX_DSP_FdB_to_VFGain::compute(int offset, int count) {
    // The new gain is reached at the end of the chunk, in equal steps from the old one.
    float target = gainOf(in(0, offset + count - 1));
    if (!std::isfinite(target)) target = 0.0f;
    if (!started_) {
        gain_ = target;
        started_ = true;
    }
    moving_ = target != gain_;
    float step = (target - gain_) / static_cast<float>(count);
    for (int i = offset; i < offset + count; ++i) {
        gain_ += step;
        outputs[0][i] = gain_;
    }
    gain_ = target;
}

// ---- sources of values ----------------------------------------------------------------------

QX_DSP_Host_AudioIn::QX_DSP_Host_AudioIn(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    // The engine copies the host's input into these rings every chunk.
    if (context->engine)
        for (int c = 0; c < 2; ++c)
            outputs[c] = const_cast<float*>(context->engine->audioInputRing(c));
}

void QX_DSP_Host_AudioIn::Prepare() {
    for (int c = 0; c < 2; ++c)
        SendEvent(now, c, 1, 0, 0.0f, nullptr); // always varying
}

// Awake though there is nothing to do: the engine fills the rings every chunk, and the
// stages reading them must see a source that runs.
void QX_DSP_Host_AudioIn::Render(int, int) {}

QX_DSP_FixedValueToVolt::QX_DSP_FixedValueToVolt(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(kModulePorts);
}

void QX_DSP_FixedValueToVolt::Prepare() {
    const int floats = bufferFloats(blockSize);
    for (int k = 0; k < kModulePorts; ++k) {
        if (!inputs[k]) continue;
        float v = inputs[k][0];
        for (int i = 0; i < floats; ++i)
            outputs[k][i] = v * 0.1f;
        SendEvent(now, k, 0, static_cast<int32_t>(v), v * 0.1f, nullptr);
    }
}

QX_DSP_FixedValueToINT_FLOAT::QX_DSP_FixedValueToINT_FLOAT(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {}

void QX_DSP_FixedValueToINT_FLOAT::Prepare() {
    for (int k = 0; k < 58; ++k)
        if (inputs[k]) {
            float v = inputs[k][0];
            SendEvent(now, k, 0, static_cast<int32_t>(v), v * 0.1f, nullptr);
        }
}

void QX_DSP_FixedValueToINT_FLOAT::HandleEvent(const EventRecord& e, int) {
    if (e.port == 58) invert_ = e.intValue != 0;
    if (e.port != 60 && e.port != 58) return; // 59: the engine reads "Midi Channel" itself
    float v = inputs[60] ? inputs[60][0] : 0.0f;
    if (e.port == 60) v = e.floatValue;
    if (!std::isfinite(v)) v = 0.0f;
    float u = invert_ ? 1.0f - v : v;
    float b = 1.02f - 0.835f * u;
    SendEvent(now, 60, 0, 0, 1200.0f * b * b * b * b, nullptr);
}

QX_DSP_Float_to_Volt::QX_DSP_Float_to_Volt(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(1);
}

void QX_DSP_Float_to_Volt::HandleEvent(const EventRecord& e, int) {
    value_ = finiteOr(e.floatValue, 0.0f);
    settle_.stop();
    SendEvent(now, 0, 0, 0, 0.0f, nullptr); // steady: consumers may use the constant
}

void QX_DSP_Float_to_Volt::Render(int offset, int count) {
    for (int i = offset; i < offset + count; ++i)
        outputs[0][i] = value_;
    if (!settle_.active()) settle_.start(blockSize);
    if (settle_.advance(count)) Sleep(offset, count);
}

// ---- sequencer values -----------------------------------------------------------------------

QX_DSP_Float_Converter_Switch::QX_DSP_Float_Converter_Switch(ModuleContext* context,
                                                             bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {}

void QX_DSP_Float_Converter_Switch::HandleEvent(const EventRecord& e, int) {
    const float f = finiteOr(e.floatValue, 0.0f);
    switch (e.port) {
    case 0:
        index_ = e.intValue;
        break;
    case 1:
        scale_ = f * 10.0f;
        break;
    case 2:
        offset_ = f * 10.0f;
        break;
    case 3:
        on_ = e.intValue != 0;
        break;
    case 4:
        step_ = f;
        break;
    case 5:
        step_ = 1.0f / 12.0f;
        break; // semitones
    default:
        break;
    }
    update();
}

void QX_DSP_Float_Converter_Switch::update() {
    // Step -2 (sequencer off) and anything outside the eight steps give the neutral value 0.
    float v = on_ && index_ >= 0 && index_ < 8 ? value(9 + index_) : 0.0f;
    if (step_ > 0.0f) v = std::floor(v / step_ + 0.5f) * step_; // round half up
    float out = v * scale_ + offset_;
    if (!std::isfinite(out)) out = 0.0f;
    if (out == last_) return;
    last_ = out;
    SendEvent(now, 0, 0, static_cast<int32_t>(std::lround(out * 10.0f)), out, nullptr);
}

QX_DSP_Float_Arithmetic::QX_DSP_Float_Arithmetic(ModuleContext* context, bool createdHeld,
                                                 int terms)
    : QX_ModuleBase(context, createdHeld),
      terms_(terms < 1 ? 1 : (terms > kTerms ? kTerms : terms)) {}

void QX_DSP_Float_Arithmetic::HandleEvent(const EventRecord& e, int) {
    const float f = finiteOr(e.floatValue, 0.0f);
    if (e.port < terms_)
        value_[e.port] = f;
    else if (e.port == 20)
        scale_ = f * 10.0f;
    else if (e.port == 21)
        offset_ = f * 10.0f;
    else
        return;
    float sum = 0.0f;
    for (int k = 0; k < terms_; ++k)
        sum += value_[k];
    float out = sum * scale_ + offset_;
    if (!std::isfinite(out)) out = 0.0f;
    if (out == last_) return;
    last_ = out;
    SendEvent(now, 0, 0, static_cast<int32_t>(std::lround(out * 10.0f)), out, nullptr);
}

QX_DSP_GUI_Multi::QX_DSP_GUI_Multi(ModuleContext* context, bool createdHeld, bool sumFirst)
    : QX_ModuleBase(context, createdHeld), sumFirst_(sumFirst) {}

void QX_DSP_GUI_Multi::Prepare() {
    min_ = inputs[60] ? value(60) : -100000.0f;
    max_ = inputs[61] ? value(61) : 100000.0f;
}

void QX_DSP_GUI_Multi::send(int k) {
    if (!wired(k) && !wired(20 + k) && !wired(40 + k)) return;
    float a = value(k), b = wired(20 + k) ? value(20 + k) : (sumFirst_ ? 0.0f : 1.0f);
    float c = wired(40 + k) ? value(40 + k) : (sumFirst_ ? 1.0f : 0.0f);
    float v = sumFirst_ ? (a + b) * c : a * b + c;
    v = v < min_ ? min_ : (v > max_ ? max_ : v);
    if (!std::isfinite(v)) v = 0.0f;
    SendEvent(now, k, 0, static_cast<int32_t>(std::lround(v * 10.0f)), v, nullptr);
}

void QX_DSP_GUI_Multi::HandleEvent(const EventRecord& e, int) {
    if (e.port < kModulePorts) received_[e.port] = finiteOr(e.floatValue, 0.0f);
    if (e.port == 60 || e.port == 61) {
        Prepare();
        for (int k = 0; k < 20; ++k)
            send(k);
        return;
    }
    if (e.port < 60) send(e.port % 20);
}

} // namespace tarlix
