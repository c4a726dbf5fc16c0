#include "platform/library.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <shellapi.h>

#include "platform/utf16_win32.h"

namespace platform {

namespace {
std::string lastErrorText() {
    wchar_t* text = nullptr;
    DWORD code = ::GetLastError();
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                         FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = text ? toUtf8(text) : std::string();
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return "error " + std::to_string(code) + (message.empty() ? "" : ": " + message);
}
} // namespace

SharedLibrary::SharedLibrary(const std::string& path) {
    std::wstring wide = toUtf16(path);
    handle_ = wide.empty() ? nullptr : ::LoadLibraryW(wide.c_str());
    if (!handle_) error_ = lastErrorText();
}

SharedLibrary::~SharedLibrary() {
    if (handle_) ::FreeLibrary(static_cast<HMODULE>(handle_));
}

void* SharedLibrary::symbol(const char* name) const {
    if (!handle_) return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle_), name));
}

int runCommand(const std::string& command, std::string& output) {
    output.clear();
    std::wstring wide = toUtf16(command);
    if (wide.empty()) return -1;
    FILE* p = ::_wpopen(wide.c_str(), L"rb");
    if (!p) return -1;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        output.append(buf.data(), n);
    int rc = ::_pclose(p);
    std::string unix;
    for (size_t i = 0; i < output.size(); ++i)
        if (!(output[i] == '\r' && i + 1 < output.size() && output[i + 1] == '\n'))
            unix += output[i];
    output.swap(unix);
    return rc;
}

std::string argumentUtf8(int argc, char** argv, int index) {
    if (index < 0 || index >= argc) return {};
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::string arg = wide && index < count ? toUtf8(wide[index]) : std::string(argv[index]);
    if (wide) ::LocalFree(wide);
    return arg;
}

} // namespace platform
