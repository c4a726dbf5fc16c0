#include "dsp/lookup_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <emmintrin.h>

#include "common/portable_math.h"
#include "dsp/vector_math.h"

namespace tarlix {

void LookupTables::build(int sampleRate) {
    rate = sampleRate;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < kSineSize; ++i)
        sine[i] = static_cast<float>(0.5 * pmath::sin(2 * pi * i / 512.0));
    for (int i = 0; i < kSineSize - 1; ++i)
        sineDiff[i] = sine[i + 1] - sine[i];
    sineDiff[kSineSize - 1] = sineDiff[0];
    for (int i = 0; i < kSineSize - 1; ++i) {
        sinePair[i][0] = sine[i];
        sinePair[i][1] = sineDiff[i];
    }
    for (int k = 0; k < kPowerCount; ++k) {
        double p = std::ldexp(1.0, k + kPowerMin);
        pow2[k] = static_cast<float>(p);
        pow2Milli[k] = static_cast<float>(0.001375 * p);
        pow2Pitch[k] = static_cast<float>(1.375 * p);
    }
    for (int i = 0; i < kFinePitchSize; ++i) {
        double r = pmath::exp2(i / 256.0);
        fineRatio[i] = static_cast<float>(r);
        finePitch[i] = static_cast<float>(13.75 * r / sampleRate);
    }
    for (int i = 0; i < kFinePitchSize - 1; ++i) {
        finePitchDiff[i] = finePitch[i + 1] - finePitch[i];
        fineRatioDiff[i] = fineRatio[i + 1] - fineRatio[i];
    }
    finePitchDiff[kFinePitchSize - 1] = finePitchDiff[kFinePitchSize - 2];
    fineRatioDiff[kFinePitchSize - 1] = fineRatioDiff[kFinePitchSize - 2];
    for (int i = 0; i < 256; ++i) {
        finePitchPair[i][0] = finePitch[i];
        finePitchPair[i][1] = finePitchDiff[i];
    }
    const double half = sampleRate / 2; // whole-number half rate
    for (int i = 0; i < kCircleSize; ++i) {
        double w = std::max(i, 1) / 4096.0;
        circleTan[i] = static_cast<float>(pmath::tan(pi * w));
        circleCot[i] = static_cast<float>(1.0 / pmath::tan(pi * w));
        circleSin[i] = static_cast<float>(pmath::sin(2 * pi * w));
        circleCos[i] = static_cast<float>(pmath::cos(2 * pi * w));
        double f = std::min(13.75 * pmath::exp2(i * 23.0 / 2048.0 - 10.0), 0.99 * half);
        double x = pi * f / sampleRate;
        filterRel[i] = static_cast<float>(f / half);
        filterTan[i] = static_cast<float>(pmath::tan(x));
        filterCot[i] = static_cast<float>(1.0 / pmath::tan(x));
        filterSin[i] = static_cast<float>(pmath::sin(2 * x));
        filterCos[i] = static_cast<float>(pmath::cos(2 * x));
    }
}

void LookupTables::sinesAt(const float* phase, float* out, int count) const {
    const __m128 points = _mm_set1_ps(512.0f), zero = _mm_setzero_ps(), last = _mm_set1_ps(511.0f);
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128 x = _mm_mul_ps(_mm_loadu_ps(phase + i), points);
        // The whole point clamped as sineAt clamps it, exact as a float.
        const __m128 point =
            _mm_min_ps(_mm_max_ps(_mm_cvtepi32_ps(_mm_cvttps_epi32(x)), zero), last);
        alignas(16) int32_t w[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(w), _mm_cvttps_epi32(point));
        const __m128 pairs01 =
            _mm_loadh_pi(_mm_loadl_pi(zero, reinterpret_cast<const __m64*>(sinePair[w[0]])),
                         reinterpret_cast<const __m64*>(sinePair[w[1]]));
        const __m128 pairs23 =
            _mm_loadh_pi(_mm_loadl_pi(zero, reinterpret_cast<const __m64*>(sinePair[w[2]])),
                         reinterpret_cast<const __m64*>(sinePair[w[3]]));
        const __m128 value = _mm_shuffle_ps(pairs01, pairs23, _MM_SHUFFLE(2, 0, 2, 0));
        const __m128 diff = _mm_shuffle_ps(pairs01, pairs23, _MM_SHUFFLE(3, 1, 3, 1));
        _mm_storeu_ps(out + i, _mm_add_ps(value, _mm_mul_ps(diff, _mm_sub_ps(x, point))));
    }
    for (; i < count; ++i)
        out[i] = sineAt(phase[i]);
}

void LookupTables::pitchIncrements(const float* pitch, float tune, float* out, int count) const {
    const __m128 zero = _mm_setzero_ps(), tune4 = _mm_set1_ps(tune),
                 offset = _mm_set1_ps(kPitchOffset), scale = _mm_set1_ps(kPitchScale),
                 top = _mm_set1_ps(kPitchTop);
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        __m128 v = _mm_loadu_ps(pitch + i);
        v = vmath::finiteOrZero(v);
        __m128 x = _mm_mul_ps(_mm_add_ps(_mm_mul_ps(v, tune4), offset), scale);
        x = _mm_min_ps(_mm_max_ps(x, zero), top); // max gives 0 for NaN, as the scalar test
        const __m128i whole = _mm_cvttps_epi32(x);
        const __m128 fraction = _mm_sub_ps(x, _mm_cvtepi32_ps(whole));
        alignas(16) int32_t w[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(w), whole);
        // Each lane's point and difference are one 8-byte load, split into two vectors.
        const __m128 pairs01 = _mm_loadh_pi(
            _mm_loadl_pi(zero, reinterpret_cast<const __m64*>(finePitchPair[w[0] & 255])),
            reinterpret_cast<const __m64*>(finePitchPair[w[1] & 255]));
        const __m128 pairs23 = _mm_loadh_pi(
            _mm_loadl_pi(zero, reinterpret_cast<const __m64*>(finePitchPair[w[2] & 255])),
            reinterpret_cast<const __m64*>(finePitchPair[w[3] & 255]));
        const __m128 fine = _mm_shuffle_ps(pairs01, pairs23, _MM_SHUFFLE(2, 0, 2, 0));
        const __m128 diff = _mm_shuffle_ps(pairs01, pairs23, _MM_SHUFFLE(3, 1, 3, 1));
        // pow2[w >> 8] is 2^((w >> 8) + kPowerMin): built in the exponent field, no loads.
        const __m128 octave = _mm_castsi128_ps(_mm_slli_epi32(
            _mm_add_epi32(_mm_srli_epi32(whole, 8), _mm_set1_epi32(127 + kPowerMin)), 23));
        _mm_storeu_ps(out + i, _mm_mul_ps(_mm_add_ps(fine, _mm_mul_ps(diff, fraction)), octave));
    }
    for (; i < count; ++i)
        out[i] = pitchIncrement((std::isfinite(pitch[i]) ? pitch[i] : 0.0f) * tune);
}

} // namespace tarlix
