// Every automatable parameter, swept through the loaded library: a short phrase is rendered at
// two or three settings of the parameter, in the context where the parameter matters (set by the
// table below), and each setting must sound different from the first. A parameter that changes
// nothing is a wiring fault. Renders are deterministic: the first setting is rendered twice and
// must come out the same, so a difference is the parameter's doing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "host/event_list.h"
#include "tests/host_fixture.h"

using namespace testhost;
using namespace vst;

namespace {

constexpr float kRate = 48000.0f;
constexpr int kBlock = 256;

// What the phrase plays besides its three notes.
enum Extra : unsigned {
    kPlain = 0,
    kPressure = 1,   // channel pressure rising from 0.2 s
    kWheel = 2,      // modulation wheel rising from 0.2 s (no pressure)
    kBend = 4,       // pitch bend up at 0.35 s
    kMpe = 8,        // the notes on member channels 2-4, each with its own bend, pressure, CC74
    kHostInput = 16, // a 220 Hz tone on the host's inputs
    kStaggered = 32, // the top note released first, at 0.5 s
    kChord = 64,     // the three notes together, 10 ms in
    // All Notes Off after the first block: the later notes start a new phrase on oscillators
    // and LFOs that have been running (where retriggering shows)
    kNewPhrase = 128
};

using Settings = std::vector<std::pair<int, float>>;

struct Sweep {
    int tag;
    Settings context;            // other parameters, set first
    std::vector<float> values{}; // normalised settings; empty = 0, 0.5, 1
    unsigned extra = kPlain;
};

constexpr float opt(int k, int n) {
    return static_cast<float>(k) / static_cast<float>(n - 1);
}

// Contexts that recur.
// LFOs on at full depth, at the free rate ("Sync" on; off follows the beat).
const Settings kLfo1{{6, 1.0f}, {15, 1.0f}, {13, 1.0f}, {11, 0.5f}};
const Settings kLfo2{{17, 1.0f}, {26, 1.0f}, {24, 1.0f}, {22, 0.5f}};
const Settings kLfo3{{28, 1.0f}, {37, 1.0f}, {35, 1.0f}, {33, 0.5f}};
const Settings kHfo{{40, 1.0f}, {43, 0.5f}};
const Settings kAft{{54, 1.0f}};
const Settings kOsc2{{75, 0.0f}, {76, 1.0f}};
const Settings kNoise{{78, 1.0f}, {79, 1.0f}}; // "Noise LPF" 0 closes the noise
const Settings kCutHalf{{83, 0.5f}};
const Settings kFilterEnv{{83, 0.3f}, {94, 1.0f}, {89, 0.3f}, {90, 0.3f}};
const Settings kEnv1{{95, 1.0f}, {102, 0.75f}, {97, 0.3f}, {98, 0.5f}};
const Settings kEnv2{{95, 1.0f}, {111, 0.75f}, {106, 0.3f}, {107, 0.5f}};
const Settings kArp{{124, 1.0f}, {128, opt(6, 9)}}; // eight steps a beat
const Settings kSeq{{131, 1.0f}, {133, opt(6, 9)}, {143, 1.0f}, {152, 0.0f}, {153, 1.0f},
                    {135, 1.0f}, {137, 1.0f},      {145, 1.0f}, {146, 0.5f}, {148, 0.8f}};
const Settings kEcho{{162, 1.0f}, {172, 0.8f}, {165, 1.0f}}; // repeats 1/16 x 4 apart
const Settings kChorus{{186, 1.0f}, {191, 1.0f}};
const Settings kEq{{205, 1.0f}, {197, 1.0f}, {200, 1.0f}, {203, 1.0f}};
const Settings kMeltA{{154, 1.0f}, {155, 1.0f}, {156, 1.0f}, {158, 1.0f}, {160, 1.0f}};
const Settings kMeltB{{154, 1.0f}, {155, 1.0f}, {223, 1.0f}};
const Settings kMpeOn{{232, 1.0f}};

Settings operator+(Settings a, const Settings& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// LFO k (0..2): the same knobs at a stride of 11 parameters.
std::vector<Sweep> lfoSweeps(int k) {
    const int b = 6 + 11 * k;
    const Settings on = k == 0 ? kLfo1 : (k == 1 ? kLfo2 : kLfo3);
    const int targets = k == 2 ? 17 : 19;
    std::vector<Sweep> s = {
        {b, {{b + 9, 1.0f}}, {0.0f, 1.0f}},                               // On/Off
        {b + 1, on + Settings{{b + 8, 1.0f}}, {0.0f, 1.0f}, kNewPhrase},  // Retrig
        {b + 2, on},                                                      // Shape
        {b + 3, on, {0.0f, 0.3f}},                                        // Intro
        {b + 4, on, {opt(0, targets), opt(4, targets), opt(9, targets)}}, // Target
        {b + 5, on, {0.1f, 0.5f, 1.0f}},                                  // Rate
        {b + 6, on + Settings{{b + 7, 0.0f}}},                            // Beat (synced)
        {b + 7, on, {1.0f, 0.0f}},                                        // Sync
        {b + 8, on + Settings{{b + 1, 1.0f}}, {0.5f, 0.75f, 1.0f}},       // Phase
        {b + 9, {{b, 1.0f}}},                                             // Depth
        {b + 10, on, {0.0f, 1.0f}},                                       // Subtle
    };
    if (k == 2) s.push_back({39, kLfo3, {0.0f, 1.0f}}); // Lfo3 Track
    return s;
}

std::vector<Sweep> table() {
    std::vector<Sweep> t;
    for (int k = 0; k < 3; ++k)
        for (const Sweep& s : lfoSweeps(k))
            t.push_back(s);
    const Sweep rest[] = {
        // HFO
        {40, {{43, 0.5f}}, {0.0f, 1.0f}},
        {41, kHfo, {opt(0, 13), opt(4, 13), opt(9, 13)}},
        {42, kHfo},
        {43, {{40, 1.0f}}},
        {44, kHfo},
        {45, kHfo},
        {46, kHfo},
        {47, kHfo, {0.0f, 0.4f}},
        {48, kHfo + Settings{{49, 0.2f}}, {0.0f, 0.4f}},
        {49, kHfo + Settings{{48, 0.3f}}},
        {50, kHfo, {0.0f, 0.5f}},
        {51, kHfo + Settings{{47, 0.4f}}},
        {52, kHfo},
        {53, kHfo},
        // Pressure
        {54, {{55, 1.0f}}, {0.0f, 1.0f}, kPressure},
        {55, kAft, {}, kPressure},
        {56, kAft + Settings{{64, opt(8, 15)}}, {}, kPressure},
        {57, kAft + kCutHalf, {}, kPressure},
        {58, kAft + kNoise + Settings{{78, 0.5f}}, {}, kPressure},
        {59, kAft, {}, kPressure},
        {60, kAft + Settings{{154, 1.0f}, {156, 1.0f}, {158, 1.0f}}, {}, kPressure},
        {61, kAft + Settings{{28, 1.0f}}, {}, kPressure},
        {62, kAft + kLfo3, {}, kPressure},
        {63, kAft + Settings{{40, 1.0f}}, {}, kPressure},
        // Oscillators and source mix
        {64, {}},
        {65, kOsc2},
        {66, kOsc2 + Settings{{75, 1.0f}, {68, opt(19, 25)}}},
        {67, {}},
        {68, kOsc2},
        {69, kOsc2},
        {70, {}, {0.0f, 1.0f}},
        {71, {{64, opt(8, 15)}}},
        {72, {{120, 0.0f}}, {0.0f, 0.5f}},
        {73, {{77, 1.0f}}},
        {74, {}, {0.0f, 1.0f}, kHostInput},
        {75, {}},
        {76, {}},
        {77, {}},
        {78, {{79, 1.0f}}},
        {79, kNoise},
        {80, kNoise},
        // Filter section
        {81, kCutHalf},
        {82, kCutHalf + Settings{{84, 0.5f}}},
        {83, {}},
        {84, kCutHalf},
        {85, {}},
        {86, kCutHalf},
        {87, kFilterEnv, {0.0f, 1.0f}},
        {88, kFilterEnv, {0.0f, 0.4f}},
        {89, kFilterEnv},
        {90, kFilterEnv},
        {91, kFilterEnv, {0.0f, 0.5f}},
        {92, kFilterEnv},
        {93, kFilterEnv},
        {94, {{83, 0.3f}, {89, 0.3f}, {90, 0.3f}}},
        // Envelopes 1 and 2
        {95, {{102, 0.75f}}, {0.0f, 1.0f}},
        {96, kEnv1, {0.0f, 0.4f}},
        {97, kEnv1},
        {98, kEnv1},
        {99, kEnv1, {0.0f, 0.5f}},
        {100, kEnv1},
        {101, kEnv1},
        {102, {{95, 1.0f}}},
        {103, kEnv1, {0.0f, 1.0f}},
        {104, kEnv1 + kLfo3 + kHfo, {opt(0, 13), opt(3, 13), opt(6, 13), opt(8, 13)}},
        {105, kEnv2, {0.0f, 0.4f}},
        {106, kEnv2},
        {107, kEnv2},
        {108, kEnv2, {0.0f, 0.5f}},
        {109, kEnv2},
        {110, kEnv2},
        {111, {{95, 1.0f}}},
        {112, kEnv2, {0.0f, 1.0f}},
        {113, kEnv2 + kLfo3 + kHfo, {opt(0, 13), opt(3, 13), opt(6, 13), opt(8, 13)}},
        // Amplitude envelope, play mode, output
        {114, {}, {0.0f, 0.4f}},
        {115, {{116, 0.3f}}},
        {116, {}},
        {117, {}, {0.0f, 0.5f}},
        {118, {{115, 0.5f}, {116, 0.3f}}},
        {119, {}},
        {120, {}},
        {121, {}},
        {122, {}},
        {123, {}},
        // Arpeggiator
        {124, {}, {0.0f, 1.0f}},
        {125, kArp, {0.0f, 1.0f}, kChord},
        {126, kArp, {}, kChord},
        {127, kArp, {}, kChord},
        {128, kArp, {}, kChord},
        {129, kArp, {0.0f, 1.0f}, kChord},
        {130, kArp, {}, kChord},
        // Sequencer
        {131, kSeq, {0.0f, 1.0f}},
        {132, kSeq},
        {133, kSeq},
        {134, kSeq},
        {135, kSeq, {1.0f, 0.0f}},
        {136, kSeq, {0.0f, 1.0f}},
        {137, kSeq, {1.0f, 0.0f}},
        {138, kSeq, {0.0f, 1.0f}},
        {139, kSeq, {0.0f, 1.0f}},
        {140, kSeq, {0.0f, 1.0f}},
        {141, kSeq, {0.0f, 1.0f}},
        {142, kSeq, {0.0f, 1.0f}},
        {143, kSeq},
        {144, kSeq},
        {145, kSeq},
        {146, kSeq},
        {147, kSeq},
        {148, kSeq},
        {149, kSeq},
        {150, kSeq},
        {151, kSeq},
        {152, kSeq + kCutHalf},
        {153, kSeq},
        // Melt A and the echo
        {154, kMeltA, {0.0f, 1.0f}},
        {155, kMeltA},
        {156, kMeltA, {0.0f, 0.5f}},
        {157, kMeltA},
        {158, kMeltA, {0.0f, 0.5f}},
        {159, kMeltA},
        {160, kMeltA, {0.0f, 0.5f}},
        {161, kMeltA},
        {162, {{172, 0.8f}}, {0.0f, 1.0f}},
        {163, kEcho, {0.0f, 1.0f}},
        {164, {}, {0.0f, 1.0f}, kNewPhrase},
        {165, kEcho},
        {166, kEcho + Settings{{167, 0.5f}}},
        {167, kEcho + Settings{{166, 1.0f}}},
        {168, kEcho},
        {169, kEcho},
        {170, kEcho},
        {171, kEcho},
        {172, kEcho},
        {173, kEcho + Settings{{168, 0.3f}}, {0.0f, 1.0f}},
        // Shapes, second filter, gain, modes
        {174, kFilterEnv + Settings{{88, 0.4f}}},
        {175, kSeq, {0.0f, 1.0f}},
        {176, {{114, 0.4f}}},
        {177, kOsc2 + Settings{{75, 1.0f}, {66, opt(1, 7)}}},
        {178, kCutHalf + Settings{{179, 1.0f}}},
        {179, kCutHalf, {0.0f, 1.0f}},
        {180, kCutHalf, {0.0f, 1.0f}},
        {181, {{121, 1.0f}}},
        {182, kFilterEnv + Settings{{88, 0.4f}}, {0.0f, 1.0f}},
        {183, {{85, 0.5f}}},
        {184, {}, {0.0f, 0.5f, 1.0f}, kBend},
        {185, kAft + Settings{{55, 1.0f}}, {0.0f, 1.0f}, kWheel},
        // Chorus
        {186, {{191, 1.0f}}, {0.0f, 1.0f}},
        {187, kChorus},
        {188, kChorus},
        {189, kChorus},
        {190, kChorus},
        {191, kChorus},
        {192, kChorus},
        {193, {}},
        {194, kArp, {0.0f, 1.0f}, kChord},
        {195, kSeq, {0.0f, 1.0f}},
        // Equaliser
        {196, kEq},
        {197, {{205, 1.0f}}},
        {198, kEq},
        {199, kEq},
        {200, {{205, 1.0f}}},
        {201, kEq},
        {202, kEq},
        {203, {{205, 1.0f}}},
        {204, kEq},
        {205, {{197, 1.0f}}, {0.0f, 1.0f}},
        {206, kEq + kEcho, {0.0f, 1.0f}},
        {208, {{209, 1.0f}}},
        {209, {{208, 1.0f}}},
        {210, kEcho, {0.0f, 1.0f}},
        {211, {}, {opt(0, 17), opt(2, 17)}},
        {222, {{120, 0.0f}}, {0.0f, 1.0f}, kStaggered},
        // Melt B
        {223, kMeltA, {0.0f, 1.0f}},
        {224, kMeltB},
        {225, kMeltB},
        {226, kMeltB},
        {227, kMeltB},
        {228, kMeltB},
        {229, kMeltB + kHfo},
        {230, {}, {1.0f, opt(10, 38), opt(0, 38)}},
        // MPE
        {232, {}, {0.0f, 1.0f}, kMpe},
        {233, kMpeOn, {0.0f, 1.0f}, kMpe},
        {234, kNoise},
        {235, kEnv1 + Settings{{96, 0.4f}}},
        {236, kEnv2 + Settings{{105, 0.4f}}},
        {237, kMeltA + kCutHalf, {0.0f, 0.5f, 1.0f}},
        {238, kMeltB + kCutHalf, {0.0f, 0.5f, 1.0f}},
        {239, kAft + kHfo, {}, kPressure},
        {240, kMpeOn + kCutHalf, {}, kMpe},
        {241, kMpeOn, {}, kMpe},
    };
    for (const Sweep& s : rest)
        t.push_back(s);
    return t;
}

// Storage and identity values that carry no sound: the bank file name, the two preset texts,
// the editor's data stores and the preset format version.
constexpr int kSilentByDesign[] = {0, 1, 2, 3, 4, 5, 207};

// The section randomise buttons and the parameters of their sections.
struct RandomiseButton {
    int tag;
    std::vector<int> section;
};
const RandomiseButton kRandomiseButtons[] = {
    {212, {64, 65, 73, 66, 71}},                  // "OSC Rnd"
    {213, {83, 84, 85, 82, 88, 89, 90, 91, 178}}, // "Filter Rnd"
    {214,
     {135, 136, 137, 138, 139, 140, 141, 142, // "SEQ Rnd"
      144, 145, 146, 147, 148, 149, 150, 151}},
    {215, {8, 10, 11, 12, 14}},                                                // "LFO1 Rnd"
    {216, {19, 21, 22, 23, 25}},                                               // "LFO2 Rnd"
    {217, {30, 32, 33, 34, 36, 39}},                                           // "LFO3 Rnd"
    {218, {41, 42, 44, 45, 46, 47, 48, 49, 50, 53}},                           // "HFO Rnd"
    {219, {104, 103, 96, 97, 98, 99, 102, 113, 112, 105, 106, 107, 108, 111}}, // "Env Rnd"
    {220, {55, 56, 57, 58, 59, 60, 61, 62, 63}},                               // "AFT Rnd"
    {221, {156, 158, 160, 157, 159, 161}},                                     // "Melt:A Rnd"
    {231, {224, 225, 226, 227, 228, 229}},                                     // "Melt:B Rnd"
};

// The phrase: A2, A3 and E4 entering 0.15 s apart, held to 0.7 s, then released; 1 s in all.
std::vector<float> render(const Settings& settings, unsigned extra) {
    VstTimeInfo& gTime = playTransport(120.0, kRate);
    Instance p(tempoHost);
    loadPlainProgram(p, 1, 2); // a plain saw, low-pass B
    for (const auto& [tag, value] : settings)
        p.fx->setParameter(p.fx, tag, value);
    p.start(kRate, kBlock);
    std::vector<float> l(kBlock), r(kBlock), inL(kBlock), inR(kBlock), out;
    float* ins[2] = {inL.data(), inR.data()};
    float* outs[2] = {l.data(), r.data()};
    const int notes[3] = {45, 57, 64};
    const int blocks = static_cast<int>(kRate / kBlock);
    for (int b = 0; b < blocks; ++b) {
        const double t = b * kBlock / kRate;
        EventList m;
        for (int n = 0; n < 3; ++n) {
            const int ch = (extra & kMpe) ? 1 + n : 0;
            if (b == ((extra & kChord) ? 2 : static_cast<int>(0.15 * n * kRate / kBlock)))
                m.add(0, 0x90 | ch, notes[n], 100);
            const double end = (extra & kStaggered) && n == 2 ? 0.5 : 0.7;
            if (b == static_cast<int>(end * kRate / kBlock)) m.add(0, 0x80 | ch, notes[n], 0);
            if ((extra & kMpe) && t > 0.2) {
                const int v = static_cast<int>(std::fmin(127.0, (t - 0.2) * 250.0));
                m.add(0, 0xE0 | ch, 0, 64 + v / 4); // bend up
                m.add(0, 0xD0 | ch, v, 0);
                m.add(0, 0xB0 | ch, 74, 127 - v); // unlike the pressure, so a swap shows
            }
        }
        const int rising = static_cast<int>(std::fmin(127.0, std::fmax(0.0, (t - 0.2) * 250.0)));
        if ((extra & kNewPhrase) && b == 1) m.add(0, 0xB0, 123, 0);
        if (extra & kPressure) m.add(0, 0xD0, rising, 0);
        if (extra & kWheel) m.add(0, 0xB0, 1, rising);
        if ((extra & kBend) && b == static_cast<int>(0.35 * kRate / kBlock)) m.add(0, 0xE0, 0, 127);
        if (!m.empty()) p.call(effProcessEvents, 0, 0, m.list());
        for (int i = 0; i < kBlock; ++i) {
            const double s =
                (extra & kHostInput) ? 0.3 * std::sin(2.0 * M_PI * 220.0 * (t + i / kRate)) : 0.0;
            inL[static_cast<size_t>(i)] = inR[static_cast<size_t>(i)] = static_cast<float>(s);
        }
        p.fx->processReplacing(p.fx, ins, outs, kBlock);
        out.insert(out.end(), l.begin(), l.end());
        out.insert(out.end(), r.begin(), r.end());
        gTime.samplePos += kBlock;
    }
    return out;
}

double largestDifference(const std::vector<float>& a, const std::vector<float>& b) {
    double d = 0.0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        d = std::fmax(d, std::fabs(static_cast<double>(a[i]) - b[i]));
    return d;
}

// Sweeps the table's entries whose tag lies in [first, last].
void sweepRange(int first, int last) {
    const std::vector<Sweep> all = table();
    int swept = 0;
    for (const Sweep& s : all) {
        if (s.tag < first || s.tag > last) continue;
        ++swept;
        std::vector<float> values =
            s.values.empty() ? std::vector<float>{0.0f, 0.5f, 1.0f} : s.values;
        Settings base = s.context;
        base.push_back({s.tag, values[0]});
        const std::vector<float> first = render(base, s.extra);
        ASSERT_TRUE(allFinite(first) && peakOf(first) < 4.0f)
            << "tag " << s.tag << " at " << values[0];
        EXPECT_EQ(largestDifference(first, render(base, s.extra)), 0.0)
            << "tag " << s.tag << ": the same settings rendered differently";
        for (size_t k = 1; k < values.size(); ++k) {
            Settings changed = s.context;
            changed.push_back({s.tag, values[k]});
            const std::vector<float> other = render(changed, s.extra);
            ASSERT_TRUE(allFinite(other) && peakOf(other) < 4.0f)
                << "tag " << s.tag << " at " << values[k];
            EXPECT_GT(largestDifference(first, other), 1e-5)
                << "tag " << s.tag << " changes nothing between " << values[0] << " and "
                << values[k];
        }
    }
    EXPECT_GT(swept, 0);
}

} // namespace

// Every automatable tag is either swept or silent by design, and no tag is swept twice.
TEST(SweepTable, CoversEveryAutomatableParameter) {
    std::vector<int> count(242, 0);
    for (const Sweep& s : table()) {
        ASSERT_GE(s.tag, 0);
        ASSERT_LT(s.tag, 242);
        ++count[static_cast<size_t>(s.tag)];
    }
    for (int tag : kSilentByDesign)
        ++count[static_cast<size_t>(tag)];
    for (const RandomiseButton& button : kRandomiseButtons)
        ++count[static_cast<size_t>(button.tag)];
    for (int tag = 0; tag < 242; ++tag)
        EXPECT_EQ(count[static_cast<size_t>(tag)], 1) << "tag " << tag;
}

TEST(ParameterSweep, Lfos) {
    sweepRange(6, 39);
}
TEST(ParameterSweep, HfoAndPressure) {
    sweepRange(40, 63);
}
TEST(ParameterSweep, OscillatorsAndMix) {
    sweepRange(64, 80);
}
TEST(ParameterSweep, FilterAndEnvelopes) {
    sweepRange(81, 113);
}
TEST(ParameterSweep, AmpPlayModeAndArpeggiator) {
    sweepRange(114, 130);
}
TEST(ParameterSweep, Sequencer) {
    sweepRange(131, 153);
}
TEST(ParameterSweep, MeltAAndEcho) {
    sweepRange(154, 173);
}
TEST(ParameterSweep, ModesChorusAndEqualiser) {
    sweepRange(174, 211);
}
TEST(ParameterSweep, MonoNoteModeAndMeltB) {
    sweepRange(212, 231);
}

// A press of a section's randomise button changes parameters of that section and nothing
// else. Whatever the generator draws: a press may happen to draw the values already set, so
// the button is pressed until something changes (at most eight times).
TEST(Sections, RandomiseButtonsChangeOnlyTheirSection) {
    for (const RandomiseButton& button : kRandomiseButtons) {
        Instance p;
        p.start(kRate, kBlock);
        p.run(1, kBlock);
        std::vector<float> before(kParameters);
        for (int i = 0; i < kParameters; ++i)
            before[static_cast<size_t>(i)] = p.get(i);
        int changedInSection = 0;
        for (int press = 0; press < 8 && changedInSection == 0; ++press) {
            p.set(button.tag, 1.0f); // down: the section is drawn at the next block
            p.run(1, kBlock);
            p.set(button.tag, 0.0f);
            p.run(1, kBlock);
            for (int i = 0; i < kParameters; ++i) {
                if (i == button.tag || p.get(i) == before[static_cast<size_t>(i)]) continue;
                const bool inSection = std::find(button.section.begin(), button.section.end(), i) !=
                                       button.section.end();
                ASSERT_TRUE(inSection) << "button " << button.tag << " changed parameter " << i;
                ++changedInSection;
            }
        }
        EXPECT_GT(changedInSection, 0) << "button " << button.tag << " changed nothing";
    }
}
TEST(ParameterSweep, MpeAndShapes) {
    sweepRange(232, 241);
}
