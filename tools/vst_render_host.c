/* vst-render-host: a small VST 2.4 host in plain C, built from this one source for every
 * platform, that renders fixed material through any build of the plug-in so that builds can be
 * compared sample by sample.
 *
 *   vst-render-host render PLUGIN SONG.mid OUTDIR
 *       writes OUTDIR/song.f32 (the song, program 0 of the factory bank) and
 *       OUTDIR/program-NNN.f32 (a phrase on each of the 128 programs): raw little-endian
 *       32-bit float stereo frames, 44100 Hz, rendered in blocks of 512.
 *   vst-render-host compare DIR_A DIR_B
 *       prints, for every file of DIR_A, the largest sample difference to DIR_B in dB relative
 *       to full scale ("identical" when every bit agrees); exit status 1 when any differs. */
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "platform/plugin_entry.h"

/* The parts of the VST 2.4 binary interface this host uses (64-bit layout). */
typedef struct AEffect AEffect;
typedef intptr_t (*HostCallback)(AEffect*, int32_t, int32_t, intptr_t, void*, float);
typedef intptr_t (*Dispatcher)(AEffect*, int32_t, int32_t, intptr_t, void*, float);
typedef void (*Process)(AEffect*, float**, float**, int32_t);
struct AEffect {
    int32_t magic;
    Dispatcher dispatcher;
    Process process;
    void (*setParameter)(AEffect*, int32_t, float);
    float (*getParameter)(AEffect*, int32_t);
    int32_t numPrograms, numParams, numInputs, numOutputs, flags;
    intptr_t resvd1, resvd2;
    int32_t initialDelay, realQualities, offQualities;
    float ioRatio;
    void *object, *user;
    int32_t uniqueID, version;
    Process processReplacing;
    void* processDoubleReplacing;
    char future[56];
};
typedef struct {
    int32_t type, byteSize, deltaFrames, flags, noteLength, noteOffset;
    char midiData[4];
    char detune, noteOffVelocity, reserved1, reserved2;
} MidiEvent;
enum { kMaxEvents = 512 };
typedef struct {
    int32_t numEvents;
    intptr_t reserved;
    void* events[kMaxEvents];
} Events;
typedef struct {
    double samplePos, sampleRate, nanoSeconds, ppqPos, tempo, barStartPos, cycleStartPos,
        cycleEndPos;
    int32_t timeSigNumerator, timeSigDenominator, smpteOffset, smpteFrameRate, samplesToNextClock,
        flags;
} TimeInfo;

enum {
    effOpen = 0,
    effClose = 1,
    effSetProgram = 2,
    effSetSampleRate = 10,
    effSetBlockSize = 11,
    effMainsChanged = 12,
    effProcessEvents = 25,
    effStartProcess = 71,
    effStopProcess = 72
};
enum {
    audioMasterVersion = 1,
    audioMasterWantMidi = 6,
    audioMasterGetTime = 7,
    audioMasterGetSampleRate = 16,
    audioMasterGetBlockSize = 17
};
enum {
    kMidiType = 1,
    kTransportPlaying = 2,
    kPpqValid = 1 << 9,
    kTempoValid = 1 << 10,
    kBarsValid = 1 << 11,
    kTimeSigValid = 1 << 13
};

static const int kRate = 44100, kBlock = 512;
static const int32_t kMagic = 0x56737450; /* 'VstP' */

/* ---- The host's side: a steady transport at the song's tempo. ---- */

static TimeInfo gTime;

static intptr_t host(AEffect* fx, int32_t op, int32_t index, intptr_t value, void* ptr, float opt) {
    (void)fx, (void)index, (void)value, (void)ptr, (void)opt;
    switch (op) {
    case audioMasterVersion:
        return 2400;
    case audioMasterWantMidi:
        return 1;
    case audioMasterGetTime:
        return (intptr_t)&gTime;
    case audioMasterGetSampleRate:
        return kRate;
    case audioMasterGetBlockSize:
        return kBlock;
    default:
        return 0;
    }
}

/* ---- Timed MIDI: a tiny Standard MIDI File reader and fixed phrases. ---- */

typedef struct {
    int64_t sample;
    unsigned char bytes[3];
} Timed;

typedef struct {
    Timed* at;
    size_t count, capacity;
} Score;

static int add(Score* s, int64_t sample, int b0, int b1, int b2) {
    if (s->count == s->capacity) {
        size_t grown = s->capacity ? 2 * s->capacity : 256;
        Timed* more = realloc(s->at, grown * sizeof *more);
        if (!more) return 0;
        s->at = more, s->capacity = grown;
    }
    Timed t = {sample, {(unsigned char)b0, (unsigned char)b1, (unsigned char)b2}};
    s->at[s->count++] = t;
    return 1;
}

/* Orders events by time; events at the same sample keep their file order (an insertion sort,
 * the same on every C library, unlike qsort). */
static void sortBySample(Score* s) {
    for (size_t i = 1; i < s->count; ++i) {
        Timed t = s->at[i];
        size_t j = i;
        for (; j > 0 && s->at[j - 1].sample > t.sample; --j)
            s->at[j] = s->at[j - 1];
        s->at[j] = t;
    }
}

typedef struct {
    const unsigned char *p, *end;
} Cursor;

static uint32_t be(Cursor* c, int n) {
    uint32_t v = 0;
    while (n-- > 0 && c->p < c->end)
        v = (v << 8) | *c->p++;
    return v;
}

static uint32_t varLen(Cursor* c) {
    uint32_t v = 0;
    for (int i = 0; i < 4 && c->p < c->end; ++i) {
        unsigned char b = *c->p++;
        v = (v << 7) | (b & 0x7f);
        if (!(b & 0x80)) break;
    }
    return v;
}

/* One tempo for the whole song (its first tempo event), which is what the demo uses. */
static int readSong(const char* path, Score* out, double* tempoBpm) {
    FILE* f = tarlix_open_file(path, "rb");
    if (!f) return 0;
    static unsigned char data[1 << 20];
    size_t size = fread(data, 1, sizeof data, f);
    fclose(f);
    Cursor c = {data, data + size};
    if (size < 14 || memcmp(data, "MThd", 4) != 0) return 0;
    c.p += 8;
    be(&c, 2);
    int tracks = (int)be(&c, 2), division = (int)be(&c, 2);
    if (division <= 0 || division & 0x8000) return 0;
    double usPerQuarter = 500000.0;
    int tempoSeen = 0;
    Score ticks = {0};
    for (int t = 0; t < tracks && c.p + 8 <= c.end; ++t) {
        if (memcmp(c.p, "MTrk", 4) != 0) return 0;
        c.p += 4;
        uint32_t length = be(&c, 4);
        Cursor tr = {c.p, c.p + length <= c.end ? c.p + length : c.end};
        c.p = tr.end;
        int64_t tick = 0;
        int status = 0;
        while (tr.p < tr.end) {
            tick += varLen(&tr);
            int b = *tr.p;
            if (b & 0x80) status = b, ++tr.p;
            if (status == 0xff) {
                int type = (int)be(&tr, 1);
                uint32_t n = varLen(&tr);
                if (type == 0x51 && n == 3 && !tempoSeen) {
                    Cursor v = {tr.p, tr.p + 3};
                    usPerQuarter = be(&v, 3), tempoSeen = 1;
                }
                tr.p += n, status = 0;
            } else if (status == 0xf0 || status == 0xf7) {
                tr.p += varLen(&tr), status = 0;
            } else if (status >= 0x80) {
                int kind = status & 0xf0, d1 = (int)be(&tr, 1), d2 = 0;
                if (kind != 0xc0 && kind != 0xd0) d2 = (int)be(&tr, 1);
                if (!add(&ticks, tick, status, d1, d2)) return 0;
            } else {
                return 0; /* running status without a status byte */
            }
        }
    }
    for (size_t i = 0; i < ticks.count; ++i) {
        double seconds = (double)ticks.at[i].sample * usPerQuarter / 1e6 / division;
        Timed* e = &ticks.at[i];
        if (!add(out, (int64_t)floor(seconds * kRate + 0.5), e->bytes[0], e->bytes[1], e->bytes[2]))
            return 0;
    }
    free(ticks.at);
    sortBySample(out);
    *tempoBpm = 60e6 / usPerQuarter;
    return 1;
}

/* Two seconds of a phrase every program can speak: a line, then a held chord, then release. */
static int phrase(Score* s) {
    static const int line[] = {48, 55, 60, 63, 67, 72};
    const int64_t step = kRate / 8; /* eighth notes at 120 BPM */
    int ok = 1;
    for (int i = 0; i < 6; ++i) {
        ok = ok && add(s, i * step, 0x90, line[i], 100);
        ok = ok && add(s, i * step + step * 3 / 4, 0x80, line[i], 0);
    }
    static const int chord[] = {53, 57, 60, 64};
    for (int i = 0; i < 4; ++i) {
        ok = ok && add(s, 6 * step, 0x90, chord[i], 90);
        ok = ok && add(s, 14 * step, 0x80, chord[i], 0);
    }
    return ok;
}

/* ---- Rendering ---- */

typedef AEffect* (*Entry)(HostCallback);

/* Plays `score` on `program` and writes `seconds` of stereo float frames to `path`. */
static int render(Entry entry, int program, const Score* score, double tempo, double seconds,
                  const char* path) {
    AEffect* fx = entry(host);
    if (!fx || fx->magic != kMagic || fx->numOutputs < 2) return 0;
    fx->dispatcher(fx, effOpen, 0, 0, NULL, 0);
    fx->dispatcher(fx, effSetSampleRate, 0, 0, NULL, (float)kRate);
    fx->dispatcher(fx, effSetBlockSize, 0, kBlock, NULL, 0);
    fx->dispatcher(fx, effSetProgram, 0, program, NULL, 0);
    fx->dispatcher(fx, effMainsChanged, 0, 1, NULL, 0);
    fx->dispatcher(fx, effStartProcess, 0, 0, NULL, 0);
    FILE* out = tarlix_open_file(path, "wb");
    int ok = out != NULL;
    static float left[512], right[512], inL[512], inR[512], frames[1024];
    static MidiEvent midi[kMaxEvents];
    static Events events;
    float* ins[2] = {inL, inR};
    float* outs[2] = {left, right};
    const int64_t total = (int64_t)(seconds * kRate);
    size_t next = 0;
    for (int64_t pos = 0; ok && pos < total; pos += kBlock) {
        events.numEvents = 0;
        while (next < score->count && score->at[next].sample < pos + kBlock &&
               events.numEvents < kMaxEvents) {
            MidiEvent* m = &midi[events.numEvents];
            memset(m, 0, sizeof *m);
            m->type = kMidiType, m->byteSize = sizeof *m;
            m->deltaFrames =
                (int32_t)(score->at[next].sample > pos ? score->at[next].sample - pos : 0);
            memcpy(m->midiData, score->at[next].bytes, 3);
            events.events[events.numEvents++] = m;
            ++next;
        }
        memset(&gTime, 0, sizeof gTime);
        gTime.samplePos = (double)pos, gTime.sampleRate = kRate, gTime.tempo = tempo;
        gTime.ppqPos = (double)pos / kRate * tempo / 60.0;
        gTime.barStartPos = floor(gTime.ppqPos / 4.0) * 4.0;
        gTime.timeSigNumerator = 4, gTime.timeSigDenominator = 4;
        gTime.flags = kTransportPlaying | kPpqValid | kTempoValid | kBarsValid | kTimeSigValid;
        if (events.numEvents) fx->dispatcher(fx, effProcessEvents, 0, 0, &events, 0);
        int32_t n = (int32_t)(total - pos < kBlock ? total - pos : kBlock);
        fx->processReplacing(fx, ins, outs, n);
        for (int32_t i = 0; i < n; ++i)
            frames[2 * i] = left[i], frames[2 * i + 1] = right[i];
        ok = fwrite(frames, sizeof(float), 2 * (size_t)n, out) == 2 * (size_t)n;
    }
    if (out && fclose(out) != 0) ok = 0;
    fx->dispatcher(fx, effStopProcess, 0, 0, NULL, 0);
    fx->dispatcher(fx, effMainsChanged, 0, 0, NULL, 0);
    fx->dispatcher(fx, effClose, 0, 0, NULL, 0);
    return ok;
}

static int renderAll(const char* plugin, const char* song, const char* dir) {
    Entry entry = (Entry)tarlix_plugin_entry(plugin);
    if (!entry) {
        fprintf(stderr, "vst-render-host: cannot load %s\n", plugin);
        return 1;
    }
    char path[4096];
    Score demo = {0}, line = {0};
    double tempo = 120.0;
    if (!readSong(song, &demo, &tempo)) {
        fprintf(stderr, "vst-render-host: cannot read the song %s\n", song);
        return 1;
    }
    double songSeconds = demo.count ? (double)demo.at[demo.count - 1].sample / kRate + 2.0 : 2.0;
    snprintf(path, sizeof path, "%s/song.f32", dir);
    if (!render(entry, 0, &demo, tempo, songSeconds, path)) {
        fprintf(stderr, "vst-render-host: cannot render %s\n", path);
        return 1;
    }
    if (!phrase(&line)) return 1;
    for (int program = 0; program < 128; ++program) {
        snprintf(path, sizeof path, "%s/program-%03d.f32", dir, program);
        if (!render(entry, program, &line, 120.0, 3.0, path)) {
            fprintf(stderr, "vst-render-host: cannot render %s\n", path);
            return 1;
        }
    }
    free(demo.at);
    free(line.at);
    return 0;
}

/* ---- Comparing two sets of renders ---- */

static float* slurp(const char* path, size_t* count) {
    FILE* f = tarlix_open_file(path, "rb");
    if (!f) return NULL;
    size_t capacity = 1 << 16, n = 0;
    float* data = malloc(capacity * sizeof *data);
    size_t got;
    while (data && (got = fread(data + n, sizeof *data, capacity - n, f)) > 0) {
        n += got;
        if (n == capacity) {
            float* more = realloc(data, 2 * capacity * sizeof *data);
            if (!more) free(data);
            data = more, capacity *= 2;
        }
    }
    fclose(f);
    *count = n;
    return data;
}

/* Returns 0 when identical, 1 when different, 2 when a file is missing. */
static int compareOne(const char* a, const char* b, const char* name) {
    size_t na = 0, nb = 0;
    float *x = slurp(a, &na), *y = slurp(b, &nb);
    int result = 2;
    if (!x || !y) {
        printf("%-16s missing\n", name);
    } else if (na != nb) {
        printf("%-16s lengths differ (%zu and %zu samples)\n", name, na, nb);
        result = 1;
    } else {
        double worst = 0.0, peak = 0.0;
        size_t bitsDiffer = 0;
        for (size_t i = 0; i < na; ++i) {
            double d = fabs((double)x[i] - (double)y[i]);
            if (memcmp(&x[i], &y[i], sizeof(float)) != 0) ++bitsDiffer;
            if (d > worst || d != d) worst = d;
            if (fabs((double)x[i]) > peak) peak = fabs((double)x[i]);
        }
        if (bitsDiffer == 0) {
            printf("%-16s identical\n", name);
            result = 0;
        } else {
            printf("%-16s differs: %zu of %zu samples, largest difference %.1f dBFS "
                   "(peak %.1f dBFS)\n",
                   name, bitsDiffer, na, 20.0 * log10(worst), 20.0 * log10(peak));
            result = 1;
        }
    }
    free(x);
    free(y);
    return result;
}

static int compareAll(const char* dirA, const char* dirB) {
    char a[4096], b[4096], name[32];
    int differ = 0, missing = 0;
    for (int i = -1; i < 128; ++i) {
        if (i < 0)
            snprintf(name, sizeof name, "song.f32");
        else
            snprintf(name, sizeof name, "program-%03d.f32", i);
        snprintf(a, sizeof a, "%s/%s", dirA, name);
        snprintf(b, sizeof b, "%s/%s", dirB, name);
        int r = compareOne(a, b, name);
        differ += r == 1, missing += r == 2;
    }
    printf("%d of 129 renders differ, %d missing\n", differ, missing);
    return differ || missing ? 1 : 0;
}

int main(int argc, char** argv) {
    if (argc == 5 && strcmp(argv[1], "render") == 0) return renderAll(argv[2], argv[3], argv[4]);
    if (argc == 4 && strcmp(argv[1], "compare") == 0) return compareAll(argv[2], argv[3]);
    fprintf(stderr, "usage: vst-render-host render PLUGIN SONG.mid OUTDIR\n"
                    "       vst-render-host compare DIR_A DIR_B\n");
    return 2;
}
