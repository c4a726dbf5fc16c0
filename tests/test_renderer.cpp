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

TEST(Renderer, RendersTheDemoSong) {
    testfiles::TempFolder folder;
    fs::path dir = folder.path;
    fs::path out = dir / "demo.wav";
    ASSERT_EQ(run("--tail 0.5 " TARLIX_SOURCE_DIR "/examples/demo.mid " + out.string()), 0);
    SF_INFO info{};
    SNDFILE* f = sf_open(out.c_str(), SFM_READ, &info);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.samplerate, 44100);
    EXPECT_GT(info.frames, 44100 * 5);
    sf_close(f);
    EXPECT_FALSE(fs::exists(out.string() + ".partial"));
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
