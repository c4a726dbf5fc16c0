// The instrument's sound through the loaded library, measured: pitch over the keyboard at three
// sample rates, octave and interval settings, and notes that start and end cleanly.
#include <cmath>
#include <cstdlib>
#include <tuple>
#include <utility>
#include <vector>

#include "host/event_list.h"
#include "tests/host_fixture.h"
#include "tests/spectrum.h"

using namespace testhost;
using spectrum::powerAt;
using namespace vst;

namespace {

constexpr int kBlock = 256;
// Engine value indices of the parameters these tests set.
constexpr int kOsc1Wave = 64, kOsc2Wave = 65, kOscOctave = 67, kWave2Semi = 68, kOscDrift = 70;
constexpr int kPortamento = 72, kOsc1Mix = 75, kOsc2Mix = 76, kSubMix = 77, kNoiseMix = 78;

// Times of the rising zero crossings of s[from, to), linearly interpolated between samples.
std::vector<double> risingCrossings(const std::vector<float>& s, size_t from, size_t to) {
    std::vector<double> at;
    for (size_t i = from; i < to && i + 1 < s.size(); ++i)
        if (s[i] <= 0.0f && s[i + 1] > 0.0f)
            at.push_back(static_cast<double>(i) + s[i] / (s[i] - s[i + 1]));
    return at;
}

// Frequency of s[from, to) from its rising zero crossings; 0 with fewer than two.
double crossingFrequency(const std::vector<float>& s, size_t from, size_t to, double rate) {
    const std::vector<double> at = risingCrossings(s, from, to);
    return at.size() > 1 ? static_cast<double>(at.size() - 1) * rate / (at.back() - at.front())
                         : 0.0;
}

struct Voice {
    Instance p;
    float rate;
    explicit Voice(float r, vst::HostCallback cb = host) : p(cb), rate(r) {
        loadPlainProgram(p, 14, 5); // the initial program, Funk wave, low-pass E
        set(kOsc1Wave, 0.0f);       // Sine
        set(kOsc2Wave, 0.0f);
        set(kOscOctave, 0.4f); // 0 of -2..3
        set(kWave2Semi, 0.5f); // 0 of -12..12
        set(kOscDrift, 0.0f);
        set(kPortamento, 0.0f);
        set(kOsc1Mix, 1.0f);
        set(kOsc2Mix, 0.0f);
        set(kSubMix, 0.0f);
        set(kNoiseMix, 0.0f);
        p.start(rate, kBlock);
        render(0.05); // the program is applied at the first block
    }
    void set(int index, float v) { p.set(index, v); }
    void midi(int status, int d1, int d2) { p.midi(status, d1, d2); }
    // The left output of the next seconds.
    std::vector<float> render(double seconds) {
        return p.run(static_cast<int>(seconds * rate / kBlock), kBlock).left;
    }
    // Peak levels of the left and right outputs over the next seconds.
    std::pair<float, float> peaks(double seconds) {
        Stereo out = p.run(static_cast<int>(seconds * rate / kBlock), kBlock);
        return {peakOf(out.left), peakOf(out.right)};
    }
    // Frequency of the held note from its rising zero crossings (linearly interpolated).
    double frequency(int note) {
        midi(0x90, note, 100);
        std::vector<float> s = render(0.6);
        midi(0x80, note, 0);
        render(0.5);
        return crossingFrequency(s, static_cast<size_t>(0.1 * rate), s.size(), rate);
    }
};

double cents(double f, double reference) {
    return 1200.0 * std::log2(f / reference);
}

} // namespace

TEST(SoundHost, EveryKeyIsInTuneAtThreeRates) {
    for (float rate : {44100.0f, 48000.0f, 96000.0f}) {
        Voice v(rate);
        double worst = 0.0;
        for (int note = 21; note <= 108; ++note) {
            const double want = 440.0 * std::pow(2.0, (note - 69) / 12.0);
            const double c = cents(v.frequency(note), want);
            worst = std::fmax(worst, std::fabs(c));
            ASSERT_LT(std::fabs(c), 1.0) << "note " << note << " at " << rate;
        }
        std::printf("%.0f Hz: worst pitch error %.4f cents\n", rate, worst);
    }
}

TEST(SoundHost, OctaveAndIntervalSettingsMoveThePitch) {
    Voice v(48000);
    const double a4 = v.frequency(69);
    EXPECT_NEAR(cents(a4, 440.0), 0.0, 1.0);
    v.set(kOscOctave, 0.6f); // +1 octave
    EXPECT_NEAR(cents(v.frequency(69), 880.0), 0.0, 1.0);
    v.set(kOscOctave, 0.0f); // -2 octaves
    EXPECT_NEAR(cents(v.frequency(69), 110.0), 0.0, 1.0);
    v.set(kOscOctave, 0.4f);
    v.set(kOsc1Mix, 0.0f); // oscillator 2 alone, a fifth up
    v.set(kOsc2Mix, 1.0f);
    v.set(kWave2Semi, 19.0f / 24.0f);
    EXPECT_NEAR(cents(v.frequency(69), 440.0 * std::pow(2.0, 7.0 / 12.0)), 0.0, 1.0);
    v.set(kOsc2Mix, 0.0f); // the sub-oscillator alone: an octave down
    v.set(kSubMix, 1.0f);
    EXPECT_NEAR(cents(v.frequency(69), 220.0), 0.0, 1.0);
}

namespace {
float largestStep(const std::vector<float>& s, size_t from, size_t to) {
    float m = 0.0f;
    for (size_t i = from + 1; i < to && i < s.size(); ++i)
        m = std::fmax(m, std::fabs(s[i] - s[i - 1]));
    return m;
}
} // namespace

// A note starts from silence and ends in silence; starting, ending and stealing notes never
// step further than the sounding waveform itself does.
TEST(SoundHost, NotesStartAndEndInSilenceWithoutAClick) {
    Voice v(48000);
    for (float x : v.render(0.1))
        ASSERT_EQ(x, 0.0f);
    v.midi(0x90, 69, 100);
    std::vector<float> s = v.render(0.5);
    EXPECT_GT(peakOf(s), 0.1f);
    EXPECT_LT(peakOf(s), 1.0f);
    const float own = largestStep(s, s.size() / 2, s.size()); // a steady A4 sine
    ASSERT_GT(own, 0.0f);
    EXPECT_LE(largestStep(s, 0, s.size()), own * 1.02f) << "note start";
    v.midi(0x80, 69, 0);
    s = v.render(1.2); // release 0.3 s
    EXPECT_LE(largestStep(s, 0, s.size()), own * 1.02f) << "note end";
    for (size_t i = s.size() - 9600; i < s.size(); ++i)
        ASSERT_EQ(s[i], 0.0f) << i;

    // Twenty keys held, then a twenty-first steals a sounding voice.
    for (int k = 0; k < 20; ++k)
        v.midi(0x90, 40 + k, 100);
    s = v.render(0.5);
    const float chord = largestStep(s, s.size() / 2, s.size());
    v.midi(0x90, 39, 100); // below the chord: its own steps are smaller
    s = v.render(0.2);
    EXPECT_LE(largestStep(s, 0, s.size()), chord * 1.1f) << "steal";
    ASSERT_TRUE(allFinite(s));
}

// Pitch bend moves the note by "Bend Depth" semitones at full throw, and back at the centre.
TEST(SoundHost, PitchBendFollowsTheBendDepth) {
    Voice v(48000);
    const int kBendDepth = 184;
    v.set(kBendDepth, 6.0f / 47.0f); // 7 semitones
    v.midi(0xE0, 127, 127);          // full up: 16383 / 16384
    v.render(0.05);
    const double up = 440.0 * std::pow(2.0, 7.0 / 12.0 * (16383.0 / 8192.0 - 1.0));
    EXPECT_NEAR(cents(v.frequency(69), up), 0.0, 1.0);
    v.midi(0xE0, 0, 0); // full down
    v.render(0.05);
    EXPECT_NEAR(cents(v.frequency(69), 440.0 * std::pow(2.0, -7.0 / 12.0)), 0.0, 1.0);
    v.midi(0xE0, 0, 64); // centre
    v.render(0.05);
    EXPECT_NEAR(cents(v.frequency(69), 440.0), 0.0, 1.0);
}

namespace {
// The knobs of an LFO section, by engine value.
struct LfoKnobs {
    int on, shape, target, sync, rate, depth, subtle;
};
constexpr LfoKnobs kLfo1{6, 8, 10, 13, 11, 15, 16}, kLfo3{28, 30, 32, 35, 33, 37, 38};

// The LFO on, as a pulse at its own rate aimed at a target; "Subtle" scales the depth by 0.1.
void pulseLfo(Voice& v, const LfoKnobs& o, float target, float depth, bool subtle) {
    v.set(o.on, 1.0f);
    v.set(o.shape, 2.0f / 11.0f); // Pulse
    v.set(o.target, target);
    v.set(o.sync, 1.0f); // its own rate
    v.set(o.rate, 0.3f);
    v.set(o.depth, depth);
    v.set(o.subtle, subtle ? 1.0f : 0.0f);
}

// Lowest and highest pitch of A4, in cents, over 0.1 s windows of a held note.
std::pair<double, double> pitchSwing(Voice& v, double seconds) {
    v.midi(0x90, 69, 100);
    std::vector<float> s = v.render(seconds);
    v.midi(0x80, 69, 0);
    v.render(0.5);
    double lo = 1e9, hi = -1e9;
    const size_t w = static_cast<size_t>(v.rate / 10);
    for (size_t at = w; at + w < s.size(); at += w) {
        const double c = cents(crossingFrequency(s, at, at + w, v.rate), 440.0);
        lo = std::fmin(lo, c);
        hi = std::fmax(hi, c);
    }
    return {lo, hi};
}
} // namespace

// An LFO as a pulse on "Main Pitch" (Lfo1 for every voice, Lfo3 per voice): the note alternates
// between two pitches a set interval apart ("Subtle" on: depth x 0.1). Lfo3's depth comes from
// "Lfo3 Depth" or from pressure through "Aft Lfo3 Depth".
TEST(SoundHost, LfoDepthSetsThePitchSwingAndLfo3TakesItFromPressure) {
    for (const LfoKnobs& lfo : {kLfo1, kLfo3}) {
        Voice v(48000);
        pulseLfo(v, lfo, 0.0f, 1.0f / 6.0f, true); // +-0.5 x 1/6 x 0.1 V = +-1 semitone
        auto [lo, hi] = pitchSwing(v, 4.0);
        EXPECT_NEAR(hi, 100.0, 2.0) << "LFO on engine value " << lfo.on;
        EXPECT_NEAR(lo, -100.0, 2.0) << "LFO on engine value " << lfo.on;
    }
    Voice v(48000);
    pulseLfo(v, kLfo3, 0.0f, 1.0f / 6.0f, true);
    double lo, hi;
    v.set(37, 0.0f);
    std::tie(lo, hi) = pitchSwing(v, 2.0);
    EXPECT_NEAR(hi - lo, 0.0, 1.0);
    v.set(54, 1.0f);        // "Aft On/Off"
    v.set(61, 1.0f / 3.0f); // "Aft Lfo3 Depth": +-2 semitones at full pressure
    v.midi(0xD0, 127, 0);
    std::tie(lo, hi) = pitchSwing(v, 4.0);
    EXPECT_NEAR(hi, 200.0, 3.0);
    EXPECT_NEAR(lo, -200.0, 3.0);
}

namespace {
vst::VstTimeInfo& gTime = hostTime(); // the transport of tempoHost

// Sample positions where the output starts after silence.
std::vector<size_t> onsets(const std::vector<float>& s) {
    std::vector<size_t> at;
    size_t quiet = 64; // the stretch before the recording counts as silence
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == 0.0f) {
            ++quiet;
            continue;
        }
        if (quiet >= 64) at.push_back(i);
        quiet = 0;
    }
    return at;
}
} // namespace

namespace {
// A transport playing at `bpm`, the arpeggiator on over the plain sound with the shortest
// release (each note ends in silence), "Arp Rate" 1 (a note a beat), gate 50 %, a C major
// chord held from the second block; the left output of the next `seconds`.
std::vector<float> arpeggiate(double bpm, float rate, double seconds, int mode, int range,
                              float wave) {
    playTransport(bpm, rate);
    Instance p(tempoHost);
    loadPlainProgram(p, 14, 5);
    p.set(kOsc1Wave, wave);
    p.set(kOsc1Mix, 1.0f);
    p.set(117, 0.0f); // "Amp Release (s)" at its minimum
    p.set(164, 1.0f); // "Osc Retrig": every note starts at phase 0
    p.set(124, 1.0f); // "Arp OnOff"
    p.set(126, mode / 4.0f);
    p.set(127, range / 3.0f);
    p.set(128, 3.0f / 8.0f); // "Arp Rate" 1
    p.set(130, 0.5f);        // "Arp Gate %" 50
    p.start(rate, kBlock);
    p.run(1, kBlock);
    vst::EventList m;
    for (int note : {60, 64, 67})
        m.add(0, 0x90, note, 100);
    p.send(m);
    std::vector<float> s;
    for (int b = 0; b < static_cast<int>(seconds * rate / kBlock); ++b) {
        gTime.samplePos += kBlock;
        std::vector<float> block = p.run(1, kBlock).left;
        s.insert(s.end(), block.begin(), block.end());
    }
    return s;
}
} // namespace

// The arpeggiator through the library: a held chord, "Arp Rate" 1 (a note every beat), gate
// 50 %, the shortest release so each note ends in silence; over five minutes every onset lies
// on the tempo grid within one sample.
TEST(SoundHost, ArpeggiatedNotesLandOnTheTempoGrid) {
    struct Case {
        double bpm;
        float rate;
    } cases[] = {{60.0, 44100.0f}, {120.0, 96000.0f}, {177.3, 44100.0f}};
    for (const Case& c : cases) {
        const double seconds = 300.0; // five minutes: no drift
        const std::vector<float> s = arpeggiate(c.bpm, c.rate, seconds, 0, 0, 1.0f / 14.0f);
        std::vector<size_t> at = onsets(s);
        ASSERT_GE(static_cast<double>(at.size()), seconds * c.bpm / 60.0 - 2.0) << c.bpm;
        // "Arp Rate" 1 at 120 BPM ticks every 0.5 s: the period scales with 120 / tempo.
        const double period = 0.5 * 120.0 / c.bpm * c.rate;
        for (size_t k = 1; k < at.size(); ++k) {
            const double ideal = static_cast<double>(at[0]) + period * static_cast<double>(k);
            ASSERT_NEAR(static_cast<double>(at[k]), ideal, 1.0) << c.bpm << " BPM, note " << k;
        }
    }
}

// Patterns through the library: the pitch of each arpeggiated note, in order, for a held
// C major chord at 120 BPM.
TEST(SoundHost, ArpeggiatorModesPlayTheirNoteOrder) {
    struct Case {
        int mode, range;
        std::vector<int> order;
    } cases[] = {
        {0, 0, {60, 64, 67, 60, 64, 67, 60}},         // Cycle Up
        {1, 0, {60, 67, 64, 60, 67, 64, 60}},         // Cycle Down
        {2, 0, {60, 64, 67, 64, 60, 64, 67, 64, 60}}, // Cycle Up/Dn
        {3, 0, {60, 64, 67, 67, 64, 60, 60, 64, 67}}, // Cycle Up/Dn2
        {0, 1, {60, 64, 67, 72, 76, 79, 60, 64}},     // two octaves up
    };
    const float rate = 48000.0f;
    for (const Case& c : cases) {
        const double seconds = 0.5 * static_cast<double>(c.order.size()) + 0.1;
        const std::vector<float> s = arpeggiate(120.0, rate, seconds, c.mode, c.range, 0.0f);
        std::vector<int> heard;
        for (size_t at : onsets(s)) {
            const double f = crossingFrequency(s, at + 1000, at + 11000, rate);
            if (f <= 0.0) continue;
            heard.push_back(static_cast<int>(std::lround(69.0 + 12.0 * std::log2(f / 440.0))));
        }
        heard.resize(std::min(heard.size(), c.order.size()));
        EXPECT_EQ(heard, c.order) << "mode " << c.mode << " range " << c.range;
    }
}

// Jumps of the continuous parameters of the source section and the output stage, each from
// 0.2 to 0.9 while a note holds: the output steps no further than the waveform before or after.
TEST(SoundHost, ContinuousParameterJumpsDoNotClick) {
    const int params[] = {69, 70, 71, 75, 76, 77, 116, 122, 123};
    for (int param : params) {
        Voice v(48000);
        v.set(kOsc2Wave, 0.0f);
        v.set(kOsc2Mix, 0.5f);
        v.set(param, 0.2f);
        v.midi(0x90, 57, 100);
        std::vector<float> before = v.render(0.4);
        v.set(param, 0.9f);
        std::vector<float> jump = v.render(0.1);
        std::vector<float> after = v.render(0.3);
        const float own = std::fmax(largestStep(before, before.size() / 2, before.size()),
                                    largestStep(after, 0, after.size()));
        EXPECT_LE(largestStep(jump, 0, jump.size()), own * 1.05f) << "parameter " << param;
    }
}

// The HFO at the note's own pitch on "Osc1 - AM": a sine voice gains a component at twice its
// frequency; switched off, the voice stays a pure sine.
TEST(SoundHost, HfoModulatesAtAudioRate) {
    for (bool on : {false, true}) {
        Voice v(48000);
        v.set(40, on ? 1.0f : 0.0f); // "Hfo On/Off"
        v.set(41, 10.0f / 12.0f);    // "Osc1 - AM"
        v.set(44, 0.5f);             // "HFO Oct" 0
        v.set(45, 0.5f);             // "HFO Semi" 0
        v.set(46, 0.5f);             // "HFO Tune" 0
        v.set(43, 0.5f);             // "HFO Depth"
        v.set(53, 1.0f);             // "HFO Level"
        v.set(49, 1.0f);             // "HFO Sustain %"
        v.midi(0x90, 69, 100);
        v.render(0.2);
        std::vector<float> s = v.render(0.5); // 24000 samples: 440 and 880 Hz on whole cycles
        const double ratio =
            powerAt(s, 0, s.size(), 880.0, 48000.0) / powerAt(s, 0, s.size(), 440.0, 48000.0);
        if (on)
            EXPECT_GT(10.0 * std::log10(ratio), -30.0);
        else
            EXPECT_LT(10.0 * std::log10(ratio + 1e-30),
                      -50.0); // the measurement's own floor is near -62
    }
}

namespace {
// Period in samples of a pulse LFO on the pitch of a note at centre Hz: the moments the pitch
// jumps above the centre, least-squares fitted against the cycle count; 0 with too few. A cycle
// counts as high a quarter tone above the centre and as low a quarter tone below; the cycles of
// the switch itself, in between, keep the last state, so jitter there is not a jump.
double pulsePeriod(const std::vector<float>& s, double rate, double centre) {
    const std::vector<double> at = risingCrossings(s, 0, s.size());
    const double quarterTone = std::pow(2.0, 1.0 / 24.0);
    std::vector<double> rises;
    bool high = false;
    for (size_t k = 1; k < at.size(); ++k) {
        const double hz = rate / (at[k] - at[k - 1]);
        if (!high && hz > centre * quarterTone) {
            high = true;
            if (k > 1) rises.push_back(at[k]);
        } else if (high && hz < centre / quarterTone) {
            high = false;
        }
    }
    if (rises.size() < 5) return 0.0;
    const double n = static_cast<double>(rises.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t k = 0; k < rises.size(); ++k) {
        const double x = static_cast<double>(k);
        sx += x;
        sy += rises[k];
        sxx += x * x;
        sxy += x * rises[k];
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}
} // namespace

// Lfo1 locked to the host tempo ("Lfo1 Sync" 0): a pulse on "Main Pitch" switches the note
// between two pitches; the times it rises, fitted over many cycles, give the LFO's period,
// 4 x BPM / divisor Hz ("1b" one bar, "1/1" a quarter of it).
TEST(SoundHost, Lfo1FollowsTheHostTempo) {
    struct Case {
        double bpm;
        int beat;  // option of "Lfo1 Beat"
        double hz; // 4 x BPM / divisor
    } cases[] = {{120.0, 6, 2.0}, {90.0, 7, 3.0}, {140.0, 4, 140.0 * 4.0 / 960.0}};
    const double rate = 48000.0;
    for (const Case& c : cases) {
        playTransport(c.bpm, rate);
        Voice v(static_cast<float>(rate), tempoHost);
        pulseLfo(v, kLfo1, 0.0f, 1.0f / 6.0f, true);   // +-1 semitone on "Main Pitch"
        v.set(13, 0.0f);                               // "Lfo1 Sync" 0: the beat
        v.set(12, static_cast<float>(c.beat) / 10.0f); // "Lfo1 Beat"
        v.midi(0x90, 93, 100);                         // 1760 Hz: fine time resolution
        v.render(0.1);
        std::vector<float> s = v.render(8.0 / c.hz > 12.0 ? 12.0 : 8.0 / c.hz + 0.5);
        const double period = pulsePeriod(s, rate, 1760.0);
        ASSERT_GT(period, 0.0) << c.bpm;
        EXPECT_NEAR(rate / period, c.hz, c.hz * 0.001) << c.bpm << " BPM, beat " << c.beat;
    }
}

// Channel pressure, and the modulation wheel when "ModToAft" makes it a pressure source, raise
// the pitch by "Aft to Tune" (full throw: half a semitone) when "Aft On/Off" is on.
TEST(SoundHost, PressureAndWheelBendThePitchByAftToTune) {
    Voice v(48000);
    v.set(54, 1.0f); // "Aft On/Off"
    v.set(55, 1.0f); // "Aft to Tune": 0.5 semitone at full pressure
    v.midi(0xD0, 127, 0);
    v.render(0.1);
    EXPECT_NEAR(cents(v.frequency(69), 440.0), 50.0, 1.0);
    v.midi(0xD0, 0, 0);
    v.render(0.1);
    EXPECT_NEAR(cents(v.frequency(69), 440.0), 0.0, 1.0);
    v.midi(0xB0, 1, 127); // the wheel does nothing while "ModToAft" is "Normal"
    v.render(0.1);
    EXPECT_NEAR(cents(v.frequency(69), 440.0), 0.0, 1.0);
    v.set(185, 1.0f); // "ModToAft": Aftertouch
    v.render(0.1);
    EXPECT_NEAR(cents(v.frequency(69), 440.0), 50.0, 1.0);
    v.set(54, 0.0f);
    v.render(0.1);
    EXPECT_NEAR(cents(v.frequency(69), 440.0), 0.0, 1.0);
}

// "Lfo3 Track" adds the key's pitch (volts, 0.1 per octave) to the LFO 3 rate (volts, Hz / 10):
// an octave up the key runs the LFO 1 Hz faster.
TEST(SoundHost, Lfo3TrackSpeedsTheLfoUpTheKeyboard) {
    const double rate = 48000.0;
    for (bool track : {false, true}) {
        Voice v(static_cast<float>(rate));
        pulseLfo(v, kLfo3, 0.0f, 1.0f / 6.0f, true); // +-1 semitone on "Main Pitch"
        v.set(39, track ? 1.0f : 0.0f);              // "Lfo3 Track"
        double hz[2];
        int k = 0;
        for (int note : {81, 93}) { // 880 and 1760 Hz
            v.midi(0x90, note, 100);
            const double centre = 440.0 * std::pow(2.0, (note - 69) / 12.0);
            hz[k++] = rate / pulsePeriod(v.render(4.0), rate, centre);
            v.midi(0x80, note, 0);
            v.render(0.5);
        }
        EXPECT_NEAR(hz[1] - hz[0], track ? 1.0 : 0.0, 0.01) << track;
    }
}

// An LFO aimed at "Amp - Attack" stretches the attack by 2 per 0.1 V: Lfo1 as a slow pulse
// held at its top (+0.5 x depth 0.2 = 0.1 V) doubles the time the note takes to swell.
TEST(SoundHost, LfoOnAmpAttackScalesTheAttackTime) {
    double halfway[2];
    for (int on = 0; on < 2; ++on) {
        Voice v(48000);
        v.set(114, 0.5f);                 // "Amp Attack (s)"
        v.set(116, 1.0f);                 // "Amp Sustain %"
        v.set(6, static_cast<float>(on)); // "Lfo1 On/Off"
        v.set(7, 1.0f);                   // "Lfo1 Retrig": the first key starts it at 0
        v.set(8, 2.0f / 11.0f);           // Pulse: +0.5 for its first half cycle
        v.set(10, 11.0f / 18.0f);         // "Amp - Attack"
        v.set(13, 1.0f);                  // "Lfo1 Sync": its own rate
        v.set(11, 0.0f);                  // 0.02 Hz
        v.set(15, 0.2f);                  // "Lfo1 Depth"
        v.set(16, 0.0f);                  // "Lfo1 Subtle" off
        v.midi(0x90, 69, 100);
        std::vector<float> s = v.render(6.0);
        const size_t cycle = 48000 / 440 + 1;
        auto levelAt = [&](size_t i) {
            float m = 0.0f;
            for (size_t k = i; k < i + cycle && k < s.size(); ++k)
                m = std::fmax(m, std::fabs(s[k]));
            return m;
        };
        const float top = levelAt(s.size() - cycle);
        size_t i = 0;
        while (i + cycle < s.size() && levelAt(i) < 0.5f * top)
            i += 16;
        halfway[on] = static_cast<double>(i);
    }
    ASSERT_GT(halfway[0], 1000.0);
    EXPECT_NEAR(halfway[1] / halfway[0], 2.0, 0.05);
}

// "Pan Tracking %" moves a voice right as its key rises above middle C (100 %: 0.2 of the pan
// range per octave) and holds it at the edge beyond; LFO 3 aimed at "Volume" scales the level
// by 1 +- its output, LFO 1 the summed voices the same way.
TEST(SoundHost, PanTrackingAndTheVolumeTarget) {
    Voice v(48000);
    v.set(193, 1.0f);      // "Pan Tracking %" +100
    v.midi(0x90, 84, 100); // two octaves up: pan +0.4, linear shares 0.1 and 0.9
    v.render(0.1);
    auto [l, r] = v.peaks(0.2);
    EXPECT_NEAR(r / l, 9.0, 0.1);
    v.midi(0x80, 84, 0);
    v.render(0.5);
    v.midi(0x90, 108, 100); // four octaves up: held at the right edge
    v.render(0.1);
    std::tie(l, r) = v.peaks(0.2);
    EXPECT_EQ(l, 0.0f);
    EXPECT_GT(r, 0.1f);
    v.midi(0x80, 108, 0);
    v.render(0.5);

    v.set(193, 0.5f); // no tracking
    // LFO 3 per voice, then LFO 1 on the summed voices: each as a pulse of full depth.
    struct Case {
        LfoKnobs knobs;
        float volume; // "Volume" in its target list
    } lfos[] = {{kLfo3, 10.0f / 16.0f}, {kLfo1, 10.0f / 18.0f}};
    for (const Case& c : lfos) {
        const LfoKnobs& o = c.knobs;
        pulseLfo(v, o, c.volume, 1.0f, false); // level 1.5 and 0.5
        v.midi(0x90, 69, 100);
        std::vector<float> s = v.render(3.0);
        v.midi(0x80, 69, 0);
        v.render(0.5);
        v.set(o.on, 0.0f);
        float lo = 1e9f, hi = 0.0f;
        for (size_t w = 4800; w + 4800 < s.size(); w += 4800) {
            float m = 0.0f;
            for (size_t i = w; i < w + 4800; ++i)
                m = std::fmax(m, std::fabs(s[i]));
            lo = std::fmin(lo, m);
            hi = std::fmax(hi, m);
        }
        EXPECT_NEAR(hi / lo, 3.0, 0.05) << "LFO on engine value " << o.on;
    }
}

// The low-pass through the whole voice: an A1 saw's harmonics with the cutoff at "LPF Cutoff"
// 50 (440 Hz) and 40 (220 Hz), against the same note with the filter wide open; type A's
// -3 dB corner sits at 0.93 of the cutoff (its damping at the lowest resonance), within a
// quarter semitone.
TEST(SoundHost, LowPassCornerFollowsLpfCutoff) {
    const double rate = 48000.0, f0 = 55.0;
    auto render = [&](float cutoff) {
        Voice v(static_cast<float>(rate));
        v.set(kOsc1Wave, 1.0f / 14.0f); // Saw
        v.set(kOsc1Mix, 0.5f);
        v.set(82, 0.0f);   // "LPF Type" A
        v.set(180, 1.0f);  // "LPF Mode" 12dB
        v.set(84, 0.0f);   // "LPF Resonance"
        v.set(85, 0.0f);   // "HPF Cutoff" at its floor
        v.set(81, 0.0f);   // "Filter %" 100
        v.set(94, 0.0f);   // "Filter Env Level"
        v.set(86, 0.5f);   // "Filter Track" 0
        v.set(208, 0.0f);  // "Filter Saturation %"
        v.set(83, cutoff); // "LPF Cutoff"
        v.render(0.05);
        v.midi(0x90, 33, 100);
        return v.render(1.3);
    };
    const std::vector<float> open = render(1.0f);
    for (float knob : {0.5f, 0.4f}) {
        const double fc = 13.75 * std::pow(2.0, knob * 10.0);
        const std::vector<float> s = render(knob);
        const size_t from = 14400, length = 48000; // 55 whole periods
        double previous = 0.0, pass = 0.0, corner = 0.0;
        for (int n = 1; n < 40 && corner == 0.0; ++n) {
            const double h = std::sqrt(powerAt(s, from, from + length, n * f0, rate) /
                                       powerAt(open, from, from + length, n * f0, rate));
            if (n == 1) pass = h;
            const double target = pass / std::sqrt(2.0);
            if (n > 1 && h < target) {
                const double t = (previous - target) / (previous - h);
                corner =
                    f0 * std::exp2(std::log2(n - 1.0) + t * (std::log2(n) - std::log2(n - 1.0)));
            }
            previous = h;
        }
        EXPECT_NEAR(12.0 * std::log2(corner / (0.930 * fc)), 0.0, 0.25) << knob;
    }
}

// "Gain" at its top drives the post limiter deep into its knee: the voice holds at the ceiling
// (1.5 + 0.1) x make-up 0.650, which the centre pan halves on each side. The knee's output is
// band-limited, so the corners it cuts ring past that ceiling for a sample or two, as the
// corners of any band-limited square do: its level (RMS) stays below the ceiling, and the
// ringing within 3 dB of it.
TEST(SoundHost, PostLimiterHoldsTheVoiceBelowItsCeiling) {
    Voice v(48000);
    v.set(kOsc1Wave, 1.0f / 14.0f); // Saw
    v.set(kOsc1Mix, 1.0f);
    v.set(kOsc2Mix, 1.0f);
    v.set(kSubMix, 1.0f);
    v.set(kNoiseMix, 1.0f);
    v.set(121, 1.0f); // "Gain" 100: G = 10
    v.set(181, 0.0f); // "Gain Mode" Post
    v.set(123, 1.0f); // "Master Volume %"
    v.set(122, 0.5f); // "Master Pan" centre
    v.set(81, 0.0f);  // "Filter %" 100
    v.midi(0x90, 45, 127);
    const std::vector<float> s = v.render(1.0);
    double power = 0.0;
    float peak = 0.0f;
    for (float x : s) {
        power += static_cast<double>(x) * x;
        peak = std::fmax(peak, std::fabs(x));
    }
    const double ceiling = (1.5 + 0.1) * 0.650 * 0.5;
    const double rms = std::sqrt(power / static_cast<double>(s.size()));
    EXPECT_LE(rms, ceiling);
    EXPECT_GT(rms, 0.8 * ceiling); // driven well into the knee
    EXPECT_LE(peak, ceiling * std::sqrt(2.0));
}

namespace {
// The normalised value of a parameter whose display shows `target` (a rising knob), by halving.
float valueShowing(Voice& v, int index, double target) {
    float lo = 0.0f, hi = 1.0f;
    for (int k = 0; k < 30; ++k) {
        const float mid = 0.5f * (lo + hi);
        v.set(index, mid);
        (std::atof(v.p.text(effGetParamDisplay, index).c_str()) < target ? lo : hi) = mid;
    }
    return 0.5f * (lo + hi);
}
} // namespace

// The equaliser through the library: a band at the note's frequency boosts an A4 sine by the
// band's centre gain (+18.2 dB for +18 dB) in either position; at 0 dB, or with "EQ Active"
// off, the output is bit for bit the output without it.
TEST(SoundHost, EqualiserBandBoostsAndFlatBandsPassUntouched) {
    auto render = [](bool active, float dB, int position) {
        Voice v(48000);
        v.set(205, active ? 1.0f : 0.0f);         // "EQ Active"
        v.set(206, static_cast<float>(position)); // "Pre-Post EQ"
        for (int band : {196, 199, 202})
            v.set(band, valueShowing(v, band, band == 196 ? 440.0 : 5000.0));
        v.set(197, (dB + 18.0f) / 36.0f); // "EQ 1 Gain dB"
        v.set(200, 0.5f);                 // 0 dB
        v.set(203, 0.5f);
        v.set(198, 0.5f); // "EQ 1 Width"
        v.set(123, 0.1f); // "Master Volume %" low: the boost stays below the output ceiling
        v.render(0.1);
        v.midi(0x90, 69, 100);
        return v.render(1.0);
    };
    const std::vector<float> plain = render(false, 18.0f, 0);
    EXPECT_EQ(render(true, 0.0f, 0), plain);
    EXPECT_EQ(render(true, 0.0f, 1), plain);
    for (int position : {0, 1}) {
        const std::vector<float> boosted = render(true, 18.0f, position);
        const double ratio = std::sqrt(powerAt(boosted, 24000, boosted.size(), 440.0, 48000.0) /
                                       powerAt(plain, 24000, plain.size(), 440.0, 48000.0));
        EXPECT_NEAR(20.0 * std::log10(ratio), 18.2, 0.3) << position;
    }
}

namespace {
// First sample from `from` on whose magnitude exceeds a small threshold.
size_t firstSound(const std::vector<float>& s, size_t from, float threshold = 1e-3f) {
    for (size_t i = from; i < s.size(); ++i)
        if (std::fabs(s[i]) > threshold) return i;
    return s.size();
}
} // namespace

// The echo at 120 BPM, "Echo Rate" 1b, length 1: a short note returns 500 ms later (the line
// and the 18 ms block delay) within a sample. With "Echo Pong" and the note panned hard left,
// the first repeat comes from the right only.
TEST(SoundHost, EchoReturnsOnTheBeatAndPingPongs) {
    for (bool pong : {false, true}) {
        playTransport(120.0, 48000.0);
        Voice v(48000.0f, tempoHost);
        v.set(kOsc1Wave, 1.0f / 14.0f);
        v.set(117, 0.0f); // "Amp Release (s)" shortest
        v.set(162, 1.0f); // "Echo OnOff"
        v.set(163, pong ? 1.0f : 0.0f);
        v.set(165, 0.0f);               // "Echo Rate" 1b
        v.set(168, 0.0f);               // "Echo Length" 1
        v.set(173, 0.0f);               // "Echo Step"
        v.set(210, 0.0f);               // "Echo Dotted"
        v.set(169, 0.0f);               // "Echo FBK"
        v.set(172, 1.0f);               // "Echo Level"
        v.set(170, 1.0f);               // "Echo LPF" open
        v.set(171, 0.0f);               // "Echo HPF" open
        v.set(122, pong ? 0.0f : 0.5f); // "Master Pan" hard left for ping-pong
        v.render(0.2);
        v.midi(0x90, 69, 127);
        std::vector<float> l, r, bl(kBlock), br(kBlock);
        for (int b = 0; b < static_cast<int>(1.0 * 48000 / kBlock); ++b) {
            if (b == 10) v.midi(0x80, 69, 0); // ~53 ms long
            v.p.process(bl, br, kBlock);
            l.insert(l.end(), bl.begin(), bl.end());
            r.insert(r.end(), br.begin(), br.end());
        }
        const size_t start = firstSound(l, 0);
        ASSERT_LT(start, 1000u);
        const size_t gap = start + 24000 - 2000; // after the note's tail, before the repeat
        if (!pong) {
            EXPECT_NEAR(static_cast<double>(firstSound(l, gap)), start + 24000.0, 1.0);
            EXPECT_NEAR(static_cast<double>(firstSound(r, gap)), start + 24000.0, 1.0);
        } else {
            EXPECT_EQ(firstSound(r, 0), firstSound(r, gap)); // nothing on the right before it
            EXPECT_NEAR(static_cast<double>(firstSound(r, gap)), start + 24000.0, 1.0);
            EXPECT_EQ(firstSound(l, gap, 1e-3f), l.size()); // the left stays quiet meanwhile
        }
    }
}

// Every effect at its extreme for a minute of chords: full echo feedback with the shifted copy
// adding up above unity, the chorus at full depth and mix, all equaliser bands at +18 dB, Melt
// at full depth with its level wobble. The output stays finite and below +6 dBFS, carries no
// subnormal number, and keeps sounding (the engine's runaway guard, which mutes, never trips).
TEST(SoundHost, WholeEffectChainAtItsExtremesStaysBounded) {
    Voice v(48000.0f);
    v.set(kOsc1Wave, 1.0f / 14.0f);
    const std::pair<int, float> extremes[] = {
        {162, 1.0f}, {163, 1.0f}, {169, 1.0f}, {167, 0.5f}, {166, 0.75f}, {172, 1.0f}, // echo
        {170, 1.0f}, {171, 0.0f},                                                      //
        {186, 1.0f}, {191, 1.0f}, {187, 1.0f}, {188, 1.0f}, {190, 1.0f},  {192, 1.0f}, // chorus
        {205, 1.0f}, {197, 1.0f}, {200, 1.0f}, {203, 1.0f},                            // EQ
        {154, 1.0f}, {155, 1.0f}, {156, 1.0f}, {158, 1.0f}, {160, 1.0f},               // Melt
        {123, 1.0f}};                                                                  // master
    for (auto [param, value] : extremes)
        v.set(param, value);
    float peak = 0.0f;
    for (int bar = 0; bar < 30; ++bar) {
        for (int n : {45, 57, 60, 64})
            v.midi(0x90, n, 127);
        float barPeak = 0.0f;
        for (int half = 0; half < 2; ++half) {
            if (half == 1)
                for (int n : {45, 57, 60, 64})
                    v.midi(0x80, n, 0);
            for (float x : v.render(1.0)) {
                ASSERT_TRUE(std::isfinite(x));
                ASSERT_FALSE(x != 0.0f && std::fabs(x) < 1.17549435e-38f);
                barPeak = std::fmax(barPeak, std::fabs(x));
            }
        }
        EXPECT_GT(barPeak, 0.1f) << bar;
        peak = std::fmax(peak, barPeak);
    }
    EXPECT_LT(20.0 * std::log10(peak), 6.0);
    std::printf("every effect at its extreme: peak %.2f dBFS\n", 20.0 * std::log10(peak));
}

// Melt in "Tape" mode at rest (no depth) is a fixed delay of the sweep window, 5 ms per
// "Melt Buffer" volt: 12.5 ms at its lowest, 37.5 ms at its highest; "Circuit" mode passes
// the sound straight through.
TEST(SoundHost, MeltAtRestDelaysByItsWindow) {
    auto onset = [](bool tape, float buffer) {
        Voice v(48000.0f);
        v.set(154, tape ? 1.0f : 0.0f); // "Melt A Mode"
        v.set(155, 0.0f);               // "Melt Depth"
        v.set(161, buffer);             // "Melt Buffer"
        v.render(0.1);
        v.midi(0x90, 69, 127);
        return static_cast<double>(firstSound(v.render(0.2), 0));
    };
    const double straight = onset(false, 1.0f);
    ASSERT_LT(straight, 2000.0);
    EXPECT_NEAR(onset(true, 0.0f) - straight, 600.0, 1.0);
    EXPECT_NEAR(onset(true, 1.0f) - straight, 1800.0, 1.0);
}

// Melt B's wow at full depth sweeps a held A4 up and down (at most +-0.083 octave, 100 cents)
// in "Tape" mode; in "Circuit" mode the pitch stays put.
TEST(SoundHost, MeltWobblesThePitchInBothModes) {
    for (bool tape : {false, true}) {
        Voice v(48000.0f);
        v.set(154, tape ? 1.0f : 0.0f); // "Melt A Mode"
        v.set(223, 1.0f);               // "Melt System" B
        v.set(224, 0.0f);               // "Melt B Wow (Hz)" 1 Hz
        v.set(226, 0.0f);               // "Melt B Speed Mix %": all wow
        v.set(227, 1.0f);               // "Melt B to Pitch %"
        v.set(155, 1.0f);               // "Melt Depth"
        // "Tape" bends the summed sound in the shifters, "Circuit" each voice's own pitch.
        auto [lo, hi] = pitchSwing(v, 5.0);
        std::printf("%s: %.1f .. %.1f cents\n", tape ? "Tape" : "Circuit", lo, hi);
        EXPECT_GT(hi - lo, 10.0);
        EXPECT_GT(lo, -160.0);
        EXPECT_LT(hi, 160.0);
    }
}
