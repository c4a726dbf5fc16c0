// Acts as a Linux host for the editor: loads the built library, embeds the editor in a window
// of its own on $DISPLAY, opens pages and panels with real (XTest) clicks, and writes a PNG
// of the editor window for each. With --measure it reports the opening time, the idle cost
// and the memory of an open editor instead.
//
//   editor_shot [--plugin Tarlix_2.so] --out docs/         pictures
//   editor_shot [--plugin Tarlix_2.so] --measure           figures
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <png.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "editor/layout_place.h"
#include "host/event_list.h"
#include "tools/plugin_host.h"

namespace {

constexpr int kWidth = 991, kHeight = 701;
constexpr int kTickMs = 16;
// The MIDI-learn picture: the dialog open on "LPF Cutoff" after controller 74 moved.
constexpr int kLearnPictureKnob = 83;
constexpr int kLearnPictureController = 74;
constexpr int kLearnDialogWidth = 346, kLearnDialogHeight = 174;

intptr_t hostAnswer(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1.0e6;
}

long residentKiB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class Host {
  public:
    Display* display = nullptr;
    Window window = 0;
    int width = kWidth, height = kHeight;
    Host() {
        display = XOpenDisplay(nullptr);
        if (!display) return;
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, kWidth, kHeight, 0,
                                     0, 0);
        XMapWindow(display, window);
        XSync(display, False);
    }
    ~Host() {
        if (!display) return;
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }
    void* handle() const { return reinterpret_cast<void*>(static_cast<uintptr_t>(window)); }
    // Makes room for the editor's window as a host does before opening it.
    void resize(int w, int h) {
        width = w;
        height = h;
        XResizeWindow(display, window, static_cast<unsigned>(w), static_cast<unsigned>(h));
        XSync(display, False);
    }
    void click(int x, int y, unsigned button = 1) {
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(display, button, True, CurrentTime);
        XTestFakeButtonEvent(display, button, False, CurrentTime);
        XSync(display, False);
    }
    bool save(const std::string& path) {
        XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height), AllPlanes, ZPixmap);
        if (!image) return false;
        std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                unsigned long p = XGetPixel(image, x, y);
                uint8_t* o = &rgb[(static_cast<size_t>(y) * width + x) * 3];
                o[0] = static_cast<uint8_t>(p >> 16);
                o[1] = static_cast<uint8_t>(p >> 8);
                o[2] = static_cast<uint8_t>(p);
            }
        XDestroyImage(image);
        png_image out;
        std::memset(&out, 0, sizeof out);
        out.version = PNG_IMAGE_VERSION;
        out.width = static_cast<png_uint_32>(width);
        out.height = static_cast<png_uint_32>(height);
        out.format = PNG_FORMAT_RGB;
        return png_image_write_to_file(&out, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    }
};

// Idles the editor as a host at 60 Hz does, for `ms` of wall time.
void idleFor(tools::LoadedPlugin& p, int ms) {
    for (int t = 0; t < ms; t += kTickMs) {
        p.call(vst::effEditIdle);
        std::this_thread::sleep_for(std::chrono::milliseconds(kTickMs));
    }
}

struct Picture {
    const char* file;
    std::vector<int> clicks; // tags of the buttons to press, in order
    int parameter = -1;      // or a host parameter to set
    float value = 0.0f;
    int learn = -1;         // a control to right-click: the MIDI-learn dialog opens for it
    int controller = -1;    // then a controller moved on the MIDI input
    bool learnMenu = false; // then its controller menu opened
    bool sequencer = false; // a step pattern, played until a step lights
    int zoom = 100;         // percent
};

// A pattern in both step rows, then a key and 3.5 steps of audio (120 BPM, a step per beat):
// the fourth step is the one playing.
void playSteps(tools::LoadedPlugin& p) {
    constexpr int kArpOnOff = 124, kSeqOnOff = 131, kSeqRate = 133, kSeqLength = 134;
    constexpr int kSeqA1 = 135, kSeqB1 = 144, kEqFreq1 = 196, kEqGain1 = 197, kEqGain2 = 200;
    constexpr int kBlock = 441, kBlocksPerStep = 50;
    const float gates[] = {1, 0, 1, 1, 0, 1, 0, 1};
    const float levels[] = {0.9f, 0.3f, 0.6f, 1.0f, 0.45f, 0.75f, 0.2f, 0.55f};
    auto* fx = p.fx();
    fx->setParameter(fx, kArpOnOff, 0.0f);
    fx->setParameter(fx, kSeqOnOff, 1.0f);
    fx->setParameter(fx, kSeqRate, 3.0f / 8.0f);
    fx->setParameter(fx, kSeqLength, 1.0f);
    for (int i = 0; i < 8; ++i) {
        fx->setParameter(fx, kSeqA1 + i, gates[i]);
        fx->setParameter(fx, kSeqB1 + i, levels[i]);
    }
    // A shaped equaliser for its picture as well.
    fx->setParameter(fx, kEqFreq1, (120.0f - 20.0f) / 20460.0f);
    fx->setParameter(fx, kEqGain1, 0.72f);
    fx->setParameter(fx, kEqGain2, 0.36f);
    p.call(vst::effSetSampleRate, 0, 0, nullptr, 44100.0f);
    p.call(vst::effSetBlockSize, 0, kBlock);
    p.call(vst::effMainsChanged, 0, 1);
    std::vector<float> left(kBlock), right(kBlock);
    float* outs[2] = {left.data(), right.data()};
    fx->processReplacing(fx, nullptr, outs, kBlock);
    vst::EventList keys;
    keys.add(0, 0x90, 48, 100);
    p.call(vst::effProcessEvents, 0, 0, keys.list());
    for (int b = 0; b < kBlocksPerStep * 7 / 2; ++b)
        fx->processReplacing(fx, nullptr, outs, kBlock);
}

constexpr int kZoomTag = 331; // the global parameter that keeps the window's zoom

float zoomValue(int percent) {
    return percent == 200 ? 1.0f : percent == 150 ? 0.5f : 0.0f;
}

int pictures(const std::string& plugin, const std::string& folder) {
    Host host;
    if (!host.display) {
        std::fprintf(stderr, "editor_shot: no X display\n");
        return 1;
    }
    tools::LoadedPlugin p(plugin, hostAnswer);
    if (!p.ok()) {
        std::fprintf(stderr, "editor_shot: %s\n", p.error().c_str());
        return 1;
    }
    const Picture list[] = {
        {"editor.png", {}},
        {"editor-lfo1.png", {355}},
        {"editor-lfo2.png", {356}},
        {"editor-lfo3.png", {357}},
        {"editor-hfo.png", {358}},
        {"editor-envelopes.png", {359}},
        {"editor-aftertouch.png", {360}},
        {"editor-melt-a.png", {361}},
        {"editor-melt-b.png", {361, 384}},
        {"editor-chorus.png", {362}},
        {"editor-sequencer.png", {}, -1, 0.0f, -1, -1, false, true},
        {"editor-eq.png", {363}}, // shaped by the picture before
        {"editor-logic.png", {}, 66, 1.0f / 3.0f},
        {"editor-credits.png", {352}},
        {"editor-midi-learn.png", {}, -1, 0.0f, kLearnPictureKnob, kLearnPictureController},
        {"editor-midi-learn-menu.png",
         {},
         -1,
         0.0f,
         kLearnPictureKnob,
         kLearnPictureController,
         true},
        {"editor-150.png", {}, -1, 0.0f, -1, -1, false, false, 150},
        {"editor-200.png", {}, -1, 0.0f, -1, -1, false, false, 200},
    };
    int failures = 0;
    for (const Picture& pic : list) {
        p.fx()->setParameter(p.fx(), kZoomTag, zoomValue(pic.zoom));
        vst::ERect* rect = nullptr;
        if (p.call(vst::effEditGetRect, 0, 0, &rect) != 1 || !rect) {
            std::fprintf(stderr, "editor_shot: the editor has no size\n");
            return 1;
        }
        host.resize(rect->right - rect->left, rect->bottom - rect->top);
        if (p.call(vst::effEditOpen, 0, 0, host.handle()) != 1) {
            std::fprintf(stderr, "editor_shot: the editor did not open\n");
            return 1;
        }
        if (pic.sequencer) playSteps(p);
        idleFor(p, 100);
        float before = pic.parameter >= 0 ? p.fx()->getParameter(p.fx(), pic.parameter) : 0.0f;
        if (pic.parameter >= 0) p.fx()->setParameter(p.fx(), pic.parameter, pic.value);
        for (int tag : pic.clicks) {
            int x, y;
            if (!tarlix::restingPlace(tag, x, y)) {
                std::fprintf(stderr, "editor_shot: no control %d in the table\n", tag);
                ++failures;
                continue;
            }
            host.click((x + 4) * pic.zoom / 100, (y + 4) * pic.zoom / 100);
            idleFor(p, 800); // slides settle in about half a second
        }
        if (pic.learn >= 0) {
            int x = 0, y = 0;
            if (tarlix::restingPlace(pic.learn, x, y)) {
                host.click(x + 10, y + 10, 3);
                idleFor(p, 100);
            }
            if (pic.controller >= 0) {
                vst::EventList events;
                events.add(0, 0xB0, pic.controller, 64);
                p.call(vst::effProcessEvents, 0, 0, events.list());
            }
            idleFor(p, 300); // the dialog fades in over ten ticks
            if (pic.learnMenu) {
                // The dialog is centred on the click inside the window; its controller field
                // is 221 pixels right and 107 down from its corner.
                int left =
                    std::clamp(x + 10 - kLearnDialogWidth / 2, 0, kWidth - kLearnDialogWidth);
                int top =
                    std::clamp(y + 10 - kLearnDialogHeight / 2, 0, kHeight - kLearnDialogHeight);
                host.click(left + 221, top + 107);
                idleFor(p, 100);
            }
        }
        idleFor(p, 100);
        std::string path = folder + "/" + pic.file;
        if (!host.save(path)) {
            std::fprintf(stderr, "editor_shot: cannot write %s\n", path.c_str());
            ++failures;
        } else {
            std::printf("wrote %s\n", path.c_str());
        }
        if (pic.parameter >= 0) p.fx()->setParameter(p.fx(), pic.parameter, before);
        p.call(vst::effEditClose);
    }
    p.fx()->setParameter(p.fx(), kZoomTag, zoomValue(100));
    return failures ? 1 : 0;
}

int measure(const std::string& plugin, int zoom) {
    Host hostA, hostB;
    if (!hostA.display) {
        std::fprintf(stderr, "editor_shot: no X display\n");
        return 1;
    }
    tools::LoadedPlugin a(plugin, hostAnswer), b(plugin, hostAnswer);
    if (!a.ok() || !b.ok()) {
        std::fprintf(stderr, "editor_shot: cannot load %s\n", plugin.c_str());
        return 1;
    }
    // Both windows at the zoom asked for, as a host that makes room for them.
    for (auto [fx, host] : {std::pair{&a, &hostA}, std::pair{&b, &hostB}}) {
        fx->fx()->setParameter(fx->fx(), kZoomTag, zoomValue(zoom));
        vst::ERect* rect = nullptr;
        if (fx->call(vst::effEditGetRect, 0, 0, &rect) == 1 && rect)
            host->resize(rect->right - rect->left, rect->bottom - rect->top);
    }
    a.call(vst::effSetSampleRate, 0, 0, nullptr, 44100.0f);
    a.call(vst::effSetBlockSize, 0, 441);
    a.call(vst::effMainsChanged, 0, 1);

    long before = residentKiB();
    double t0 = nowMs();
    a.call(vst::effEditOpen, 0, 0, hostA.handle());
    double firstOpen = nowMs() - t0;
    long afterFirst = residentKiB();
    t0 = nowMs();
    b.call(vst::effEditOpen, 0, 0, hostB.handle());
    double secondOpen = nowMs() - t0;
    long afterSecond = residentKiB();
    b.call(vst::effEditClose);

    // Audio plays in real time on its own thread while the host idles the editor at 60 Hz.
    std::atomic<bool> stop{false};
    std::thread audio([&] {
        std::vector<float> l(441), r(441);
        float* outs[2] = {l.data(), r.data()};
        while (!stop.load()) {
            a.fx()->processReplacing(a.fx(), nullptr, outs, 441);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    idleFor(a, 500); // settle
    constexpr int kSeconds = 5;
    auto share = [&] {
        double cpu0 = threadCpuMs(), wall0 = nowMs();
        idleFor(a, kSeconds * 1000);
        return 100.0 * (threadCpuMs() - cpu0) / (nowMs() - wall0);
    };
    double idleShare = share();
    a.call(vst::effEditClose);
    // The same host loop with the editor closed: the cost of waking up 60 times a second.
    double loopShare = share();
    stop.store(true);
    audio.join();

    std::printf("window at %d %%\n", zoom);
    std::printf("open, first instance:            %.1f ms\n", firstOpen);
    std::printf("open, second instance (shared):  %.1f ms\n", secondOpen);
    std::printf("idle at 60 Hz, nothing moving:   %.3f %% of one core (host loop alone %.3f %%, "
                "editor %.3f %%)\n",
                idleShare, loopShare, idleShare - loopShare);
    std::printf("memory, first open editor:       %.1f MB\n", (afterFirst - before) / 1024.0);
    std::printf("memory, second open editor:      %.1f MB\n", (afterSecond - afterFirst) / 1024.0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string plugin = tools::pluginBesideExecutable(argv[0]);
    std::string out;
    bool measuring = false;
    int zoom = 100;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--plugin" && i + 1 < argc)
            plugin = argv[++i];
        else if (a == "--out" && i + 1 < argc)
            out = argv[++i];
        else if (a == "--measure")
            measuring = true;
        else if (a == "--zoom" && i + 1 < argc)
            zoom = std::atoi(argv[++i]);
        else {
            std::fprintf(stderr, "usage: editor_shot [--plugin PATH] (--out FOLDER | --measure "
                                 "[--zoom 100|150|200])\n");
            return 2;
        }
    }
    if (measuring) return measure(plugin, zoom);
    if (out.empty()) {
        std::fprintf(
            stderr,
            "usage: editor_shot [--plugin PATH] (--out FOLDER | --measure [--zoom 100|150|200])\n");
        return 2;
    }
    return pictures(plugin, out);
}
