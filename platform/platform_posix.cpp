#include "platform/platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

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

std::string withoutTrailingSlash(std::string s) {
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

bool writeAll(int fd, const uint8_t* p, size_t n) {
    while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        p += w;
        n -= static_cast<size_t>(w);
    }
    return true;
}
} // namespace

std::string documentsFolder() {
    if (const char* p = std::getenv("PUBLIC"); p && *p) return withoutTrailingSlash(p);
    if (const char* x = std::getenv("XDG_DOCUMENTS_DIR"); x && *x) return withoutTrailingSlash(x);
    std::string home = homeFolder();
    return home.empty() ? std::string() : withoutTrailingSlash(home) + "/Documents";
}

long readFileHead(const std::string& path, uint8_t* dest, size_t capacity) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    size_t got = 0;
    bool failed = false;
    while (got < capacity) {
        ssize_t r = ::read(fd, dest + got, capacity - got);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) failed = true;
        if (r <= 0) break;
        got += static_cast<size_t>(r);
    }
    ::close(fd);
    return failed ? -1 : static_cast<long>(got);
}

bool makeFolders(const std::string& folder) {
    std::string path = withoutTrailingSlash(folder);
    if (path.empty()) return false;
    for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1)) {
        std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) return false;
    return isDirectory(path);
}

bool writeFileAtomically(const std::string& path, const Span* parts, size_t partCount) {
    size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !makeFolders(path.substr(0, slash)))
        return false;
    std::string temp = path + ".partial-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = true;
    for (size_t i = 0; ok && i < partCount; ++i)
        ok = writeAll(fd, static_cast<const uint8_t*>(parts[i].data), parts[i].size);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::chmod(temp.c_str(), 0644) == 0;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool readWholeFile(const std::string& path, std::string& out) {
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    char buf[65536];
    while (ok) {
        ssize_t r = ::read(fd, buf, sizeof buf);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) ok = false;
        if (r <= 0) break;
        out.append(buf, static_cast<size_t>(r));
    }
    ::close(fd);
    if (!ok) out.clear();
    return ok;
}

bool replaceFile(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0; // rename replaces atomically here
}

bool removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

std::vector<std::string> listFolder(const std::string& folder) {
    std::vector<std::string> names;
    DIR* d = ::opendir(folder.c_str());
    if (!d) return names;
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(d);
    return names;
}

bool setEnvironmentVariable(const std::string& name, const std::string& value) {
    if (value.empty()) return ::unsetenv(name.c_str()) == 0;
    return ::setenv(name.c_str(), value.c_str(), 1) == 0;
}

} // namespace platform
