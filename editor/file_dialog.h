// The system's file dialog, asked for without freezing the host: the dialog runs outside the
// host's thread (a desktop portal request or a helper process) and its answer is picked up on
// the editor's idle tick. Where no system dialog can be had, a path field drawn in the window
// takes its place. One object per open editor, destroyed before its frame; every call comes
// from the user-interface thread.
#pragma once
#include <functional>
#include <memory>
#include <string>

namespace tk {
class CFrame;
}

namespace tarlix {

struct FileDialogRequest {
    bool save = false;
    std::string title;     // the dialog's title
    std::string folder;    // the folder it starts in: absolute, forward slashes, trailing '/'
    std::string typeText;  // the file type's description, e.g. "Tarlix_2 Preset (.pst)"
    std::string extension; // with its dot, e.g. ".pst"
};

class FileDialog {
  public:
    // `frame` hosts the in-window path field when no system dialog answers.
    explicit FileDialog(tk::CFrame* frame);
    ~FileDialog();
    FileDialog(const FileDialog&) = delete;
    FileDialog& operator=(const FileDialog&) = delete;

    // True while a dialog is open; a second one is not opened then.
    bool busy() const;
    // Opens a dialog; false when one is already open or none could be started. `chosen` is
    // called later from idle() with the chosen path (forward slashes; the extension appended
    // when the file name has no dot); it is not called when the user cancels.
    bool open(const FileDialogRequest& request, std::function<void(const std::string&)> chosen);
    // The editor's idle tick: picks up an answer without blocking.
    void idle();
    // The window closes: the open dialog is abandoned and its process or request ended.
    void cancel();
    // A descriptor that becomes readable when idle() may find the answer (-1 when there is
    // nothing outside the window to wait on): lets a caller wait instead of asking on a clock.
    int waitHandle() const;
    // Whether the path field drawn in the window is showing.
    bool showingPathField() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tarlix
