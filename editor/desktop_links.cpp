// The two logo links: the user folder and the manual page, both handed to the desktop's
// viewer in a detached process.
#include "editor/desktop_links.h"

#include <string>

#include "platform/desktop.h"
#include "platform/platform.h"

namespace tarlix {

namespace {
constexpr const char* kSubFolders[] = {"Banks/", "Presets/"};
constexpr const char* kManualName = "Manual.html";
} // namespace

bool openUserFolder() {
    const std::string folder = platform::userFolder();
    if (folder.empty()) return false;
    for (const char* sub : kSubFolders)
        if (!platform::makeFolders(folder + sub)) return false;
    return platform::openWithDesktop(folder);
}

bool openManual() {
    const std::string folder = platform::userFolder();
    const platform::Resource page = platform::findResource("manual.html", "HTML");
    if (folder.empty() || !page.data || page.size == 0) return false;
    const std::string path = folder + kManualName;
    // Rewritten when it differs: an update of the instrument brings its own manual.
    std::string onDisk;
    if (!platform::readWholeFile(path, onDisk) || onDisk.size() != page.size ||
        onDisk.compare(0, page.size, reinterpret_cast<const char*>(page.data), page.size) != 0) {
        const platform::Span part{page.data, page.size};
        if (!platform::writeFileAtomically(path, &part, 1)) return false;
    }
    return platform::openWithDesktop(path);
}

} // namespace tarlix
