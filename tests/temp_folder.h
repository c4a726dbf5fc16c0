#pragma once
// A fresh folder of its own for each test: ctest runs tests in parallel processes, so a
// fixed name under the temp root would let one test delete another's files mid-run.
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <string>
#include <vector>

namespace testfiles {

struct TempFolder {
    std::string path;
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarlix-test-XXXXXX").string();
        if (char* made = mkdtemp(pattern.data())) path = made;
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string operator/(const std::string& name) const { return path + "/" + name; }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        if (DIR* d = opendir(path.c_str())) {
            while (dirent* e = readdir(d))
                if (e->d_name[0] != '.') names.push_back(e->d_name);
            closedir(d);
        }
        return names;
    }
};

} // namespace testfiles
