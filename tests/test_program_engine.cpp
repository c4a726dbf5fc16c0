// Program memory inside the engine: the live values, chunks set while audio runs, and the
// preset panel's file operations.
#include "tests/temp_folder.h"
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

#include "engine/preset_files.h"
#include "engine/qx_dsp_vst.h"
#include "platform/platform.h"

using namespace tarlix;

namespace {

// No user bank from the machine running the tests: the user folder is an empty temp folder.
const bool kIsolated = [] {
    std::string folder = ::testing::TempDir() + "tarlix_public_empty";
    platform::makeFolders(folder);
    platform::setEnvironmentVariable("PUBLIC", folder);
    return true;
}();

intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

constexpr int kWatched[] = {83, 84, 120, 123, 184};

// The last module: silent, and remembers the last value each watched parameter sent it.
class Watcher : public QX_ModuleBase {
  public:
    explicit Watcher(ModuleContext* c) : QX_ModuleBase(c, false) {
        allocateOutputs(2);
        c->modules[moduleIndex] = this;
        ++c->buildCount;
    }
    void Render(int offset, int count) override {
        for (int i = 0; i < count; ++i)
            outputs[0][offset + i] = outputs[1][offset + i] = 0.25f;
    }
    void HandleEvent(const EventRecord& e, int) override {
        if (e.port < 5) last[e.port] = e.floatValue;
    }
    float last[5] = {};
};

int watcherGraph(Instrument& engine) {
    auto* m = new Watcher(&engine.context());
    for (int k = 0; k < 5; ++k)
        engine.addParameterRoute(m, 0, kWatched[k], k, 0, 0, 0);
    return 1;
}

std::vector<uint8_t> bankOf(QX_DSP_VST& fx) {
    void* data = nullptr;
    int32_t n = fx.getChunk(&data, false);
    auto* p = static_cast<uint8_t*>(data);
    return std::vector<uint8_t>(p, p + n);
}

// Two banks that differ in every watched value of program 0, both already loaded once (so
// loading them again changes no byte).
std::vector<uint8_t> distinctBank(float cutoff, const char* name) {
    QX_DSP_VST fx(host);
    fx.setParameter(83, cutoff);
    fx.setParameter(84, cutoff * 0.5f);
    fx.setParameter(120, cutoff > 0.5f ? 1.0f : 0.0f);
    fx.setParameter(123, 1.0f - cutoff);
    fx.setParameter(184, cutoff);
    fx.setProgramName(name);
    return bankOf(fx);
}

struct Files : ::testing::Test {
    testfiles::TempFolder folder;
    std::string dir = folder.path;
    QX_DSP_VST fx{host};
    std::string path(const char* name) { return dir + "/" + name; }
    std::vector<uint8_t> bank() {
        std::vector<uint8_t> b(kBankSize);
        fx.programStore().copyBank(b.data());
        return b;
    }
};

} // namespace

TEST(ProgramEngine, ParametersLiveUntilTheBankIsAskedFor) {
    QX_DSP_VST fx(host);
    fx.setParameter(83, 0.3f);
    EXPECT_FLOAT_EQ(fx.getParameter(83), 0.3f);
    auto bank = bankOf(fx);
    EXPECT_FLOAT_EQ(readValue(bank.data(), 83), 0.3f);
    fx.setProgram(2); // program 0 keeps its edit
    fx.setParameter(83, 0.9f);
    bank = bankOf(fx);
    EXPECT_FLOAT_EQ(readValue(bank.data(), 83), 0.3f);
    EXPECT_FLOAT_EQ(readValue(bank.data() + 2 * record::kSize, 83), 0.9f);
    fx.setProgram(0);
    EXPECT_FLOAT_EQ(fx.getParameter(83), 0.3f);
}

// A host thread sets bank and program chunks and switches programs while the audio thread
// processes. Every snapshot the host gets is one of the two states, never a mixture, and once
// the audio settles the modules hold exactly the last state's values.
TEST(ProgramEngineThreads, ChunksSetWhileAudioRunsNeverTear) {
    const auto a = distinctBank(0.2f, "Bank A");
    const auto b = distinctBank(0.8f, "Bank B");
    ASSERT_NE(a, b);
    QX_DSP_VST fx(host);
    fx.instrument().setGraphBuilder(watcherGraph);
    fx.setSampleRate(48000);
    fx.setBlockSize(64);
    fx.resume();
    std::atomic<bool> stop{false};
    std::thread audio([&] {
        std::vector<float> l(64), r(64);
        float* outs[2] = {l.data(), r.data()};
        while (!stop.load()) {
            fx.processReplacing(nullptr, outs, 64);
            for (int i = 0; i < 64; ++i)
                ASSERT_TRUE(std::isfinite(l[i]) && l[i] >= 0.0f && l[i] <= 0.25f);
        }
    });
    int torn = 0;
    for (int round = 0; round < 300; ++round) {
        const auto& next = (round % 2) ? b : a;
        if (round % 3 == 0) {
            fx.setChunk(const_cast<uint8_t*>(next.data()), kBankSize, false);
        } else {
            std::vector<uint8_t> rec(next.begin(), next.begin() + record::kSize);
            fx.setChunk(rec.data(), record::kSize, true);
        }
        auto now = bankOf(fx);
        if (std::memcmp(now.data(), next.data(), record::kSize) != 0) ++torn;
        fx.setProgram(round % 128);
        fx.setProgram(0);
    }
    fx.setChunk(const_cast<uint8_t*>(b.data()), kBankSize, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // two fades' worth of audio
    stop.store(true);
    audio.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(bankOf(fx), b);
    auto* w = static_cast<Watcher*>(fx.instrument().context().modules[0]);
    for (int k = 0; k < 5; ++k)
        EXPECT_FLOAT_EQ(w->last[k], fx.instrument().engineValue(kWatched[k])) << kWatched[k];
    EXPECT_FLOAT_EQ(fx.getParameter(83), readValue(b.data(), 83));
}

TEST(ProgramEngine, ProgramChunkKeepsTheSlotOfTheRecordItReplaces) {
    QX_DSP_VST fx(host);
    fx.programStore().setStringSlot("/my/banks/Live.Bnk", 128);
    std::vector<uint8_t> rec(record::kSize, 0);
    std::strcpy(stringSlot(rec.data(), 0), "/other/path.Bnk");
    std::strcpy(programName(rec.data()), "Incoming");
    writeValue(rec.data(), kVersionParam, 0.241f);
    fx.setChunk(rec.data(), record::kSize, true);
    auto bank = bankOf(fx);
    EXPECT_STREQ(stringSlot(bank.data(), 0), "/my/banks/Live.Bnk");
    EXPECT_STREQ(programName(bank.data()), "Incoming");
    // Refusals change nothing.
    EXPECT_EQ(fx.setChunk(nullptr, 5876, true), 0);
    EXPECT_EQ(fx.setChunk(rec.data(), 0, false), 0);
    EXPECT_EQ(fx.setChunk(rec.data(), -5, false), 0);
    EXPECT_EQ(bankOf(fx), bank);
}

TEST_F(Files, BankFilesLoadSaveAndKeepTheirPath) {
    fx.setProgramName("Saved");
    ASSERT_TRUE(fx.programStore().saveBankFile(path("My.Bnk").c_str()));
    char slot[260];
    fx.programStore().getStringSlot(slot, 128);
    EXPECT_EQ(std::string(slot), path("My.Bnk"));
    auto saved = bank();
    fx.setProgramName("Changed");
    EXPECT_EQ(fx.programStore().loadBankFile(path("My.Bnk").c_str()), kFileRead);
    EXPECT_STREQ(fx.programStore().getCurrentProgramName(), "Saved");
    EXPECT_EQ(bank(), saved);
    // A refused file changes nothing at all.
    fx.setProgramName("Kept");
    auto before = bank();
    EXPECT_EQ(fx.programStore().loadBankFile(path("Missing.Bnk").c_str()), kFileRefused);
    EXPECT_EQ(fx.programStore().loadBankFile(dir.c_str()), kFileRefused);
    EXPECT_EQ(bank(), before);
    // A failed save keeps the old bank path.
    EXPECT_FALSE(fx.programStore().saveBankFile((path("My.Bnk") + "/x.Bnk").c_str()));
    fx.programStore().getStringSlot(slot, 128);
    EXPECT_EQ(std::string(slot), path("My.Bnk"));
}

TEST_F(Files, SinglePresetsAndTheLearnMap) {
    fx.programStore().setMidiLearn(83, 74);
    fx.setParameter(83, 0.4f);
    fx.setProgramName("Pluck");
    ASSERT_TRUE(fx.programStore().saveProgramFile(path("Pluck.pst").c_str()));
    ASSERT_TRUE(fx.programStore().saveMidiLearnFile(path("Map.mmp").c_str()));
    // Into program 5: the values and name arrive, the map every program uses stays.
    fx.programStore().setMidiLearn(83, kNotLearned);
    fx.setProgram(5);
    EXPECT_EQ(fx.programStore().loadProgramFile(path("Pluck.pst").c_str()), kFileRead);
    EXPECT_STREQ(fx.programStore().getCurrentProgramName(), "Pluck");
    EXPECT_FLOAT_EQ(fx.getParameter(83), 0.4f);
    auto b = bank();
    EXPECT_EQ(readLearn(b.data() + 5 * record::kSize, 83), kNotLearned);
    // Into program 0: its map becomes the map of all 128 programs.
    fx.setProgram(0);
    EXPECT_EQ(fx.programStore().loadProgramFile(path("Pluck.pst").c_str()), kFileRead);
    b = bank();
    for (int p = 0; p < kNumPrograms; ++p)
        ASSERT_EQ(readLearn(b.data() + p * record::kSize, 83), 74);
    EXPECT_EQ(fx.instrument().learnedCode(83), 74);
    // The map file alone.
    fx.programStore().setMidiLearn(83, 3);
    EXPECT_EQ(fx.programStore().loadMidiLearnFile(path("Map.mmp").c_str()), kFileRead);
    EXPECT_EQ(fx.programStore().getMidiLearn(83), 74u);
    EXPECT_EQ(fx.programStore().loadMidiLearnFile(path("Pluck.pst").c_str()),
              kFileRead); // long enough: taken
    EXPECT_EQ(fx.programStore().loadProgramFile(path("Map.mmp").c_str()),
              kFileRefused); // too short
}

TEST_F(Files, SectionPresetsChangeOnlyTheirParameters) {
    fx.setParameter(83, 0.7f); // filter section
    fx.setParameter(64, 0.5f); // oscillator section
    ASSERT_TRUE(fx.programStore().saveSectionFile(2, path("Dark.FLp").c_str()));
    fx.setParameter(83, 0.1f);
    fx.setParameter(64, 0.0f);
    EXPECT_EQ(fx.programStore().loadSectionFile(2, path("Dark.FLp").c_str()), kSectionRead);
    EXPECT_FLOAT_EQ(fx.getParameter(83), 0.7f);
    EXPECT_EQ(fx.getParameter(64), 0.0f);
    EXPECT_EQ(fx.programStore().loadSectionFile(2, path("None.FLp").c_str()), kFileRefused);
    EXPECT_EQ(fx.programStore().loadSectionFile(7, path("Dark.FLp").c_str()), kFileRefused);
    EXPECT_FALSE(fx.programStore().saveSectionFile(-1, path("x").c_str()));
}
