// The bank audition: plays every program a short phrase that fits its category, measures the
// result (EBU R128 loudness, true peak, a spectral and envelope fingerprint) and draws a
// contact sheet of spectrograms.
#pragma once
#include <cmath>
#include <string>
#include <vector>

#include "tools/plugin_host.h"

namespace audition {

constexpr int kPrograms = 128;
constexpr int kPerCategory = 16; // a header, then its programs
constexpr double kTempo = 120.0; // the host's tempo while a phrase plays

enum class Category { Tones, Bass, Pads, Keys, Patterns, Experiments, NoiseFx, Initials };

inline Category categoryOf(int program) {
    return static_cast<Category>(program / kPerCategory);
}
inline bool isHeader(int program) {
    return program % kPerCategory == 0;
}
const char* categoryName(Category c);

// The host callback a plug-in played by `render` must be created with: it reports the
// phrase's transport (playing, 4/4, kTempo).
intptr_t host(vst::AEffect*, int32_t opcode, int32_t index, intptr_t value, void* ptr, float);

struct Stereo {
    std::vector<float> left, right;
    int rate = 48000;
    double seconds() const { return static_cast<double>(left.size()) / rate; }
};

// Selects `program` on a freshly resumed instance and plays its category's phrase (a line for
// leads and initials, a bass line, a held chord for pads and patterns, chord changes for keys,
// a held note for effects), then its release. With `select` false the instance keeps its
// current settings (a program with live edits) and only the phrase follows the program.
Stereo render(tools::LoadedPlugin& plugin, int program, int rate = 48000, int block = 256,
              bool select = true);

struct Measures {
    double loudness = -HUGE_VAL;   // integrated, LUFS (-inf when silent)
    double truePeak = -HUGE_VAL;   // dBTP
    double samplePeak = -HUGE_VAL; // dBFS
    double seconds = 0.0;
    bool finite = true;
    std::vector<float> fingerprint; // band levels and envelope, dB
};

Measures measure(const Stereo& s);

// The RMS difference of two fingerprints in dB: small for programs that sound alike.
double distance(const Measures& a, const Measures& b);

bool writeWav(const std::string& path, const Stereo& s);

// One tile per program, a column per category: a log-frequency spectrogram with the
// short-term level drawn over it and the program number above.
bool writeContactSheet(const std::string& path, const std::vector<Stereo>& phrases);

} // namespace audition
