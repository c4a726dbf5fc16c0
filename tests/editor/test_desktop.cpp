// The system file dialog and the two desktop links, with stand-ins for the desktop's programs:
// each test puts its own zenity or xdg-open (small shell scripts) first and alone on PATH and
// removes the session bus, so nothing real ever opens on a developer's desktop. Answers are
// awaited on the dialog's pipe or on a FIFO the stand-in writes, with a bounded poll.
// gtest (through the rig) before Xlib: Xlib's macros would break gtest's names.
#include "tests/editor/editor_rig.h"
#include "tests/editor/xvfb.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "editor/desktop_links.h"
#include "editor/file_dialog.h"
#include "platform/platform.h"
#include "tests/temp_folder.h"
#include "tests/user_folder.h"

namespace {

constexpr int kWaitMs = 10000;  // the longest one wait for a stand-in may take
constexpr int kMaxTicks = 1000; // idle ticks before a dialog counts as stuck

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// An environment variable set for one test and put back afterwards.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_)
            setenv(name_.c_str(), old_->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }

  private:
    std::string name_;
    std::optional<std::string> old_;
};

// A folder of stand-in programs that is the whole PATH, and no session bus.
class StandIns : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(work.path.empty());
        std::filesystem::create_directory(bin());
    }
    std::string bin() const { return work / "bin"; }
    // Writes an executable shell script called `name` into the PATH folder.
    void program(const std::string& name, const std::string& body) {
        const std::string path = bin() + "/" + name;
        std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
        ::chmod(path.c_str(), 0755);
    }
    // A FIFO a stand-in writes into; opened without blocking before the stand-in starts.
    int fifo(const std::string& name) {
        const std::string path = work / name;
        if (::mkfifo(path.c_str(), 0600) != 0) return -1;
        return ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    }
    // The first line written into the FIFO; empty when nothing came within the wait.
    static std::string line(int fd) {
        std::string out;
        for (int waits = 0; waits < 64; ++waits) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, kWaitMs) <= 0) break;
            char c;
            ssize_t n;
            while ((n = ::read(fd, &c, 1)) == 1) {
                if (c == '\n') return out;
                out += c;
            }
            if (n == 0 && !out.empty()) break;
        }
        return out;
    }

    // Idles the dialog until it is no longer busy, waiting on its pipe between ticks.
    static bool finish(tarlix::FileDialog& dialog) {
        for (int tick = 0; tick < kMaxTicks && dialog.busy(); ++tick) {
            if (int fd = dialog.waitHandle(); fd >= 0) {
                pollfd p{fd, POLLIN, 0};
                ::poll(&p, 1, kWaitMs);
            }
            dialog.idle();
        }
        return !dialog.busy();
    }

    static tarlix::FileDialogRequest presetRequest(const std::string& folder, bool save) {
        tarlix::FileDialogRequest r;
        r.save = save;
        r.title = save ? "SAVE Tarlix_2 Preset" : "LOAD Tarlix_2 Preset";
        r.folder = folder;
        r.typeText = "Tarlix_2 Preset (.pst)";
        r.extension = ".pst";
        return r;
    }

    testfiles::TempFolder work;
    ScopedVariable path_{"PATH", work.path + "/bin"};
    ScopedVariable bus_{"DBUS_SESSION_BUS_ADDRESS", std::nullopt};
};

using FileDialogProgram = StandIns;
using DesktopLinks = StandIns;

bool processGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH; // a zombie would still be there
}

} // namespace

// The answer of zenity arrives through idle(), with the extension added to a bare name; the
// dialog was asked with the title, the folder and the file type; the process is reaped.
TEST_F(FileDialogProgram, TheChosenPathArrivesThroughIdle) {
    const std::string folder = work / "Presets/";
    program("zenity", "printf '%s\\n' \"$@\" > '" + (work / "args") + "'\n" + "echo $$ > '" +
                          (work / "pid") + "'\n" + "echo '" + folder + "My Sound'");
    tarlix::FileDialog dialog(nullptr);
    std::string chosen;
    int calls = 0;
    ASSERT_TRUE(dialog.open(presetRequest(folder, true), [&](const std::string& p) {
        chosen = p;
        ++calls;
    }));
    EXPECT_TRUE(dialog.busy());
    EXPECT_EQ(calls, 0) << "the answer comes through idle, never from open";
    ASSERT_TRUE(finish(dialog));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(chosen, folder + "My Sound.pst");

    const std::string args = readFile(work / "args");
    EXPECT_NE(args.find("--file-selection\n"), std::string::npos);
    EXPECT_NE(args.find("--save\n"), std::string::npos);
    EXPECT_NE(args.find("--title=SAVE Tarlix_2 Preset\n"), std::string::npos);
    EXPECT_NE(args.find("--filename=" + folder + "\n"), std::string::npos);
    EXPECT_NE(args.find("--file-filter=Tarlix_2 Preset (.pst) | *.pst\n"), std::string::npos);
    EXPECT_TRUE(processGone(std::stoi(readFile(work / "pid"))));
}

// Only the file name decides whether the extension is missing: a dot in a folder does not
// count, a name with its own extension keeps it, backslashes become slashes.
TEST_F(FileDialogProgram, TheExtensionIsAddedOnlyToANameWithoutADot) {
    const struct {
        const char* printed;
        const char* expected;
    } cases[] = {
        {"/sounds/v1.2/Bass", "/sounds/v1.2/Bass.pst"},
        {"/sounds/Bass.old", "/sounds/Bass.old"},
        {"/sounds/.hidden", "/sounds/.hidden"},
        {"C:\\Sounds\\Lead", "C:/Sounds/Lead.pst"},
    };
    for (const auto& c : cases) {
        program("zenity", std::string("printf '%s\\n' '") + c.printed + "'");
        tarlix::FileDialog dialog(nullptr);
        std::string chosen;
        ASSERT_TRUE(dialog.open(presetRequest("/sounds/", false),
                                [&](const std::string& p) { chosen = p; }));
        ASSERT_TRUE(finish(dialog));
        EXPECT_EQ(chosen, c.expected) << c.printed;
    }
}

// Cancelled in zenity (it leaves with 1 and prints nothing): no callback, and not busy.
TEST_F(FileDialogProgram, ACancelledDialogGivesNoAnswer) {
    program("zenity", "exit 1");
    tarlix::FileDialog dialog(nullptr);
    int calls = 0;
    ASSERT_TRUE(dialog.open(presetRequest("/x/", false), [&](const std::string&) { ++calls; }));
    ASSERT_TRUE(finish(dialog));
    EXPECT_EQ(calls, 0);
}

// While one dialog is open a second is refused; cancel() ends the process (reaped at once)
// and no answer follows; afterwards a new dialog opens.
TEST_F(FileDialogProgram, BusyRefusesASecondDialogAndCancelEndsTheProcess) {
    const int started = fifo("started");
    ASSERT_GE(started, 0);
    program("zenity", "echo $$ > '" + (work / "started") + "'\nexec /bin/sleep 600");
    tarlix::FileDialog dialog(nullptr);
    int first = 0, second = 0;
    ASSERT_TRUE(dialog.open(presetRequest("/x/", false), [&](const std::string&) { ++first; }));
    const std::string pid = line(started);
    ASSERT_FALSE(pid.empty()) << "the stand-in did not start";
    EXPECT_TRUE(dialog.busy());
    EXPECT_FALSE(dialog.open(presetRequest("/x/", true), [&](const std::string&) { ++second; }));
    for (int tick = 0; tick < 10; ++tick)
        dialog.idle();
    EXPECT_TRUE(dialog.busy()) << "still waiting for the first";

    dialog.cancel();
    EXPECT_FALSE(dialog.busy());
    EXPECT_TRUE(processGone(std::stoi(pid)));
    dialog.idle();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
    ::close(started);

    program("zenity", "echo /x/Next");
    std::string chosen;
    ASSERT_TRUE(
        dialog.open(presetRequest("/x/", false), [&](const std::string& p) { chosen = p; }));
    ASSERT_TRUE(finish(dialog));
    EXPECT_EQ(chosen, "/x/Next.pst");
}

// A dialog still open when the editor goes is ended with it.
TEST_F(FileDialogProgram, DestroyingTheDialogEndsTheProcess) {
    const int started = fifo("started");
    program("zenity", "echo $$ > '" + (work / "started") + "'\nexec /bin/sleep 600");
    std::string pid;
    {
        tarlix::FileDialog dialog(nullptr);
        ASSERT_TRUE(dialog.open(presetRequest("/x/", false), [](const std::string&) {}));
        pid = line(started);
        ASSERT_FALSE(pid.empty());
    }
    EXPECT_TRUE(processGone(std::stoi(pid)));
    ::close(started);
}

// The host's library settings stay in the host: the dialog program sees neither
// LD_PRELOAD nor LD_LIBRARY_PATH, but the rest of the environment.
TEST_F(FileDialogProgram, TheProgramDoesNotSeeTheHostsLibrarySettings) {
    ScopedVariable preload("LD_PRELOAD", std::string("/nonexistent/libhost-hook.so"));
    ScopedVariable libraries("LD_LIBRARY_PATH", std::string("/opt/host/bundled-libs"));
    ScopedVariable mark("TARLIX_TEST_MARK", std::string("kept"));
    program("zenity", "/usr/bin/env > '" + (work / "env") + "'\necho /x/a.pst");
    tarlix::FileDialog dialog(nullptr);
    std::string chosen;
    ASSERT_TRUE(
        dialog.open(presetRequest("/x/", false), [&](const std::string& p) { chosen = p; }));
    ASSERT_TRUE(finish(dialog));
    ASSERT_EQ(chosen, "/x/a.pst");
    const std::string env = "\n" + readFile(work / "env");
    EXPECT_EQ(env.find("\nLD_PRELOAD="), std::string::npos);
    EXPECT_EQ(env.find("\nLD_LIBRARY_PATH="), std::string::npos);
    EXPECT_NE(env.find("\nTARLIX_TEST_MARK=kept\n"), std::string::npos);
}

// Without zenity, kdialog is asked, with the folder and the "pattern|description" filter.
TEST_F(FileDialogProgram, KdialogIsTheSecondChoice) {
    program("kdialog", "printf '%s\\n' \"$@\" > '" + (work / "args") + "'\necho /y/Pad");
    tarlix::FileDialog dialog(nullptr);
    std::string chosen;
    ASSERT_TRUE(
        dialog.open(presetRequest("/y/", false), [&](const std::string& p) { chosen = p; }));
    ASSERT_TRUE(finish(dialog));
    EXPECT_EQ(chosen, "/y/Pad.pst");
    EXPECT_EQ(
        readFile(work / "args"),
        "--title\nLOAD Tarlix_2 Preset\n--getopenfilename\n/y/\n*.pst|Tarlix_2 Preset (.pst)\n");
}

// With neither a portal nor a dialog program, and no window to draw a field in, nothing
// opens and nothing is busy.
TEST_F(FileDialogProgram, WithoutAnyWayNothingOpens) {
    tarlix::FileDialog dialog(nullptr);
    bool called = false;
    EXPECT_FALSE(
        dialog.open(presetRequest("/x/", false), [&](const std::string&) { called = true; }));
    EXPECT_FALSE(dialog.busy());
    dialog.idle();
    EXPECT_FALSE(called);
}

// The user folder is created with Banks/ and Presets/ and handed to xdg-open, which runs
// detached without the host's library settings.
TEST_F(DesktopLinks, TheUserFolderIsCreatedAndOpened) {
    const std::string folder = testenv::userFolder();
    std::filesystem::remove_all(folder);
    const int opened = fifo("opened");
    ASSERT_GE(opened, 0);
    program("xdg-open",
            "printf '%s|%s\\n' \"$1\" \"${LD_PRELOAD-none}\" > '" + (work / "opened") + "'");
    ScopedVariable preload("LD_PRELOAD", std::string("/nonexistent/libhost-hook.so"));
    ASSERT_TRUE(tarlix::openUserFolder());
    EXPECT_EQ(line(opened), folder + "/|none");
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/Banks"));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/Presets"));
    ::close(opened);
}

// The manual is written into the user folder (again when it was changed) and opened.
TEST_F(DesktopLinks, TheManualIsWrittenAndOpened) {
    const std::string manual = testenv::userFolder() + "/Manual.html";
    std::filesystem::remove(manual);
    const int opened = fifo("opened");
    ASSERT_GE(opened, 0);
    program("xdg-open", "printf '%s\\n' \"$1\" > '" + (work / "opened") + "'");
    ASSERT_TRUE(tarlix::openManual());
    EXPECT_EQ(line(opened), manual);
    const std::string page = readFile(manual);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("MIDI learn"), std::string::npos);

    ::close(opened);

    std::ofstream(manual) << "an old page";
    const int again = fifo("again");
    program("xdg-open", "printf '%s\\n' \"$1\" > '" + (work / "again") + "'");
    ASSERT_TRUE(tarlix::openManual());
    EXPECT_EQ(line(again), manual);
    EXPECT_EQ(readFile(manual), page);
    ::close(again);
}

// Without xdg-open the links report that nothing was started.
TEST_F(DesktopLinks, WithoutAnOpenerTheLinksFail) {
    EXPECT_FALSE(tarlix::openUserFolder());
    EXPECT_FALSE(tarlix::openManual());
}

namespace {

// The editor in a real X11 window, with no portal and no dialog program: the path field.
class PathFieldInAWindow : public StandIns {
  protected:
    // Started before the test narrows PATH to its stand-ins.
    static void SetUpTestSuite() { xvfb = new editortest::Xvfb(); }
    static void TearDownTestSuite() {
        delete xvfb;
        xvfb = nullptr;
    }
    void SetUp() override {
        StandIns::SetUp();
        if (!xvfb->running()) GTEST_SKIP() << "no X server: Xvfb could not be started";
        display = XOpenDisplay(xvfb->display().c_str());
        ASSERT_NE(display, nullptr);
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 991, 701, 0, 0, 0);
        XMapWindow(display, window);
        XSync(display, False);
        rig = std::make_unique<editortest::Rig>();
        ASSERT_TRUE(rig->editor->open(reinterpret_cast<void*>(static_cast<uintptr_t>(window))));
        rig->editor->idle();
        dialog = std::make_unique<tarlix::FileDialog>(rig->editor->frame());
        folder = rig->home.path + "/Tarlix_2/Presets/";
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        dialog.reset(); // before the frame it draws in
        rig.reset();
        if (display) {
            XDestroyWindow(display, window);
            XCloseDisplay(display);
        }
    }
    void type(std::initializer_list<KeySym> keys) {
        for (KeySym k : keys) {
            XTestFakeKeyEvent(display, XKeysymToKeycode(display, k), True, CurrentTime);
            XTestFakeKeyEvent(display, XKeysymToKeycode(display, k), False, CurrentTime);
        }
        XSync(display, False);
    }
    // Idles the editor and the dialog until `done` holds, a bounded number of times.
    template <typename F> bool pumpUntil(F done) {
        for (int tick = 0; tick < kMaxTicks; ++tick) {
            XSync(display, False);
            rig->editor->idle();
            dialog->idle();
            if (done()) return true;
        }
        return false;
    }
    void pump(int ticks) {
        pumpUntil([&] { return --ticks <= 0; });
    }

    ScopedVariable keepPublic_{"PUBLIC", std::getenv("PUBLIC")
                                             ? std::optional<std::string>(std::getenv("PUBLIC"))
                                             : std::nullopt};
    static editortest::Xvfb* xvfb;
    Display* display = nullptr;
    Window window = 0;
    std::unique_ptr<editortest::Rig> rig;
    std::unique_ptr<tarlix::FileDialog> dialog;
    std::string folder;
};
editortest::Xvfb* PathFieldInAWindow::xvfb = nullptr;

} // namespace

// The field opens over the window with the folder typed in; a typed name and Return answer
// through idle, with the extension; the panel is gone afterwards.
TEST_F(PathFieldInAWindow, ReturnAnswersWithTheTypedName) {
    std::string chosen;
    int calls = 0;
    ASSERT_TRUE(dialog->open(presetRequest(folder, true), [&](const std::string& p) {
        chosen = p;
        ++calls;
    }));
    EXPECT_TRUE(dialog->showingPathField());
    EXPECT_NE(rig->editor->frame()->modalView(), nullptr);
    EXPECT_FALSE(dialog->open(presetRequest(folder, true), [](const std::string&) {}));
    pump(2);
    type({XK_b, XK_a, XK_s, XK_s, XK_x, XK_BackSpace, XK_Return});
    ASSERT_TRUE(pumpUntil([&] { return calls > 0; }));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(chosen, folder + "bass.pst");
    EXPECT_FALSE(dialog->busy());
    pump(1);
    EXPECT_EQ(rig->editor->frame()->modalView(), nullptr);
}

// Escape closes the field without an answer.
TEST_F(PathFieldInAWindow, EscapeCancels) {
    bool called = false;
    ASSERT_TRUE(
        dialog->open(presetRequest(folder, true), [&](const std::string&) { called = true; }));
    pump(2);
    type({XK_a, XK_Escape});
    ASSERT_TRUE(pumpUntil([&] { return !dialog->busy(); }));
    EXPECT_FALSE(called);
}

// Loading asks for a file that exists: a wrong name keeps the field open, a right one answers.
TEST_F(PathFieldInAWindow, LoadingWantsAFileThatExists) {
    std::ofstream(folder + "pad.pst") << "TRLX";
    std::string chosen;
    ASSERT_TRUE(
        dialog->open(presetRequest(folder, false), [&](const std::string& p) { chosen = p; }));
    pump(2);
    type({XK_p, XK_e, XK_d, XK_Return});
    pump(20);
    EXPECT_TRUE(dialog->busy()) << "no such file: the field stays";
    EXPECT_TRUE(chosen.empty());
    type({XK_BackSpace, XK_BackSpace, XK_a, XK_d, XK_Return});
    ASSERT_TRUE(pumpUntil([&] { return !chosen.empty(); }));
    EXPECT_EQ(chosen, folder + "pad.pst");
}
