// The preset and bank panel's command centre: an invisible receiver of the panel's buttons
// (program up, down and select, whole-program copy and paste, bank, preset, controller-map
// and section files, the two logo links) that also draws the bank picture, an image that sits
// beside the current bank file. Every command runs on the user-interface thread.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/file_picker.h"
#include "editor/qx_controls.h"

namespace tarlix {

class EditorEngine;

// Command codes, as the panel's buttons send them.
namespace command {
constexpr int kUserFolder = 0;
constexpr int kManual = 3;
constexpr int kLoadBank = 50;
constexpr int kSaveBank = 51;
constexpr int kLoadPreset = 55;
constexpr int kSavePreset = 56;
constexpr int kBankMenu = 59;
constexpr int kSelectProgram = 60;
constexpr int kNextProgram = 61;
constexpr int kPreviousProgram = 62;
constexpr int kCopyProgram = 63;
constexpr int kPasteProgram = 64;
constexpr int kLoadMidiMap = 68;
constexpr int kSaveMidiMap = 69;
constexpr int kLoadSection = 70; // + section 0..3
constexpr int kSaveSection = 80; // + section 0..3
} // namespace command

// One row of the section presets: sequencer, oscillators, filter, echo.
struct SectionFiles {
    const char* extension;
    const char* loadTitle;
    const char* saveTitle;
    const char* typeText;
    int x, y; // where the picker opens
};
extern const SectionFiles kSectionFiles[4];

class QX_WebLinks : public tk::CControl, public QX_Control {
  public:
    enum class Picture { Reload, Ready, Failed };
    // Images larger than this are not read (a bank picture is a small thumbnail).
    static constexpr uintmax_t kMaxPictureBytes = 8u << 20;

    QX_WebLinks(const tk::CRect& size, int32_t tag, EditorEngine& engine, FilePicker& picker);
    ~QX_WebLinks() override;

    void setFromHost(float) override {}
    void onLink(const LinkMessage& message) override;
    // The engine loaded or renamed a program: the picture is read again at the next draw.
    void onNotice(const std::string&) override;
    void draw(tk::CDrawContext& c, const tk::CRect& dirty) override;
    bool wantsMouse() const override { return false; }
    // A command that opens a menu waits for this tick: the button that sent it has had its
    // release by then, so it does not stay lit under the menu.
    bool onIdleTick() override;

    // Runs a command as a button would send it.
    void command(int code, float value);
    bool hasCopy() const { return !clipboard_.empty(); }
    Picture picture() const { return picture_; }
    // The picture's file for a bank path: beside the bank, ".Bnk" replaced by ".png".
    static std::string picturePath(const std::string& bankPath);
    // What the last report said (a refused file, a failed save); "" for none yet.
    const std::string& lastReport() const { return lastReport_; }

  private:
    void loadFile(int code);
    void saveFile(int code);
    bool pickerFor(int code, PickerRequest& request) const;
    bool load(int code, const std::string& path);
    bool save(int code, const std::string& path);
    void openMenuFor(int code);
    void openBankMenu();
    void report(const std::string& text);
    void confirm(const std::string& question, std::function<void()> yes);
    tk::CPoint anchor() const;
    void reloadPicture();

    EditorEngine& engine_;
    FilePicker& picker_;
    std::vector<uint8_t> clipboard_;
    Picture picture_ = Picture::Reload;
    std::shared_ptr<tk::CBitmap> image_;
    // The picture file last read, to know it again.
    struct PictureFile {
        std::string path;
        uintmax_t bytes = 0;
        std::filesystem::file_time_type written{};
        bool operator==(const PictureFile&) const = default;
    };
    PictureFile shownFile_;
    std::string lastReport_;
    int pending_ = -1; // a command waiting for the next tick
};

} // namespace tarlix
