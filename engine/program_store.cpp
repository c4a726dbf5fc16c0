#include "engine/program_store.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "engine/parameter_table.h"
#include "engine/preset_files.h"
#include "host/audio_effect.h"
#include "platform/platform.h"

namespace tarlix {

namespace {
// The bank picture's notice tells the editor a program was loaded or renamed.
constexpr int kProgramLoadedNotice = tag::kBankPicture;
} // namespace

ProgramStore::ProgramStore(const SharedTables& shared, Instrument& instrument,
                           AutomateParameter automate)
    : shared_(shared), instrument_(instrument), automate_(std::move(automate)) {
    bank_ = new (std::nothrow) uint8_t[kBankSize];
    chunkSnapshot_ = new (std::nothrow) uint8_t[kBankSize];
    if (!bank_ || !chunkSnapshot_) {
        delete[] bank_; // the entry point refuses a half-built instance
        bank_ = nullptr;
        return;
    }
    // Empty records (not learned) until the factory bank is copied over them.
    std::memset(bank_, 0, kBankSize);
    for (int p = 0; p < kNumPrograms; ++p)
        for (int i = 0; i < kNumParams; ++i)
            writeLearn(recordOf(p), i, kNotLearned);
    // The factory bank: everything after the magic, but never more than the bank.
    platform::Resource factory = platform::findResource("VST_PatchMemoryBanks.mem", "DATA");
    if (factory.data && factory.size >= 4) {
        size_t n = factory.size - 4;
        std::memcpy(bank_, factory.data + 4, n < size_t(kBankSize) ? n : size_t(kBankSize));
    }
    normaliseBank(bank_);
    // The user's default bank replaces the factory bank only when it is complete.
    std::string path;
    if (platform::expandPublicPath("%Public%/Documents/Tarlix_2/Banks/Default.Bnk", path,
                                   record::kStringSlotSize) &&
        readBankFile(path, bank_) == kFileRead) {
        char* slot = stringSlot(bank_, 0);
        std::memset(slot, 0, record::kStringSlotSize);
        std::memcpy(slot, path.c_str(), path.size());
    }
    refreshLearnMirror();
    std::lock_guard<std::mutex> lock(bankMutex_);
    loadProgramLocked(0, false); // no live values yet to keep
}

ProgramStore::~ProgramStore() {
    delete[] bank_;
    delete[] chunkSnapshot_;
}

uint8_t* ProgramStore::storageRecord(int index) {
    if (shared_.parameters.isGlobal(index)) return bank_;
    return recordOf(liveProgram_);
}

void ProgramStore::syncLiveValues() {
    for (int i = 0; i < kNumParams; ++i)
        writeValue(storageRecord(i), i, instrument_.parameterValue(i));
}

void ProgramStore::refreshLearnMirror() {
    for (int i = 0; i < kNumParams; ++i)
        instrument_.setLearnedCode(i, readLearn(bank_, i));
}

// The record is upgraded and its values quantised in place, then become the live values. The
// modules get them straight away while no audio can run, else from the audio thread's next
// block (through the fade once something has sounded).
void ProgramStore::loadProgramLocked(int32_t program, bool keepEdits) {
    if (program < 0 || program >= kNumPrograms || !bank_) return;
    if (keepEdits) syncLiveValues(); // else the records were just replaced: the edits are gone
    liveProgram_ = program;
    uint8_t* rec = recordOf(program);
    upgradeRecord(rec, shared_.parameters);
    float values[kNumParams];
    for (int i = 0; i < kNumParams; ++i) {
        uint8_t* home = storageRecord(i);
        values[i] = quantiseNormalised(readValue(home, i), shared_.parameters.steps[i]);
        writeValue(home, i, values[i]);
    }
    instrument_.startProgram(values);
    instrument_.notifyEditor(kProgramLoadedNotice, nullptr);
    instrument_.notifyEditor(tag::kPresetName, programName(rec));
}

void ProgramStore::loadProgram(int32_t program) {
    std::lock_guard<std::mutex> lock(bankMutex_);
    loadProgramLocked(program, true);
}

void ProgramStore::selectProgram(int32_t program) {
    if (program < 0 || program >= kNumPrograms || !bank_) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    selectedProgram_.store(program);
    loadProgramLocked(program, true);
}

bool ProgramStore::tryProgramFromMidi(int program) {
    if (program < 0 || program >= kNumPrograms) return true;
    std::unique_lock<std::mutex> lock(bankMutex_, std::try_to_lock);
    if (!lock.owns_lock()) return false;
    selectedProgram_.store(program);
    loadProgramLocked(program, true);
    return true;
}

void ProgramStore::nextProgram() {
    if (selectedProgram_.load() < kNumPrograms - 1) selectProgram(selectedProgram_.load() + 1);
}

void ProgramStore::previousProgram() {
    if (selectedProgram_.load() > 0) selectProgram(selectedProgram_.load() - 1);
}

void ProgramStore::getProgramName(char* text) {
    if (!text) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    vst::copyString(text, getCurrentProgramName(), vst::kMaxProgNameLen);
}

void ProgramStore::setProgramName(const char* text) {
    if (!text || !bank_) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    char* name = programName(recordOf(selectedProgram_.load()));
    std::memset(name, 0, record::kNameSize);
    vst::copyString(name, text, vst::kMaxProgNameLen);
    instrument_.notifyEditor(kProgramLoadedNotice, nullptr);
    instrument_.notifyEditor(tag::kPresetName, name);
}

bool ProgramStore::getProgramNameIndexed(int32_t index, char* text) {
    if (!text || index < 0 || index >= kNumPrograms || !bank_) return false;
    std::lock_guard<std::mutex> lock(bankMutex_);
    vst::copyString(text, programName(recordOf(index)), vst::kMaxProgNameLen);
    return true;
}

const char* ProgramStore::getCurrentProgramName() {
    return getProgramNamePointer(selectedProgram_.load());
}

const char* ProgramStore::getProgramNamePointer(int32_t program) {
    if (program < 0 || program >= kNumPrograms || !bank_) return "";
    return programName(recordOf(program));
}

// ---- host chunks ------------------------------------------------------------------------

void ProgramStore::copyBank(uint8_t* dest) {
    if (!dest || !bank_) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    syncLiveValues();
    std::memcpy(dest, bank_, kBankSize);
}

// A copy, not the live records: the host may read it while the engine goes on changing them.
int32_t ProgramStore::getChunk(void** data, bool isPreset) {
    if (!data || !bank_) return 0;
    std::lock_guard<std::mutex> lock(bankMutex_);
    syncLiveValues();
    if (isPreset) {
        std::memcpy(chunkSnapshot_, recordOf(selectedProgram_.load()), record::kSize);
        *data = chunkSnapshot_;
        return record::kSize;
    }
    std::memcpy(chunkSnapshot_, bank_, kBankSize);
    *data = chunkSnapshot_;
    return kBankSize;
}

// The size decides: one record replaces the selected program (keeping that record's first
// string slot, so the bank path survives), anything else overwrites the bank from its start.
int32_t ProgramStore::setChunk(const void* data, int32_t byteSize) {
    if (!data || byteSize <= 0 || !bank_) return 0;
    std::lock_guard<std::mutex> lock(bankMutex_);
    syncLiveValues();
    const int selected = selectedProgram_.load();
    if (byteSize == record::kSize) {
        uint8_t* rec = recordOf(selected);
        char keptSlot[record::kStringSlotSize];
        std::memcpy(keptSlot, stringSlot(rec, 0), sizeof keptSlot);
        std::memmove(rec, data, record::kSize);
        std::memcpy(stringSlot(rec, 0), keptSlot, sizeof keptSlot);
    } else {
        std::memmove(bank_, data,
                     byteSize < kBankSize ? static_cast<size_t>(byteSize)
                                          : static_cast<size_t>(kBankSize));
    }
    normaliseBank(bank_);
    refreshLearnMirror();
    loadProgramLocked(selected, false);
    return byteSize;
}

// ---- strings, blocks, MIDI learn ----------------------------------------------------------

namespace {
// Slot argument: a slot number as the lookup keeps it; a negative value also means the global
// copy.
bool isGlobalSlot(int32_t slot) {
    return (slot & kGlobalSlotBit) || slot < 0;
}
} // namespace

void ProgramStore::setStringSlot(const char* text, int32_t slot) {
    if (!text || !bank_) return;
    int index = slot & kSlotIndexMask;
    if (index >= record::kStringSlotCount) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    char* dest = stringSlot(isGlobalSlot(slot) ? bank_ : recordOf(liveProgram_), index);
    std::memset(dest, 0, record::kStringSlotSize);
    vst::copyString(dest, text, record::kStringSlotSize - 1);
}

void ProgramStore::getStringSlot(char* text, int32_t slot) {
    if (!text || !bank_) return;
    int index = slot & kSlotIndexMask;
    if (index >= record::kStringSlotCount) {
        text[0] = 0;
        return;
    }
    std::lock_guard<std::mutex> lock(bankMutex_);
    uint8_t* rec = isGlobalSlot(slot) ? bank_ : recordOf(liveProgram_);
    vst::copyString(text, stringSlot(rec, index), record::kStringSlotSize - 1);
}

void ProgramStore::copySlotText(uint8_t slot, char* text, int maxLength) {
    if (!text || !bank_) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    uint8_t* rec = (slot & kGlobalSlotBit) ? bank_ : recordOf(liveProgram_);
    vst::copyString(text, stringSlot(rec, slot & kSlotIndexMask), maxLength);
}

uint8_t* ProgramStore::getDataBlock(int32_t blockIndex, int32_t size) {
    if (!bank_) return nullptr;
    uint8_t* rec = recordOf(liveProgram_);
    // Short blocks 0..2 (2 is the first half-kilobyte of the long block); long block 0 only.
    if (size == record::kShortBlockSize && blockIndex >= 0 && blockIndex <= 2)
        return rec + record::kShortBlocks + record::kShortBlockSize * blockIndex;
    if (size == record::kLongBlockSize && blockIndex == 0) return rec + record::kLongBlock;
    return nullptr;
}

void ProgramStore::storeShortBlock(const void* source, int32_t blockIndex, int32_t byteCount) {
    uint8_t* dest = getDataBlock(blockIndex, record::kShortBlockSize);
    if (!dest || !source || byteCount <= 0) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    std::memcpy(dest, source,
                static_cast<size_t>(byteCount < record::kShortBlockSize ? byteCount
                                                                        : record::kShortBlockSize));
}

void ProgramStore::storeLongBlock(const void* source, int32_t blockIndex, int32_t byteCount) {
    uint8_t* dest = getDataBlock(blockIndex, record::kLongBlockSize);
    if (!dest || !source || byteCount <= 0) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    std::memcpy(dest, source,
                static_cast<size_t>(byteCount < record::kLongBlockSize ? byteCount
                                                                       : record::kLongBlockSize));
}

void ProgramStore::setMidiLearn(int32_t parameter, uint16_t code) {
    if (parameter < 0 || parameter >= kNumParams || !bank_) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    for (int p = 0; p < kNumPrograms; ++p)
        writeLearn(recordOf(p), parameter, code);
    instrument_.setLearnedCode(parameter, code);
}

uint32_t ProgramStore::getMidiLearn(int32_t parameter) {
    if (parameter < 0 || parameter >= kNumParams || !bank_) return 0xFFFFFFFFu;
    return instrument_.learnedCode(parameter);
}

// ---- files ------------------------------------------------------------------------------

namespace {
// The bank path goes into the global "BankFile" slot only when it fits whole.
void storeBankPath(uint8_t* bank, const char* path) {
    size_t n = std::strlen(path);
    if (n >= record::kStringSlotSize) return;
    char* slot = stringSlot(bank, 0);
    std::memset(slot, 0, record::kStringSlotSize);
    std::memcpy(slot, path, n);
}
} // namespace

int ProgramStore::loadBankFile(const char* path) {
    if (!path || !bank_) return kFileRefused;
    std::unique_ptr<uint8_t[]> staged(new (std::nothrow) uint8_t[kBankSize]);
    if (!staged || readBankFile(path, staged.get()) != kFileRead) return kFileRefused;
    std::lock_guard<std::mutex> lock(bankMutex_);
    // The window's zoom is how this user sees the editor, not part of a sound: a bank or a
    // preset loaded from a file keeps it (a host restoring its project still sets it).
    const float zoom = instrument_.parameterValue(tag::kZoom);
    std::memcpy(bank_, staged.get(), kBankSize);
    writeValue(bank_, tag::kZoom, zoom);
    storeBankPath(bank_, path);
    refreshLearnMirror();
    loadProgramLocked(selectedProgram_.load(), false);
    return kFileRead;
}

bool ProgramStore::saveBankFile(const char* path) {
    if (!path || !bank_) return false;
    std::unique_ptr<uint8_t[]> image(new (std::nothrow) uint8_t[kBankSize]);
    if (!image) return false;
    copyBank(image.get());
    if (!writeBankFile(path, image.get())) return false;
    std::lock_guard<std::mutex> lock(bankMutex_);
    storeBankPath(bank_, path);
    return true;
}

int ProgramStore::loadProgramFile(const char* path) {
    if (!path || !bank_) return kFileRefused;
    uint8_t staged[record::kSize];
    if (readProgramFile(path, staged) != kFileRead) return kFileRefused;
    std::lock_guard<std::mutex> lock(bankMutex_);
    syncLiveValues();
    const int selected = selectedProgram_.load();
    uint8_t* rec = recordOf(selected);
    const float zoom = instrument_.parameterValue(tag::kZoom);
    std::memcpy(staged + record::kStringSlots, stringSlot(rec, 0), record::kStringSlotSize);
    std::memcpy(rec, staged, record::kSize);
    writeValue(bank_, tag::kZoom, zoom);
    // Program 0 carries the map every program uses; into any other program the file's map is
    // not taken, so all records keep one map.
    if (selected == 0)
        copyMidiLearnFromFirst(bank_);
    else
        std::memcpy(rec + record::kMidiLearn, bank_ + record::kMidiLearn, kMidiLearnBlockSize);
    refreshLearnMirror();
    loadProgramLocked(selected, false);
    return kFileRead;
}

bool ProgramStore::saveProgramFile(const char* path) {
    if (!path || !bank_) return false;
    uint8_t rec[record::kSize];
    {
        std::lock_guard<std::mutex> lock(bankMutex_);
        syncLiveValues();
        std::memcpy(rec, recordOf(selectedProgram_.load()), record::kSize);
    }
    return writeProgramFile(path, rec);
}

int ProgramStore::loadMidiLearnFile(const char* path) {
    if (!path || !bank_) return kFileRefused;
    uint8_t block[kMidiLearnBlockSize];
    if (readMidiLearnFile(path, block) != kFileRead) return kFileRefused;
    std::lock_guard<std::mutex> lock(bankMutex_);
    std::memcpy(bank_ + record::kMidiLearn, block, sizeof block);
    copyMidiLearnFromFirst(bank_);
    refreshLearnMirror();
    return kFileRead;
}

bool ProgramStore::saveMidiLearnFile(const char* path) {
    if (!path || !bank_) return false;
    uint8_t block[kMidiLearnBlockSize];
    {
        std::lock_guard<std::mutex> lock(bankMutex_);
        std::memcpy(block, bank_ + record::kMidiLearn, sizeof block);
    }
    return writeMidiLearnFile(path, block);
}

int ProgramStore::loadSectionFile(int section, const char* path) {
    if (!path || !bank_ || section < 0 || section >= kSectionCount) return kFileRefused;
    auto values = std::make_unique<SectionValues>();
    if (readSectionFile(path, section, shared_.parameters, *values) != kSectionRead)
        return kFileRefused;
    // Engine, host and controls follow each value; fields missing from a short file stay.
    for (int k = 0; k < values->count; ++k) {
        int param = values->entries[k] & kSectionParamMask;
        if (param >= kNumParams) continue;
        if (values->entries[k] & kSectionTextBit) {
            uint8_t slot = shared_.parameters.slot[param];
            if (slot != kNoSlot) setStringSlot(values->texts[k], slot);
        } else {
            automate_(param, values->values[k]);
        }
    }
    return kSectionRead;
}

bool ProgramStore::saveSectionFile(int section, const char* path) {
    if (!path || !bank_ || section < 0 || section >= kSectionCount) return false;
    float values[kNumParams];
    for (int i = 0; i < kNumParams; ++i)
        values[i] = instrument_.parameterValue(i);
    return writeSectionFile(path, section, values);
}

// ---- the whole-program clipboard --------------------------------------------------------

namespace {
constexpr size_t kMaxNameChars = record::kNameSize - 2; // 24 characters, then two zeros
// The paste mark: one "*" after the name, only while the name stays within its 24 characters
// (so a full name is left alone and repeated pastes stop at the limit).
void markPasted(uint8_t* rec) {
    char* name = programName(rec);
    size_t n = strnlen(name, kMaxNameChars);
    if (n + 1 > kMaxNameChars) return;
    name[n] = '*';
    name[n + 1] = 0;
}
} // namespace

void ProgramStore::copyProgramRecord(uint8_t* dest) {
    if (!dest || !bank_) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    syncLiveValues();
    std::memcpy(dest, recordOf(selectedProgram_.load()), record::kSize);
}

bool ProgramStore::pasteProgramRecord(const uint8_t* source) {
    if (!source || !bank_) return false;
    uint8_t staged[record::kSize];
    std::memcpy(staged, source, record::kSize);
    sanitiseRecord(staged);
    std::lock_guard<std::mutex> lock(bankMutex_);
    syncLiveValues();
    const int selected = selectedProgram_.load();
    uint8_t* rec = recordOf(selected);
    std::memcpy(stringSlot(staged, 0), stringSlot(rec, 0), record::kStringSlotSize);
    std::memcpy(staged + record::kMidiLearn, rec + record::kMidiLearn, kMidiLearnBlockSize);
    // Record 0 holds the values every program uses for the global parameters.
    if (selected == 0)
        for (int i = 0; i < kNumParams; ++i)
            if (shared_.parameters.isGlobal(i)) writeValue(staged, i, readValue(rec, i));
    markPasted(staged);
    std::memcpy(rec, staged, record::kSize);
    loadProgramLocked(selected, false);
    return true;
}

} // namespace tarlix
