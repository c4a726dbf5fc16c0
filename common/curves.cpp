#include "common/curves.h"

#include <cmath>

namespace tarlix {

float taper_forward(float x, int code) {
    float y;
    switch (code & 0x7F) {
    case 2:
        y = (x * x) * (x * x);
        break;
    case 3:
        y = x * x;
        break;
    case 4:
        y = 1.0f - (1.0f - x) * (1.0f - x);
        break;
    case 5: {
        float u = (1.0f - x) * (1.0f - x);
        y = 1.0f - u * u;
        break;
    }
    default:
        y = x;
        break;
    }
    return (code & 0x80) ? 1.0f - y : y;
}

float taper_inverse(float y, int code) {
    float x = (code & 0x80) ? 1.0f - y : y;
    if (!(x > 0.0f)) return 0.0f; // also NaN
    if (x >= 1.0f) return 1.0f;
    switch (code & 0x7F) {
    case 2:
        return std::sqrt(std::sqrt(x));
    case 3:
        return std::sqrt(x);
    case 4:
        return 1.0f - std::sqrt(1.0f - x);
    case 5:
        return 1.0f - std::sqrt(std::sqrt(1.0f - x));
    default:
        return x;
    }
}

float shape_curve(int shape, float x) {
    float d = x - 0.5f;
    float ad = std::fabs(d);
    switch (shape) {
    case 1:
        return x * x;
    case 2:
        return (x * x) * (x * x);
    case 3:
        return 1.0f - (1.0f - x) * (1.0f - x);
    case 4:
        return 2.0f * ad * d + 0.5f;
    case 5:
        return 4.0f * ad * d * ad + 0.5f;
    case 6:
        return d - 2.0f * ad * d + x;
    case 7: {
        float u = (1.0f - x) * (1.0f - x);
        return 1.0f - u * u;
    }
    default:
        return x;
    }
}

float shape_curve_blend(int shape, float x, float depth) {
    // The blended form knows only shapes 1..6; everything else is linear.
    float y = (shape >= 1 && shape <= 6) ? shape_curve(shape, x) : x;
    return y * depth + (1.0f - depth);
}

namespace {
// A generator word as a float at least 0 and below range.
float uniformOf(uint32_t word, float range) {
    float f = static_cast<float>(static_cast<double>(word) * (1.0 / 4294967296.0) * range);
    // Rounding to float can reach the range itself; keep the result below it.
    if (range > 0.0f && f >= range) f = std::nextafter(range, 0.0f);
    return f;
}
} // namespace

float RandomSequence::uniform(float range) {
    return uniformOf(next(), range);
}

int RandomSequence::below(int n) {
    uint32_t w = next();
    if (n <= 0) return 0;
    return static_cast<int>(static_cast<double>(w) * (1.0 / 4294967296.0) * n);
}

float parse_number(const char* text) {
    if (!text) return kParseFailure;
    const char* p = text;
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    if (*p == '+') ++p;
    double value = 0.0, fraction = 0.1;
    bool inFraction = false;
    // Byte-wise and locale-free: only ASCII digits and '.' count; ',' ends the number.
    for (; *p && *p != ','; ++p) {
        char c = *p;
        if (c >= '0' && c <= '9') {
            if (inFraction) {
                value += (c - '0') * fraction;
                fraction *= 0.1;
            } else {
                value = value * 10.0 + (c - '0');
            }
        } else if (c == '.' && !inFraction) {
            inFraction = true;
        } else {
            return kParseFailure;
        }
    }
    if (!std::isfinite(value) || value > 1e30) return kParseFailure;
    if (negative && value != 0.0) value = -value;
    return static_cast<float>(value);
}

} // namespace tarlix
