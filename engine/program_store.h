// The 128 program records of one instance: the bank image, program selection and names, host
// chunks, string slots and data blocks, the MIDI-learn map, record migration, and every file the
// preset panel loads and saves.
//
// Thread contract. Every call is made on the host side (dispatcher or editor thread) and takes
// the records' mutex, except tryProgramFromMidi, which the audio thread calls and which only
// tries the mutex. The audio thread never reads the records: a loaded program reaches it as the
// instrument's live values, the learn map as the instrument's mirror. selectedProgram is atomic.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#include "engine/instrument.h"
#include "engine/program_record.h"
#include "engine/shared_tables.h"

namespace tarlix {

class ProgramStore final : public MidiProgramChange {
  public:
    // Tells the host a parameter changed (a section file's values go through it).
    using AutomateParameter = std::function<void(int32_t index, float value)>;

    // Fills the bank from the factory bank (or the user's default bank) and loads program 0.
    ProgramStore(const SharedTables& shared, Instrument& instrument, AutomateParameter automate);
    ~ProgramStore();
    ProgramStore(const ProgramStore&) = delete;
    ProgramStore& operator=(const ProgramStore&) = delete;
    bool ok() const { return bank_ != nullptr; }

    // ---- programs ----
    int32_t selectedProgram() const { return selectedProgram_.load(); }
    void selectProgram(int32_t program);
    void loadProgram(int32_t program); // the records' program without selecting it
    void reloadProgram() { selectProgram(selectedProgram_.load()); }
    void nextProgram();
    void previousProgram();
    void getProgramName(char* text);
    void setProgramName(const char* text);
    bool getProgramNameIndexed(int32_t index, char* text);
    const char* getCurrentProgramName();
    const char* getProgramNamePointer(int32_t program);
    int32_t getRecordSize() const { return record::kSize; }
    bool tryProgramFromMidi(int program) override;

    // ---- host chunks ----
    int32_t getChunk(void** data, bool isPreset);
    int32_t setChunk(const void* data, int32_t byteSize);
    // A copy of the bank image with the current edits folded in (for tests and tools).
    void copyBank(uint8_t* dest);
    uint8_t* bank() { return bank_; } // the master copy; not for the audio thread

    // ---- strings, data blocks, MIDI learn ----
    void setStringSlot(const char* text, int32_t slot);
    void getStringSlot(char* text, int32_t slot);
    // The text a text-display parameter shows: its string slot (bit 7 picks the global copy).
    void copySlotText(uint8_t slot, char* text, int maxLength);
    void storeShortBlock(const void* source, int32_t blockIndex, int32_t byteCount);
    void storeLongBlock(const void* source, int32_t blockIndex, int32_t byteCount);
    uint8_t* getDataBlock(int32_t blockIndex, int32_t size);
    void setMidiLearn(int32_t parameter, uint16_t code);
    uint32_t getMidiLearn(int32_t parameter);

    // ---- files of the preset panel ----
    // Loads return -1 when the file was taken and -2 when it was refused (the section loader 1
    // and -2); a refused file changes nothing. Saves are atomic and report whether the file was
    // written.
    int loadBankFile(const char* path);
    bool saveBankFile(const char* path);
    int loadProgramFile(const char* path);
    bool saveProgramFile(const char* path);
    int loadMidiLearnFile(const char* path);
    bool saveMidiLearnFile(const char* path);
    int loadSectionFile(int section, const char* path);
    bool saveSectionFile(int section, const char* path);

    // ---- the whole-program clipboard ----
    // The current program's record with the edits folded in (record::kSize bytes).
    void copyProgramRecord(uint8_t* dest);
    // A copied record over the current program, then reloaded. The program keeps its own
    // bank path slot and the one MIDI-learn map; pasted into program 0 the record keeps
    // program 0's global parameters; the name gains a "*" while it stays within 24
    // characters. False when nothing could be pasted.
    bool pasteProgramRecord(const uint8_t* source);

  private:
    uint8_t* recordOf(int program) { return bank_ + static_cast<size_t>(program) * record::kSize; }
    uint8_t* storageRecord(int index); // record 0 for globals, else the live program's
    // bankMutex_ held: the live values written back into their records, and a program's
    // record made live.
    void syncLiveValues();
    void loadProgramLocked(int32_t program, bool keepEdits);
    void refreshLearnMirror();

    const SharedTables& shared_;
    Instrument& instrument_;
    AutomateParameter automate_;
    uint8_t* bank_ = nullptr;
    uint8_t* chunkSnapshot_ = nullptr; // what getChunk hands out, stable until the next call
    // Records belong to the host side and are touched only under this mutex.
    std::mutex bankMutex_;
    int liveProgram_ = 0;
    std::atomic<int> selectedProgram_{0};
};

} // namespace tarlix
