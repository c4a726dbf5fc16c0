#include "editor/command_centre.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "editor/desktop_links.h"
#include "editor/editor_engine.h"
#include "editor/toolkit/ccontrols.h"
#include "editor/toolkit/cdrawcontext.h"
#include "editor/toolkit/cframe.h"
#include "platform/platform.h"

namespace tarlix {

const SectionFiles kSectionFiles[4] = {
    {".SQp", "LOAD SEQ PRESET", "SAVE SEQ PRESET", "Tarlix SEQ Preset (.SQp)", 500, 262},
    {".OSp", "LOAD OSC PRESET", "SAVE OSC PRESET", "Tarlix OSC Preset (.OSp)", 126, 203},
    {".FLp", "LOAD FILTER PRESET", "SAVE FILTER PRESET", "Tarlix FILTER Preset (.FLp)", 720, 16},
    {".ECp", "LOAD ECHO PRESET", "SAVE ECHO PRESET", "Tarlix ECHO Preset (.ECp)", 500, 462},
};

namespace {

constexpr int kSections = 4;
constexpr int kLastProgram = 127;
constexpr tk::CPoint kPanelMenuAt{770, 500};
// Picker slots: each kind of file remembers its own last choice.
constexpr int kBankSlot = 0;
constexpr int kSectionSlot = 1; // + section
constexpr int kPresetSlot = 5;
constexpr int kMidiMapSlot = 6;
constexpr const char* kPictureExtension = ".png";
constexpr const char* kBankExtension = ".Bnk";

// The files that hold a whole bank, a whole program or the controller map: their commands,
// menu and dialog titles, folder, extension and picker slot.
struct WholeFiles {
    int loadCode, saveCode;
    const char *loadTitle, *saveTitle, *loadDialogTitle, *saveDialogTitle;
    const char *folder, *extension, *typeText;
    int slot;
};
constexpr WholeFiles kWholeFiles[] = {
    {command::kLoadBank, command::kSaveBank, "LOAD BANK", "SAVE BANK", "LOAD Tarlix_2 Preset Bank",
     "SAVE Tarlix_2 Preset Bank", "Banks/", kBankExtension, "Tarlix_2 Preset Banks (.Bnk)",
     kBankSlot},
    {command::kLoadPreset, command::kSavePreset, "LOAD PRESET", "SAVE PRESET",
     "LOAD Tarlix_2 Preset", "SAVE Tarlix_2 Preset", "Presets/", ".pst", "Tarlix_2 Preset (.pst)",
     kPresetSlot},
    {command::kLoadMidiMap, command::kSaveMidiMap, "LOAD MIDI CC MAP", "SAVE MIDI CC MAP",
     "LOAD Tarlix MIDI CC Map", "SAVE Tarlix MIDI CC Map", "Presets/", ".mmp",
     "Tarlix MIDI CC Map (.mmp)", kMidiMapSlot},
};

// The bank menu's lines and the command each one sends.
struct BankMenuLine {
    const char* text;
    int code; // -1: none
};
constexpr BankMenuLine kBankMenu[] = {
    {FilePicker::kSeparator, -1},
    {"Load Bank", command::kLoadBank},
    {"Save Bank", command::kSaveBank},
    {FilePicker::kSeparator, -1},
    {"Load Midi CC Map", command::kLoadMidiMap},
    {"Save Midi CC Map", command::kSaveMidiMap},
    {"Exit", -1},
};

std::string fileName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool endsWithNoCase(const std::string& s, const std::string& tail) {
    if (s.size() < tail.size()) return false;
    for (size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - tail.size() + i])) !=
            std::tolower(static_cast<unsigned char>(tail[i])))
            return false;
    return true;
}

} // namespace

QX_WebLinks::QX_WebLinks(const tk::CRect& size, int32_t tag, EditorEngine& engine,
                         FilePicker& picker)
    : tk::CControl(size, nullptr, tag), engine_(engine), picker_(picker) {
    picker_.onNoDialog = [this](const PickerRequest& r) {
        report("No file dialog could be opened for " + r.folder);
    };
}

QX_WebLinks::~QX_WebLinks() {
    picker_.onNoDialog = nullptr;
}

void QX_WebLinks::onLink(const LinkMessage& message) {
    if (message.type != kLinkValue || (context_ && context_->building())) return;
    command(message.code, message.value);
}

void QX_WebLinks::onNotice(const std::string&) {
    picture_ = Picture::Reload;
    setDirty();
}

tk::CPoint QX_WebLinks::anchor() const {
    return kPanelMenuAt;
}

void QX_WebLinks::command(int code, float value) {
    if (!std::isfinite(value)) return;
    // The bank menu and program selection act on any value; the rest on a press only.
    if (code != command::kBankMenu && code != command::kSelectProgram && value <= 0.0f) return;
    const int current = engine_.currentProgram();
    switch (code) {
    case command::kUserFolder:
        if (!openUserFolder()) report("The user folder could not be opened");
        break;
    case command::kManual:
        if (!openManual()) report("The manual could not be opened");
        break;
    case command::kBankMenu:
        pending_ = code;
        wantIdle();
        break;
    case command::kSelectProgram: {
        // The name menu selected the program itself; a value naming another one selects it.
        int p = static_cast<int>(value);
        if (p >= 0 && p <= kLastProgram && p != current) engine_.selectProgram(p);
        break;
    }
    case command::kNextProgram:
        if (current < kLastProgram) engine_.selectProgram(current + 1);
        break;
    case command::kPreviousProgram:
        if (current > 0) engine_.selectProgram(current - 1);
        break;
    case command::kCopyProgram:
        clipboard_ = engine_.copyProgram();
        break;
    case command::kPasteProgram:
        if (hasCopy() && engine_.pasteProgram(clipboard_)) onNotice({});
        break;
    default: {
        PickerRequest r;
        if (pickerFor(code, r)) {
            pending_ = code;
            wantIdle();
        }
        break;
    }
    }
}

bool QX_WebLinks::onIdleTick() {
    const int code = pending_;
    pending_ = -1;
    if (code >= 0) openMenuFor(code);
    return false;
}

void QX_WebLinks::openMenuFor(int code) {
    if (code == command::kBankMenu) {
        openBankMenu();
        return;
    }
    PickerRequest r;
    if (!pickerFor(code, r)) return;
    if (r.save)
        saveFile(code);
    else
        loadFile(code);
}

bool QX_WebLinks::pickerFor(int code, PickerRequest& r) const {
    r = {};
    r.at = anchor();
    for (const WholeFiles& f : kWholeFiles) {
        if (code != f.loadCode && code != f.saveCode) continue;
        r.save = code == f.saveCode;
        r.title = r.save ? f.saveTitle : f.loadTitle;
        r.dialogTitle = r.save ? f.saveDialogTitle : f.loadDialogTitle;
        r.folder = f.folder;
        r.extension = f.extension;
        r.typeText = f.typeText;
        r.slot = f.slot;
        return true;
    }
    int s = -1;
    if (code >= command::kLoadSection && code < command::kLoadSection + kSections)
        s = code - command::kLoadSection;
    else if (code >= command::kSaveSection && code < command::kSaveSection + kSections) {
        s = code - command::kSaveSection;
        r.save = true;
    }
    if (s < 0) return false;
    const SectionFiles& f = kSectionFiles[s];
    r.title = r.dialogTitle = r.save ? f.saveTitle : f.loadTitle;
    r.folder = "Presets/";
    r.extension = f.extension;
    r.typeText = f.typeText;
    r.slot = kSectionSlot + s;
    r.at = {f.x, f.y};
    return true;
}

void QX_WebLinks::loadFile(int code) {
    PickerRequest r;
    if (!pickerFor(code, r)) return;
    bool opened = picker_.open(r, [this, code](const std::string& path) {
        if (!load(code, path))
            report("Not loaded: " + fileName(path) + " is not a complete Tarlix file");
    });
    if (!opened && !picker_.busy()) report("No " + r.extension + " files in " + r.folder);
}

void QX_WebLinks::saveFile(int code) {
    PickerRequest r;
    if (!pickerFor(code, r)) return;
    bool opened = picker_.open(r, [this, code](const std::string& path) {
        auto write = [this, code, path] {
            if (!save(code, path)) report("Not saved: " + fileName(path) + " could not be written");
        };
        if (FilePicker::exists(path))
            confirm("Replace " + fileName(path) + "?", write);
        else
            write();
    });
    if (!opened && !picker_.busy()) report("No file dialog to name a new file in " + r.folder);
}

bool QX_WebLinks::load(int code, const std::string& path) {
    bool ok = false;
    if (code == command::kLoadBank)
        ok = engine_.loadBank(path);
    else if (code == command::kLoadPreset)
        ok = engine_.loadPreset(path);
    else if (code == command::kLoadMidiMap)
        ok = engine_.loadMidiMap(path);
    else
        ok = engine_.loadSection(code - command::kLoadSection, path);
    // A refused bank leaves the bank, and so its picture, as they were.
    if (ok && code == command::kLoadBank) onNotice({});
    return ok;
}

bool QX_WebLinks::save(int code, const std::string& path) {
    bool ok = false;
    if (code == command::kSaveBank)
        ok = engine_.saveBank(path);
    else if (code == command::kSavePreset)
        ok = engine_.savePreset(path);
    else if (code == command::kSaveMidiMap)
        ok = engine_.saveMidiMap(path);
    else
        ok = engine_.saveSection(code - command::kSaveSection, path);
    if (ok && code == command::kSaveBank) onNotice({}); // the bank has a new home
    return ok;
}

void QX_WebLinks::openBankMenu() {
    std::vector<std::string> items;
    for (const BankMenuLine& l : kBankMenu)
        items.emplace_back(l.text);
    tk::CPoint at = anchor();
    tk::openPopupList(getFrame(), tk::CRect{at.x, at.y, at.x, at.y}, std::move(items), -1,
                      [this](int i) {
                          if (i < 0 || i >= static_cast<int>(std::size(kBankMenu))) return;
                          int code = kBankMenu[i].code;
                          if (code >= 0) command(code, 1.0f);
                      });
}

void QX_WebLinks::report(const std::string& text) {
    lastReport_ = text;
    tk::CPoint at = anchor();
    tk::openPopupList(getFrame(), tk::CRect{at.x, at.y, at.x, at.y}, {text, "OK"}, -1, [](int) {});
}

void QX_WebLinks::confirm(const std::string& question, std::function<void()> yes) {
    tk::CPoint at = anchor();
    tk::openPopupList(getFrame(), tk::CRect{at.x, at.y, at.x, at.y},
                      {question, "Replace", "Cancel"}, -1, [yes](int i) {
                          if (i == 1) yes();
                      });
}

// ---- the bank picture ---------------------------------------------------------------------

std::string QX_WebLinks::picturePath(const std::string& bankPath) {
    std::string path = bankPath.substr(0, std::min<size_t>(bankPath.size(), FilePicker::kMaxPath));
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty()) return {};
    if (path.find('/') == std::string::npos) {
        const std::string base = FilePicker::baseFolder();
        if (base.empty()) return {}; // no user folder: no picture
        path = base + "Banks/" + path;
    }
    if (endsWithNoCase(path, kBankExtension))
        path.resize(path.size() - std::strlen(kBankExtension));
    return path + kPictureExtension;
}

void QX_WebLinks::reloadPicture() {
    // Built in a local string: the bank path slot itself is never written here.
    const std::string path = picturePath(engine_.bankPath());
    std::error_code sizeError, timeError;
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    const auto bytes = std::filesystem::file_size(file, sizeError);
    const auto written = std::filesystem::last_write_time(file, timeError);
    // Program changes come often: the same file, unchanged, is not decoded again.
    const PictureFile seen{path, sizeError ? 0 : bytes,
                           timeError ? std::filesystem::file_time_type{} : written};
    if (seen == shownFile_ && picture_ == Picture::Reload && image_) {
        picture_ = Picture::Ready;
        return;
    }
    shownFile_ = seen;
    picture_ = Picture::Failed;
    image_.reset();
    std::string data;
    if (!path.empty() && !sizeError && bytes > 0 && bytes <= kMaxPictureBytes &&
        platform::readWholeFile(path, data))
        image_ = tk::CBitmap::decodePng(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    if (image_) picture_ = Picture::Ready;
}

void QX_WebLinks::draw(tk::CDrawContext& c, const tk::CRect&) {
    if (picture_ == Picture::Reload) reloadPicture();
    if (picture_ != Picture::Ready || !image_) return;
    const tk::CRect& own = getViewSize();
    const double scale = static_cast<double>(own.width()) / image_->width();
    // As wide as the panel, filtered; what is taller than the panel is cut off.
    c.push(0, 0, tk::CRect{0, 0, own.width(), own.height()});
    c.scale(scale);
    c.drawBitmap(*image_, tk::CRect{0, 0, image_->width(), image_->height()});
    c.pop();
}

} // namespace tarlix
