// The preset panel's file picker: a menu drawn in the window that lists the files of one kind
// in a folder under the user folder, its sub-folders as "[ name ]" entries, and a line that
// opens the system file dialog instead. One picker per open editor, on the user-interface
// thread; it remembers the last file chosen in each of its slots and shows it checked.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "editor/toolkit/geometry.h"

namespace tk {
class CFrame;
}

namespace tarlix {

class FileDialog;

struct PickerRequest {
    std::string title;       // the menu's first line, e.g. "LOAD BANK"
    std::string folder;      // under the user folder, with a trailing '/', e.g. "Banks/"
    std::string extension;   // with its dot, e.g. ".Bnk"
    std::string dialogTitle; // the system dialog's title
    std::string typeText;    // the system dialog's file type, e.g. "Tarlix_2 Preset (.pst)"
    int slot = 0;            // whose last choice is checked, 0..kSlots-1
    tk::CPoint at;           // where the menu opens, frame coordinates
    bool save = false;
};

class FilePicker {
  public:
    static constexpr int kSlots = 50;
    static constexpr int kMaxFiles = 500;
    static constexpr int kMaxPath = 260; // bytes, terminating zero included
    // A long list opens this much higher per file, so it fits below its place.
    static constexpr int kRowLift = 16;
    static constexpr int kLiftBelow = 200;
    static constexpr const char* kSeparator = "----------------";
    static constexpr const char* kDialogEntry = "File Selector";
    static constexpr const char* kSaveDialogEntry = "File Selector (Save as)...";

    struct Listing {
        std::vector<std::string> folders; // names of the sub-folders
        std::vector<std::string> files;   // file names with their extension
    };
    // What a menu line does.
    struct Line {
        enum Kind { Inert, Dialog, Folder, File } kind = Inert;
        std::string name;
    };

    FilePicker(tk::CFrame* frame, FileDialog* dialog);

    // Told when the user asked for the system dialog and none could be opened.
    std::function<void(const PickerRequest&)> onNoDialog;

    // Lists the folder and opens the menu; with no files, the system dialog at once. `chosen`
    // gets the full path of the file picked (later, from idle, when the dialog answers). False
    // when nothing could be opened: a dialog is already open, or there is no file to list and
    // no dialog to ask.
    bool open(const PickerRequest& request, std::function<void(const std::string&)> chosen);
    // True while the system dialog is open: no second picker opens then.
    bool busy() const;
    // The last path chosen in a slot ("" for none).
    const std::string& lastChoice(int slot) const;

    // The sub-folders and matching files of a folder, sorted, without names that begin with
    // "._", at most kMaxFiles files; the extension compares without regard to case.
    static Listing list(const std::string& folder, const std::string& extension);
    // The menu's lines for a listing and what each does.
    static std::vector<Line> lines(const PickerRequest& request, const Listing& listing);
    // The menu's text for a line.
    static std::string text(const PickerRequest& request, const Line& line);
    // Where the menu opens for `files` files.
    static tk::CPoint placeFor(tk::CPoint at, int files);
    // The user folder's absolute path, forward slashes, trailing '/' ("" when unknown).
    static std::string baseFolder();
    static bool exists(const std::string& path);

  private:
    bool openDialog(const PickerRequest& request, std::function<void(const std::string&)> chosen);
    void remember(int slot, const std::string& path);

    tk::CFrame* frame_;
    FileDialog* dialog_;
    std::array<std::string, kSlots> last_;
};

} // namespace tarlix
