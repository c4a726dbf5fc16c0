#include "platform/library.h"

#include <array>
#include <cstdio>
#include <dlfcn.h>
#include <sys/wait.h>

namespace platform {

SharedLibrary::SharedLibrary(const std::string& path) {
    handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) error_ = ::dlerror();
}

SharedLibrary::~SharedLibrary() {
    if (handle_) ::dlclose(handle_);
}

void* SharedLibrary::symbol(const char* name) const {
    return handle_ ? ::dlsym(handle_, name) : nullptr;
}

int runCommand(const std::string& command, std::string& output) {
    output.clear();
    FILE* p = ::popen(command.c_str(), "r");
    if (!p) return -1;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        output.append(buf.data(), n);
    int rc = ::pclose(p);
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

std::string argumentUtf8(int argc, char** argv, int index) {
    return index >= 0 && index < argc ? std::string(argv[index]) : std::string();
}

} // namespace platform
