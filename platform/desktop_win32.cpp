// The desktop on Windows: the common file dialog on a worker thread of its own (the host's
// thread goes on while it is open), and ShellExecuteW for folders and documents. There is no
// portal here.
#include "platform/desktop.h"

// windows.h first: the other two need its types.
#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "platform/utf16_win32.h"

namespace platform {

namespace {

// What the worker and the user-interface thread share; kept alive by both.
struct DialogShared {
    std::atomic<int> state{static_cast<int>(FileChooser::State::Running)};
    std::atomic<HWND> dialog{nullptr};
    std::atomic<bool> cancelRequested{false};
    std::string path; // written by the worker before it sets the state
};

// Learns the dialog's window (to close it on cancel) as it opens.
UINT_PTR CALLBACK dialogHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return 0;
    auto* ofn = reinterpret_cast<OPENFILENAMEW*>(lParam);
    auto* shared = reinterpret_cast<DialogShared*>(ofn->lCustData);
    HWND dialog = ::GetParent(hook); // the hook's window sits inside the real dialog
    shared->dialog.store(dialog);
    if (shared->cancelRequested.load()) ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

std::wstring backslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return toUtf16(path);
}

void runDialog(std::shared_ptr<DialogShared> shared, FileChooserRequest r) {
    constexpr DWORD kMaxPath = 32768;
    std::wstring file(kMaxPath, L'\0');
    // "description\0pattern\0\0"
    std::wstring filter = toUtf16(r.typeText);
    filter.push_back(L'\0');
    filter += toUtf16(r.pattern.empty() ? std::string("*.*") : r.pattern);
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    const std::wstring title = toUtf16(r.title);
    const std::wstring folder = backslashes(r.folder);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = nullptr; // an owner on another thread would tie the host's input to this one
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = kMaxPath;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                (r.save ? 0 : OFN_FILEMUSTEXIST);
    ofn.lpfnHook = dialogHook;
    ofn.lCustData = reinterpret_cast<LPARAM>(shared.get());

    const BOOL ok = r.save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
    FileChooser::State result = FileChooser::State::Cancelled;
    if (ok && !shared->cancelRequested.load()) {
        std::string path = toUtf8(file.c_str());
        std::replace(path.begin(), path.end(), '\\', '/');
        shared->path = path;
        result = path.empty() ? FileChooser::State::Cancelled : FileChooser::State::Chosen;
    } else if (!ok && ::CommDlgExtendedError() != 0) {
        result = FileChooser::State::Failed;
    }
    shared->state.store(static_cast<int>(result));
}

class CommonDialogChooser final : public FileChooser {
  public:
    explicit CommonDialogChooser(const FileChooserRequest& r)
        : shared_(std::make_shared<DialogShared>()), worker_(runDialog, shared_, r) {}
    ~CommonDialogChooser() override {
        cancel();
        if (worker_.joinable()) worker_.join(); // the dialog was told to close
    }
    State poll() override {
        if (state_ == State::Running) {
            state_ = static_cast<State>(shared_->state.load());
            if (state_ == State::Chosen) path_ = shared_->path;
        }
        return state_;
    }
    const std::string& path() const override { return path_; }
    void cancel() override {
        if (state_ != State::Running) return;
        shared_->cancelRequested.store(true);
        if (HWND dialog = shared_->dialog.load()) ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        state_ = State::Cancelled;
    }

  private:
    std::shared_ptr<DialogShared> shared_;
    std::thread worker_;
    State state_ = State::Running;
    std::string path_;
};

} // namespace

std::unique_ptr<FileChooser> startPortalChooser(const FileChooserRequest&) {
    return nullptr;
}

std::unique_ptr<FileChooser> startDialogProgram(const FileChooserRequest& request) {
    return std::make_unique<CommonDialogChooser>(request);
}

bool openWithDesktop(const std::string& path) {
    const std::wstring target = backslashes(path);
    if (target.empty()) return false;
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32; // larger values mean success
}

} // namespace platform
