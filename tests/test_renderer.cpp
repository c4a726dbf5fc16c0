#include <sndfile.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/host_fixture.h"
#include "tests/temp_folder.h"

namespace fs = std::filesystem;

namespace {
int run(const std::string& args) {
    std::string cmd = std::string(TARLIX_RENDER_PATH) + " " + args + " 2>/dev/null >/dev/null";
    int rc = std::system(cmd.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

} // namespace

// The demo song rendered to a stereo file at 44.1 kHz; a second render over the first replaces
// it (a plain rename does not replace a file on every system), by a file name that is not ASCII.
TEST(Renderer, RendersTheDemoSongAndRenderingAgainReplacesTheOutput) {
    testfiles::TempFolder folder;
    const std::string out = folder / "Klänge – 音.wav";
    auto frames = [&] {
        SF_INFO info{};
        SNDFILE* f = sf_open(out.c_str(), SFM_READ, &info);
        if (f) sf_close(f);
        EXPECT_EQ(info.channels, 2);
        EXPECT_EQ(info.samplerate, 44100);
        return f ? info.frames : -1;
    };
    ASSERT_EQ(run("--tail 1 " TARLIX_SOURCE_DIR "/examples/demo.mid \"" + out + "\""), 0);
    const sf_count_t first = frames();
    EXPECT_GT(first, 44100 * 5);
    ASSERT_EQ(run("--tail 0.25 " TARLIX_SOURCE_DIR "/examples/demo.mid \"" + out + "\""), 0);
    EXPECT_EQ(frames(), first - 33075); // 0.75 s less at 44100 Hz
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Klänge – 音.wav"});
}

TEST(Renderer, BadInputFailsCleanlyWithoutOutput) {
    testfiles::TempFolder folder;
    fs::path dir = folder.path;
    fs::path bad = dir / "bad.mid";
    std::ofstream(bad) << "MThd this is not a midi file";
    fs::path out = dir / "out.wav";
    EXPECT_NE(run(bad.string() + " " + out.string()), 0);
    EXPECT_NE(
        run("--plugin /nonexistent/lib.so " TARLIX_SOURCE_DIR "/examples/demo.mid " + out.string()),
        0);
    EXPECT_NE(run("--plugin /lib/x86_64-linux-gnu/libm.so.6 " TARLIX_SOURCE_DIR
                  "/examples/demo.mid " +
                  out.string()),
              0);
    EXPECT_NE(run("--rate 5 " TARLIX_SOURCE_DIR "/examples/demo.mid " + out.string()), 0);
    EXPECT_NE(run("--block 0 " TARLIX_SOURCE_DIR "/examples/demo.mid " + out.string()), 0);
    EXPECT_NE(run("--param Nonsense=0.5 " TARLIX_SOURCE_DIR "/examples/demo.mid " + out.string()),
              0);
    EXPECT_NE(run(dir.string() + "/missing.mid " + out.string()), 0);
    EXPECT_FALSE(fs::exists(out));
    EXPECT_FALSE(fs::exists(out.string() + ".partial"));
    EXPECT_EQ(run("--info"), 0);
    EXPECT_EQ(run("--tail 0 --param \"Play Mode=1\" --param 83=0.5 --program 3 --rate 48000 "
                  "--block 100 " TARLIX_SOURCE_DIR "/examples/demo.mid " +
                  out.string()),
              0);
    EXPECT_TRUE(fs::exists(out));
}

TEST(Renderer, TempoOptionRetimesTheSong) {
    testfiles::TempFolder folder;
    fs::path dir = folder.path;
    auto frames = [&](const std::string& extra) {
        fs::path out = dir / "t.wav";
        EXPECT_EQ(
            run("--tail 0 " + extra + " " TARLIX_SOURCE_DIR "/examples/demo.mid " + out.string()),
            0);
        SF_INFO info{};
        SNDFILE* f = sf_open(out.c_str(), SFM_READ, &info);
        if (f) sf_close(f);
        return static_cast<double>(info.frames);
    };
    double normal = frames(""), slow = frames("--tempo 60");
    EXPECT_NEAR(slow / normal, 2.0, 0.01); // the demo is at 120 BPM
    EXPECT_NE(run("--tempo 0 " TARLIX_SOURCE_DIR "/examples/demo.mid " + (dir / "x.wav").string()),
              0);
}

// The module graph for Graphviz: the 57 modules before the group, voice 0's 64 and the 42
// after it, named by row and class, with their routes and parameter bindings.
TEST(Renderer, WritesTheModuleGraph) {
    testfiles::TempFolder folder;
    const fs::path dot = fs::path(folder.path) / "graph.dot";
    ASSERT_EQ(run("--graph " + dot.string()), 0);
    std::ifstream in(dot);
    std::string line, text;
    int nodes = 0;
    while (std::getline(in, line)) {
        const size_t m = line.find_first_not_of(' ');
        if (m != std::string::npos && line[m] == 'm' &&
            line.find(" [label=") != std::string::npos && line.find("->") == std::string::npos)
            ++nodes;
        text += line + "\n";
    }
    EXPECT_EQ(text.rfind("digraph", 0), 0u);
    EXPECT_EQ(nodes, 57 + 64 + 42);
    EXPECT_NE(text.find("\"79 OSC_Multi_Out_x8\""), std::string::npos);
    EXPECT_NE(text.find("m1378 [label=\"168 ST_Level\"]"), std::string::npos);
    EXPECT_NE(text.find("P83 LPF Cutoff"), std::string::npos);
    EXPECT_EQ(text.find("m200 ["), std::string::npos); // voice 2's modules are not drawn
}
