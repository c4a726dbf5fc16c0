// The documents folder every test program runs with: empty at the start of the process and
// inside a temporary folder (set up by the shared test main).
#pragma once
#include <string>

namespace testenv {

// What $PUBLIC points at; the instrument's user folder is its "Tarlix_2/" subfolder.
const std::string& documentsFolder();

inline std::string userFolder() {
    return documentsFolder() + "/Tarlix_2";
}

} // namespace testenv
