#include "dsp/lookup_tables.h"

#include <algorithm>
#include <cmath>

#include "common/portable_math.h"

namespace tarlix {

void LookupTables::build(int sampleRate) {
    rate = sampleRate;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < kSineSize; ++i)
        sine[i] = static_cast<float>(0.5 * pmath::sin(2 * pi * i / 512.0));
    for (int i = 0; i < kSineSize - 1; ++i)
        sineDiff[i] = sine[i + 1] - sine[i];
    sineDiff[kSineSize - 1] = sineDiff[0];
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

} // namespace tarlix
