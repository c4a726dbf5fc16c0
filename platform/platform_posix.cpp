#include "platform/platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

Resource findResource(const char*, const char*) {
    return {}; // the resource table is generated once factory content exists
}

namespace {
std::string homeFolder() {
    const char* h = std::getenv("HOME");
    if (h && *h) return h;
    if (passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

bool isDirectory(const std::string& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The folder that plays the role of the shared "Public" folder.
std::string publicBase() {
    if (const char* o = std::getenv("TARLIX2_HOME"); o && *o) return std::string(o);
    std::string home = homeFolder();
    return home.empty() ? std::string() : home;
}
} // namespace

std::string userFolder() {
    if (const char* o = std::getenv("TARLIX2_HOME"); o && *o) {
        std::string base = std::string(o) + "/Documents/Tarlix_2/";
        return isDirectory(base) ? base : std::string();
    }
    std::string home = homeFolder();
    if (home.empty()) return {};
    std::string base = home + "/Documents/Tarlix_2/";
    return isDirectory(base) ? base : std::string();
}

bool expandPublicPath(const std::string& pattern, std::string& out, size_t maxBytes) {
    const std::string key = "%Public%";
    std::string result;
    size_t pos = 0;
    while (true) {
        size_t at = pattern.find(key, pos);
        if (at == std::string::npos) {
            result += pattern.substr(pos);
            break;
        }
        std::string base = publicBase();
        if (base.empty()) return false;
        result += pattern.substr(pos, at - pos) + base;
        pos = at + key.size();
    }
    for (char& c : result)
        if (c == '\\') c = '/';
    if (result.size() + 1 > maxBytes) return false;
    out = result;
    return true;
}

bool readMagicPayload(const std::string& path, const char magic[4], uint8_t* dest, size_t size,
                      uint8_t* staging) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    auto readFully = [fd](uint8_t* p, size_t n) {
        size_t got = 0;
        while (got < n) {
            ssize_t r = ::read(fd, p + got, n - got);
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) return false;
            got += static_cast<size_t>(r);
        }
        return true;
    };
    uint8_t head[4];
    bool ok = readFully(head, 4) && std::memcmp(head, magic, 4) == 0 && readFully(staging, size);
    ::close(fd);
    if (ok) std::memcpy(dest, staging, size); // a short or refused file changes nothing
    return ok;
}

} // namespace platform
