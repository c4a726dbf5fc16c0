// Everything the editor needs from the engine, in one small interface. The editor runs on the
// host's user-interface thread; the engine never calls it: parameter values are read, and
// values and notices posted by the audio thread are taken from the engine's mailbox.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QX_DSP_VST;

namespace tarlix {

class EditorEngine {
  public:
    virtual ~EditorEngine() = default;
    // The current value 0..1 of a host parameter (0..332).
    virtual float parameter(int tag) = 0;
    // A change by the user: stored, routed and reported to the host as automation.
    virtual void setParameterAutomated(int tag, float value) = 0;
    // The start and end of a user's gesture on a host parameter.
    virtual void beginEdit(int tag) = 0;
    virtual void endEdit(int tag) = 0;
    // Sets an engine value in engine units without telling the host (editor-only tags).
    virtual void setEngineValue(int tag, float engineUnits) = 0;
    virtual std::string programName() = 0;
    // The names of all programs, the current one, choosing one and renaming the current one.
    virtual std::vector<std::string> programNames() = 0;
    virtual int currentProgram() = 0;
    virtual void selectProgram(int program) = 0;
    virtual void renameProgram(const std::string& name) = 0;
    // The taper code of a host parameter (0..332).
    virtual int taperCode(int tag) = 0;
    // The MIDI-learn code of a host parameter (0xFFFFFFFF: none).
    virtual uint32_t midiLearn(int tag) = 0;
    // The newest value posted for a tag since the last call (true), or nothing (false).
    virtual bool takeValue(int tag, float& value) = 0;
    // Whether a notice (program loaded, name changed, step moved) is pending for a tag.
    virtual bool takeNotice(int tag) = 0;
    // Set while the window is being built: the engine reports no displays then.
    virtual void setBuilding(bool building) = 0;

    // MIDI learn. The code of the controller or NRPN the MIDI input received last, in the
    // stored encoding (controller n: n, NRPN n: 200 + n), or -1 when none arrived since the
    // reset; the reset starts listening afresh.
    virtual int lastController() = 0;
    virtual void resetLastController() = 0;
    // Binds a host parameter (0..332) to a code in every program (65535: unbound).
    virtual void setMidiLearn(int tag, uint16_t code) = 0;

    // ---- the preset and bank panel ----
    // Loads are true when the file was taken (a refused file changes nothing); saves are true
    // only when the whole file was written (through a temporary file and a rename).
    virtual bool loadBank(const std::string& path) = 0;
    virtual bool saveBank(const std::string& path) = 0;
    virtual bool loadPreset(const std::string& path) = 0;
    virtual bool savePreset(const std::string& path) = 0;
    virtual bool loadMidiMap(const std::string& path) = 0;
    virtual bool saveMidiMap(const std::string& path) = 0;
    // Sections: 0 sequencer, 1 oscillators, 2 filter, 3 echo.
    virtual bool loadSection(int section, const std::string& path) = 0;
    virtual bool saveSection(int section, const std::string& path) = 0;
    // The current program's whole record, and a copied record pasted over it (the name
    // marked with "*"). False when nothing was pasted.
    virtual std::vector<uint8_t> copyProgram() = 0;
    virtual bool pasteProgram(const std::vector<uint8_t>& record) = 0;
    // The text of the bank path slot (the current bank file).
    virtual std::string bankPath() = 0;
};

// The adapter over the engine object.
std::unique_ptr<EditorEngine> makeEditorEngine(QX_DSP_VST& engine);

} // namespace tarlix
