// The patch table's format and the graph builder that interprets it.
#pragma once
#include <cstddef>
#include <cstdint>

namespace tarlix {

class Instrument;

// One input of a module: input < 200 is an input port, 200 and above a parameter binding
// (slot = input - 200). source >= 6000 is a module by type code (its output `output`),
// 5500..5999 a constant, below 5500 an engine value.
struct PatchEntry {
    uint8_t input;
    uint8_t output;
    int16_t source;
};

struct PatchRow {
    int16_t code; // module type code 6000..6545, or a control code
    int16_t arg;  // group begin: voice count; re-wire: the target's type code
    const PatchEntry* entries;
    uint8_t entryCount;
};

constexpr int16_t kPatchGroupBegin = 6546;
constexpr int16_t kPatchGroupEnd = 6547;
constexpr int16_t kPatchRewire = 6548;
constexpr int16_t kPatchEndMark = 6549;
constexpr int kFirstModuleCode = 6000;
constexpr int kCodeCount = 549; // 6000..6548
constexpr int kPatchRowCount = 169;
constexpr int kConstantCount = 160;
constexpr int kFirstConstantSource = 5500;
constexpr int kFirstModuleSource = 6000;
// An entry's input kFirstBindingInput + n binds the module's parameter slot n.
constexpr int kFirstBindingInput = 200;
// A row reads at most kMaxRowEntries entries; an entry whose input is kEntriesEnd ends it early.
constexpr int kMaxRowEntries = 64;
constexpr uint8_t kEntriesEnd = 255;

extern const PatchRow kPatchTable[kPatchRowCount + 1];
extern const float kPatchConstants[kConstantCount];

// What a build made, for the engine and for tests.
struct GraphLayout {
    int moduleCount = 0;
    int groupStart = -1;     // index of voice 0's first module
    int voiceCount = 0;      // N
    int modulesPerVoice = 0; // R
    int16_t moduleByCode[kCodeCount];
    int skippedEntries = 0;
};

class QX_ModuleBase;
struct ModuleContext;
// Makes the module of a code, or returns null to leave it to the instrument's classes (tests
// put their own modules in this way).
using ModuleFactory = QX_ModuleBase* (*)(int code, ModuleContext* context, bool createdHeld);

// Walks a table (ending at a code >= 6549) and creates the module graph in the engine.
// Returns the module count, or -1 when the graph could not be completed.
int buildGraphFromTable(Instrument& instrument, const PatchRow* table, GraphLayout& layout,
                        ModuleFactory extra = nullptr);

} // namespace tarlix
