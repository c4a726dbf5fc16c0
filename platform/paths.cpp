// The instrument's folders, from the system's documents folder: the same on every system.
#include "platform/platform.h"

namespace platform {

std::string userFolder() {
    std::string docs = documentsFolder();
    return docs.empty() ? std::string() : docs + "/Tarlix_2/";
}

bool expandPublicPath(const std::string& pattern, std::string& out, size_t maxBytes) {
    std::string result = pattern;
    for (char& c : result)
        if (c == '\\') c = '/';
    const std::string key = "%Public%/Documents";
    for (size_t at = result.find(key); at != std::string::npos; at = result.find(key, at)) {
        std::string base = documentsFolder();
        if (base.empty()) return false;
        result.replace(at, key.size(), base);
        at += base.size();
    }
    if (result.find('%') != std::string::npos) return false; // an unknown variable stays unknown
    if (result.size() + 1 > maxBytes) return false;
    out = result;
    return true;
}

} // namespace platform
