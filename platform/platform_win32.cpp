// Files and folders on Windows. Paths arrive as UTF-8 and reach the system as UTF-16 (the
// "W" functions), so folder names outside the ANSI code page work.
#include "platform/platform.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

#include "platform/utf16_win32.h"

namespace platform {

namespace {

// Backslashes to slashes, so one separator serves every path function here.
std::string withSlashes(std::string s) {
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

std::string withoutTrailingSlash(std::string s) {
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

bool isDirectory(const std::wstring& p) {
    DWORD a = ::GetFileAttributesW(p.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// A file opened for reading that closes itself.
struct ReadHandle {
    HANDLE h;
    explicit ReadHandle(const std::string& path) {
        std::wstring wide = toUtf16(path);
        h = wide.empty() ? INVALID_HANDLE_VALUE
                         : ::CreateFileW(wide.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE && ::GetFileType(h) != FILE_TYPE_DISK) {
            ::CloseHandle(h);
            h = INVALID_HANDLE_VALUE;
        }
    }
    ~ReadHandle() {
        if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
    }
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;
    bool ok() const { return h != INVALID_HANDLE_VALUE; }
    // Fills up to `n` bytes; -1 on a read error.
    long long read(uint8_t* dest, size_t n) {
        size_t got = 0;
        while (got < n) {
            DWORD want = static_cast<DWORD>(std::min<size_t>(n - got, 1u << 30)), did = 0;
            if (!::ReadFile(h, dest + got, want, &did, nullptr)) return -1;
            if (did == 0) break;
            got += did;
        }
        return static_cast<long long>(got);
    }
};

bool writeAll(HANDLE h, const uint8_t* p, size_t n) {
    while (n > 0) {
        DWORD want = static_cast<DWORD>(std::min<size_t>(n, 1u << 30)), did = 0;
        if (!::WriteFile(h, p, want, &did, nullptr) || did == 0) return false;
        p += did;
        n -= did;
    }
    return true;
}

// A name beside `path` that no other writer in this or another process picks.
std::string partialName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".partial-" + std::to_string(::GetCurrentProcessId()) + "-" +
           std::to_string(counter.fetch_add(1));
}

} // namespace

std::string documentsFolder() {
    wchar_t expanded[MAX_PATH * 2];
    DWORD n = ::ExpandEnvironmentStringsW(L"%Public%", expanded, MAX_PATH * 2);
    if (n == 0 || n > MAX_PATH * 2) return {};
    std::string base = withoutTrailingSlash(withSlashes(toUtf8(expanded)));
    if (base.empty() || base.find('%') != std::string::npos) return {}; // not set
    return base + "/Documents";
}

long readFileHead(const std::string& path, uint8_t* dest, size_t capacity) {
    ReadHandle f(withSlashes(path));
    if (!f.ok()) return -1;
    return static_cast<long>(f.read(dest, capacity));
}

bool readWholeFile(const std::string& path, std::string& out) {
    out.clear();
    ReadHandle f(withSlashes(path));
    LARGE_INTEGER size{};
    if (!f.ok() || !::GetFileSizeEx(f.h, &size) || size.QuadPart < 0) return false;
    out.resize(static_cast<size_t>(size.QuadPart));
    long long got = f.read(reinterpret_cast<uint8_t*>(out.data()), out.size());
    if (got < 0) {
        out.clear();
        return false;
    }
    out.resize(static_cast<size_t>(got)); // a file that shrank while being read
    return true;
}

bool makeFolders(const std::string& folder) {
    std::string path = withoutTrailingSlash(withSlashes(folder));
    if (path.empty()) return false;
    // Drive roots and share names cannot be created; only the last answer counts.
    for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1))
        ::CreateDirectoryW(toUtf16(path.substr(0, at)).c_str(), nullptr);
    std::wstring wide = toUtf16(path);
    if (wide.empty()) return false;
    ::CreateDirectoryW(wide.c_str(), nullptr);
    return isDirectory(wide);
}

bool writeFileAtomically(const std::string& target, const Span* parts, size_t partCount) {
    const std::string path = withSlashes(target);
    size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !makeFolders(path.substr(0, slash)))
        return false;
    const std::string temp = partialName(path);
    const std::wstring wideTemp = toUtf16(temp), wideTarget = toUtf16(path);
    if (wideTemp.empty() || wideTarget.empty()) return false;
    HANDLE h = ::CreateFileW(wideTemp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    for (size_t i = 0; ok && i < partCount; ++i)
        ok = writeAll(h, static_cast<const uint8_t*>(parts[i].data), parts[i].size);
    ok = ok && ::FlushFileBuffers(h);
    ok = ::CloseHandle(h) && ok;
    ok = ok && ::MoveFileExW(wideTemp.c_str(), wideTarget.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) ::DeleteFileW(wideTemp.c_str());
    return ok;
}

bool replaceFile(const std::string& from, const std::string& to) {
    std::wstring a = toUtf16(withSlashes(from)), b = toUtf16(withSlashes(to));
    return !a.empty() && !b.empty() &&
           ::MoveFileExW(a.c_str(), b.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool removeFile(const std::string& path) {
    std::wstring wide = toUtf16(withSlashes(path));
    if (wide.empty()) return false;
    return ::DeleteFileW(wide.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

std::vector<std::string> listFolder(const std::string& folder) {
    std::vector<std::string> names;
    std::wstring pattern = toUtf16(withoutTrailingSlash(withSlashes(folder)) + "/*");
    WIN32_FIND_DATAW found;
    HANDLE h = ::FindFirstFileW(pattern.c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = toUtf8(found.cFileName);
        if (name != "." && name != "..") names.push_back(name);
    } while (::FindNextFileW(h, &found));
    ::FindClose(h);
    return names;
}

bool setEnvironmentVariable(const std::string& name, const std::string& value) {
    std::wstring n = toUtf16(name);
    if (n.empty()) return false;
    if (value.empty())
        return ::SetEnvironmentVariableW(n.c_str(), nullptr) ||
               ::GetLastError() == ERROR_ENVVAR_NOT_FOUND;
    std::wstring v = toUtf16(value);
    return !v.empty() && ::SetEnvironmentVariableW(n.c_str(), v.c_str());
}

} // namespace platform
