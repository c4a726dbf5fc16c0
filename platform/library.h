// Loading a plug-in library as a host does (dlopen on POSIX, LoadLibraryW on Windows), and
// running a command line the way a user's shell does. Used by the tools and the tests.
#pragma once
#include <string>

namespace platform {

class SharedLibrary {
  public:
    explicit SharedLibrary(const std::string& path); // UTF-8
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; } // why loading failed
    // An exported symbol; null when the library does not export it.
    void* symbol(const char* name) const;

  private:
    void* handle_ = nullptr;
    std::string error_;
};

// Runs `command` through the system's command interpreter, collecting what it writes to
// standard output (with "\r\n" as "\n"). Returns its exit status, or -1 when it could not run.
int runCommand(const std::string& command, std::string& output);

// The program's arguments as UTF-8, whatever the system's code page.
std::string argumentUtf8(int argc, char** argv, int index);

} // namespace platform
