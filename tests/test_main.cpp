// The main of every test program. Before any test runs (and so before anything loads the
// instrument), the documents folder and the home folder point into an empty temporary folder
// of this process: no test sees a user's own banks or writes into a real home folder, and the
// tools the tests start as child processes inherit the same folders. The desktop is out of
// reach too: no session bus (no file-chooser portal), and stand-ins that answer "cancelled"
// come first on PATH for the dialog programs and the desktop opener, so a click that lands on
// "File Selector" or a logo never opens a real dialog or browser.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "platform/platform.h"
#include "tests/temp_folder.h"
#include "tests/user_folder.h"

namespace {
std::string documents;

// A stand-in for each program the editor may start on the desktop: it exits at once, as a
// cancelled dialog does.
void shadowDesktopPrograms(const std::filesystem::path& bin) {
    std::filesystem::create_directories(bin);
    for (const char* name : {"zenity", "kdialog", "xdg-open"}) {
        std::ofstream(bin / name) << "#!/bin/sh\nexit 1\n";
        std::filesystem::permissions(bin / name, std::filesystem::perms::owner_all);
    }
    const char* path = std::getenv("PATH");
    const char* separator = std::filesystem::path::preferred_separator == '\\' ? ";" : ":";
    platform::setEnvironmentVariable("PATH", bin.string() + separator + (path ? path : ""));
    platform::setEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS", "");
}
} // namespace

namespace testenv {
const std::string& documentsFolder() {
    return documents;
}
} // namespace testenv

int main(int argc, char** argv) {
    testfiles::TempFolder folder;
    if (folder.path.empty()) return 2;
    // Not ASCII: paths stay UTF-8 from the library down to the system's file calls.
    documents = folder / "Documents Öffentlich 音";
    std::filesystem::create_directories(documents);
    std::filesystem::create_directories(folder / "home");
    platform::setEnvironmentVariable("PUBLIC", documents);
    platform::setEnvironmentVariable("XDG_DOCUMENTS_DIR", documents);
    platform::setEnvironmentVariable("HOME", folder / "home");
    shadowDesktopPrograms(folder / "bin");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
