// Program memory as a host sees it: chunks, program names, the default bank file and the
// migration of old records, all through the dispatcher of the loaded library.
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include "platform/platform.h"
#include "tests/host_fixture.h"
#include "tests/user_folder.h"

using namespace testhost;
using namespace vst;

namespace {

constexpr int kRecord = kRecordBytes, kBank = kBankBytes;

} // namespace

// A header opens each category of sixteen programs; every name is its own.
TEST(Chunks, FreshInstanceShowsTheFactoryBank) {
    Instance p;
    ASSERT_NE(p.fx, nullptr);
    const char* headers[] = {"___ TARLIX TONES ___", "___ SYNTH BASS ___", "___ Ambient Pads ___",
                             "___ ORGANIC KEYS ___", "___ PATTERNS ___",   "___ EXPERIMENTS ___",
                             "___ NOISE FX ___",     "___ INITIALS ___"};
    std::set<std::string> names;
    for (int i = 0; i < 128; ++i) {
        std::string name = p.text(effGetProgramNameIndexed, i, -1);
        EXPECT_FALSE(name.empty()) << i;
        EXPECT_LE(name.size(), 24u);
        EXPECT_TRUE(names.insert(name).second) << "two programs are called " << name;
        if (i % 16 == 0)
            EXPECT_EQ(name, headers[i / 16]);
        else
            EXPECT_NE(name.rfind("___", 0), 0u) << name << " looks like a header";
    }
    EXPECT_EQ(p.call(effGetProgramNameIndexed, 128, -1, nullptr), 0);
    EXPECT_EQ(p.text(effGetProgramName), "___ TARLIX TONES ___");
    auto bank = p.chunk();
    ASSERT_EQ(bank.size(), size_t(kBank));
    // Program 0 was loaded and so upgraded; the others keep the factory version.
    EXPECT_EQ(std::memcmp(bank.data() + 828, "\xb4\xc8\x76\x3e", 4), 0);
    EXPECT_EQ(std::memcmp(bank.data() + 17 * kRecord + 828, "\x8f\xc2\x75\x3e", 4), 0);
    EXPECT_STREQ(slotAt(bank, 0, 0), "---");
}

TEST(Chunks, BankAndProgramChunksRoundTripByteForByte) {
    Instance a;
    a.fx->setParameter(a.fx, 83, 0.37f);
    a.fx->setParameter(a.fx, 120, 0.0f);
    a.call(effSetProgramName, 0, 0, const_cast<char*>("A name that is far too long"));
    EXPECT_EQ(a.text(effGetProgramName), "A name that is far too l");
    a.call(effSetProgram, 0, 17);
    a.fx->setParameter(a.fx, 84, 0.61f);
    auto bank = a.chunk();
    auto program = a.chunk(true);
    ASSERT_EQ(program.size(), size_t(kRecord));
    EXPECT_EQ(std::memcmp(program.data(), bank.data() + 17 * kRecord, kRecord), 0);
    EXPECT_FLOAT_EQ(valueAt(bank, 17, 84), 0.61f);

    Instance b; // another host session: the bank first, then the program selection
    EXPECT_EQ(b.setChunk(bank), kBank);
    b.call(effSetProgram, 0, 17);
    EXPECT_EQ(b.chunk(), bank);
    EXPECT_EQ(b.chunk(true), program);
    EXPECT_FLOAT_EQ(b.fx->getParameter(b.fx, 84), 0.61f);
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ(b.text(effGetProgramNameIndexed, i, -1), a.text(effGetProgramNameIndexed, i, -1));
}

TEST(Chunks, SizesDecideWhatIsReplaced) {
    Instance p;
    auto original = p.chunk();
    std::vector<uint8_t> big(800000, 0);
    std::memcpy(big.data(), original.data(), kBank);
    std::strcpy(nameAt(big, 3), "Third");
    std::strcpy(slotAt(big, 0, 0), "/banks/Mine.Bnk");
    std::memset(big.data() + kBank, 0xEE, 800000 - kBank);
    EXPECT_EQ(p.setChunk(big), 800000);
    auto bank = p.chunk();
    EXPECT_STREQ(nameAt(bank, 3), "Third");
    EXPECT_STREQ(slotAt(bank, 0, 0), "/banks/Mine.Bnk");

    // One record: only the selected program, and the bank path stays.
    p.call(effSetProgram, 0, 0);
    std::vector<uint8_t> rec(bank.begin() + 5 * kRecord, bank.begin() + 6 * kRecord);
    std::strcpy(slotAt(rec, 0, 0), "/elsewhere.Bnk");
    std::strcpy(nameAt(rec, 0), "Copied");
    EXPECT_EQ(p.setChunk(rec, true), kRecord);
    auto after = p.chunk();
    EXPECT_STREQ(nameAt(after, 0), "Copied");
    EXPECT_STREQ(slotAt(after, 0, 0), "/banks/Mine.Bnk");
    EXPECT_EQ(std::memcmp(after.data() + kRecord, bank.data() + kRecord, kBank - kRecord), 0);

    // A short chunk from an older version overwrites the start only.
    std::vector<uint8_t> start(100, 0);
    EXPECT_EQ(p.setChunk(start), 100);
    auto shortened = p.chunk();
    EXPECT_EQ(std::memcmp(shortened.data() + 100, after.data() + 100, 728), 0);
    EXPECT_EQ(std::memcmp(shortened.data() + kRecord, after.data() + kRecord, kBank - kRecord), 0);

    // Nothing, a null pointer or a negative size change nothing.
    auto before = p.chunk();
    EXPECT_EQ(p.setChunk(start, false, 0), 0);
    EXPECT_EQ(p.setChunk(start, false, -7), 0);
    EXPECT_EQ(p.call(effSetChunk, 0, kBank, nullptr), 0);
    EXPECT_EQ(p.chunk(), before);
    EXPECT_EQ(p.call(effGetChunk, 0, 0, nullptr), 0);
}

TEST(Chunks, IncomingRecordsAreCleanedUp) {
    Instance p;
    auto bank = p.chunk();
    for (int prog = 0; prog < 128; ++prog) {
        std::memset(nameAt(bank, prog), 'N', 26);                // unterminated name
        std::memset(slotAt(bank, prog, 0), 'S', 3 * kSlotBytes); // unterminated slots
        setValue(bank, prog, 83, NAN);
        setValue(bank, prog, 84, 5.0f);
        setValue(bank, prog, 85, -INFINITY);
        setValue(bank, prog, 86, INFINITY);
        setValue(bank, prog, 87, -0.5f);
    }
    setLearn(bank, 0, 83, 74);
    p.setChunk(bank);
    auto clean = p.chunk();
    for (int prog = 0; prog < 128; ++prog) {
        EXPECT_EQ(std::strlen(nameAt(clean, prog)), 24u);
        for (int s = 0; s < 3; ++s)
            EXPECT_EQ(std::strlen(slotAt(clean, prog, s)), 259u);
        EXPECT_EQ(valueAt(clean, prog, 83), 0.0f);
        EXPECT_EQ(valueAt(clean, prog, 84), 1.0f);
        EXPECT_EQ(valueAt(clean, prog, 85), 0.0f);
        EXPECT_EQ(valueAt(clean, prog, 86), 1.0f);
        EXPECT_EQ(valueAt(clean, prog, 87), 0.0f);
        EXPECT_EQ(learnAt(clean, prog, 83), 74) << prog;
    }
    EXPECT_EQ(p.text(effGetProgramName).size(), 24u);
    std::vector<float> l(256), r(256);
    p.start();
    p.process(l, r, 256);
    EXPECT_TRUE(allFinite(l) && allFinite(r));
}

TEST(Chunks, OldRecordsAreMigratedOnceOnLoad) {
    Instance p;
    auto bank = p.chunk();
    const float versions[] = {0.21f, 0.22f, 0.23f, 0.24f};
    for (int k = 0; k < 4; ++k) {
        setValue(bank, 10 + k, 207, versions[k]);
        setValue(bank, 10 + k, 10, 16.0f / 17.0f); // "Lfo1 Target", old option 16 of 0..17
        setValue(bank, 10 + k, 184, 1.0f);         // "Bend Depth"
    }
    p.setChunk(bank);
    for (int k = 0; k < 4; ++k) {
        p.call(effSetProgram, 0, 10 + k);
        auto once = p.chunk(true);
        p.call(effSetProgram, 0, 3);
        p.call(effSetProgram, 0, 10 + k);
        EXPECT_EQ(p.chunk(true), once) << "a second load changed program " << 10 + k;
        float version, lfo, bend;
        std::memcpy(&version, once.data() + 828, 4);
        std::memcpy(&lfo, once.data() + 40, 4);
        std::memcpy(&bend, once.data() + 4 * 184, 4);
        EXPECT_EQ(version, 0.241f);
        // Before 2200 the list had 18 targets: option 16 stays 16 on today's 19.
        EXPECT_FLOAT_EQ(lfo, k == 0 ? 16.0f / 18.0f : 17.0f / 18.0f) << k;
        EXPECT_FLOAT_EQ(bend, 11.0f / 47.0f) << k; // old "12" stays 12 semitones
    }
}

// A user's "Default.Bnk" in the user folder, there only while this object lives. Written
// through the platform layer: the folder's name is not ASCII, and only the platform layer
// hands UTF-8 paths to every system's file calls.
class UserDefaultBank {
  public:
    UserDefaultBank() { platform::makeFolders(folder); }
    ~UserDefaultBank() { platform::removeFile(path); }
    void write(const std::vector<uint8_t>& bank, size_t bytes, const char* magic) {
        const platform::Span parts[2] = {{magic, 4}, {bank.data(), bytes}};
        ASSERT_TRUE(platform::writeFileAtomically(path, parts, 2));
    }
    const std::string folder = testenv::userFolder() + "/Banks";
    const std::string path = folder + "/Default.Bnk";
};

TEST(Chunks, DefaultBankFileReplacesTheFactoryBank) {
    std::vector<uint8_t> bank;
    {
        Instance p;
        p.call(effSetProgramName, 0, 0, const_cast<char*>("From Default"));
        bank = p.chunk();
    }
    {
        UserDefaultBank user;
        user.write(bank, kBank - 1, "TRLX"); // truncated: refused
        EXPECT_EQ(Instance().text(effGetProgramName), "___ TARLIX TONES ___");
        user.write(bank, kBank, "TRLY"); // wrong magic: refused
        EXPECT_EQ(Instance().text(effGetProgramName), "___ TARLIX TONES ___");
        user.write(bank, kBank, "TRLX");
        Instance p;
        EXPECT_EQ(p.text(effGetProgramName), "From Default");
        auto bank = p.chunk();
        EXPECT_EQ(std::string(slotAt(bank, 0, 0)), user.path);
    }
    // Gone again: the next instance, like every other test, starts from the factory bank.
    EXPECT_EQ(Instance().text(effGetProgramName), "___ TARLIX TONES ___");
}

// Random chunks of random sizes: whatever arrives, the saved state is clean and restores to
// the same bytes in a fresh instance, learn codes and names included, and audio stays finite.
TEST(Chunks, RandomChunksAlwaysLeaveACleanRestorableState) {
    Instance p;
    p.start(44100, 256);
    std::vector<float> l(256), r(256);
    uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    const intptr_t sizes[] = {1, 4, 5875, 5876, 5877, 752127, 752128, 752129, 800000};
    for (int round = 0; round < 24; ++round) {
        intptr_t size = round < 9 ? sizes[round] : static_cast<intptr_t>(next() % 800001) + 1;
        std::vector<uint8_t> bytes(static_cast<size_t>(size));
        for (auto& b : bytes)
            b = static_cast<uint8_t>(next() >> 24);
        EXPECT_EQ(p.setChunk(bytes, round % 2), size);
        p.process(l, r, 256);
        ASSERT_TRUE(allFinite(l) && allFinite(r));
        auto bank = p.chunk();
        for (int prog = 0; prog < 128; ++prog) {
            ASSERT_LE(std::strlen(nameAt(bank, prog)), 24u);
            for (int i = 0; i < 333; ++i) {
                float v = valueAt(bank, prog, i);
                ASSERT_TRUE(v >= 0.0f && v <= 1.0f) << prog << " " << i;
                ASSERT_EQ(learnAt(bank, prog, i), learnAt(bank, 0, i));
            }
        }
        Instance fresh;
        fresh.setChunk(bank);
        ASSERT_EQ(fresh.chunk(), bank) << "round " << round;
    }
}
