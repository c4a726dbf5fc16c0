#include "dsp/lfo.h"

#include <cmath>
#include <cstring>
#include <emmintrin.h>

#include "dsp/module_host.h"

namespace tarlix {

namespace {
// 16-point shapes, read with linear interpolation (entry 16 closes the cycle).
constexpr float kPulseTable[17] = {0.5f,  0.5f,  0.5f,  0.5f,  0.5f,  0.5f,  0.5f,  0.5f, -0.5f,
                                   -0.5f, -0.5f, -0.5f, -0.5f, -0.5f, -0.5f, -0.5f, 0.5f};
constexpr float kTrapTable[17] = {0.0f,   0.25f, 0.5f,  0.5f,  0.5f,  0.5f,  0.5f,   0.25f, 0.0f,
                                  -0.25f, -0.5f, -0.5f, -0.5f, -0.5f, -0.5f, -0.25f, 0.0f};

float table16(const float* t, float p) {
    float x = p * 16.0f;
    int i = static_cast<int>(x);
    i = i < 0 ? 0 : (i > 15 ? 15 : i);
    return t[i] + (t[i + 1] - t[i]) * (x - static_cast<float>(i));
}

float triangle(float p) {
    float x = 2.0f * (p + 0.25f);
    int j = static_cast<int>(x) & 1;
    float f = x - std::floor(x);
    return j == 0 ? f - 0.5f : 0.5f - f; // 0 rising at p = 0, +0.5 at p = 0.25
}

float square(float x) {
    return x * x;
}
} // namespace

QX_DSP_LFO::QX_DSP_LFO(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(2);
}

void QX_DSP_LFO::Prepare() {
    cyclesPerVolt_ = static_cast<float>(10.0 / sampleRate()); // 1 V = 10 Hz
    phase_ = 0.0;
    shape_ = 0;
    // A constant on the frequency-mode input sends no event: take it now.
    linear_ = !hasConstant(kInLinearRate) || in(kInLinearRate, 0) != 0.0f;
    on_ = true;
    retrigger_ = true;
    perSampleRate_ = true;
    invert_ = true;
    silentLeft_ = -1;
    SendEvent(now, kOutWave, 1, 0, 0.0f, nullptr);
    if (routes[kOutMirror]) SendEvent(now, kOutMirror, 1, 0, 0.0f, nullptr);
}

float QX_DSP_LFO::nextRandom() {
    s2_ ^= s1_;
    s1_ += s2_;
    return static_cast<float>(static_cast<int32_t>(s1_)) * 1.1641532e-10f; // 2^-33
}

void QX_DSP_LFO::HandleEvent(const EventRecord& e, int) {
    const int32_t i = e.intValue;
    switch (e.port) {
    case kInGate:
        if (i >= 1 && retrigger_) phase_ = 0.0;
        break;
    case kInShape:
        shape_ = i;
        break;
    case kInLinearRate:
        linear_ = i != 0;
        break;
    case kInOn: {
        bool on = std::isfinite(e.floatValue) && e.floatValue != 0.0f;
        if (on_ && !on) {
            SendEvent(now, kOutWave, 0, 0, 0.0f, nullptr);
            if (routes[kOutMirror]) SendEvent(now, kOutMirror, 0, 0, 0.0f, nullptr);
            silentLeft_ = blockSize + 1;
        } else if (on && !on_) {
            SendEvent(now, kOutWave, 1, 0, 0.0f, nullptr);
            if (routes[kOutMirror]) SendEvent(now, kOutMirror, 1, 0, 0.0f, nullptr);
        }
        on_ = on;
        break;
    }
    case kInInvert:
        invert_ = i != 0;
        break;
    case kInRetrigger:
        retrigger_ = i != 0;
        break;
    case kInPerSampleRate:
        perSampleRate_ = i != 0;
        break;
    case kInResetPhase:
        if (i != 0) phase_ = 0.0;
        break;
    default:
        break;
    }
}

// Cycles per sample: a frequency in volts (Hz / 10) or pitch volts through the tables.
float QX_DSP_LFO::increment(int i) const {
    float rate = in(kInRate, i);
    if (!std::isfinite(rate)) rate = 0.0f;
    if (linear_) {
        float inc = rate * cyclesPerVolt_;
        return inc < 0.0f ? 0.0f : (inc > 0.5f ? 0.5f : inc);
    }
    return context->host ? context->host->tables().pitchIncrement(rate) : 0.0f;
}

namespace {
// Phases summed in another order give the same doubles only when every sum is exact: values
// that are whole multiples of 2^-46 and stay below 2^7 in size are. Adding and taking away 96
// leaves x unchanged exactly when it has no bits below 2^-46 (for |x| < 32).
constexpr double kGridShift = 96.0, kGridLimit = 32.0;
bool onPhaseGrid(double x) {
    return std::fabs(x) < kGridLimit && (x + kGridShift) - kGridShift == x;
}

// The wrapped phases of p + j inc + shift as floats, two at a time (on the phase grid, the
// same values as a walk one sample after another).
void phasesSideBySide(double p, double inc, double shift, float* phases, int count) {
    const __m128d step = _mm_set1_pd(2.0 * inc), one = _mm_set1_pd(1.0);
    __m128d q = _mm_add_pd(_mm_setr_pd(p, p + inc), _mm_set1_pd(shift));
    int j = 0;
    for (; j + 2 <= count; j += 2) {
        __m128d whole = _mm_cvtepi32_pd(_mm_cvttpd_epi32(q));
        whole = _mm_sub_pd(whole, _mm_and_pd(_mm_cmpgt_pd(whole, q), one));
        _mm_storel_pi(reinterpret_cast<__m64*>(phases + j), _mm_cvtpd_ps(_mm_sub_pd(q, whole)));
        q = _mm_add_pd(q, step);
    }
    if (j < count) {
        const double last = _mm_cvtsd_f64(q);
        phases[j] = static_cast<float>(last - std::floor(last));
    }
}

// The sine shape, one phase at a time or many through the tables' vector read.
struct SineShape {
    const LookupTables& tables;
    float operator()(float p, float) const { return tables.sineAt(p); }
    void many(const float* phases, float* out, int count) const {
        tables.sinesAt(phases, out, count);
    }
};
} // namespace

template <class Shape> void QX_DSP_LFO::loop(Shape w, int offset, int count) {
    float* out0 = outputs[kOutWave];
    const bool varyingRate =
        perSampleRate_ && sourceVaries(kInRate); // a sleeping source is constant
    const float fixed = increment(offset);
    // The phase shift and level inputs: a buffer, or one value for the whole chunk.
    const float* shift = inputs[kInPhase];
    const bool shiftMoves = sourceVaries(kInPhase);
    const float shiftNow = shift ? shift[inputSource[kInPhase] ? offset : 0] : 0.0f;
    const float* level = inputs[kInLevel];
    const bool levelMoves = sourceVaries(kInLevel);
    const float levelNow = level ? level[inputSource[kInLevel] ? offset : 0] : 1.0f;
    // A moving rate: the increments first, in a pass of their own.
    float increments[kMaxChunk];
    if (varyingRate && !linear_ && context->host)
        context->host->tables().pitchIncrements(inputs[kInRate] + offset, 1.0f, increments, count);
    else if (varyingRate)
        for (int i = 0; i < count; ++i)
            increments[i] = increment(offset + i);
    // The phase walk first (the one dependency chain), then the shape, free of it. The Random
    // shape reads the value held at each sample, which changes at a wrap.
    float phases[kMaxChunk], heldAt[kMaxChunk];
    double p = phase_;
    constexpr bool kReadMany = requires {
        w.many(phases, phases, count);
    };
    if (kReadMany && !varyingRate && !shiftMoves && fixed >= 0.0f && onPhaseGrid(p) &&
        onPhaseGrid(fixed) && onPhaseGrid(shiftNow)) {
        // A fixed rate and shift on the phase grid: the phases side by side, the walk's own to
        // the bit, and the random generator stepped once per wrap, as the walk steps it.
        phasesSideBySide(p, fixed, shiftNow, phases, count);
        p += static_cast<double>(count) * static_cast<double>(fixed);
        const double wraps = std::floor(p);
        for (int n = 0; n < static_cast<int>(wraps); ++n)
            held_ = nextRandom();
        p -= wraps;
    } else {
        for (int j = 0; j < count; ++j) {
            double q = p + (shiftMoves ? shift[offset + j] : shiftNow);
            if (q >= 1.0 || q < 0.0) q -= std::floor(q); // rarely: floor is a library call
            phases[j] = static_cast<float>(q);
            heldAt[j] = held_;
            p += varyingRate ? increments[j] : fixed;
            if (p >= 1.0) {
                p -= std::floor(p);
                held_ = nextRandom(); // the Random shape takes a new value at each wrap
            }
        }
    }
    phase_ = p;
    float* out = out0 + offset;
    if constexpr (requires { w.many(phases, phases, count); }) {
        // A shape read four phases at a time: the shape first, then the level.
        w.many(phases, out, count);
        if (levelMoves)
            for (int j = 0; j < count; ++j)
                out[j] *= level[offset + j];
        else
            for (int j = 0; j < count; ++j)
                out[j] *= levelNow;
        return;
    }
    if (levelMoves)
        for (int j = 0; j < count; ++j)
            out[j] = w(phases[j], heldAt[j]) * level[offset + j];
    else
        for (int j = 0; j < count; ++j)
            out[j] = w(phases[j], heldAt[j]) * levelNow;
}

void QX_DSP_LFO::Render(int offset, int count) {
    if (!on_) {
        std::memset(outputs[kOutWave] + offset, 0, sizeof(float) * static_cast<size_t>(count));
        if (routes[kOutMirror])
            std::memset(outputs[kOutMirror] + offset, 0,
                        sizeof(float) * static_cast<size_t>(count));
        if (silentLeft_ >= 0 && (silentLeft_ -= count) < 0) Sleep(offset, count);
        return;
    }
    const LookupTables* tables = context->host ? &context->host->tables() : nullptr;
    switch (shape_) {
    case kSine:
        if (tables) {
            loop(SineShape{*tables}, offset, count);
        } else {
            loop([](float, float) { return 0.0f; }, offset, count);
        }
        break;
    case kTriangle:
        loop([](float p, float) { return triangle(p); }, offset, count);
        break;
    case kPulse:
        loop([](float p, float) { return table16(kPulseTable, p); }, offset, count);
        break;
    case kSawUp:
        loop([](float p, float) { return p - 0.5f; }, offset, count);
        break;
    case kRiseSquared:
        loop([](float p, float) { return p * p - 0.5f; }, offset, count);
        break;
    case kRiseQuartic:
        loop([](float p, float) { return square(p * p) - 0.5f; }, offset, count);
        break;
    case kSawDown:
        loop([](float p, float) { return 0.5f - p; }, offset, count);
        break;
    case kFallSquared:
        loop([](float p, float) { return square(1.0f - p) - 0.5f; }, offset, count);
        break;
    case kFallQuartic:
        loop([](float p, float) { return square(square(1.0f - p)) - 0.5f; }, offset, count);
        break;
    case kPeak:
        loop(
            [](float p, float) {
                float t = triangle(p);
                return std::fabs(t) * t;
            },
            offset, count);
        break;
    case kParabola:
        loop([](float p, float) { return square(2.0f * p - 1.0f) - 0.5f; }, offset, count);
        break;
    case kRandom:
        loop([](float, float held) { return held; }, offset, count);
        break;
    case kTrapezoid:
        loop([](float p, float) { return table16(kTrapTable, p); }, offset, count);
        break;
    default:
        return; // no such shape: nothing is written
    }
    if (routes[kOutMirror]) {
        const float sign = invert_ ? -1.0f : 1.0f;
        for (int i = offset; i < offset + count; ++i)
            outputs[kOutMirror][i] = outputs[kOutWave][i] * sign;
    }
}

} // namespace tarlix
