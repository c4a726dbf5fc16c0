// A buffer that holds one value: the usual case for a held key or a control that does not move,
// which lets a module compute once per chunk what it would otherwise compute per sample.
#pragma once
#include <xmmintrin.h>

namespace tarlix {

// Every one of the `count` samples equals the first (a NaN never does), compared four at a
// time; the whole buffer is scanned when it holds.
inline bool holdsOneValue(const float* p, int count) {
    if (count <= 0) return true;
    const float first = p[0];
    const __m128 v = _mm_set1_ps(first);
    int i = 1;
    for (; i + 4 <= count; i += 4)
        if (_mm_movemask_ps(_mm_cmpneq_ps(_mm_loadu_ps(p + i), v)) != 0) return false;
    for (; i < count; ++i)
        if (p[i] != first) return false;
    return true;
}

} // namespace tarlix
