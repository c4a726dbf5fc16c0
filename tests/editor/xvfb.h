// A private X server for a test: Xvfb on a display number it picks itself (-displayfd), no
// TCP, stopped when the object goes. The test reads the number from a pipe, which blocks
// until the server is ready: no waiting on the clock.
#pragma once
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace editortest {

class Xvfb {
  public:
    // A 24-bit screen; `depth` 16 gives a visual that needs converting. `size` is the screen's
    // "WIDTHxHEIGHT" (a zoomed editor needs more than the default).
    explicit Xvfb(int depth = 24, const char* size = "1280x1024") {
        std::string screen = std::string(size) + "x" + std::to_string(depth);
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            int quiet = open("/dev/null", O_WRONLY);
            if (quiet >= 0) {
                dup2(quiet, 1);
                dup2(quiet, 2);
            }
            std::string fd = std::to_string(fds[1]);
            // Without shared memory: Cairo's Xlib uploads through it keep a record past
            // the device's end, which leak checking would report.
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0",
                   screen.c_str(), "-dpi", "96", "-extension", "MIT-SHM",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        char c;
        while (pid_ > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty()) {
            stop();
            return;
        }
        display_ = ":" + number;
        setenv("DISPLAY", display_.c_str(), 1);
    }
    ~Xvfb() { stop(); }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    bool running() const { return !display_.empty(); }
    const std::string& display() const { return display_; }

  private:
    void stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }
    pid_t pid_ = -1;
    std::string display_;
};

} // namespace editortest
