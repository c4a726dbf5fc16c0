#include "dsp/oscillator.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <emmintrin.h>
#include <xmmintrin.h>

#include "common/curves.h"
#include "common/portable_math.h"
#include "dsp/held_value.h"
#include "dsp/module_host.h"

namespace tarlix {

namespace {
const float kZero = 0.0f;
const float kRatioOne = 0.1f; // 0.1 V: x1

constexpr int kMask = WaveTables::kPoints - 1;

// Phase in cycles to a table position: whole point (wrapped) and fraction. Phase modulation
// may take the position far below zero, so the whole part is a true floor.
inline void locate(double cycles, int& index, float& fraction) {
    if (!(cycles > -1.0e6 && cycles < 1.0e6)) cycles = 0.0; // NaN or runaway modulation
    double x = cycles * WaveTables::kPoints;
    int64_t whole = static_cast<int64_t>(x);
    if (static_cast<double>(whole) > x) --whole;
    index = static_cast<int>(whole & kMask);
    fraction = static_cast<float>(x - static_cast<double>(whole));
}

// locate() for `count` phases, two at a time, the same operations lane by lane: the range
// check, the scaling, the truncation (the positions stay within +-2^31), the floor's correction
// and the fraction. Each position's table line is fetched as it is found.
inline void locateAll(const double* cycles, int* at, float* frac, int count, const float* table) {
    const __m128d low = _mm_set1_pd(-1.0e6), high = _mm_set1_pd(1.0e6),
                  points = _mm_set1_pd(WaveTables::kPoints), one = _mm_set1_pd(1.0);
    const __m128i mask = _mm_set1_epi32(kMask);
    int j = 0;
    for (; j + 2 <= count; j += 2) {
        __m128d c = _mm_loadu_pd(cycles + j);
        c = _mm_and_pd(c, _mm_and_pd(_mm_cmpgt_pd(c, low), _mm_cmplt_pd(c, high)));
        const __m128d x = _mm_mul_pd(c, points);
        __m128d whole = _mm_cvtepi32_pd(_mm_cvttpd_epi32(x));
        whole = _mm_sub_pd(whole, _mm_and_pd(_mm_cmpgt_pd(whole, x), one));
        const __m128i index = _mm_and_si128(_mm_cvttpd_epi32(whole), mask);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(at + j), index);
        _mm_storel_pi(reinterpret_cast<__m64*>(frac + j), _mm_cvtpd_ps(_mm_sub_pd(x, whole)));
        __builtin_prefetch(table + _mm_cvtsi128_si32(index));
        __builtin_prefetch(table + _mm_cvtsi128_si32(_mm_shuffle_epi32(index, 1)));
    }
    for (; j < count; ++j) {
        locate(cycles[j], at[j], frac[j]);
        __builtin_prefetch(table + at[j]);
    }
}

// Phases summed in another order give the same doubles only when every sum is exact: values
// that are whole multiples of 2^-46 and stay below 2^7 in size are. Adding and taking away 96
// leaves x unchanged exactly when it has no bits below 2^-46 (for |x| < 32).
constexpr double kGridShift = 96.0, kGridLimit = 32.0;
inline bool onPhaseGrid(double x) {
    return std::fabs(x) < kGridLimit && (x + kGridShift) - kGridShift == x;
}
// The phases p, p + i0, p + (i0 + i1), ... of a chunk's increments, four at a time: the
// running sum takes one addition per four samples instead of one per sample. Returns the phase
// after the last, unwrapped (the table's mask wraps the positions). On the phase grid the
// result is the one-by-one sum's.
inline double walkFour(double p, const double* inc, double* position, int count) {
    const __m128d zero = _mm_setzero_pd();
    __m128d base = _mm_set1_pd(p);
    int j = 0;
    for (; j + 4 <= count; j += 4) {
        const __m128d a = _mm_loadu_pd(inc + j), b = _mm_loadu_pd(inc + j + 2);
        const __m128d sumA = _mm_add_pd(a, _mm_shuffle_pd(a, a, 1)); // i0 + i1 in both
        const __m128d sumB = _mm_add_pd(b, _mm_shuffle_pd(b, b, 1));
        _mm_storeu_pd(position + j, _mm_add_pd(base, _mm_unpacklo_pd(zero, a)));
        _mm_storeu_pd(position + j + 2,
                      _mm_add_pd(base, _mm_add_pd(sumA, _mm_unpacklo_pd(zero, b))));
        base = _mm_add_pd(base, _mm_add_pd(sumA, sumB));
    }
    double q = _mm_cvtsd_f64(base);
    for (; j < count; ++j) {
        position[j] = q;
        q += inc[j];
    }
    return q;
}

inline float readLinear(const float* t, int i, float f) {
    return t[i] + (t[i + 1] - t[i]) * f;
}

// Four-point (Catmull-Rom) read: the table's guard points make i - 1 and i + 2 valid.
inline float readCubic(const float* t, int i, float f) {
    const float y0 = t[i - 1], y1 = t[i], y2 = t[i + 1], y3 = t[i + 2];
    const float c1 = 0.5f * (y2 - y0);
    const float c2 = y0 - 2.5f * y1 + 2.0f * y2 - 0.5f * y3;
    const float c3 = 0.5f * (y3 - y0) + 1.5f * (y1 - y2);
    return ((c3 * f + c2) * f + c1) * f + y1;
}

template <bool cubic> inline float readAt(const float* t, int i, float f) {
    return cubic ? readCubic(t, i, f) : readLinear(t, i, f);
}

// readCubic for four positions at once, the same operations in the same order lane by lane:
// each position's four points are one unaligned load, turned into a vector per point.
inline __m128 readCubic4(const float* t, const int* at, const float* frac) {
    __m128 y0 = _mm_loadu_ps(t + at[0] - 1), y1 = _mm_loadu_ps(t + at[1] - 1),
           y2 = _mm_loadu_ps(t + at[2] - 1), y3 = _mm_loadu_ps(t + at[3] - 1);
    _MM_TRANSPOSE4_PS(y0, y1, y2, y3);
    const __m128 f = _mm_loadu_ps(frac);
    const __m128 half = _mm_set1_ps(0.5f);
    const __m128 c1 = _mm_mul_ps(half, _mm_sub_ps(y2, y0));
    const __m128 c2 = _mm_sub_ps(_mm_add_ps(_mm_sub_ps(y0, _mm_mul_ps(_mm_set1_ps(2.5f), y1)),
                                            _mm_mul_ps(_mm_set1_ps(2.0f), y2)),
                                 _mm_mul_ps(half, y3));
    const __m128 c3 = _mm_add_ps(_mm_mul_ps(half, _mm_sub_ps(y3, y0)),
                                 _mm_mul_ps(_mm_set1_ps(1.5f), _mm_sub_ps(y1, y2)));
    return _mm_add_ps(
        _mm_mul_ps(_mm_add_ps(_mm_mul_ps(_mm_add_ps(_mm_mul_ps(c3, f), c2), f), c1), f), y1);
}
} // namespace

// ---- oscillator -----------------------------------------------------------------------------

QX_DSP_OSC_Multi_Out_x8::QX_DSP_OSC_Multi_Out_x8(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld), tables_(waveTables()) {
    allocateOutputs(kOutputs);
}

void QX_DSP_OSC_Multi_Out_x8::Prepare() {
    const double rate = sampleRate();
    clearPhases();
    for (int k = 0; k < kOutputs; ++k) {
        wave_[k] = 0;
        maxHarmonics_[k] = WaveTables::kMaxHarmonics;
        harmonics_[k] = 1;
        active_[k] = false;
        silentLeft_[k] = 0;
    }
    outputsInUse_ = kOutputs;
    enabled_ = true;
    stopLeft_ = 0;
    perSampleAllowed_ = true;
    syncEnabled_ = retrigger_ = keepSilent_ = false;
    pitchMode_ = 0;
    tune_ = 1.0f;
    top_ = 20000.0f;
    linearScale_ = 10.0 / rate;
    drift_ = 1.0;
    driftStep_ = 0.0;
    driftInterval_ = static_cast<int>(4.0 * rate / (blockSize > 0 ? blockSize : 1));
    if (driftInterval_ < 1) driftInterval_ = 1;
    driftCountdown_ = 0;
    renderedTo_ = wokeAt_ = 0;
}

void QX_DSP_OSC_Multi_Out_x8::clearPhases() {
    for (int k = 0; k < kOutputs; ++k) {
        phase_[k] = 0.0;
        syncPrevious_[k] = 0.0f;
    }
}

void QX_DSP_OSC_Multi_Out_x8::HandleEvent(const EventRecord& e, int) {
    chooseTable_ = true;
    const int32_t i = e.intValue;
    const float f = finiteOr(e.floatValue, 0.0f);
    const int port = e.port;
    switch (port) {
    case kInGate:
        if (i != 0 && retrigger_) {
            clearPhases();
        } else if (i != 0 && wokeAt_ <= now && now < wokeAt_ + kMaxChunk) {
            // Woken for this note: what ran before it in the chunk was never heard.
            for (int k = 0; k < kOutputs; ++k) {
                phase_[k] = wakePhase_[k];
                syncPrevious_[k] = wakeSync_[k];
            }
        }
        return;
    case kInOutputsInUse:
        outputsInUse_ = i < 0 ? 0 : (i > kOutputs ? kOutputs : i);
        return;
    case kInOn:
        if (i == 0 && enabled_) stopLeft_ = blockSize;
        enabled_ = i != 0;
        if (!enabled_) clearPhases();
        return;
    case kInPitchMode:
        pitchMode_ = i;
        return;
    case kInPerSamplePitch:
        perSampleAllowed_ = i != 0;
        return;
    case kInDriftTime: {
        double blocks = std::trunc(sampleRate() * f * 10.0);
        if (blocks < blockSize) blocks = blockSize;
        if (blocks > 1e9) blocks = 1e9;
        driftInterval_ = static_cast<int>(blocks / (blockSize > 0 ? blockSize : 1));
        return;
    }
    case kInKeepSilent:
        keepSilent_ = i != 0;
        return;
    case kInTopFrequency:
        top_ = f > 0.0f ? f : 20000.0f;
        return;
    case kInTune:
        tune_ = f;
        return;
    case kInSyncOn:
        syncEnabled_ = i != 0;
        return;
    case kInRetrigger:
        retrigger_ = i != 0;
        return;
    case kInPhaseReset0:
    case kInPhaseReset0 + 1:
    case kInPhaseReset0 + 10:
    case kInPhaseReset0 + 11:
    case kInPhaseReset0 + 20:
    case kInPhaseReset0 + 21:
    case kInPhaseReset0 + 30:
    case kInPhaseReset0 + 31: {
        // Phase resets of outputs 0..7, two per decade of ports.
        int k = (port / 10 - 1) * 2 + (port % 10 - 7);
        if (f != 0.0f && k >= 0 && k < kOutputs) phase_[k] = 0.0;
        return;
    }
    default:
        break;
    }
    if (port >= kInWave && port < kInWave + kOutputs) {
        wave_[port - kInWave] =
            i < 0 ? 0 : (i >= WaveTables::kWaveCount ? WaveTables::kWaveCount - 1 : i);
    } else if (port >= kInHarmonics && port < kInHarmonics + kOutputs) {
        int o = i < 0
                    ? 0
                    : (i >= WaveTables::kHarmonicOptionCount ? WaveTables::kHarmonicOptionCount - 1
                                                             : i);
        maxHarmonics_[port - kInHarmonics] = WaveTables::kHarmonicOptions[o];
    }
}

QX_DSP_OSC_Multi_Out_x8::Stream QX_DSP_OSC_Multi_Out_x8::stream(int k, const float* unwired) const {
    const float* p = inputs[k];
    if (!p) return {unwired, 0};
    return {p, inputSource[k] ? 1 : 0};
}

// Cycles per sample of the pitch input: pitch volts through the instance tables (kept within
// the tables' -3..+3 V), or a linear frequency.
double QX_DSP_OSC_Multi_Out_x8::pitchIncrement(float pitch) const {
    pitch = finiteOr(pitch, 0.0f);
    if (pitchMode_ != 0) {
        double scale = pitchMode_ == 2 ? linearScale_ : linearScale_ * 1000.0;
        double inc = pitch * scale;
        return inc < -0.5 ? -0.5 : (inc > 0.5 ? 0.5 : inc);
    }
    if (!context->host) return 13.75 * pmath::exp2(10.0 * pitch * tune_) / 44100.0;
    return context->host->tables().pitchIncrement(pitch * tune_);
}

// One increment per sample of a pitch buffer, the mode chosen once for the call.
void QX_DSP_OSC_Multi_Out_x8::pitchIncrements(const float* pitch, int count) {
    const double drift = drift_;
    if (pitchMode_ != 0 || !context->host) {
        for (int i = 0; i < count; ++i)
            increment_[i] = pitchIncrement(pitch[i]) * drift;
        incrementStep_ = 1;
        return;
    }
    const LookupTables& tables = context->host->tables();
    const float tune = tune_;
    // A held key gives a buffer of one value: look it up once.
    if (holdsOneValue(pitch, count)) {
        const double inc =
            static_cast<double>(tables.pitchIncrement(finiteOr(pitch[0], 0.0f) * tune)) * drift;
        increment_[0] = inc; // one value: no buffer to fill
        incrementStep_ = 0;
        return;
    }
    float looked[kMaxChunk];
    tables.pitchIncrements(pitch, tune, looked, count);
    for (int i = 0; i < count; ++i)
        increment_[i] = static_cast<double>(looked[i]) * drift;
    incrementStep_ = 1;
}

// Slow random detuning: every interval a new target above 1, reached in equal steps per block.
void QX_DSP_OSC_Multi_Out_x8::advanceDrift(int offset) {
    if (offset != 0) return; // once per chunk of the engine's grid, wherever the host cuts

    const float amount = finiteOr(in(kInDrift, 0), 0.0f);
    if (amount == 0.0f) {
        drift_ = 1.0;
        driftStep_ = 0.0;
        return;
    }
    if (--driftCountdown_ <= 0) {
        const uint32_t word = context->host ? context->host->random().next() : 0;
        double r = static_cast<double>(word) / 4294967296.0;
        double target = 1.0 + r * amount * 10.0;
        driftStep_ = (target - drift_) / driftInterval_;
        driftCountdown_ = driftInterval_;
    }
    drift_ += driftStep_;
    if (!(drift_ > 0.01 && drift_ < 100.0)) drift_ = 1.0;
}

// As many harmonics as fit below the top frequency (and below the sample rate's limit).
int QX_DSP_OSC_Multi_Out_x8::harmonicsFor(double cyclesPerSample, int k) const {
    const double rate = sampleRate();
    double top = top_;
    if (top > rate * 0.5 - 1000.0) top = rate * 0.5 - 1000.0;
    const int most = maxHarmonics_[k];
    const double f = std::fabs(cyclesPerSample) * rate;
    if (!(f * most > top)) return most;
    int h = static_cast<int>(top / f);
    return h < 1 ? 1 : (h > most ? most : h);
}

void QX_DSP_OSC_Multi_Out_x8::silence(int offset, int count) {
    for (int k = 0; k < kOutputs; ++k)
        std::memset(outputs[k] + offset, 0, sizeof(float) * static_cast<size_t>(count));
}

template <bool cubic, bool pulse, bool sync>
void QX_DSP_OSC_Multi_Out_x8::renderOutput(int k, const float* table, int offset, int count) {
    float* out = outputs[k];
    const Stream level = stream(kInLevel + k, &kZero), ratio = stream(kInRatio + k, &kRatioOne),
                 modulation = stream(kInPhaseModulation + k, &kZero),
                 width = stream(kInPulseWidth, &kZero), source = stream(kInSyncSource, &kZero);
    // Three passes: the phases first (below), then the table positions, located two at a time,
    // then the reads, which depend on nothing but their position.
    int at[kMaxChunk], atPulse[pulse ? kMaxChunk : 1];
    float frac[kMaxChunk], fracPulse[pulse ? kMaxChunk : 1];
    double position[kMaxChunk], positionPulse[pulse ? kMaxChunk : 1];
    const double* increments = increment_;
    const int step = incrementStep_;
    double p = phase_[k];
    float previous = syncPrevious_[k];
    // With a held ratio and phase offset the phases are found side by side instead of summed
    // one after another. A held pitch gives p + j inc, taken only where every sum is exact (see
    // onPhaseGrid: the host's single-precision increments at ratio 1 are), so a held note's
    // phases repeat to the bit as the one-by-one walk's do (hard sync relies on that). A moving
    // pitch gives a running sum four samples at a time: the one-by-one walk's to the bit on the
    // grid, otherwise within its rounding (a few 1e-16 cycles). The table's mask wraps the
    // positions and p is wrapped once, at the end.
    bool sideBySide = false;
    if (!sync && !pulse && (ratio.step == 0 || holdsOneValue(ratio.p + offset, count)) &&
        (modulation.step == 0 || holdsOneValue(modulation.p + offset, count))) {
        const float r = finiteOr(ratio[offset], 0.1f) * 10.0f;
        const double shift = modulation[offset];
        const int n = step == 0 ? 1 : count;
        double inc[kMaxChunk];
        for (int j = 0; j < n; ++j)
            inc[j] = increments[j] * r;
        sideBySide = std::fabs(p) < kGridLimit && std::fabs(shift) < kGridLimit &&
                     (step != 0 || (onPhaseGrid(p) && onPhaseGrid(shift) && onPhaseGrid(inc[0])));
        if (sideBySide) {
            if (step == 0) {
                for (int j = 0; j < count; ++j)
                    position[j] = p + static_cast<double>(j) * inc[0];
                p += static_cast<double>(count) * inc[0];
            } else {
                p = walkFour(p, inc, position, count);
            }
            if (p >= 1.0 || p < 0.0) p -= std::floor(p);
            for (int j = 0; j < count; ++j)
                position[j] += shift;
        }
    }
    if (!sideBySide) {
        // One by one: the chain through p, with room beside it for the rest.
        for (int j = 0; j < count; ++j) {
            const int i = offset + j;
            const double inc = increments[j * step] * (finiteOr(ratio[i], 0.1f) * 10.0f);
            if (sync) {
                const float s = source[i];
                if (previous <= 0.0f && s > 0.0f) p = s / (s - previous) * inc;
                previous = s;
            }
            position[j] = p + modulation[i];
            if (pulse) positionPulse[j] = position[j] + width[i];
            p += inc;
            if (p >= 1.0 || p < 0.0) p -= std::floor(p);
        }
    }
    phase_[k] = p;
    syncPrevious_[k] = previous;
    locateAll(position, at, frac, count, table);
    if (pulse) locateAll(positionPulse, atPulse, fracPulse, count, table);
    int j = 0;
    if (cubic)
        for (; j + 4 <= count; j += 4) {
            const int i = offset + j;
            __m128 v = readCubic4(table, at + j, frac + j);
            if (pulse) v = _mm_sub_ps(readCubic4(table, atPulse + j, fracPulse + j), v);
            const __m128 gain = level.step ? _mm_loadu_ps(level.p + i) : _mm_set1_ps(level.p[0]);
            _mm_storeu_ps(out + i, _mm_mul_ps(v, gain));
        }
    for (; j < count; ++j) {
        const int i = offset + j;
        float v = readAt<cubic>(table, at[j], frac[j]);
        if (pulse) v = readAt<cubic>(table, atPulse[j], fracPulse[j]) - v;
        out[i] = v * level[i];
    }
}

void QX_DSP_OSC_Multi_Out_x8::Render(int offset, int count) {
    if (!enabled_) {
        silence(offset, count); // one block of zeros, then sleep
        if ((stopLeft_ -= count) <= 0) Sleep(offset, count);
        return;
    }
    if (now != renderedTo_) { // it slept: from here the phases run again
        wokeAt_ = now;
        for (int k = 0; k < kOutputs; ++k) {
            wakePhase_[k] = phase_[k];
            wakeSync_[k] = syncPrevious_[k];
        }
    }
    const bool choose = chooseTable_ || offset == 0 || now != renderedTo_;
    chooseTable_ = false;
    renderedTo_ = now + static_cast<uint64_t>(count);
    advanceDrift(offset);
    const bool perSample = perSampleAllowed_ && inputs[kInPitch] && inputSource[kInPitch];
    const double first = pitchIncrement(in(kInPitch, offset)) * drift_;
    if (perSample) {
        pitchIncrements(inputs[kInPitch] + offset, count);
    } else {
        increment_[0] = first;
        incrementStep_ = 0;
    }
    const bool sync = syncEnabled_ && inputs[kInSyncSource] && inputSource[kInSyncSource];

    for (int k = 0; k < outputsInUse_; ++k) {
        const bool levelWired = inputs[kInLevel + k] != nullptr;
        const bool off =
            !levelWired || (!inputSource[kInLevel + k] && in(kInLevel + k, offset) == 0.0f);
        if (off) {
            if (active_[k]) {
                active_[k] = false;
                SendEvent(now, k, 0, 0, 0.0f, nullptr);
                silentLeft_[k] = keepSilent_ ? 0 : blockSize + count;
            }
            if (silentLeft_[k] > 0) {
                std::memset(outputs[k] + offset, 0, sizeof(float) * static_cast<size_t>(count));
                silentLeft_[k] -= count;
            }
            continue;
        }
        const bool starting = !active_[k];
        if (starting) {
            active_[k] = true;
            SendEvent(now, k, 1, 0, 0.0f, nullptr);
        }
        const float ratio =
            inputs[kInRatio + k] ? finiteOr(in(kInRatio + k, offset), 0.1f) * 10.0f : 1.0f;
        // The table is chosen on the engine's grid, at a wake and after an event, never where the
        // host happened to cut the chunk.
        if (choose || starting) harmonics_[k] = harmonicsFor(first * ratio, k);
        const int wave = wave_[k];
        const float* table = tables_.table(wave, harmonics_[k]);
        const bool cubic = read_ == Read::Cubic, pulse = wave == WaveTables::kPulse;
        if (cubic) {
            if (pulse)
                sync ? renderOutput<true, true, true>(k, table, offset, count)
                     : renderOutput<true, true, false>(k, table, offset, count);
            else
                sync ? renderOutput<true, false, true>(k, table, offset, count)
                     : renderOutput<true, false, false>(k, table, offset, count);
        } else {
            if (pulse)
                sync ? renderOutput<false, true, true>(k, table, offset, count)
                     : renderOutput<false, true, false>(k, table, offset, count);
            else
                sync ? renderOutput<false, false, true>(k, table, offset, count)
                     : renderOutput<false, false, false>(k, table, offset, count);
        }
    }
}

// ---- combiner -------------------------------------------------------------------------------

QX_DSP_Tarlix2_OSC_Combine::QX_DSP_Tarlix2_OSC_Combine(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(1);
}

void QX_DSP_Tarlix2_OSC_Combine::Prepare() {
    mode_ = 0;
    SendEvent(now, 0, 1, 0, 0.0f, nullptr);
}

void QX_DSP_Tarlix2_OSC_Combine::HandleEvent(const EventRecord& e, int) {
    if (e.port == kInMode) mode_ = e.intValue;
}

void QX_DSP_Tarlix2_OSC_Combine::Render(int offset, int count) {
    float* out = outputs[kOutMix];
    const int end = offset + count;
    auto a = [this](int i) { return in(kInA, i) * (inputs[kInALevel] ? in(kInALevel, i) : 1.0f); };
    auto b = [this](int i) { return in(kInB, i) * (inputs[kInBLevel] ? in(kInBLevel, i) : 1.0f); };
    auto on = [this](float wave, int i) { return wave > in(kInThreshold, i); };
    switch (mode_) {
    case kMix:
    case kSync: { // the sync itself happens in oscillator 2
        // Each input as a plain array (a held value copied out), so the sum vectorises.
        float held[4][kMaxChunk];
        const float *x = span(kInA, 0.0f, held[0], offset, count),
                    *gx = span(kInALevel, 1.0f, held[1], offset, count),
                    *y = span(kInB, 0.0f, held[2], offset, count),
                    *gy = span(kInBLevel, 1.0f, held[3], offset, count);
        float* o = out + offset;
        for (int i = 0; i < count; ++i)
            o[i] = x[i] * gx[i] + y[i] * gy[i];
        break;
    }
    case kAnd:
        for (int i = offset; i < end; ++i)
            out[i] = (on(a(i), i) && on(b(i), i)) ? 0.5f : -0.5f;
        break;
    case kOr:
        for (int i = offset; i < end; ++i)
            out[i] = (on(a(i), i) || on(b(i), i)) ? 0.5f : -0.5f;
        break;
    case kXor:
        for (int i = offset; i < end; ++i)
            out[i] = (on(a(i), i) != on(b(i), i)) ? 0.5f : -0.5f;
        break;
    case kRing:
        for (int i = offset; i < end; ++i)
            out[i] = a(i) * b(i);
        break;
    case kXWave:
        for (int i = offset; i < end; ++i) {
            const float x = in(kInCrossfade, i) + 0.5f, c = 1.0f - x, p = c * x;
            out[i] = b(i) * (p + x) + a(i) * (p + c);
        }
        break;
    default: // no such mode: silence rather than a stale buffer
        std::memset(out + offset, 0, sizeof(float) * static_cast<size_t>(count));
        break;
    }
}

} // namespace tarlix
