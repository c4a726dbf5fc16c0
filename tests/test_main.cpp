// The main of every test program. Before any test runs (and so before anything loads the
// instrument), the documents folder and the home folder point into an empty temporary folder
// of this process: no test sees a user's own banks or writes into a real home folder, and the
// tools the tests start as child processes inherit the same folders.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "tests/temp_folder.h"
#include "tests/user_folder.h"

namespace {
std::string documents;
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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
