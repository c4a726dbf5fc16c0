#pragma once
// A fresh folder of its own for each test: ctest runs tests in parallel processes, so a
// fixed name under the temp root would let one test delete another's files mid-run.
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace testfiles {

struct TempFolder {
    std::string path;
    TempFolder() {
        std::error_code ec;
        const std::filesystem::path root = std::filesystem::temp_directory_path(ec);
        std::random_device entropy; // a name, not a value any test depends on
        for (int attempt = 0; attempt < 100 && path.empty() && !ec; ++attempt) {
            std::filesystem::path p = root / ("tarlix-test-" + std::to_string(entropy()));
            if (std::filesystem::create_directory(p, ec)) path = p.generic_string();
        }
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
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(path, ec))
            if (std::string name = e.path().filename().string(); name[0] != '.')
                names.push_back(name);
        return names;
    }
};

} // namespace testfiles
