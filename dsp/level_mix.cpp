#include "dsp/level_mix.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "common/portable_math.h"
#include "dsp/module_host.h"

namespace tarlix {

namespace {
// The whole-number word of a control value: x * 10 rounded (halves away from zero), held
// within the int32 range so that a huge value never wraps to a small one or the wrong sign.
int32_t tenfoldWord(float x) {
    const float v = x * 10.0f;
    if (v != v) return 0;
    if (v >= 2147483648.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(std::lround(v));
}
} // namespace

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
    if (settle_.advance(offset, count, blockSize)) sleepWatching(offset, count);
}

// ---- modulation summer ----------------------------------------------------------------------

QX_DSP_Adder::QX_DSP_Adder(ModuleContext* context, bool createdHeld)
    : QX_DSP_Level_Base(context, createdHeld, 1) {}

int QX_DSP_Adder::whole(int k) const {
    if (!inputs[k]) return k >= kInTarget && k < kInOffset ? receivedWhole_[k - kInTarget] : 0;
    return wholeInput(k, 0);
}

// Which sources count for this destination: those whose target selector names its id.
void QX_DSP_Adder::evaluate() {
    stale_ = false;
    constant_ = offset(kInOffset) + offset(kInOffset + 1) + offset(kInOffset + 2);
    listLength_ = 0;
    for (int k = kInSource; k < kInSource + kSources; ++k) {
        if (!inputs[k] || whole(kInTarget + k) != whole(kInTargetId + k)) continue;
        if (varies(k))
            list_[listLength_++] = k;
        else
            constant_ += in(k, 0);
    }
    clamped_ = inputs[kInMinimum] || inputs[kInMaximum];
    on_ = !inputs[kInOn] || in(kInOn, 0) != 0.0f;
}

void QX_DSP_Adder::HandleEvent(const EventRecord& e, int offset) {
    QX_DSP_Level_Base::HandleEvent(e, offset);
    if (e.port >= kInOffset && e.port < kInOffset + 3)
        received_[e.port - kInOffset] = finiteOr(e.floatValue, 0.0f);
    if (e.port >= kInTarget && e.port < kInOffset) receivedWhole_[e.port - kInTarget] = e.intValue;
    stale_ = true; // a program load sends dozens of events: choose the sources once, after them
}

void QX_DSP_Adder::compute(int offset, int count) {
    if (stale_) evaluate();
    float* out = outputs[kOutSum];
    if (!on_) {
        std::memset(out + offset, 0, sizeof(float) * static_cast<size_t>(count));
        return;
    }
    // Every listed source is summed from its buffer (a sleeping one holds its value across the
    // whole buffer) in list order: the rounding does not depend on which of them sleep, so it
    // is the same whatever blocks the host cuts.
    const float base = constant_;
    const float* live[kSources];
    int n = 0;
    for (int j = 0; j < listLength_; ++j)
        live[n++] = inputs[list_[j]];
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
        // Up to four sources per pass over the chunk (each sample's sum still in list order),
        // so the running sums are loaded and stored a quarter as often.
        int m = 1;
        for (; m + 4 <= n; m += 4) {
            const float *a = live[m] + offset, *b = live[m + 1] + offset, *c = live[m + 2] + offset,
                        *d = live[m + 3] + offset;
            for (int i = 0; i < count; ++i)
                dst[i] = (((dst[i] + a[i]) + b[i]) + c[i]) + d[i];
        }
        for (; m + 2 <= n; m += 2) {
            const float *a = live[m] + offset, *b = live[m + 1] + offset;
            for (int i = 0; i < count; ++i)
                dst[i] = (dst[i] + a[i]) + b[i];
        }
        for (; m < n; ++m) {
            const float* src = live[m] + offset;
            for (int i = 0; i < count; ++i)
                dst[i] += src[i];
        }
    }
    if (!clamped_) return;
    const float lo = inputs[kInMinimum] ? in(kInMinimum, 0) : -1000.0f,
                hi = inputs[kInMaximum] ? in(kInMaximum, 0) : 1000.0f;
    for (int i = 0; i < count; ++i) {
        const float v = dst[i], top = v > hi ? hi : v;
        dst[i] = v < lo ? lo : top;
    }
}

// ---- level and mix stages -------------------------------------------------------------------

void QX_DSP_Level_ABxC::compute(int offset, int count) {
    float sa[kMaxChunk], sb[kMaxChunk], sc[kMaxChunk];
    const float *a = span(kInA, 0.0f, sa, offset, count), *b = span(kInB, 0.0f, sb, offset, count),
                *c = span(kInC, 1.0f, sc, offset, count);
    float* out = outputs[kOut] + offset;
    for (int i = 0; i < count; ++i)
        out[i] = (a[i] + b[i]) * c[i];
}

void QX_DSP_Level_ABxCxD::compute(int offset, int count) {
    float sa[kMaxChunk], sb[kMaxChunk], sc[kMaxChunk], sd[kMaxChunk];
    const float *a = span(kInA, 0.0f, sa, offset, count), *b = span(kInB, 0.0f, sb, offset, count),
                *c = span(kInC, 1.0f, sc, offset, count), *d = span(kInD, 1.0f, sd, offset, count);
    float* out = outputs[kOut] + offset;
    for (int i = 0; i < count; ++i)
        out[i] = (a[i] + b[i]) * c[i] * d[i];
}

void QX_DSP_Level_AxB_CD::compute(int offset, int count) {
    float sa[kMaxChunk], sb[kMaxChunk], sc[kMaxChunk], sd[kMaxChunk];
    const float *a = span(kInA, 0.0f, sa, offset, count), *b = span(kInB, 1.0f, sb, offset, count),
                *c = span(kInC, 0.0f, sc, offset, count), *d = span(kInD, 0.0f, sd, offset, count);
    float* out = outputs[kOut] + offset;
    for (int i = 0; i < count; ++i)
        out[i] = a[i] * b[i] + c[i] + d[i];
}

void QX_DSP_Dual_Level::compute(int offset, int count) {
    float sa[kMaxChunk], sb[kMaxChunk], sc[kMaxChunk], sd[kMaxChunk];
    const float *x = span(kInA, 0.0f, sa, offset, count), *y = span(kInB, 0.0f, sb, offset, count),
                *gx = span(kInC, 1.0f, sc, offset, count),
                *gy = span(kInD, 1.0f, sd, offset, count);
    float *outA = outputs[kOutAxC] + offset, *outB = outputs[kOutBxD] + offset,
          *sum = outputs[kOutSum] + offset;
    for (int i = 0; i < count; ++i) {
        const float a = x[i] * gx[i], b = y[i] * gy[i];
        outA[i] = a;
        outB[i] = b;
        sum[i] = a + b;
    }
}

void QX_DSP_Level_FX_BUS::compute(int offset, int count) {
    const bool external = inputs[kInExtOn] && in(kInExtOn, 0) != 0.0f;
    for (int i = offset; i < offset + count; ++i) {
        float l = in(kInLeft, i), r = in(kInRight, i);
        if (external) {
            float level = inputs[kInExtLevel] ? in(kInExtLevel, i) : 1.0f;
            float g = level * level;
            l += in(kInExtLeft, i) * g;
            r += in(kInExtRight, i) * g;
        }
        outputs[kOutLeft][i] = l;
        outputs[kOutRight][i] = r;
        outputs[kOutMono][i] = (l + r) * 0.5f;
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
    float target = gainOf(in(kInLevel, offset + count - 1));
    if (!std::isfinite(target)) target = 0.0f;
    if (!started_) {
        gain_ = target;
        started_ = true;
    }
    moving_ = target != gain_;
    float step = (target - gain_) / static_cast<float>(count);
    for (int i = offset; i < offset + count; ++i) {
        gain_ += step;
        outputs[kOutGain][i] = gain_;
    }
    gain_ = target;
}

// ---- sources of values ----------------------------------------------------------------------

QX_DSP_Host_AudioIn::QX_DSP_Host_AudioIn(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    // The engine copies the host's input into these rings every chunk.
    if (context->host)
        for (int c = 0; c < 2; ++c)
            outputs[c] = const_cast<float*>(context->host->audioInputRing(c));
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
    for (int k = 0; k < kInInvert; ++k)
        if (inputs[k]) {
            float v = inputs[k][0];
            SendEvent(now, k, 0, static_cast<int32_t>(v), v * 0.1f, nullptr);
        }
}

void QX_DSP_FixedValueToINT_FLOAT::HandleEvent(const EventRecord& e, int) {
    if (e.port == kInInvert) invert_ = e.intValue != 0;
    if (e.port != kInTimeCurve && e.port != kInInvert) return; // the engine reads the channel
    float v = inputs[kInTimeCurve] ? inputs[kInTimeCurve][0] : 0.0f;
    if (e.port == kInTimeCurve) v = e.floatValue;
    if (!std::isfinite(v)) v = 0.0f;
    float u = invert_ ? 1.0f - v : v;
    float b = 1.02f - 0.835f * u;
    SendEvent(now, kOutTimeCurve, 0, 0, 1200.0f * b * b * b * b, nullptr);
}

QX_DSP_Float_to_Volt::QX_DSP_Float_to_Volt(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(1);
}

void QX_DSP_Float_to_Volt::HandleEvent(const EventRecord& e, int) {
    value_ = finiteOr(e.floatValue, 0.0f);
    settle_.stop();
    SendEvent(now, kOutValue, 0, 0, 0.0f, nullptr); // steady: consumers may use the constant
}

void QX_DSP_Float_to_Volt::Render(int offset, int count) {
    for (int i = offset; i < offset + count; ++i)
        outputs[kOutValue][i] = value_;
    if (!settle_.active()) settle_.start(blockSize);
    if (settle_.advance(offset, count, blockSize)) Sleep(offset, count);
}

// ---- sequencer values -----------------------------------------------------------------------

QX_DSP_Float_Converter_Switch::QX_DSP_Float_Converter_Switch(ModuleContext* context,
                                                             bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {}

void QX_DSP_Float_Converter_Switch::HandleEvent(const EventRecord& e, int) {
    const float f = finiteOr(e.floatValue, 0.0f);
    switch (e.port) {
    case kInIndex:
        index_ = e.intValue;
        break;
    case kInScale:
        scale_ = f * 10.0f;
        break;
    case kInOffset:
        offset_ = f * 10.0f;
        break;
    case kInOn:
        on_ = e.intValue != 0;
        break;
    case kInQuantum:
        step_ = f;
        break;
    case kInSemitones:
        step_ = 1.0f / 12.0f;
        break;
    default:
        break;
    }
    update();
}

void QX_DSP_Float_Converter_Switch::update() {
    // Step -2 (sequencer off) and anything outside the eight steps give the neutral value 0.
    float v = on_ && index_ >= 0 && index_ < kSteps ? value(kInStep + index_) : 0.0f;
    if (step_ > 0.0f) v = std::floor(v / step_ + 0.5f) * step_; // round half up
    float out = v * scale_ + offset_;
    if (!std::isfinite(out)) out = 0.0f;
    if (out == last_) return;
    last_ = out;
    SendEvent(now, kOutValue, 0, tenfoldWord(out), out, nullptr);
}

QX_DSP_Float_Arithmetic::QX_DSP_Float_Arithmetic(ModuleContext* context, bool createdHeld,
                                                 int terms)
    : QX_ModuleBase(context, createdHeld),
      terms_(terms < 1 ? 1 : (terms > kTerms ? kTerms : terms)) {}

void QX_DSP_Float_Arithmetic::HandleEvent(const EventRecord& e, int) {
    const float f = finiteOr(e.floatValue, 0.0f);
    if (e.port < kInTerm + terms_)
        value_[e.port - kInTerm] = f;
    else if (e.port == kInScale)
        scale_ = f * 10.0f;
    else if (e.port == kInOffset)
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
    SendEvent(now, kOutValue, 0, tenfoldWord(out), out, nullptr);
}

QX_DSP_GUI_Multi::QX_DSP_GUI_Multi(ModuleContext* context, bool createdHeld, bool sumFirst)
    : QX_ModuleBase(context, createdHeld), sumFirst_(sumFirst) {}

void QX_DSP_GUI_Multi::Prepare() {
    min_ = inputs[kInMinimum] ? value(kInMinimum) : -100000.0f;
    max_ = inputs[kInMaximum] ? value(kInMaximum) : 100000.0f;
}

void QX_DSP_GUI_Multi::send(int k) {
    if (!wired(kInA + k) && !wired(kInB + k) && !wired(kInC + k)) return;
    float a = value(kInA + k), b = wired(kInB + k) ? value(kInB + k) : (sumFirst_ ? 0.0f : 1.0f);
    float c = wired(kInC + k) ? value(kInC + k) : (sumFirst_ ? 1.0f : 0.0f);
    float v = sumFirst_ ? (a + b) * c : a * b + c;
    v = v < min_ ? min_ : (v > max_ ? max_ : v);
    if (!std::isfinite(v)) v = 0.0f;
    SendEvent(now, k, 0, tenfoldWord(v), v, nullptr);
}

void QX_DSP_GUI_Multi::HandleEvent(const EventRecord& e, int) {
    if (e.port < kModulePorts) received_[e.port] = finiteOr(e.floatValue, 0.0f);
    if (e.port == kInMinimum || e.port == kInMaximum) {
        Prepare();
        for (int k = 0; k < kChannels; ++k)
            send(k);
        return;
    }
    if (e.port < kInMinimum) send(e.port % kChannels);
}

} // namespace tarlix
