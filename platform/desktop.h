// The desktop's services, reached without blocking the host: the system file chooser (the
// desktop's file-chooser portal, or a dialog program run as a child process) and opening a
// folder or a document in the desktop's own viewer. Every call returns at once; a chooser's
// answer is collected by polling it from the user-interface thread. One file per operating
// system implements this header.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

struct FileChooserRequest {
    bool save = false;
    std::string title;
    std::string folder;         // where it starts: absolute, '/' separators
    std::string typeText;       // the file type's description
    std::string pattern;        // the file name pattern of that type, e.g. "*.pst"
    uintptr_t parentWindow = 0; // the editor's native window, 0 when there is none
};

// One file chooser in progress outside the user-interface thread.
class FileChooser {
  public:
    enum class State {
        Running,   // no answer yet
        Chosen,    // path() holds the answer
        Cancelled, // the user closed it without a choice
        Failed     // this way of asking does not work here: try the next one
    };
    virtual ~FileChooser() = default; // a chooser still running is ended
    // Picks up progress without blocking; a final state stays.
    virtual State poll() = 0;
    // The chosen path, '/' separators (with State::Chosen).
    virtual const std::string& path() const = 0;
    // Ends the chooser: its process or request is closed; no answer follows.
    virtual void cancel() = 0;
    // A descriptor that becomes readable when poll() may have progress (-1 when none); lets
    // a caller wait for the answer instead of asking on a clock.
    virtual int waitHandle() const { return -1; }
};

// Asks the desktop's file-chooser portal on the session bus. Null when there is no session
// bus; a bus without the portal shows as State::Failed from poll().
std::unique_ptr<FileChooser> startPortalChooser(const FileChooserRequest& request);

// Runs the system's own dialog outside the user-interface thread: on Linux a dialog program
// (zenity, else kdialog) found on PATH, started without the host's library environment
// (LD_LIBRARY_PATH, LD_PRELOAD). Null when none can be started.
std::unique_ptr<FileChooser> startDialogProgram(const FileChooserRequest& request);

// Opens a folder or a document in the desktop's viewer (xdg-open on Linux) in a detached
// process that nobody needs to wait for. False when nothing could be started.
bool openWithDesktop(const std::string& path);

} // namespace platform
