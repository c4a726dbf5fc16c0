#include <cmath>
#include <cstring>

#include "tests/host_fixture.h"

using namespace testhost;
using namespace vst;

TEST(HostBoundary, LibraryExportsOnlyTheEntryPoints) {
    ASSERT_TRUE(library().lib.loaded()) << library().lib.error();
    ASSERT_NE(library().entry, nullptr);
    EXPECT_NE(library().lib.symbol("main"), nullptr);
    EXPECT_EQ(library().lib.symbol("_ZN10QX_DSP_VST6resumeEv"), nullptr);
    EXPECT_EQ(library().lib.symbol("_ZN6tarlix13taper_forwardEfi"), nullptr);
    EXPECT_EQ(library().lib.symbol("tarlix_factory_bank"), nullptr);
}

TEST(HostBoundary, IdentityAndFixedAnswers) {
    hostCalls().clear();
    Instance p;
    ASSERT_NE(p.fx, nullptr);
    ASSERT_GE(hostCalls().size(), 2u);
    EXPECT_EQ(hostCalls()[0], audioMasterVersion);
    EXPECT_NE(std::find(hostCalls().begin(), hostCalls().end(), audioMasterWantMidi),
              hostCalls().end());
    AEffect* fx = p.fx;
    EXPECT_EQ(fx->magic, 0x56737450);
    EXPECT_EQ(fx->numPrograms, 128);
    EXPECT_EQ(fx->numParams, 333);
    EXPECT_EQ(fx->numInputs, 2);
    EXPECT_EQ(fx->numOutputs, 2);
    // The editor flag is there wherever the build has an editor (its own tests open it).
    EXPECT_EQ(fx->flags & ~effFlagsHasEditor,
              effFlagsCanReplacing | effFlagsProgramChunks | effFlagsIsSynth);
    EXPECT_EQ(fx->uniqueID, 0x54725832);
    EXPECT_EQ(fx->version, 1);
    EXPECT_EQ(fx->initialDelay, 0);
    EXPECT_EQ(fx->ioRatio, 1.0f);
    EXPECT_EQ(fx->processDoubleReplacing, nullptr);
    EXPECT_NE(fx->process, nullptr);
    EXPECT_EQ(p.text(effGetEffectName), "Tarlix_2_Demo");
    EXPECT_EQ(p.text(effGetProductString), "Tarlix_2_Demo");
    EXPECT_EQ(p.text(effGetVendorString), "QuillwaveAudio");
    EXPECT_EQ(p.call(effGetVendorVersion), 2410);
    EXPECT_EQ(p.call(effGetVstVersion), 2400);
    EXPECT_EQ(p.call(effGetPlugCategory), 2);
    EXPECT_EQ(p.call(effGetNumMidiInputChannels), 16);
    EXPECT_EQ(p.call(effGetNumMidiOutputChannels), 0);
    EXPECT_EQ(p.text(effGetParamLabel, 83), "");
    EXPECT_EQ(p.call(effGetParameterProperties, 0), 0);
    EXPECT_EQ(p.call(effString2Parameter, 0, 0, (void*)"1"), 0);
    EXPECT_EQ(p.call(effSetBypass, 0, 1), 0);
    EXPECT_EQ(p.call(effVendorSpecific), 0);
    EXPECT_EQ(p.call(12345), 0);
}

TEST(HostBoundary, CanDoAnswers) {
    Instance p;
    struct {
        const char* text;
        int answer;
    } cases[] = {{"receiveVstEvents", 1},
                 {"receiveVstMidiEvent", 1},
                 {"receiveVstTimeInfo", 1},
                 {"sendVstMidiEvent", -1},
                 {"sendVstEvents", -1},
                 {"offline", -1},
                 {"bypass", -1},
                 {"midiProgramNames", -1},
                 {"receiveVstMidiEvents", 0},
                 {"", 0}};
    for (auto& c : cases)
        EXPECT_EQ(p.call(effCanDo, 0, 0, (void*)c.text), c.answer) << c.text;
    EXPECT_EQ(p.call(effCanDo, 0, 0, nullptr), 0);
}

TEST(HostBoundary, PinsAndSpeakers) {
    Instance p;
    VstPinProperties pin{};
    ASSERT_EQ(p.call(effGetInputProperties, 1, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "Right In");
    EXPECT_EQ(pin.flags, 3);
    EXPECT_EQ(pin.arrangementType, 1);
    ASSERT_EQ(p.call(effGetOutputProperties, 0, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "Left Out");
    EXPECT_EQ(p.call(effGetOutputProperties, 2, 0, &pin), 0);
    EXPECT_EQ(p.call(effGetInputProperties, -1, 0, &pin), 0);
    EXPECT_EQ(p.call(effGetInputProperties, 0, 0, nullptr), 0);
    VstSpeakerArrangement *in = nullptr, *out = nullptr;
    ASSERT_EQ(p.call(effGetSpeakerArrangement, 0, reinterpret_cast<intptr_t>(&in), &out), 1);
    EXPECT_EQ(in->type, 1);
    EXPECT_EQ(in->numChannels, 2);
    EXPECT_EQ(out->type, 1);
    EXPECT_EQ(out->numChannels, 2);
}

TEST(HostBoundary, OutOfRangeIndicesAreAnsweredSafely) {
    Instance p;
    EXPECT_EQ(p.call(effCanBeAutomated, 241), 1);
    EXPECT_EQ(p.call(effCanBeAutomated, 242), 0);
    EXPECT_EQ(p.call(effCanBeAutomated, -1), 0);
    char name[64];
    std::strcpy(name, "untouched");
    EXPECT_EQ(p.call(effGetProgramNameIndexed, 128, 0, name), 0);
    EXPECT_STREQ(name, "untouched");
    EXPECT_EQ(p.call(effGetProgramNameIndexed, -5, 0, name), 0);
    EXPECT_EQ(p.call(effGetProgramNameIndexed, 127, 0, name), 1);
    EXPECT_EQ(p.text(effGetParamName, 333), "z-");
    EXPECT_EQ(p.text(effGetParamName, -7), "z-");
    EXPECT_EQ(p.text(effGetParamDisplay, 100000), "");
    EXPECT_EQ(p.fx->getParameter(p.fx, 335), 0.0f);
    EXPECT_EQ(p.fx->getParameter(p.fx, -1), 0.0f);
    p.fx->setParameter(p.fx, 335, 1.0f); // internal values are not the host's
    p.fx->setParameter(p.fx, 1 << 30, 1.0f);
    p.call(effSetProgram, 0, -3);
    p.call(effSetProgram, 0, 500);
    EXPECT_EQ(p.call(effGetProgram), 0);
    EXPECT_EQ(p.call(effProcessEvents, 0, 0, nullptr), 1);
    VstEvents none{};
    none.numEvents = -4;
    EXPECT_EQ(p.call(effProcessEvents, 0, 0, &none), 1);
    p.call(effGetParamName, 0, 0, nullptr);
    p.call(effSetProgramName, 0, 0, nullptr);
    EXPECT_EQ(p.call(effGetChunk, 0, 0, nullptr), 0);
}

TEST(HostBoundary, EntryPointRefusals) {
    EXPECT_EQ(library().entry(nullptr), nullptr);
    auto zeroHost = [](AEffect*, int32_t, int32_t, intptr_t, void*, float) -> intptr_t {
        return 0;
    };
    EXPECT_EQ(library().entry(zeroHost), nullptr);
}

TEST(HostBoundary, ParameterNamesValuesAndDisplays) {
    Instance p;
    struct {
        int index;
        const char* name;
    } names[] = {{0, "BankFile"},          {3, "zDataStorage1"},
                 {46, "HFO Tune (cents)"}, {178, "Filter2 Offset (Semi"},
                 {207, "Version"},         {242, "zFuture"},
                 {332, "zFuture"}}; // the others as their layout rows name them
    for (auto& n : names)
        EXPECT_EQ(p.text(effGetParamName, n.index), n.name);
    AEffect* fx = p.fx;
    struct {
        int index;
        float set, stored;
        const char* display;
    } cases[] = {{120, 0.4f, 0.5f, "Legato"},    {120, 0.2f, 0.0f, "Mono"},
                 {120, 1.0f, 1.0f, "Poly"},      {184, 0.5f, 24.0f / 47.0f, "25"},
                 {211, 0.0f, 0.0f, "Channel:"},  {83, 0.5f, 0.5f, "50.00"},
                 {72, 0.5f, 0.5f, "250.00"},     {6, 1.0f, 1.0f, "10.00"},
                 {122, 0.0f, 0.0f, "-100.00"},   {120, NAN, 0.0f, "Mono"},
                 {83, INFINITY, 1.0f, "100.00"}, {83, -5.0f, 0.0f, "0.00"},
                 {83, 2.0f, 1.0f, "100.00"}};
    for (auto& c : cases) {
        fx->setParameter(fx, c.index, c.set);
        EXPECT_FLOAT_EQ(fx->getParameter(fx, c.index), c.stored) << c.index;
        EXPECT_EQ(p.text(effGetParamDisplay, c.index), c.display) << c.index;
    }
    // Every option of a 48-item list shows its own text (no truncation to the option below).
    for (int k = 0; k < 48; ++k) {
        fx->setParameter(fx, 184, k / 47.0f);
        EXPECT_EQ(p.text(effGetParamDisplay, 184), std::to_string(k + 1));
    }
    EXPECT_EQ(p.text(effGetParamDisplay, 5), "0.00"); // data parameter shows its number
}

TEST(HostBoundary, GlobalParametersFollowEveryProgram) {
    Instance p;
    AEffect* fx = p.fx;
    p.call(effSetProgram, 0, 5);
    fx->setParameter(fx, 232, 1.0f);
    fx->setParameter(fx, 211, 1.0f);
    p.call(effSetProgram, 0, 9);
    EXPECT_FLOAT_EQ(fx->getParameter(fx, 232), 1.0f);
    EXPECT_FLOAT_EQ(fx->getParameter(fx, 211), 0.0f); // per program
    std::vector<uint8_t> bank = p.chunk();
    ASSERT_EQ(bank.size(), size_t(kBankBytes));
    EXPECT_FLOAT_EQ(valueAt(bank, 0, 232), 1.0f); // program 0 holds the global values
    EXPECT_EQ(p.chunk(true).size(), size_t(kRecordBytes));
}

// Before the host switches it on the instrument is silent and writes only the frames asked
// for; nonsense rates and block sizes leave it working.
TEST(HostBoundary, SilenceBeforeResumeAndNonsenseRatesAndBlocks) {
    Instance p;
    std::vector<float> l(1024, 1.0f), r(1024, 1.0f);
    p.process(l, r, 512);
    for (int i = 0; i < 512; ++i)
        ASSERT_EQ(l[i], 0.0f);
    EXPECT_EQ(l[512], 1.0f);
    p.call(effSetBlockSize, 0, 0);
    p.call(effSetBlockSize, 0, -50);
    p.call(effSetSampleRate, 0, 0, nullptr, 0.0f);
    p.call(effMainsChanged, 0, 1);
    p.process(l, r, 100);
    p.process(l, r, 0);
    EXPECT_TRUE(allFinite(l));
}
