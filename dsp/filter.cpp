#include "dsp/filter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <emmintrin.h>

#include "common/portable_math.h"
#include "dsp/held_value.h"
#include "dsp/module_host.h"

namespace tarlix {

namespace {

// Compensation per section count (index = sections - 1): resonance scaling that keeps a
// cascade's peak in reach of a single section's.
constexpr float kT1[8] = {0.985f, 0.902f, 0.812f, 0.7415f, 0.687f, 0.645f, 0.6115f, 0.5845f};
constexpr float kT2[8] = {0.985f, 0.907f, 0.817f, 0.746f, 0.688f, 0.649f, 0.617f, 0.59f};
constexpr float kT3[8] = {0.95f, 0.456f, 0.323f, 0.26125f, 0.22515f, 0.20235f, 0.1862f, 0.1748f};
constexpr float kT5[8] = {0.42f, 0.294f, 0.2506f, 0.231f, 0.21623f, 0.20594f, 0.19845f, 0.19257f};
constexpr float kT7[8] = {1.0f, 0.754f, 0.682f, 0.6475f, 0.627f, 0.6138f, 0.6045f, 0.5975f};

constexpr float kExpIndexPerVolt = 890.43475f; // 2048 table steps over -1..+1.3 V
constexpr float kSoftCeiling = 4.0f;           // output above bends towards twice this

enum class Family { None, Biquad, TwoPole, Acid, Ladder };

Family familyOf(int type) {
    using F = QX_DSP_Multi_Filter;
    if ((type >= F::kTypeLowPassA && type <= F::kTypeLowPassD) || type == F::kTypeHighPass)
        return Family::Biquad;
    if (type >= F::kTypeTwoPoleE && type <= F::kTypeTwoPoleH) return Family::TwoPole;
    if (type == F::kTypeAcid) return Family::Acid;
    if (type == F::kTypeMilk) return Family::Ladder;
    return Family::None; // designs the instrument never selects pass the signal through
}

float interpolate(const float* table, float index) {
    const int i = static_cast<int>(index);
    return table[i] + (table[i + 1] - table[i]) * (index - static_cast<float>(i));
}

float clampResonance(float r) {
    // Above 1 the damping of types A and the high-pass turns negative: an unstable filter.
    return r > 0.0f ? (r < 1.0f ? r : 1.0f) : 0.0f;
}

bool constantOver(const float* p, int offset, int count) {
    return holdsOneValue(p + offset, count);
}

// No sample needs the ceiling's bend or the non-finite guard: all within +-kSoftCeiling (a
// NaN fails the comparison too).
bool withinCeiling(const float* y, int count) {
    const __m128 ceiling = _mm_set1_ps(kSoftCeiling);
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128 m = _mm_and_ps(_mm_loadu_ps(y + i), magnitude);
        if (_mm_movemask_ps(_mm_cmple_ps(m, ceiling)) != 0xF) return false;
    }
    for (; i < count; ++i)
        if (!(std::fabs(y[i]) <= kSoftCeiling)) return false;
    return true;
}

} // namespace

QX_DSP_Multi_Filter::QX_DSP_Multi_Filter(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(2);
}

double QX_DSP_Multi_Filter::cutoffHz(double volts) {
    return 13.75 * pmath::exp2(10.0 * volts);
}

void QX_DSP_Multi_Filter::Prepare() {
    tables_ = context->host ? &context->host->tables() : nullptr;
    // Constants on the setting ports send no events: take them now (parameters as well, so
    // the first block already runs the stored settings).
    type_ = wholeInput(kInType, 0);
    type_ = type_ < 0 ? 0 : (type_ > kTypeLast ? kTypeLast : type_);
    const int extra = wholeInput(kInExtraSections, 0);
    sections_ = extra < 0 ? 1 : (extra >= kMaxSections ? kMaxSections : extra + 1);
    exponential_ = wholeInput(kInLinearCutoff, 1) == 0;
    coefficientRate_ = wholeInput(kInCoefficientRate, 1) != 0;
    enableA_ = wholeInput(kInEnableA, 1) != 0;
    enableB_ = wholeInput(kInEnableB, 0) != 0;
    active_ = wholeInput(kInActive, 1) != 0;
    coefficientsValid_ = false;
    Reset();
    chooseMode();
}

void QX_DSP_Multi_Filter::Reset() {
    std::memset(state_, 0, sizeof state_);
    resetPending_ = false;
    twoPoleStepping_ = false;
}

void QX_DSP_Multi_Filter::HandleEvent(const EventRecord& e, int) {
    const int i = e.intValue;
    switch (e.port) {
    case kInType: {
        const int type = i < 0 ? 0 : (i > kTypeLast ? kTypeLast : i);
        if (type != type_) resetPending_ = true;
        type_ = type;
        break;
    }
    case kInExtraSections:
        sections_ = i < 0 ? 1 : (i >= kMaxSections ? kMaxSections : i + 1);
        break;
    case kInLinearCutoff:
        exponential_ = i == 0;
        break;
    case kInCoefficientRate:
        coefficientRate_ = i != 0;
        break;
    case kInEnableA:
        enableA_ = i != 0;
        break;
    case kInEnableB:
        enableB_ = i != 0;
        break;
    case kInActive:
        if (i == 0) resetPending_ = true;
        active_ = i != 0;
        break;
    case kInReset:
        if (i > 0) resetPending_ = true;
        return;
    default:
        return;
    }
    coefficientsValid_ = false;
    chooseMode();
}

void QX_DSP_Multi_Filter::chooseMode() {
    if (!enableA_ && !enableB_) {
        if (mode_ != Mode::Zero) zeroLeft_ = blockSize;
        resetPending_ = true;
        mode_ = Mode::Zero;
        return;
    }
    mode_ = active_ && familyOf(type_) != Family::None ? Mode::Filter : Mode::PassThrough;
}

float cutoffTableIndex(const LookupTables& tables, bool exponential, float cutoff) {
    float index;
    if (exponential) {
        index = (cutoff + 1.0f) * kExpIndexPerVolt; // the tables span -1..+1.3 V
    } else {
        // Linear scale: the control is fc / 10 Hz; held below 0.49 of the rate.
        const float rate = static_cast<float>(tables.rate);
        float fc = cutoff * 10.0f;
        fc = fc > 0.0f ? (fc < 0.49f * rate ? fc : 0.49f * rate) : 0.0f;
        index = fc * 4096.0f / rate;
    }
    return index > 0.0f ? (index < 2047.999f ? index : 2047.999f) : 0.0f;
}

bool biquadDesign(int type, int sections, bool exponential, const LookupTables& tb, float cutoff,
                  float resonance, float* c) {
    const float r = clampResonance(resonance);
    const int t = (sections < 1 ? 1 : (sections > 8 ? 8 : sections)) - 1;
    const float idx = cutoffTableIndex(tb, exponential, cutoff);
    switch (type) {
    case QX_DSP_Multi_Filter::kTypeLowPassA: { // q = 1 / Q from the cotangent
        const float C = interpolate(exponential ? tb.filterCot : tb.circleCot, idx);
        const float q = (1.01f - kT1[t] * r) * 1.5f;
        const float n = 1.0f / (C * C + 1.0f + q * C);
        c[0] = c[2] = n;
        c[1] = 2.0f * n;
        c[3] = 2.0f * (1.0f - C * C) * n;
        c[4] = (1.0f - q * C + C * C) * n;
        return true;
    }
    case QX_DSP_Multi_Filter::kTypeLowPassB:
    case QX_DSP_Multi_Filter::kTypeLowPassD: { // the same design with two resonance curves
        const float K = interpolate(exponential ? tb.filterTan : tb.circleTan, idx);
        const float base =
            type == QX_DSP_Multi_Filter::kTypeLowPassB ? kT3[t] * r + 0.9f : kT7[t] * r + 0.45f;
        float Q = base * base;
        Q *= Q;                                                 // ^4
        if (type == QX_DSP_Multi_Filter::kTypeLowPassD) Q *= Q; // ^8
        const float K2 = K * K;
        const float n = 1.0f / (K2 + 1.0f + K / Q);
        c[0] = c[2] = K2 * n;
        c[1] = 2.0f * K2 * n;
        c[3] = (2.0f * K2 - 2.0f) * n;
        c[4] = (K2 + 1.0f - K / Q) * n;
        return true;
    }
    case QX_DSP_Multi_Filter::kTypeLowPassC: { // from sine and cosine of the cutoff
        const float sn = interpolate(exponential ? tb.filterSin : tb.circleSin, idx);
        const float cs = interpolate(exponential ? tb.filterCos : tb.circleCos, idx);
        float d = kT5[t] * r + 1.0f;
        d *= d;
        d *= d;
        d *= d; // ^8
        const float alpha = sn / d;
        const float g = 0.5f / (alpha + 1.0f);
        c[0] = c[2] = (1.0f - cs) * g;
        c[1] = (1.0f - cs) * 2.0f * g;
        c[3] = -2.0f * cs * 2.0f * g;
        c[4] = (1.0f - alpha) * 2.0f * g;
        return true;
    }
    case QX_DSP_Multi_Filter::kTypeHighPass: {
        const float K = interpolate(exponential ? tb.filterTan : tb.circleTan, idx);
        const float q = (1.01f - kT2[t] * r) * 1.5f;
        const float n = 1.0f / (K * K + 1.0f + q * K);
        c[0] = c[2] = n;
        c[1] = -2.0f * n;
        c[3] = 2.0f * (K * K - 1.0f) * n;
        c[4] = (1.0f - q * K + K * K) * n;
        return true;
    }
    default:
        return false;
    }
}

namespace {
// Exponential cutoffs are held within -1..1.3 V (a NaN to -1) before the pitch lookup.
inline float heldCutoff(float cutoff) {
    return cutoff > -1.0f ? (cutoff < 1.3f ? cutoff : 1.3f) : -1.0f;
}
// At least w = pi p = 1e-4, so the four-pole design never divides by nearly zero.
inline float heldFactor(float p) {
    constexpr float kMinimum = 1e-4f / 3.14159265f;
    return p > kMinimum ? (p < 1.0f ? p : 1.0f) : kMinimum;
}
} // namespace

float QX_DSP_Multi_Filter::twoPoleFactor(float cutoff) const {
    const float p = exponential_ ? 2.0f * tables_->pitchIncrement(heldCutoff(cutoff))
                                 : cutoff * 20.0f / static_cast<float>(tables_->rate);
    return heldFactor(p);
}

void QX_DSP_Multi_Filter::twoPoleFactors(const float* cut, int step, float* factor,
                                         int count) const {
    if (step == 0) {
        std::fill(factor, factor + count, twoPoleFactor(cut[0]));
        return;
    }
    if (!exponential_) {
        for (int i = 0; i < count; ++i)
            factor[i] = twoPoleFactor(cut[i]);
        return;
    }
    for (int i = 0; i < count; ++i)
        factor[i] = heldCutoff(cut[i]);
    tables_->pitchIncrements(factor, 1.0f, factor, count);
    for (int i = 0; i < count; ++i)
        factor[i] = heldFactor(2.0f * factor[i]);
}

// Two-pole stages: cutoff factor f and feedback k per stage, from p = 2 fc / rate.
template <int type> void QX_DSP_Multi_Filter::twoPoleSet(int j, float p, float r) {
    const float s = static_cast<float>(11 - sections_) * 0.1f, s2 = s * s;
    const float u = 1.0f - p;
    const float f = 1.0f - u * u * u;
    coef_[0][j] = f;
    if (type == kTypeTwoPoleE) {
        coef_[1][j] = (2.0f - f * f) * s2 * r;
    } else if (type == kTypeTwoPoleF) {
        const float s6 = static_cast<float>(10 - sections_) * 0.1f;
        coef_[1][j] = (2.0f - f) * s6 * s6 * r;
    } else {
        coef_[1][j] = (2.0f - f) * s2 * r;
        const float f2 =
            type == kTypeTwoPoleG ? f - 0.5f * f * (1.0f - f) : f + (1.0f - f) * s2 * r * 0.6667f;
        coef_[2][j] = f2;
        coef_[3][j] = (2.0f - f2) * s2 * r;
    }
}

// One two-pole set per sample in one pass (the type chosen once, not per sample).
template <int type>
void QX_DSP_Multi_Filter::twoPoleSets(const float* cut, int cutStep, const float* res, int resStep,
                                      int count) {
    float factor[kMaxChunk];
    twoPoleFactors(cut, cutStep, factor, count);
    for (int i = 0; i < count; ++i)
        twoPoleSet<type>(i, factor[i], clampResonance(res[i * resStep]));
}

void QX_DSP_Multi_Filter::coefficientsAt(int j, float cutoff, float resonance) {
    const float r = clampResonance(resonance);
    const LookupTables& tb = *tables_;
    float c[5];
    if (biquadDesign(type_, sections_, exponential_, tb, cutoff, resonance, c)) {
        for (int k = 0; k < 5; ++k)
            coef_[k][j] = c[k];
        return;
    }
    switch (type_) {
    case kTypeTwoPoleE:
        twoPoleSet<kTypeTwoPoleE>(j, twoPoleFactor(cutoff), r);
        break;
    case kTypeTwoPoleF:
        twoPoleSet<kTypeTwoPoleF>(j, twoPoleFactor(cutoff), r);
        break;
    case kTypeTwoPoleG:
        twoPoleSet<kTypeTwoPoleG>(j, twoPoleFactor(cutoff), r);
        break;
    case kTypeTwoPoleH:
        twoPoleSet<kTypeTwoPoleH>(j, twoPoleFactor(cutoff), r);
        break;
    case kTypeAcid: { // four poles with the feedback soft-clipped
        const float w = 3.14159265f * twoPoleFactor(cutoff);
        const float v = 2.0f * w + 1.0f, w2 = w * w, v2 = v * v, w4 = w2 * w2;
        const float n = 1.0f / (2.0f * w4 - 4.0f * w2 * v2 + v2 * v2);
        coef_[0][j] = w;
        coef_[1][j] = w2 * w;
        coef_[2][j] = w2 * v;
        coef_[3][j] = (v2 - 2.0f * w2) * w;
        coef_[4][j] = (v2 - 3.0f * w2) * v;
        coef_[5][j] = n;
        coef_[6][j] = 2.0f * w4 * n;
        coef_[7][j] = v;
        break;
    }
    case kTypeMilk: { // a four-stage ladder
        const float p = twoPoleFactor(cutoff);
        const float P = p + 0.55f * p * (1.0f - p);
        coef_[0][j] = P;
        coef_[1][j] = 2.0f * P - 1.0f;
        coef_[2][j] = (1.0f - p) * (1.0f - p) * r * 4.5f;
        break;
    }
    default:
        break;
    }
}

// One set per sample when cutoff or resonance move within the call and the rate allows it;
// otherwise one set from the call's first sample. False when nothing needs recomputing.
bool QX_DSP_Multi_Filter::computeCoefficients(int offset, int count) {
    const float* cut = inputs[kInCutoff];
    const float* res = inputs[kInResonance];
    const bool cutBuffer = cut && inputSource[kInCutoff],
               resBuffer = res && inputSource[kInResonance];
    const bool moving = coefficientRate_ && ((cutBuffer && !constantOver(cut, offset, count)) ||
                                             (resBuffer && !constantOver(res, offset, count)));
    if (moving) {
        const int cutStep = cutBuffer ? 1 : 0, resStep = resBuffer ? 1 : 0;
        static const float kUnwired = 0.0f;
        const float* c = cut ? cut + offset * cutStep : &kUnwired;
        const float* r = res ? res + offset * resStep : &kUnwired;
        switch (type_) {
        case kTypeTwoPoleE:
            twoPoleSets<kTypeTwoPoleE>(c, cutStep, r, resStep, count);
            break;
        case kTypeTwoPoleF:
            twoPoleSets<kTypeTwoPoleF>(c, cutStep, r, resStep, count);
            break;
        case kTypeTwoPoleG:
            twoPoleSets<kTypeTwoPoleG>(c, cutStep, r, resStep, count);
            break;
        case kTypeTwoPoleH:
            twoPoleSets<kTypeTwoPoleH>(c, cutStep, r, resStep, count);
            break;
        default:
            for (int i = 0; i < count; ++i)
                coefficientsAt(i, in(kInCutoff, offset + i), in(kInResonance, offset + i));
        }
        perSampleCoefficients_ = true;
        coefficientsValid_ = false;
        return true;
    }
    // One set per call: a call that only goes on past a host's cut keeps the set it had.
    if (!coefficientRate_ && coefficientsValid_ && continuesCall()) return false;
    const float c = in(kInCutoff, offset), r = in(kInResonance, offset);
    perSampleCoefficients_ = false;
    if (coefficientsValid_ && c == lastCutoff_ && r == lastResonance_) return false;
    coefficientsAt(0, c, r);
    lastCutoff_ = c;
    lastResonance_ = r;
    coefficientsValid_ = true;
    return true;
}

void QX_DSP_Multi_Filter::runBiquad(Section* st, const float* in, float* out, int offset,
                                    int count) const {
    const auto cascade = [&](const auto& coefficient) {
        int k = 0;
        for (; k + 1 < sections_; k += 2)
            BiquadSection::runPair(st[k].biquad, st[k + 1].biquad, k == 0 ? in : out, out, offset,
                                   offset + count, coefficient);
        if (k < sections_)
            st[k].biquad.run(k == 0 ? in : out, out, offset, offset + count, coefficient);
    };
    if (perSampleCoefficients_) {
        cascade([&](int i, int k) { return coef_[k][i - offset]; });
        return;
    }
    // One set for the call: held in registers rather than read again for every sample.
    const float held[5] = {coef_[0][0], coef_[1][0], coef_[2][0], coef_[3][0], coef_[4][0]};
    cascade([&held](int, int k) { return held[k]; });
}

namespace {

// One two-pole stage a, b with cutoff factor g and feedback k: a = a + ((x - a) + (a - b) k) g,
// b = b + (a - b) g. That direct form chains six operations per sample through a. Folding the
// previous b into the update, a_n = a_{n-1} (1 - g + kg - kg g') + x g - kg (1 - g') b_{n-2}
// (g' the previous sample's factor), leaves one multiply and one add per state and sample.
// The first sample of a call uses the direct form, so no extra state is kept between calls.
struct TwoPoleStage {
    float a, b, bOld = 0.0f, gPrev = 0.0f;
    float first(float x, float g, float k) {
        const float next = a + ((x - a) + (a - b) * k) * g;
        bOld = b;
        b = b + (next - b) * g;
        a = next;
        gPrev = g;
        return b;
    }
    float step(float x, float g, float k) {
        const float q = k * g;
        const float r = 1.0f - g + q - q * gPrev, s = q * (1.0f - gPrev);
        a = a * r + (x * g - s * bOld);
        bOld = b;
        b = b * (1.0f - g) + a * g;
        gPrev = g;
        return b;
    }
};

// Where stage 0 or 1 of a section keeps its state: a and b, and the stepping form's last b and
// g, which a call that goes on past a host's cut takes over.
struct StageSlots {
    float* s;
    int stage;
    TwoPoleStage load() const {
        return {s[2 * stage], s[2 * stage + 1], s[5 + 2 * stage], s[6 + 2 * stage]};
    }
    void store(const TwoPoleStage& t) const {
        s[2 * stage] = t.a;
        s[2 * stage + 1] = t.b;
        s[5 + 2 * stage] = t.bOld;
        s[6 + 2 * stage] = t.gPrev;
    }
};

// Stage `one`, then, for a pair, stage `two`: the two stages of one section, or two one-stage
// sections side by side (their recursions then overlap, as a biquad pair's). A call that goes on
// past a host's cut (`continues`) takes every sample in the stepping form, as one call across
// the cut would.
template <bool perSample, bool pair, bool twoSets>
void runTwoPoleSection(StageSlots slotsOne, StageSlots slotsTwo, const float* src, float* out,
                       int count, const float (*coef)[kMaxChunk], bool continues) {
    TwoPoleStage one = slotsOne.load(), two = slotsTwo.load();
    const auto at = [&](int k, int i) { return coef[k][perSample ? i : 0]; };
    const auto second = [&](int i) { return twoSets ? at(2, i) : at(0, i); };
    const auto secondFeedback = [&](int i) { return twoSets ? at(3, i) : at(1, i); };
    float y;
    if (continues) {
        y = one.step(src[0], at(0, 0), at(1, 0));
        if (pair) y = two.step(y, second(0), secondFeedback(0));
    } else {
        y = one.first(src[0], at(0, 0), at(1, 0));
        if (pair) y = two.first(y, second(0), secondFeedback(0));
    }
    out[0] = y;
    for (int i = 1; i < count; ++i) {
        y = one.step(src[i], at(0, i), at(1, i));
        if (pair) y = two.step(y, second(i), secondFeedback(i));
        out[i] = y;
    }
    slotsOne.store(one);
    if (pair) slotsTwo.store(two);
}

} // namespace

void QX_DSP_Multi_Filter::runTwoPole(Section* st, const float* in, float* out, int offset,
                                     int count, bool continues) const {
    if (count <= 0) return;
    using Run = void (*)(StageSlots, StageSlots, const float*, float*, int,
                         const float(*)[kMaxChunk], bool);
    // Type 5 is one stage per section, 6 two stages sharing a set, 7 and 8 two stages with two.
    static constexpr Run kRuns[2][3] = {
        {runTwoPoleSection<false, false, false>, runTwoPoleSection<false, true, false>,
         runTwoPoleSection<false, true, true>},
        {runTwoPoleSection<true, false, false>, runTwoPoleSection<true, true, false>,
         runTwoPoleSection<true, true, true>}};
    const int shape = type_ == 5 ? 0 : (type_ == 6 ? 1 : 2);
    const Run run = kRuns[perSampleCoefficients_ ? 1 : 0][shape];
    int k = 0;
    if (shape == 0) {
        // One stage per section, all on one set: two sections run as one section's pair.
        const Run twoSections = kRuns[perSampleCoefficients_ ? 1 : 0][1];
        for (; k + 1 < sections_; k += 2)
            twoSections({st[k].s, 0}, {st[k + 1].s, 0}, (k == 0 ? in : out) + offset, out + offset,
                        count, coef_, continues);
    }
    for (; k < sections_; ++k)
        run({st[k].s, 0}, {st[k].s, 1}, (k == 0 ? in : out) + offset, out + offset, count, coef_,
            continues);
}

void QX_DSP_Multi_Filter::runAcid(Section* st, const float* in, float* out, int offset,
                                  int count) const {
    const int step = perSampleCoefficients_ ? 1 : 0;
    const float k = acidResonance_, gain = 0.5f * k + 1.666f;
    for (int n = 0; n < sections_; ++n) {
        Section& z = st[n];
        const float* src = n == 0 ? in : out;
        float s0 = z.s[0], s1 = z.s[1], s2 = z.s[2], s3 = z.s[3], zz = z.s[4];
        for (int i = 0, j = 0; i < count; ++i, j += step) {
            const float w = coef_[0][j], v = coef_[7][j], G = coef_[6][j];
            const float u =
                (s0 * coef_[1][j] + s1 * coef_[2][j] + s2 * coef_[3][j] + s3 * coef_[4][j]) *
                coef_[5][j];
            const float zNew = u - zz;
            const float xin = src[offset + i];
            float x = xin + (xin * G + zNew) * (-(k / (k * G + 1.0f)));
            x = x / (std::fabs(x) + 1.0f);
            const float y = G * x + u;
            out[offset + i] = gain * y;
            zz = y - (G * x + zNew);
            const float t1 = (v * y - s3) / w;
            const float t2 = (v * t1 - w * y - s2) / w;
            const float t3 = (v * t2 - w * t1 - s1) / w;
            s0 += (x - t3 + t2) * 4.0f * w;
            s1 += (t3 - 2.0f * t2 + t1) * 2.0f * w;
            s2 += (t2 - 2.0f * t1 + y) * 2.0f * w;
            s3 += (t1 - 2.0f * y) * 2.0f * w;
        }
        z.s[0] = s0;
        z.s[1] = s1;
        z.s[2] = s2;
        z.s[3] = s3;
        z.s[4] = zz;
    }
}

void QX_DSP_Multi_Filter::runLadder(Section* st, const float* in, float* out, int offset,
                                    int count) const {
    const int step = perSampleCoefficients_ ? 1 : 0;
    constexpr float kClip = 1.41421356f; // the cubic turns back above sqrt 2
    for (int n = 0; n < sections_; ++n) {
        Section& z = st[n];
        const float* src = n == 0 ? in : out;
        float xp = z.s[0], y1 = z.s[1], y2 = z.s[2], y3 = z.s[3], y4 = z.s[4];
        for (int i = 0, j = 0; i < count; ++i, j += step) {
            const float P = coef_[0][j], k = coef_[1][j], R = coef_[2][j];
            const float x = src[offset + i] - R * y4;
            const float n1 = (x + xp) * P - k * y1;
            const float n2 = (n1 + y1) * P - k * y2;
            const float n3 = (n2 + y2) * P - k * y3;
            float n4 = (n3 + y3) * P - k * y4;
            n4 = n4 > kClip ? kClip : (n4 < -kClip ? -kClip : n4);
            n4 = n4 - n4 * n4 * n4 * 0.1666666f;
            y1 = n1;
            y2 = n2;
            y3 = n3;
            y4 = n4;
            xp = x;
            out[offset + i] = n4;
        }
        z.s[0] = xp;
        z.s[1] = y1;
        z.s[2] = y2;
        z.s[3] = y3;
        z.s[4] = y4;
    }
}

// A biquad's output history beyond +-20 is held there, so an unstable corner saturates
// instead of overflowing; a state that is no longer finite starts again from silence.
void QX_DSP_Multi_Filter::keepStatesBounded(int channels) {
    for (int c = 0; c < channels; ++c)
        for (int k = 0; k < sections_; ++k) {
            Section& z = state_[c][k];
            z.biquad.settle();
            bool finite = true;
            for (float v : z.s)
                finite = finite && std::isfinite(v) && std::fabs(v) < 1e6f;
            if (!finite) {
                z = Section{};
                twoPoleStepping_ = false;
            }
        }
}

void QX_DSP_Multi_Filter::Render(int offset, int count) {
    const bool stereo = inputs[kInRight] && inputSource[kInRight];
    const int channels = stereo ? 2 : 1;
    const size_t bytes = sizeof(float) * static_cast<size_t>(count);
    if (resetPending_) Reset();
    // The two-pole stages go on in their stepping form only from a call that ran them.
    const bool stepping = twoPoleStepping_ && continuesCall();
    twoPoleStepping_ = false;
    if (!inputs[kInLeft] || !inputSource[kInLeft] || mode_ == Mode::Zero) {
        for (int c = 0; c < 2; ++c)
            std::memset(outputs[c] + offset, 0, bytes);
        zeroLeft_ -= count;
        if (!inputs[kInLeft] || !inputSource[kInLeft] || zeroLeft_ < 0) Sleep(offset, count);
        return;
    }
    if (mode_ == Mode::PassThrough || !tables_) {
        for (int c = 0; c < channels; ++c)
            std::memcpy(outputs[c] + offset, inputs[c] + offset, bytes);
        return;
    }
    computeCoefficients(offset, count);
    const Family family = familyOf(type_);
    // Read once per call; kept when the call only goes on past a host's cut.
    if (family == Family::Acid && !(continuesCall() && acidKept_))
        acidResonance_ = 20.0f * clampResonance(in(kInResonance, offset));
    acidKept_ = family == Family::Acid;
    for (int c = 0; c < channels; ++c) {
        switch (family) {
        case Family::Biquad:
            runBiquad(state_[c], inputs[c], outputs[c], offset, count);
            break;
        case Family::TwoPole:
            runTwoPole(state_[c], inputs[c], outputs[c], offset, count, stepping);
            break;
        case Family::Acid:
            runAcid(state_[c], inputs[c], outputs[c], offset, count);
            break;
        case Family::Ladder:
            runLadder(state_[c], inputs[c], outputs[c], offset, count);
            break;
        case Family::None:
            break;
        }
        // A non-finite sample never leaves the filter, and neither does the burst a swept
        // resonant cascade can build up against its history clamp: above 4 (+12 dBFS) the
        // output bends softly towards 8. The recursion itself keeps the unbent values.
        if (withinCeiling(outputs[c] + offset, count)) continue;
        for (int i = offset; i < offset + count; ++i) {
            float& y = outputs[c][i];
            if (!std::isfinite(y)) y = 0.0f;
            const float m = std::fabs(y);
            if (m > kSoftCeiling) {
                const float over = m - kSoftCeiling;
                const float bent = kSoftCeiling + over / (1.0f + over / kSoftCeiling);
                y = y < 0.0f ? -bent : bent;
            }
        }
    }
    twoPoleStepping_ = family == Family::TwoPole;
    keepStatesBounded(channels);
}

} // namespace tarlix
