// The window's zoom: 100, 150 or 200 %. It is kept with the instrument's global state in the
// global parameter "Zoom" (a menu of three items, stored as 0, 0.5 and 1); files written before
// it existed hold 0 there and open at 100 %.
#pragma once
#include <cmath>

#include "common/tags.h"

namespace tarlix {

constexpr int kZoomTag = tag::kZoom;
constexpr int kZoomLevels[] = {100, 150, 200};
constexpr int kZoomLevelCount = 3;

// The level a stored value selects; anything unreadable is 100 %.
inline int zoomPercentOf(float normalised) {
    if (!(normalised > 0.25f)) return kZoomLevels[0]; // also NaN
    return normalised < 0.75f ? kZoomLevels[1] : kZoomLevels[2];
}

inline float zoomNormalisedOf(int percent) {
    for (int i = 0; i < kZoomLevelCount; ++i)
        if (kZoomLevels[i] == percent) return static_cast<float>(i) / (kZoomLevelCount - 1);
    return 0.0f;
}

inline double zoomScaleOf(int percent) {
    return percent / 100.0;
}

// A logical length in device pixels at that zoom (a part pixel counts as one).
inline int zoomedLength(int logical, int percent) {
    return static_cast<int>(std::ceil(logical * zoomScaleOf(percent) - 1e-9));
}

} // namespace tarlix
