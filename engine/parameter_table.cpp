#include "engine/parameter_table.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/curves.h"

namespace tarlix {

bool isOptionKind(int k) {
    return k == kind::kHub || (k >= kind::kMenu && k <= kind::kLastMenu) || k == kind::kImageMenu;
}

// Text entries 57, 58 and 60..64 show their string; 59 and 65, 66 only hold one.
bool isTextDisplayKind(int k) {
    return k == kind::kTextEntry || k == kind::kTextEntry + 1 ||
           (k >= kind::kTextEntry + 3 && k <= kind::kTextEntry + 7);
}

int countOptions(const char* options) {
    int n = 0;
    if (options)
        for (const char* p = options; *p; ++p)
            if (*p == ',') ++n;
    return n;
}

bool optionItem(const char* options, int k, char* out, int maxChars) {
    out[0] = 0;
    if (!options || k < 0) return false;
    const char* p = options;
    for (int i = 0; i < k; ++i) {
        p = std::strchr(p, ',');
        if (!p) return false;
        ++p;
    }
    const char* end = std::strchr(p, ',');
    if (!end) return false;
    int n = static_cast<int>(end - p);
    if (n > maxChars) n = maxChars;
    std::memcpy(out, p, static_cast<size_t>(n));
    out[n] = 0;
    return true;
}

void formatParameterNumber(float value, char* out) {
    if (!std::isfinite(value) || std::fabs(value) >= 1e8f) {
        std::strcpy(out, "Huge!");
        return;
    }
    char buf[64];
    for (int decimals = 2; decimals >= 0; --decimals) {
        std::snprintf(buf, sizeof buf, "%.*f", decimals, static_cast<double>(value));
        if (std::strcmp(buf, "-0") == 0 || std::strcmp(buf, "-0.0") == 0 ||
            std::strcmp(buf, "-0.00") == 0)
            std::snprintf(buf, sizeof buf, "%.*f", decimals, 0.0);
        if (std::strlen(buf) <= 8) {
            std::strcpy(out, buf);
            return;
        }
    }
    std::strcpy(out, "Huge!");
}

float quantiseNormalised(float value, int steps) {
    if (!(value == value)) value = 0.0f;
    if (value < 0.0f) value = 0.0f;
    if (value > 1.0f) value = 1.0f;
    if (steps == 1) return 0.0f;
    if (steps > 1) {
        int k = static_cast<int>(std::floor((steps - 1) * value + 0.5f));
        return static_cast<float>(k) / static_cast<float>(steps - 1);
    }
    return value;
}

float engineUnits(const LayoutRecord& row, int taperCode, float normalised) {
    float t = taper_forward(normalised, taperCode);
    return (row.engineMin + (row.engineMax - row.engineMin) * t) * 0.1f;
}

int32_t roundTenfold(float x) {
    double v = std::floor(static_cast<double>(x) * 10.0 + 0.5);
    if (!(v == v)) return 0;
    if (v > 2147483647.0) return INT32_MAX;
    if (v < -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(v);
}

void ParameterLookup::build(const LayoutRecord* table, int rows) {
    for (int t = 0; t < kNumEngineValues; ++t) {
        row[t] = 0;
        steps[t] = 0;
        taper[t] = 0;
        slot[t] = kNoSlot;
        slotFamily[t] = 0;
    }
    for (int r = 1; r < rows && table[r].kind != kLayoutEndKind; ++r) {
        const LayoutRecord& rec = table[r];
        int tag = layoutTag(rec);
        if (tag >= kNumEngineValues) continue; // a malformed row never indexes out of bounds
        const int k = rec.kind;
        if (isOptionKind(k)) steps[tag] = static_cast<uint16_t>(countOptions(rec.options));
        int code = -1;
        if (k >= kind::kTaperKnob && k <= kind::kLastTaperKnob)
            code = k - kind::kTaperKnob;
        else if (k >= kind::kTaperKnobB && k < kind::kTaperKnobB + kind::kTaperKnobStyles)
            code = k - kind::kTaperKnobB;
        else if (k >= kind::kTaperKnobC && k < kind::kTaperKnobC + kind::kTaperKnobStyles)
            code = k - kind::kTaperKnobC;
        if (code >= 0)
            taper[tag] = static_cast<uint8_t>(code | ((rec.tagWord & kLayoutMirrorBit) ? 128 : 0));
        if (k < kind::kFirstDirective) row[tag] = static_cast<int16_t>(r);
    }
    // Slots are counted per family in ascending tag order.
    int stringCounter = 0;
    int dataCounter[kind::kLastDataStore - kind::kDataStore + 1] = {};
    for (int t = 0; t < kNumEngineValues; ++t) {
        if (!row[t]) continue;
        const LayoutRecord& rec = table[row[t]];
        const int k = rec.kind;
        int value = -1;
        int limit = 0;
        if (k >= kind::kTextEntry && k <= kind::kLastTextEntry) {
            value = stringCounter++;
            limit = record::kStringSlotCount;
            slotFamily[t] = kind::kTextEntry;
        } else if (k >= kind::kDataStore && k <= kind::kLastDataStore) {
            value = dataCounter[k - kind::kDataStore]++;
            limit = 3; // two short data blocks and the long one
            slotFamily[t] = static_cast<int16_t>(k);
        }
        if (value < 0) continue;
        if (value >= limit) { // more slots than the record holds: leave it without one
            slotFamily[t] = 0;
            continue;
        }
        slot[t] =
            static_cast<uint8_t>(value | ((rec.tagWord & kLayoutGlobalBit) ? kGlobalSlotBit : 0));
    }
}

const ParameterLookup& instrumentParameterLookup() {
    static const ParameterLookup lookup = [] {
        ParameterLookup l;
        l.build(kLayoutTable, kLayoutRowCount);
        return l;
    }();
    return lookup;
}

} // namespace tarlix
