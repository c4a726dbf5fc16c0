#include "engine/preset_files.h"

#include <cstring>
#include <memory>
#include <new>

#include "platform/platform.h"

namespace tarlix {

namespace {
// The whole file after the magic, into a scratch buffer: exactly `size` bytes or nothing.
bool readPayload(const std::string& path, size_t size, std::unique_ptr<uint8_t[]>& scratch) {
    scratch.reset(new (std::nothrow) uint8_t[size + 4]);
    if (!scratch) return false;
    long got = platform::readFileHead(path, scratch.get(), size + 4);
    return got == static_cast<long>(size + 4) && std::memcmp(scratch.get(), kFileMagic, 4) == 0;
}

bool writeMagicAnd(const std::string& path, const void* payload, size_t size) {
    platform::Span parts[2] = {{kFileMagic, 4}, {payload, size}};
    return platform::writeFileAtomically(path, parts, 2);
}
} // namespace

int readBankFile(const std::string& path, uint8_t* bank) {
    std::unique_ptr<uint8_t[]> scratch;
    if (!bank || !readPayload(path, kBankSize, scratch)) return kFileRefused;
    normaliseBank(scratch.get() + 4);
    std::memcpy(bank, scratch.get() + 4, kBankSize);
    return kFileRead;
}

int readProgramFile(const std::string& path, uint8_t* rec) {
    std::unique_ptr<uint8_t[]> scratch;
    if (!rec || !readPayload(path, record::kSize, scratch)) return kFileRefused;
    sanitiseRecord(scratch.get() + 4);
    std::memcpy(rec, scratch.get() + 4, record::kSize);
    return kFileRead;
}

int readMidiLearnFile(const std::string& path, uint8_t* learnBlock) {
    std::unique_ptr<uint8_t[]> scratch;
    if (!learnBlock || !readPayload(path, kMidiLearnBlockSize, scratch)) return kFileRefused;
    std::memcpy(learnBlock, scratch.get() + 4, kMidiLearnBlockSize);
    return kFileRead;
}

int readSectionFile(const std::string& path, int section, const ParameterLookup& lookup,
                    SectionValues& out) {
    out.count = 0;
    if (section < 0 || section >= kSectionCount) return kFileRefused;
    const SectionList& list = kSections[section];
    constexpr size_t kMaxSize = 8 + 32 * record::kStringSlotSize;
    uint8_t file[kMaxSize];
    long got = platform::readFileHead(path, file, kMaxSize);
    if (got < 4 || std::memcmp(file, kFileMagic, 4) != 0) return kFileRefused;
    int32_t version = kCurrentVersion;
    if (got < 8) return kSectionRead; // magic only: nothing to change
    std::memcpy(&version, file + 4, 4);
    size_t at = 8;
    // A short file carries the first fields only; a field is taken only when it is whole.
    for (int k = 0; k < list.count; ++k) {
        uint16_t entry = list.entries[k];
        size_t width = (entry & kSectionTextBit) ? record::kStringSlotSize : 4;
        if (at + width > static_cast<size_t>(got)) break;
        out.entries[k] = entry;
        if (entry & kSectionTextBit) {
            std::memcpy(out.texts[k], file + at, record::kStringSlotSize);
            out.texts[k][record::kStringSlotSize - 1] = 0;
            out.values[k] = 0.0f;
        } else {
            float v;
            std::memcpy(&v, file + at, 4);
            v = upgradeSectionValue(entry & kSectionParamMask, version, v, lookup);
            if (!(v >= 0.0f)) v = 0.0f;
            if (v > 1.0f) v = 1.0f;
            out.values[k] = v;
            out.texts[k][0] = 0;
        }
        at += width;
        out.count = k + 1;
    }
    return kSectionRead;
}

bool writeBankFile(const std::string& path, const uint8_t* bank) {
    return bank && writeMagicAnd(path, bank, kBankSize);
}

bool writeProgramFile(const std::string& path, const uint8_t* rec) {
    return rec && writeMagicAnd(path, rec, record::kSize);
}

bool writeMidiLearnFile(const std::string& path, const uint8_t* learnBlock) {
    return learnBlock && writeMagicAnd(path, learnBlock, kMidiLearnBlockSize);
}

bool writeSectionFile(const std::string& path, int section, const float* values,
                      const char* const* texts) {
    if (section < 0 || section >= kSectionCount || !values) return false;
    const SectionList& list = kSections[section];
    uint8_t file[8 + 32 * record::kStringSlotSize] = {};
    std::memcpy(file, kFileMagic, 4);
    int32_t version = kCurrentVersion;
    std::memcpy(file + 4, &version, 4);
    size_t at = 8;
    for (int k = 0; k < list.count; ++k) {
        uint16_t entry = list.entries[k];
        if (entry & kSectionTextBit) {
            const char* t = texts ? texts[k] : nullptr;
            if (t) std::strncpy(reinterpret_cast<char*>(file + at), t, record::kStringSlotSize - 1);
            at += record::kStringSlotSize;
        } else {
            float v = values[entry & kSectionParamMask];
            std::memcpy(file + at, &v, 4);
            at += 4;
        }
    }
    platform::Span part{file, at};
    return platform::writeFileAtomically(path, &part, 1);
}

} // namespace tarlix
