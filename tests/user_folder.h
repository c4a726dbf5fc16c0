// The documents folder every test program runs with: empty at the start of the process and
// inside a temporary folder (set up by the shared test main).
#pragma once
#include <string>

#include "platform/platform.h"

namespace testenv {

// What $PUBLIC points at.
const std::string& documentsFolder();

// The instrument's own folder as the library finds it (on Windows "%Public%/Documents/Tarlix_2",
// elsewhere "$PUBLIC/Tarlix_2"), without the trailing slash.
inline std::string userFolder() {
    std::string folder = platform::userFolder();
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder;
}

} // namespace testenv
