#include "editor/file_picker.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "editor/file_dialog.h"
#include "editor/toolkit/ccontrols.h"
#include "editor/toolkit/cframe.h"
#include "platform/platform.h"

namespace tarlix {

namespace fs = std::filesystem;

namespace {

// Paths are UTF-8 strings everywhere else; the file system library wants its own type.
fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}
std::string fromPath(const fs::path& p) {
    std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

bool endsWithNoCase(const std::string& name, const std::string& tail) {
    if (name.size() <= tail.size()) return false; // a name, not only the extension
    return std::equal(tail.rbegin(), tail.rend(), name.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

bool lessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

FilePicker::FilePicker(tk::CFrame* frame, FileDialog* dialog) : frame_(frame), dialog_(dialog) {}

std::string FilePicker::baseFolder() {
    return platform::userFolder();
}

bool FilePicker::exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(toPath(path), ec);
}

FilePicker::Listing FilePicker::list(const std::string& folder, const std::string& extension) {
    Listing out;
    std::error_code ec;
    fs::directory_iterator it(toPath(folder), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string name = fromPath(it->path().filename());
        if (name.empty() || name.rfind("._", 0) == 0) continue; // resource-fork litter
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            if (name[0] != '.') out.folders.push_back(name);
        } else if (endsWithNoCase(name, extension) &&
                   out.files.size() < static_cast<size_t>(kMaxFiles)) {
            out.files.push_back(name);
        }
    }
    std::sort(out.folders.begin(), out.folders.end(), lessNoCase);
    std::sort(out.files.begin(), out.files.end(), lessNoCase);
    return out;
}

std::vector<FilePicker::Line> FilePicker::lines(const PickerRequest& request,
                                                const Listing& listing) {
    std::vector<Line> out;
    out.push_back({Line::Inert, request.title});
    out.push_back({Line::Dialog, {}});
    if (!listing.folders.empty()) {
        out.push_back({Line::Inert, kSeparator});
        for (const std::string& f : listing.folders)
            out.push_back({Line::Folder, f});
    }
    out.push_back({Line::Inert, kSeparator});
    for (const std::string& f : listing.files)
        out.push_back({Line::File, f});
    return out;
}

std::string FilePicker::text(const PickerRequest& request, const Line& line) {
    switch (line.kind) {
    case Line::Dialog:
        return request.save ? kSaveDialogEntry : kDialogEntry;
    case Line::Folder:
        return "[ " + line.name + " ]";
    case Line::File: // without its extension
        return line.name.substr(0, line.name.size() - request.extension.size());
    case Line::Inert:
        break;
    }
    return line.name;
}

tk::CPoint FilePicker::placeFor(tk::CPoint at, int files) {
    if (at.y > kLiftBelow) at.y = std::max(0, at.y - kRowLift * files);
    return at;
}

bool FilePicker::busy() const {
    return dialog_ && dialog_->busy();
}

const std::string& FilePicker::lastChoice(int slot) const {
    static const std::string none;
    return slot >= 0 && slot < kSlots ? last_[static_cast<size_t>(slot)] : none;
}

void FilePicker::remember(int slot, const std::string& path) {
    if (slot >= 0 && slot < kSlots) last_[static_cast<size_t>(slot)] = path;
}

bool FilePicker::open(const PickerRequest& request,
                      std::function<void(const std::string&)> chosen) {
    if (!frame_ || (dialog_ && dialog_->busy())) return false; // one at a time
    const std::string base = baseFolder();
    const std::string folder = base + request.folder;
    if (base.empty() || folder.size() + 1 >= static_cast<size_t>(kMaxPath)) return false;
    Listing listing = list(folder, request.extension);
    if (listing.files.empty() && listing.folders.empty())
        return openDialog(request, std::move(chosen));

    std::vector<Line> menu = lines(request, listing);
    std::vector<std::string> items;
    int checked = -1;
    for (const Line& l : menu) {
        if (l.kind == Line::File && folder + l.name == lastChoice(request.slot))
            checked = static_cast<int>(items.size());
        items.push_back(text(request, l));
    }
    tk::CPoint at = placeFor(request.at, static_cast<int>(listing.files.size()));
    tk::openPopupList(frame_, tk::CRect{at.x, at.y, at.x, at.y}, std::move(items), checked,
                      [this, request, menu, folder, chosen](int i) {
                          if (i < 0 || i >= static_cast<int>(menu.size())) return;
                          const Line& l = menu[static_cast<size_t>(i)];
                          if (l.kind == Line::Dialog) {
                              if (!openDialog(request, chosen) && !busy() && onNoDialog)
                                  onNoDialog(request);
                          } else if (l.kind == Line::Folder) {
                              PickerRequest deeper = request;
                              deeper.folder += l.name + "/";
                              open(deeper, chosen);
                          } else if (l.kind == Line::File) {
                              const std::string path = folder + l.name;
                              if (path.size() + 1 > static_cast<size_t>(kMaxPath)) return;
                              remember(request.slot, path);
                              chosen(path);
                          }
                      });
    return true;
}

bool FilePicker::openDialog(const PickerRequest& request,
                            std::function<void(const std::string&)> chosen) {
    if (!dialog_ || dialog_->busy()) return false;
    FileDialogRequest ask;
    ask.save = request.save;
    ask.title = request.dialogTitle.empty() ? request.title : request.dialogTitle;
    ask.folder = baseFolder() + request.folder;
    ask.typeText = request.typeText;
    ask.extension = request.extension;
    if (request.save) platform::makeFolders(ask.folder); // a save dialog starts inside it
    const int slot = request.slot;
    return dialog_->open(ask, [this, slot, chosen](const std::string& path) {
        if (path.empty() || path.size() + 1 > static_cast<size_t>(kMaxPath)) return;
        remember(slot, path);
        chosen(path);
    });
}

} // namespace tarlix
