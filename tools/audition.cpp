#include "tools/audition.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ebur128.h>
#include <png.h>
#include <sndfile.h>

#include "common/fft.h"
#include "dsp/midi_word.h"
#include "host/event_list.h"
#include "platform/platform.h"

namespace audition {

using namespace vst;

namespace {

VstTimeInfo gTime{};
int gBlock = 256; // the block size the phrase is rendered in

struct Note {
    double start, length; // seconds (120 BPM: a beat is 0.5 s)
    int key;
};

struct Phrase {
    std::vector<Note> notes;
    double seconds; // the whole render, release included
};

std::vector<Note> chord(double start, double length, std::initializer_list<int> keys) {
    std::vector<Note> n;
    for (int k : keys)
        n.push_back({start, length, k});
    return n;
}

Phrase lead() { // a line up and down, then a held top note
    Phrase p{{}, 6.0};
    const int line[] = {60, 64, 67, 72, 67, 64};
    for (int i = 0; i < 6; ++i)
        p.notes.push_back({0.5 * i, 0.45, line[i]});
    p.notes.push_back({3.0, 1.5, 72});
    return p;
}

Phrase phraseFor(Category c) {
    switch (c) {
    case Category::Bass: { // two bars of eighths
        Phrase p{{}, 5.0};
        const int line[] = {36, 36, 48, 36, 39, 36, 43, 46};
        for (int i = 0; i < 16; ++i)
            p.notes.push_back({0.25 * i, 0.2, line[i % 8]});
        return p;
    }
    case Category::Pads:
        return {chord(0.0, 4.0, {48, 55, 60, 64}), 6.0};
    case Category::Keys: {
        Phrase p{{}, 5.5};
        const std::initializer_list<int> chords[] = {
            {48, 60, 64, 67}, {45, 57, 60, 64}, {41, 53, 57, 60}, {43, 55, 59, 62}};
        for (int i = 0; i < 4; ++i)
            for (const Note& n : chord(1.0 * i, 0.9, chords[i]))
                p.notes.push_back(n);
        return p;
    }
    case Category::Patterns:
        return {chord(0.0, 4.0, {48, 55, 60}), 5.5};
    case Category::Experiments:
        return {chord(0.0, 3.0, {48, 60, 67}), 5.0};
    case Category::NoiseFx:
        return {chord(0.0, 3.0, {60}), 5.0};
    case Category::Tones:
    case Category::Initials:
    default:
        return lead();
    }
}

} // namespace

const char* categoryName(Category c) {
    static const char* names[] = {"TARLIX TONES", "SYNTH BASS",  "Ambient Pads", "ORGANIC KEYS",
                                  "PATTERNS",     "EXPERIMENTS", "NOISE FX",     "INITIALS"};
    return names[static_cast<int>(c)];
}

intptr_t host(AEffect*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return tools::offlineHostAnswer(opcode, &gTime, gTime.sampleRate, gBlock);
}

Stereo render(tools::LoadedPlugin& plugin, int program, int rate, int block, bool select) {
    AEffect* fx = plugin.fx();
    plugin.call(effMainsChanged, 0, 0);
    plugin.call(effSetSampleRate, 0, 0, nullptr, static_cast<float>(rate));
    plugin.call(effSetBlockSize, 0, block);
    gBlock = block;
    if (select) plugin.call(effSetProgram, 0, program);
    plugin.call(effMainsChanged, 0, 1);
    plugin.call(effStartProcess);

    struct Timed {
        int64_t at;
        int status, key;
    };
    const Phrase phrase = phraseFor(categoryOf(program));
    std::vector<Timed> events;
    for (const Note& n : phrase.notes) {
        events.push_back({std::llround(n.start * rate), tarlix::midiword::kNoteOn, n.key});
        events.push_back(
            {std::llround((n.start + n.length) * rate), tarlix::midiword::kNoteOff, n.key});
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const Timed& a, const Timed& b) { return a.at < b.at; });

    Stereo out;
    out.rate = rate;
    const int64_t total = std::llround(phrase.seconds * rate);
    out.left.resize(static_cast<size_t>(total));
    out.right.resize(static_cast<size_t>(total));
    std::vector<float> silentL(block, 0.0f), silentR(block, 0.0f);
    float* ins[2] = {silentL.data(), silentR.data()};
    EventList midi;
    size_t next = 0;
    for (int64_t pos = 0; pos < total; pos += block) {
        const int n = static_cast<int>(std::min<int64_t>(block, total - pos));
        midi.clear();
        for (; next < events.size() && events[next].at < pos + n; ++next)
            midi.add(static_cast<int>(events[next].at - pos), events[next].status, events[next].key,
                     events[next].status == tarlix::midiword::kNoteOn ? 100 : 0);
        const double beats = static_cast<double>(pos) / rate * kTempo / 60.0;
        gTime = VstTimeInfo{};
        gTime.samplePos = static_cast<double>(pos);
        gTime.sampleRate = rate;
        gTime.tempo = kTempo;
        gTime.ppqPos = beats;
        gTime.barStartPos = std::floor(beats / 4.0) * 4.0;
        gTime.timeSigNumerator = 4;
        gTime.timeSigDenominator = 4;
        gTime.flags = kVstTransportPlaying | kVstTempoValid | kVstPpqPosValid | kVstBarsValid |
                      kVstTimeSigValid;
        if (!midi.empty()) plugin.call(effProcessEvents, 0, 0, midi.list());
        float* outs[2] = {out.left.data() + pos, out.right.data() + pos};
        fx->processReplacing(fx, ins, outs, n);
    }
    plugin.call(effStopProcess);
    plugin.call(effMainsChanged, 0, 0);
    return out;
}

namespace {

constexpr int kFrame = 2048;
constexpr int kBands = 32;
constexpr double kLowHz = 40.0, kHighHz = 16000.0;
constexpr double kFloorDb = -60.0;
constexpr double kSegment = 0.25; // seconds per envelope point

// Left and right as frames, the layout libebur128 and libsndfile read.
std::vector<float> interleaved(const Stereo& s) {
    std::vector<float> frames(2 * s.left.size());
    for (size_t i = 0; i < s.left.size(); ++i) {
        frames[2 * i] = s.left[i];
        frames[2 * i + 1] = s.right[i];
    }
    return frames;
}

double toDb(double power) {
    return power > 1e-30 ? 10.0 * std::log10(power) : -300.0;
}

// Power per FFT bin of the mono mix around `centre` (Hann window).
std::vector<double> framePower(const Stereo& s, int64_t centre) {
    static std::vector<double> window = [] {
        std::vector<double> w(kFrame);
        for (int i = 0; i < kFrame; ++i)
            w[i] = 0.5 - 0.5 * std::cos(2.0 * M_PI * i / kFrame);
        return w;
    }();
    std::vector<std::complex<double>> x(kFrame);
    const int64_t n = static_cast<int64_t>(s.left.size());
    for (int i = 0; i < kFrame; ++i) {
        int64_t j = centre - kFrame / 2 + i;
        double v = (j >= 0 && j < n) ? 0.5 * (s.left[j] + s.right[j]) : 0.0;
        x[i] = v * window[i];
    }
    spectrum::fft(x);
    std::vector<double> p(kFrame / 2);
    for (int k = 0; k < kFrame / 2; ++k)
        p[k] = std::norm(x[k]);
    return p;
}

// Sums bins into `bands` log-spaced bands from lo to hi.
std::vector<double> bandPower(const std::vector<double>& bins, int rate, int bands, double lo,
                              double hi) {
    std::vector<double> b(bands, 0.0);
    const double binHz = static_cast<double>(rate) / kFrame;
    for (size_t k = 1; k < bins.size(); ++k) {
        double hz = k * binHz;
        if (hz < lo || hz >= hi) continue;
        int band = static_cast<int>(bands * std::log(hz / lo) / std::log(hi / lo));
        b[std::clamp(band, 0, bands - 1)] += bins[k];
    }
    return b;
}

} // namespace

Measures measure(const Stereo& s) {
    Measures m;
    m.seconds = s.seconds();
    const size_t n = s.left.size();
    std::vector<float> frames = interleaved(s);
    double peak = 0.0;
    for (size_t i = 0; i < n; ++i) {
        if (!std::isfinite(frames[2 * i]) || !std::isfinite(frames[2 * i + 1])) {
            m.finite = false;
            frames[2 * i] = frames[2 * i + 1] = 0.0f;
        }
        peak = std::max(
            {peak, std::fabs(double(frames[2 * i])), std::fabs(double(frames[2 * i + 1]))});
    }
    m.samplePeak = peak > 0.0 ? 20.0 * std::log10(peak) : -HUGE_VAL;

    ebur128_state* st = ebur128_init(2, static_cast<unsigned long>(s.rate),
                                     EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
    if (st) {
        ebur128_add_frames_float(st, frames.data(), n);
        double lufs = -HUGE_VAL, tpL = 0.0, tpR = 0.0;
        if (ebur128_loudness_global(st, &lufs) == EBUR128_SUCCESS) m.loudness = lufs;
        ebur128_true_peak(st, 0, &tpL);
        ebur128_true_peak(st, 1, &tpR);
        double tp = std::max(tpL, tpR);
        m.truePeak = tp > 0.0 ? 20.0 * std::log10(tp) : -HUGE_VAL;
        ebur128_destroy(&st);
    }

    // Fingerprint: the average spectrum in bands (re the loudest band) and the level every
    // quarter second (re the loudest quarter), both floored at -60 dB.
    std::vector<double> sum(kBands, 0.0);
    for (int64_t c = kFrame / 2; c < static_cast<int64_t>(n); c += kFrame / 2) {
        auto b = bandPower(framePower(s, c), s.rate, kBands, kLowHz, kHighHz);
        for (int k = 0; k < kBands; ++k)
            sum[k] += b[k];
    }
    const double loudestBand = *std::max_element(sum.begin(), sum.end());
    for (double v : sum)
        m.fingerprint.push_back(
            static_cast<float>(std::max(kFloorDb, toDb(v) - toDb(loudestBand))));
    const size_t seg = static_cast<size_t>(kSegment * s.rate);
    std::vector<double> level;
    for (size_t a = 0; a + seg <= n; a += seg) {
        double e = 0.0;
        for (size_t i = a; i < a + seg; ++i)
            e += 0.5 * (double(frames[2 * i]) * frames[2 * i] +
                        double(frames[2 * i + 1]) * frames[2 * i + 1]);
        level.push_back(toDb(e / seg));
    }
    double loudest = level.empty() ? 0.0 : *std::max_element(level.begin(), level.end());
    for (double l : level)
        m.fingerprint.push_back(static_cast<float>(std::max(kFloorDb, l - loudest)));
    return m;
}

double distance(const Measures& a, const Measures& b) {
    // The spectrum and the envelope each count in full: programs playing the same phrase share
    // much of their envelope, which must not hide a different timbre.
    auto rms = [&](size_t from, size_t to) {
        double sum = 0.0;
        for (size_t i = from; i < to; ++i) {
            double d = a.fingerprint[i] - b.fingerprint[i];
            sum += d * d;
        }
        return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
    };
    const size_t n = std::min(a.fingerprint.size(), b.fingerprint.size());
    if (n < size_t(kBands)) return 0.0;
    return rms(0, kBands) + rms(kBands, n);
}

bool writeWav(const std::string& path, const Stereo& s) {
    SF_INFO info{};
    info.samplerate = s.rate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    std::string partial = path + ".partial";
    SNDFILE* f = sf_open(partial.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    const std::vector<float> frames = interleaved(s);
    const sf_count_t count = static_cast<sf_count_t>(s.left.size());
    bool ok = sf_writef_float(f, frames.data(), count) == count;
    ok = sf_close(f) == 0 && ok;
    if (ok) ok = platform::replaceFile(partial, path); // over an existing file too
    if (!ok) platform::removeFile(partial);
    return ok;
}

namespace {

constexpr int kTileW = 192, kTileH = 64, kLabelH = 9, kGap = 4;

struct Image {
    int w, h;
    std::vector<uint8_t> rgb;
    Image(int width, int height) : w(width), h(height), rgb(size_t(width) * height * 3, 24) {}
    void set(int x, int y, std::array<uint8_t, 3> c) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
        p[0] = c[0], p[1] = c[1], p[2] = c[2];
    }
};

// dB above the floor, 0..1, to a dark-blue, red, yellow, white ramp.
std::array<uint8_t, 3> heat(double t) {
    t = std::round(std::clamp(t, 0.0, 1.0) * 24.0) / 24.0; // 25 colours: 3.6 dB each, small file
    auto ch = [](double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255.0); };
    return {ch(3.0 * t - 0.8), ch(3.0 * t - 1.8), ch(t < 0.33 ? 0.2 + 1.6 * t : 3.0 * t - 2.0)};
}

// 3 x 5 digits, one row per line, three bits per row (high bit left).
void drawNumber(Image& img, int x, int y, int value, std::array<uint8_t, 3> c) {
    static const uint8_t font[10][5] = {
        {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
        {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};
    std::string text = std::to_string(value);
    for (char ch : text) {
        const uint8_t* glyph = font[ch - '0'];
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (glyph[row] & (4 >> col)) img.set(x + col, y + row, c);
        x += 4;
    }
}

void drawTile(Image& img, int x0, int y0, int program, const Stereo& s) {
    const bool header = isHeader(program);
    for (int y = 0; y < kLabelH; ++y)
        for (int x = 0; x < kTileW; ++x)
            img.set(x0 + x, y0 + y,
                    header ? std::array<uint8_t, 3>{90, 70, 20}
                           : std::array<uint8_t, 3>{48, 48, 56});
    drawNumber(img, x0 + 2, y0 + 2, program, {230, 230, 230});
    const int top = y0 + kLabelH;
    const int64_t n = static_cast<int64_t>(s.left.size());
    if (n == 0) return;
    std::vector<std::vector<double>> columns(kTileW);
    std::vector<double> rms(kTileW, 0.0);
    double loudest = 1e-30;
    for (int x = 0; x < kTileW; ++x) {
        const int64_t centre = (2 * x + 1) * n / (2 * kTileW);
        columns[x] = bandPower(framePower(s, centre), s.rate, kTileH, 30.0, 20000.0);
        for (double v : columns[x])
            loudest = std::max(loudest, v);
        const int64_t a = x * n / kTileW, b = (x + 1) * n / kTileW;
        double e = 0.0;
        for (int64_t i = a; i < b; ++i)
            e += 0.5 * (double(s.left[i]) * s.left[i] + double(s.right[i]) * s.right[i]);
        rms[x] = b > a ? e / double(b - a) : 0.0;
    }
    for (int x = 0; x < kTileW; ++x) {
        for (int row = 0; row < kTileH; ++row) {
            double db = toDb(columns[x][row]) - toDb(loudest);
            img.set(x0 + x, top + kTileH - 1 - row, heat(1.0 + db / 90.0));
        }
        // The level, 0 dBFS at the top to -60 dBFS at the bottom.
        double db = std::clamp(toDb(rms[x]), -60.0, 0.0);
        int y = top + static_cast<int>(-db / 60.0 * (kTileH - 1));
        img.set(x0 + x, y, {120, 255, 120});
        img.set(x0 + x, y + 1, {40, 140, 40});
    }
}

} // namespace

bool writeContactSheet(const std::string& path, const std::vector<Stereo>& phrases) {
    const int columns = kPrograms / kPerCategory, rows = kPerCategory;
    Image img(columns * (kTileW + kGap) + kGap, rows * (kTileH + kLabelH + kGap) + kGap);
    for (size_t p = 0; p < phrases.size() && p < size_t(kPrograms); ++p) {
        const int col = static_cast<int>(p) / kPerCategory,
                  row = static_cast<int>(p) % kPerCategory;
        drawTile(img, kGap + col * (kTileW + kGap), kGap + row * (kTileH + kLabelH + kGap),
                 static_cast<int>(p), phrases[p]);
    }
    std::string partial = path + ".partial";
    FILE* f = std::fopen(partial.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool ok = png && info; // read again after a longjmp from libpng
    if (ok && setjmp(png_jmpbuf(png))) {
        ok = false;
    } else if (ok) {
        png_init_io(png, f);
        png_set_IHDR(png, info, static_cast<png_uint_32>(img.w), static_cast<png_uint_32>(img.h), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png, 9);
        png_write_info(png, info);
        for (int y = 0; y < img.h; ++y)
            png_write_row(png, &img.rgb[size_t(y) * img.w * 3]);
        png_write_end(png, nullptr);
    }
    png_destroy_write_struct(&png, &info);
    bool written = std::fclose(f) == 0 && ok;
    if (written) written = platform::replaceFile(partial, path);
    if (!written) platform::removeFile(partial);
    return written;
}

} // namespace audition
