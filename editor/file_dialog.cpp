// Placeholder: no system dialog yet; every request is refused.
#include "editor/file_dialog.h"

namespace tarlix {

struct FileDialog::Impl {};

FileDialog::FileDialog(tk::CFrame*) : impl_(std::make_unique<Impl>()) {}
FileDialog::~FileDialog() = default;
bool FileDialog::busy() const {
    return false;
}
bool FileDialog::open(const FileDialogRequest&, std::function<void(const std::string&)>) {
    return false;
}
void FileDialog::idle() {}
void FileDialog::cancel() {}

} // namespace tarlix
