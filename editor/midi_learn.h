// The MIDI-learn dialog: a right-click on a parameter's control opens it; it shows the
// parameter's name and binding, takes the next controller or NRPN that arrives on the MIDI
// input, offers every controller number in a menu, and stores the binding in all programs
// when the user presses assign. Then the panel slides out of the window.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/editor_engine.h"
#include "editor/qx_controls.h"

namespace tarlix {

// MIDI-learn codes as the dialog holds them: kNone, a controller 0..127, or NRPN n as
// kFirstNrpn + n. Stored codes are unsigned 16-bit with kStoredNone for "unbound".
namespace learncode {
constexpr int kNone = -1;
constexpr int kLastController = 127;
constexpr int kFirstNrpn = 200;
constexpr int kLastNrpn = 16383;
constexpr uint16_t kStoredNone = 65535;
constexpr int kMenuEntries = 129; // "None", then controllers 0..127
constexpr int kMenuRowsPerColumn = 26;

// A code from the engine or the program records; anything that is neither a controller nor
// an NRPN (the unused 128..199, garbage from a file) counts as none.
int fromStored(int64_t stored);
uint16_t toStored(int code);
// " None ", "CC: 74" or "nrpn: 5".
std::string text(int code);
// The controller menu: its items, the entry of a code (-1: none has one, as for an NRPN) and
// the code of an entry.
std::vector<std::string> menuItems();
int menuEntry(int code);
int codeOfEntry(int entry);
} // namespace learncode

// Where the dialog panel goes: centred on the click, kept inside the bounds.
tk::CRect placeDialog(tk::CPoint click, int width, int height, const tk::CRect& bounds);
// The panel's rectangle moved just outside the bounds: 0 left, 1 right, 2 above, 3 below.
tk::CRect outsideOf(const tk::CRect& panel, const tk::CRect& bounds, int side);

class QX_AssignMidiCC : public tk::CControl, public QX_Control {
  public:
    // The panel art's size at 100 %; the fields scale with the control's width.
    static constexpr int kArtWidth = 346, kArtHeight = 174;

    QX_AssignMidiCC(const tk::CRect& size, int32_t tag, std::shared_ptr<tk::CBitmap> bitmap,
                    EditorEngine& engine);

    // Opens the dialog for a parameter at a point in frame coordinates: places and shows the
    // panel it lives in, and starts listening to the MIDI input.
    void open(int parameter, std::string name, int64_t storedCode, tk::CPoint where);
    // Stores the shown binding and sends the panel out of the window.
    void assign();
    // Closes without storing anything.
    void cancel();
    // Called when the dialog closes (the editor hides what it showed with it).
    std::function<void()> onClosed;

    int parameter() const { return parameter_; }
    int code() const { return code_; }
    std::string codeText() const { return learncode::text(code_); }
    const std::string& name() const { return name_; }
    // Open and taking controllers (not leaving).
    bool listening() const { return listening_; }
    // The fields in the control's own coordinates.
    tk::CRect nameField() const;
    tk::CRect codeField() const;
    tk::CRect assignButton() const;

    void setFromHost(float) override {} // not a parameter's control
    bool onIdleTick() override;
    void draw(tk::CDrawContext& c, const tk::CRect& dirty) override;
    bool onMouseDown(tk::CPoint p, int buttons) override;

  private:
    tk::CRect scaled(int left, int top, int right, int bottom) const;
    // Takes the engine's last controller as the code, when one arrived.
    void hear();
    void openMenu(tk::CPoint framePoint);
    void close(bool stored);

    EditorEngine& engine_;
    int parameter_ = -1;
    int code_ = learncode::kNone;
    std::string name_;
    bool listening_ = false;
    static constexpr int kFlashTicks = 24; // about 0.4 s
    int flash_ = 0;
};

} // namespace tarlix
