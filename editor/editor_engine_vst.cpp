// The editor's view of the engine object. This is the only editor file that knows the
// engine's class.
#include "editor/editor_engine.h"
#include "engine/instrument.h"
#include "engine/parameter_table.h"
#include "engine/preset_files.h"
#include "engine/program_store.h"
#include "engine/qx_dsp_vst.h"

namespace tarlix {

namespace {

constexpr int kHostParameters = kNumParams;

class VstEditorEngine final : public EditorEngine {
  public:
    explicit VstEditorEngine(QX_DSP_VST& engine) : engine_(engine) {}

    float parameter(int tag) override {
        return tag >= 0 && tag < kHostParameters ? engine_.getParameter(tag) : 0.0f;
    }
    void setParameterAutomated(int tag, float value) override {
        engine_.setParameterAutomated(tag, value);
    }
    void beginEdit(int tag) override {
        if (tag >= 0 && tag < kHostParameters) engine_.beginEdit(tag);
    }
    void endEdit(int tag) override {
        if (tag >= 0 && tag < kHostParameters) engine_.endEdit(tag);
    }
    void setEngineValue(int tag, float engineUnits) override {
        engine_.instrument().setEngineValue(tag, engineUnits, false);
    }
    std::string programName() override {
        char name[64] = {};
        engine_.getProgramName(name);
        return name;
    }
    std::vector<std::string> programNames() override {
        std::vector<std::string> names;
        for (int i = 0; i < kNumPrograms; ++i) {
            char name[64] = {};
            engine_.programStore().getProgramNameIndexed(i, name);
            names.emplace_back(name);
        }
        return names;
    }
    int currentProgram() override { return engine_.getProgram(); }
    void selectProgram(int program) override {
        if (program >= 0 && program < kNumPrograms) engine_.setProgram(program);
    }
    void renameProgram(const std::string& name) override { engine_.setProgramName(name.c_str()); }
    int taperCode(int tag) override {
        return tag >= 0 && tag < kHostParameters ? instrumentParameterLookup().taper[tag] : 0;
    }
    uint32_t midiLearn(int tag) override {
        return tag >= 0 && tag < kHostParameters ? engine_.programStore().getMidiLearn(tag)
                                                 : 0xFFFFFFFFu;
    }
    bool takeValue(int tag, float& value) override {
        return engine_.instrument().takeEditorValue(tag, value);
    }
    bool takeNotice(int tag) override { return engine_.instrument().takeEditorNotice(tag); }
    void setBuilding(bool) override {} // the engine reports no displays into the editor

    int lastController() override { return engine_.instrument().lastController(); }
    void resetLastController() override { engine_.instrument().setLastController(-1); }
    void setMidiLearn(int tag, uint16_t code) override {
        if (tag >= 0 && tag < kHostParameters) engine_.programStore().setMidiLearn(tag, code);
    }

    // ---- the preset and bank panel ----
    bool loadBank(const std::string& path) override {
        return store().loadBankFile(path.c_str()) == kFileRead;
    }
    bool saveBank(const std::string& path) override { return store().saveBankFile(path.c_str()); }
    bool loadPreset(const std::string& path) override {
        return store().loadProgramFile(path.c_str()) == kFileRead;
    }
    bool savePreset(const std::string& path) override {
        return store().saveProgramFile(path.c_str());
    }
    bool loadMidiMap(const std::string& path) override {
        return store().loadMidiLearnFile(path.c_str()) == kFileRead;
    }
    bool saveMidiMap(const std::string& path) override {
        return store().saveMidiLearnFile(path.c_str());
    }
    bool loadSection(int section, const std::string& path) override {
        return store().loadSectionFile(section, path.c_str()) == kSectionRead;
    }
    bool saveSection(int section, const std::string& path) override {
        return store().saveSectionFile(section, path.c_str());
    }
    std::vector<uint8_t> copyProgram() override {
        std::vector<uint8_t> rec(static_cast<size_t>(record::kSize));
        store().copyProgramRecord(rec.data());
        return rec;
    }
    bool pasteProgram(const std::vector<uint8_t>& rec) override {
        return rec.size() == static_cast<size_t>(record::kSize) &&
               store().pasteProgramRecord(rec.data());
    }
    std::string bankPath() override {
        char text[record::kStringSlotSize] = {};
        store().getStringSlot(text, kBankPathSlot);
        return text;
    }

  private:
    ProgramStore& store() { return engine_.programStore(); }
    // "BankFile": string slot 0 of record 0 (the global copy).
    static constexpr int32_t kBankPathSlot = kGlobalSlotBit;
    QX_DSP_VST& engine_;
};

} // namespace

std::unique_ptr<EditorEngine> makeEditorEngine(QX_DSP_VST& engine) {
    return std::make_unique<VstEditorEngine>(engine);
}

} // namespace tarlix
