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

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "editor/layout_place.h"
#include "tools/plugin_host.h"

namespace {

constexpr int kWidth = 991, kHeight = 701;
constexpr int kTickMs = 16;

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
    void click(int x, int y) {
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
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
    int zoom = 100; // percent
};

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
        {"editor-eq.png", {363}},
        {"editor-logic.png", {}, 66, 1.0f / 3.0f},
        {"editor-credits.png", {352}},
        {"editor-150.png", {}, -1, 0.0f, 150},
        {"editor-200.png", {}, -1, 0.0f, 200},
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
