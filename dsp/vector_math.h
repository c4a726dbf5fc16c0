// SSE2 lane helpers, mostly two doubles at a time for the waveshapers' antiderivatives, and
// ln(1 + x), written with IEEE additions, multiplications and divisions only, so every build
// computes the same bits whatever its C library.
#pragma once
#include <emmintrin.h>

#include <cstdint>

namespace tarlix::vmath {

// Four floats with each one that is not finite made 0 (v - v is 0 exactly where v is finite).
inline __m128 finiteOrZero(__m128 v) {
    return _mm_and_ps(v, _mm_cmpeq_ps(_mm_sub_ps(v, v), _mm_setzero_ps()));
}
inline __m128d abs(__m128d x) {
    return _mm_andnot_pd(_mm_set1_pd(-0.0), x);
}
// Per lane: `yes` where mask is set, else `no`.
inline __m128d select(__m128d mask, __m128d yes, __m128d no) {
    return _mm_or_pd(_mm_and_pd(mask, yes), _mm_andnot_pd(mask, no));
}
// v with the sign of s flipped in where s is negative (v taken as a magnitude).
inline __m128d signOf(__m128d s, __m128d v) {
    return _mm_xor_pd(v, _mm_and_pd(s, _mm_set1_pd(-0.0)));
}

// ln(1 + x) for x >= 0 (0 gives exactly 0), within a few ulp: 1 + x = 2^e m with m in
// [0.707, 1.414], ln m = 2 atanh(s) with s = (m - 1) / (m + 1), and the rounding
// of 1 + x given back as (x - (u - 1)) / u, so small x keep their precision.
inline __m128d log1p(__m128d x) {
    const __m128d one = _mm_set1_pd(1.0);
    const __m128d u = _mm_add_pd(one, x);
    const __m128d lost = _mm_div_pd(_mm_sub_pd(x, _mm_sub_pd(u, one)), u);
    const __m128i bits = _mm_castpd_si128(u);
    // The exponent (u >= 1, so 0 to 1024) made a double through the bits of 2^52 + e.
    const __m128i biased = _mm_srli_epi64(bits, 52);
    const __m128i twoTo52 = _mm_set1_epi64x(0x4330000000000000LL);
    __m128d e =
        _mm_sub_pd(_mm_castsi128_pd(_mm_or_si128(biased, twoTo52)), _mm_castsi128_pd(twoTo52));
    e = _mm_sub_pd(e, _mm_set1_pd(1023.0));
    __m128d m = _mm_castsi128_pd(_mm_or_si128(
        _mm_and_si128(bits, _mm_set1_epi64x(0x000fffffffffffffLL)), _mm_castpd_si128(one)));
    const __m128d high = _mm_cmpgt_pd(m, _mm_set1_pd(1.4142135623730951));
    m = _mm_mul_pd(m, select(high, _mm_set1_pd(0.5), one));
    e = _mm_add_pd(e, _mm_and_pd(high, one));
    const __m128d s = _mm_div_pd(_mm_sub_pd(m, one), _mm_add_pd(m, one)), z = _mm_mul_pd(s, s);
    // atanh(s) / s = 1 + z/3 + z^2/5 + ... over z = s^2 <= 0.0295, economised from the series
    // to degree 7 through its Chebyshev expansion (off by 1.2e-18 at most).
    static constexpr double kSeries[] = {1.0,
                                         0.33333333333333826,
                                         0.19999999999649795,
                                         0.14285714380601372,
                                         0.11111098501112163,
                                         0.09091817198776582,
                                         0.07656230488116883,
                                         0.0740518131990953};
    __m128d p = _mm_set1_pd(kSeries[7]);
    for (int k = 6; k >= 0; --k)
        p = _mm_add_pd(_mm_mul_pd(p, z), _mm_set1_pd(kSeries[k]));
    // ln 2 in two parts, the first with its low bits zero, so e ln2Hi is exact.
    const __m128d ln2Hi = _mm_set1_pd(6.93147180369123816490e-01),
                  ln2Lo = _mm_set1_pd(1.90821492927058770002e-10);
    const __m128d small = _mm_add_pd(_mm_mul_pd(e, ln2Lo), lost);
    const __m128d mantissa = _mm_mul_pd(_mm_add_pd(s, s), p);
    return _mm_add_pd(_mm_add_pd(small, mantissa), _mm_mul_pd(e, ln2Hi));
}

} // namespace tarlix::vmath
