// The desktop on Linux: the file-chooser portal over a private, non-blocking D-Bus
// connection; zenity or kdialog as a child process read through a non-blocking pipe;
// xdg-open started detached. Children never see the host's library environment (a host's
// bundled libraries make the desktop's programs fail to start) and are always reaped.
#include "platform/desktop.h"

#include <dbus/dbus.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

extern char** environ;

namespace platform {

namespace {

// ---- child processes --------------------------------------------------------------------

// The host's own library settings, kept out of every child.
constexpr std::string_view kHostOnly[] = {"LD_LIBRARY_PATH=", "LD_PRELOAD="};
// A dialog's answer is one path; anything longer is not read.
constexpr size_t kMaxOutputBytes = 64 * 1024;

// argv or envp for exec: the strings and the null-terminated pointer array over them.
class CStrings {
  public:
    explicit CStrings(std::vector<std::string> strings) : strings_(std::move(strings)) {
        for (std::string& s : strings_)
            pointers_.push_back(s.data());
        pointers_.push_back(nullptr);
    }
    char* const* get() { return pointers_.data(); }

  private:
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
};

std::vector<std::string> childEnvironment() {
    std::vector<std::string> out;
    for (char** e = environ; e && *e; ++e) {
        std::string_view entry(*e);
        bool hostOnly = false;
        for (std::string_view prefix : kHostOnly)
            hostOnly = hostOnly || entry.starts_with(prefix);
        if (!hostOnly) out.emplace_back(entry);
    }
    return out;
}

bool isExecutableFile(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// The first executable file called `name` on PATH; empty when there is none.
std::string findProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (!path) return {};
    std::string_view rest(path);
    while (true) {
        size_t colon = rest.find(':');
        std::string dir(rest.substr(0, colon));
        if (!dir.empty()) {
            std::string candidate = dir + "/" + name;
            if (isExecutableFile(candidate)) return candidate;
        }
        if (colon == std::string_view::npos) return {};
        rest.remove_prefix(colon + 1);
    }
}

enum class Session { OwnGroup, Detached };

// Starts `program` with stdin and stderr on /dev/null, stdout on `stdoutFd` (or /dev/null),
// no other descriptor of the host, default signal handling and the host-free environment.
// Returns the process id, or -1.
pid_t spawn(const std::string& program, std::vector<std::string> args, int stdoutFd,
            Session session) {
    CStrings argv(std::move(args));
    CStrings envp(childEnvironment());
    posix_spawn_file_actions_t files;
    posix_spawnattr_t attributes;
    if (posix_spawn_file_actions_init(&files) != 0) return -1;
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&files);
        return -1;
    }
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&files, stdoutFd, 1);
    else
        posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&files, 3);

    // Signals the host blocks or ignores would stay so in the child.
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (int s : {SIGPIPE, SIGCHLD, SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2})
        sigaddset(&defaults, s);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (session == Session::Detached) {
        flags |= POSIX_SPAWN_SETSID;
    } else {
        flags |= POSIX_SPAWN_SETPGROUP; // its own group: cancel ends it with whatever it started
        posix_spawnattr_setpgroup(&attributes, 0);
    }
    posix_spawnattr_setflags(&attributes, flags);

    pid_t pid = -1;
    int failed = posix_spawn(&pid, program.c_str(), &files, &attributes, argv.get(), envp.get());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    return failed ? -1 : pid;
}

// Waits for a child that is known to end at once (killed, or a starter that only forks).
void reap(pid_t pid) {
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// A child process whose standard output comes back through a non-blocking pipe.
class ChildProcess {
  public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { stop(); }

    bool start(const std::string& program, std::vector<std::string> args) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return false;
        pid_ = spawn(program, std::move(args), fds[1], Session::OwnGroup);
        ::close(fds[1]);
        if (pid_ < 0) {
            ::close(fds[0]);
            return false;
        }
        out_ = fds[0];
        // Readable when the child has ended: lets a caller wait for the exit after the output.
        pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
        return true;
    }

    // Reads what is waiting and reaps the child once it ended; true when both are done.
    bool poll() {
        if (out_ >= 0) {
            char buffer[4096];
            while (true) {
                ssize_t n = ::read(out_, buffer, sizeof buffer);
                if (n > 0) {
                    size_t room = kMaxOutputBytes - std::min(kMaxOutputBytes, output_.size());
                    output_.append(buffer, std::min(static_cast<size_t>(n), room));
                    continue;
                }
                if (n < 0 && errno == EINTR) continue;
                if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) closeOutput();
                break;
            }
        }
        if (pid_ > 0) {
            int status = 0;
            pid_t r = ::waitpid(pid_, &status, WNOHANG);
            if (r == pid_) {
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : kKilled;
                forgetChild();
            } else if (r < 0 && errno == ECHILD) {
                forgetChild(); // the host reaps its children itself: the status is lost
            }
        }
        return out_ < 0 && pid_ < 0;
    }

    // Ends a running child (and what it started) and reaps it.
    void stop() {
        if (pid_ > 0) {
            ::kill(-pid_, SIGKILL);
            ::kill(pid_, SIGKILL);
            reap(pid_);
            forgetChild();
        }
        closeOutput();
    }

    const std::string& output() const { return output_; }
    // The exit code; kKilled after a signal; kUnknown when the host reaped it first.
    int exitStatus() const { return status_; }
    int waitHandle() const { return out_ >= 0 ? out_ : pid_ > 0 ? pidfd_ : -1; }

    static constexpr int kUnknown = -1, kKilled = -2;

  private:
    void closeOutput() {
        if (out_ >= 0) ::close(out_);
        out_ = -1;
    }
    void forgetChild() {
        pid_ = -1;
        if (pidfd_ >= 0) ::close(pidfd_);
        pidfd_ = -1;
    }
    pid_t pid_ = -1;
    int out_ = -1, pidfd_ = -1;
    int status_ = kUnknown;
    std::string output_;
};

// ---- zenity / kdialog --------------------------------------------------------------------

std::string folderWithSlash(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') return folder;
    return folder + "/";
}

class DialogProgramChooser final : public FileChooser {
  public:
    bool start(const FileChooserRequest& r) {
        std::vector<std::string> args;
        std::string program = findProgram("zenity");
        if (!program.empty()) {
            args = {"zenity", "--file-selection", "--title=" + r.title,
                    "--filename=" + folderWithSlash(r.folder)};
            if (r.save) args.push_back("--save");
            if (!r.pattern.empty())
                args.push_back("--file-filter=" + r.typeText + " | " + r.pattern);
        } else if (!(program = findProgram("kdialog")).empty()) {
            args = {"kdialog", "--title", r.title};
            if (r.parentWindow) {
                args.push_back("--attach");
                args.push_back(std::to_string(r.parentWindow));
            }
            args.push_back(r.save ? "--getsavefilename" : "--getopenfilename");
            args.push_back(folderWithSlash(r.folder));
            if (!r.pattern.empty()) args.push_back(r.pattern + "|" + r.typeText);
        } else {
            return false;
        }
        return child_.start(program, std::move(args));
    }

    State poll() override {
        if (state_ != State::Running || !child_.poll()) return state_;
        std::string line = child_.output().substr(0, child_.output().find('\n'));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const int status = child_.exitStatus();
        if ((status == 0 || status == ChildProcess::kUnknown) && !line.empty()) {
            path_ = line;
            state_ = State::Chosen;
        } else if (status == 0 || status == 1 || status == ChildProcess::kUnknown) {
            state_ = State::Cancelled; // both programs leave with 1 when cancelled
        } else {
            state_ = State::Failed; // it could not show itself (no display, missing libraries)
        }
        return state_;
    }
    const std::string& path() const override { return path_; }
    void cancel() override {
        child_.stop();
        if (state_ == State::Running) state_ = State::Cancelled;
    }
    int waitHandle() const override { return child_.waitHandle(); }

  private:
    ChildProcess child_;
    State state_ = State::Running;
    std::string path_;
};

// ---- the file-chooser portal --------------------------------------------------------------

constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kChooserInterface = "org.freedesktop.portal.FileChooser";
constexpr const char* kRequestInterface = "org.freedesktop.portal.Request";
// Polls without an answer to the call itself before the portal counts as absent (a portal
// that is being started answers within a few ticks).
constexpr int kMaxPollsForReply = 600;
constexpr int kRoundsPerExchange = 8;
// The codes of a request's Response.
constexpr dbus_uint32_t kResponseSuccess = 0, kResponseCancelled = 1;

std::string percentDecoded(std::string_view s) {
    auto hex = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && hex(s[i + 1]) >= 0 && hex(s[i + 2]) >= 0) {
            out.push_back(static_cast<char>(hex(s[i + 1]) * 16 + hex(s[i + 2])));
            i += 2;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

// "file:///a/b%20c" → "/a/b c"; empty for anything but a local file.
std::string pathOfUri(std::string_view uri) {
    constexpr std::string_view kScheme = "file://";
    if (!uri.starts_with(kScheme)) return {};
    uri.remove_prefix(kScheme.size());
    if (!uri.starts_with('/')) { // "file://host/path": only this machine
        size_t slash = uri.find('/');
        if (slash == std::string_view::npos || uri.substr(0, slash) != "localhost") return {};
        uri.remove_prefix(slash);
    }
    return percentDecoded(uri);
}

// Appends one dictionary entry {key: variant} to an a{sv} being written.
class OptionWriter {
  public:
    explicit OptionWriter(DBusMessageIter* dict) : dict_(dict) {}
    void string(const char* key, const std::string& value) {
        const char* v = value.c_str();
        entry(key, "s", [&](DBusMessageIter* var) {
            dbus_message_iter_append_basic(var, DBUS_TYPE_STRING, &v);
        });
    }
    void boolean(const char* key, bool value) {
        dbus_bool_t v = value;
        entry(key, "b", [&](DBusMessageIter* var) {
            dbus_message_iter_append_basic(var, DBUS_TYPE_BOOLEAN, &v);
        });
    }
    // A byte string with its terminating zero (the portal's file names).
    void bytes(const char* key, const std::string& value) {
        entry(key, "ay", [&](DBusMessageIter* var) {
            DBusMessageIter array;
            dbus_message_iter_open_container(var, DBUS_TYPE_ARRAY, "y", &array);
            const char* data = value.c_str();
            dbus_message_iter_append_fixed_array(&array, DBUS_TYPE_BYTE, &data,
                                                 static_cast<int>(value.size() + 1));
            dbus_message_iter_close_container(var, &array);
        });
    }
    // One filter (name, [(0, glob)]) as the list of filters.
    void filters(const char* key, const std::string& name, const std::string& glob) {
        entry(key, "a(sa(us))", [&](DBusMessageIter* var) {
            DBusMessageIter list, filter, globs, one;
            const char* n = name.c_str();
            const char* g = glob.c_str();
            dbus_uint32_t kindGlob = 0;
            dbus_message_iter_open_container(var, DBUS_TYPE_ARRAY, "(sa(us))", &list);
            dbus_message_iter_open_container(&list, DBUS_TYPE_STRUCT, nullptr, &filter);
            dbus_message_iter_append_basic(&filter, DBUS_TYPE_STRING, &n);
            dbus_message_iter_open_container(&filter, DBUS_TYPE_ARRAY, "(us)", &globs);
            dbus_message_iter_open_container(&globs, DBUS_TYPE_STRUCT, nullptr, &one);
            dbus_message_iter_append_basic(&one, DBUS_TYPE_UINT32, &kindGlob);
            dbus_message_iter_append_basic(&one, DBUS_TYPE_STRING, &g);
            dbus_message_iter_close_container(&globs, &one);
            dbus_message_iter_close_container(&filter, &globs);
            dbus_message_iter_close_container(&list, &filter);
            dbus_message_iter_close_container(var, &list);
        });
    }

  private:
    template <typename F> void entry(const char* key, const char* signature, F value) {
        DBusMessageIter pair, var;
        dbus_message_iter_open_container(dict_, DBUS_TYPE_DICT_ENTRY, nullptr, &pair);
        dbus_message_iter_append_basic(&pair, DBUS_TYPE_STRING, &key);
        dbus_message_iter_open_container(&pair, DBUS_TYPE_VARIANT, signature, &var);
        value(&var);
        dbus_message_iter_close_container(&pair, &var);
        dbus_message_iter_close_container(dict_, &pair);
    }
    DBusMessageIter* dict_;
};

// The first entry of the "uris" list in the a{sv} results of a Response.
std::string firstUri(DBusMessageIter* results) {
    if (dbus_message_iter_get_arg_type(results) != DBUS_TYPE_ARRAY) return {};
    DBusMessageIter entries;
    dbus_message_iter_recurse(results, &entries);
    for (; dbus_message_iter_get_arg_type(&entries) == DBUS_TYPE_DICT_ENTRY;
         dbus_message_iter_next(&entries)) {
        DBusMessageIter pair, var, list;
        dbus_message_iter_recurse(&entries, &pair);
        if (dbus_message_iter_get_arg_type(&pair) != DBUS_TYPE_STRING) continue;
        const char* key = nullptr;
        dbus_message_iter_get_basic(&pair, &key);
        if (std::strcmp(key, "uris") != 0 || !dbus_message_iter_next(&pair)) continue;
        dbus_message_iter_recurse(&pair, &var);
        if (dbus_message_iter_get_arg_type(&var) != DBUS_TYPE_ARRAY) return {};
        dbus_message_iter_recurse(&var, &list);
        if (dbus_message_iter_get_arg_type(&list) != DBUS_TYPE_STRING) return {};
        const char* uri = nullptr;
        dbus_message_iter_get_basic(&list, &uri);
        return uri ? uri : "";
    }
    return {};
}

// One OpenFile or SaveFile request on a private connection that is only read and written
// when polled: the UI thread never waits on the bus.
class PortalChooser final : public FileChooser {
  public:
    ~PortalChooser() override {
        cancel();
        if (bus_) {
            dbus_connection_close(bus_);
            dbus_connection_unref(bus_);
        }
    }

    bool start(const std::string& address, const FileChooserRequest& r) {
        DBusError error;
        dbus_error_init(&error);
        bus_ = dbus_connection_open_private(address.c_str(), &error);
        dbus_error_free(&error);
        if (!bus_) return false;
        dbus_connection_set_exit_on_disconnect(bus_, FALSE);
        static unsigned counter = 0;
        token_ = "tarlix" + std::to_string(::getpid()) + "_" + std::to_string(++counter);

        // Sent at once, answered later: the bus takes them in order, so the match for the
        // Response is in place before the portal can send it.
        DBusMessage* hello = dbus_message_new_method_call(
            "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "Hello");
        bool sent = send(hello, &helloSerial_);
        DBusMessage* match = dbus_message_new_method_call(
            "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "AddMatch");
        std::string rule =
            std::string("type='signal',interface='") + kRequestInterface + "',member='Response'";
        const char* ruleText = rule.c_str();
        if (match) {
            dbus_message_append_args(match, DBUS_TYPE_STRING, &ruleText, DBUS_TYPE_INVALID);
            dbus_message_set_no_reply(match, TRUE);
        }
        sent = send(match, nullptr) && sent;

        DBusMessage* call = dbus_message_new_method_call(
            kPortalService, kPortalPath, kChooserInterface, r.save ? "SaveFile" : "OpenFile");
        if (call) {
            char parent[32] = "";
            if (r.parentWindow)
                std::snprintf(parent, sizeof parent, "x11:%lx",
                              static_cast<unsigned long>(r.parentWindow));
            const char* parentText = parent;
            const char* title = r.title.c_str();
            DBusMessageIter args, dict;
            dbus_message_iter_init_append(call, &args);
            dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &parentText);
            dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &title);
            dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "{sv}", &dict);
            OptionWriter options(&dict);
            options.string("handle_token", token_);
            options.boolean("modal", true);
            if (!r.folder.empty()) options.bytes("current_folder", r.folder);
            if (!r.pattern.empty()) options.filters("filters", r.typeText, r.pattern);
            dbus_message_iter_close_container(&args, &dict);
        }
        sent = send(call, &callSerial_) && sent;
        return sent && exchange(); // the handshake starts now
    }

    State poll() override {
        if (state_ != State::Running) return state_;
        if (!exchange()) return finish(answered_ ? State::Cancelled : State::Failed);
        while (DBusMessage* m = dbus_connection_pop_message(bus_)) {
            take(m);
            dbus_message_unref(m);
            if (state_ != State::Running) return state_;
        }
        if (!exchange()) return finish(answered_ ? State::Cancelled : State::Failed);
        if (!answered_ && ++pollsWithoutReply_ > kMaxPollsForReply) {
            closeRequest();
            return finish(State::Failed);
        }
        return state_;
    }
    const std::string& path() const override { return path_; }
    void cancel() override {
        if (state_ != State::Running) return;
        closeRequest();
        finish(State::Cancelled);
    }
    int waitHandle() const override {
        int fd = -1;
        return bus_ && dbus_connection_get_unix_fd(bus_, &fd) ? fd : -1;
    }

  private:
    // Reads and writes what the socket takes now. The handshake goes in several steps that
    // each need a round; rounds go on while something waits to go out, so that what is left
    // to wait for is always the other side. False when the connection is gone.
    bool exchange() {
        for (int round = 0; round < kRoundsPerExchange; ++round) {
            if (!dbus_connection_read_write(bus_, 0)) return false;
            if (!dbus_connection_has_messages_to_send(bus_)) break;
        }
        return true;
    }
    bool send(DBusMessage* m, dbus_uint32_t* serial) {
        if (!m) return false;
        bool ok = dbus_connection_send(bus_, m, serial);
        dbus_message_unref(m);
        return ok;
    }
    State finish(State s) {
        state_ = s;
        return s;
    }
    void take(DBusMessage* m) {
        const int type = dbus_message_get_type(m);
        const dbus_uint32_t replyTo = dbus_message_get_reply_serial(m);
        if (type == DBUS_MESSAGE_TYPE_METHOD_RETURN && replyTo == helloSerial_) {
            const char* name = nullptr;
            if (dbus_message_get_args(m, nullptr, DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID))
                handle_ = expectedHandle(name);
        } else if (type == DBUS_MESSAGE_TYPE_ERROR && replyTo == helloSerial_) {
            finish(State::Failed);
        } else if (replyTo == callSerial_ && type == DBUS_MESSAGE_TYPE_ERROR) {
            finish(State::Failed); // no portal, or one without a file chooser
        } else if (replyTo == callSerial_ && type == DBUS_MESSAGE_TYPE_METHOD_RETURN) {
            answered_ = true;
            const char* handle = nullptr;
            if (dbus_message_get_args(m, nullptr, DBUS_TYPE_OBJECT_PATH, &handle,
                                      DBUS_TYPE_INVALID))
                handle_ = handle;
        } else if (type == DBUS_MESSAGE_TYPE_SIGNAL &&
                   dbus_message_is_signal(m, kRequestInterface, "Response") && isOurs(m)) {
            DBusMessageIter args;
            dbus_uint32_t response = 2;
            if (dbus_message_iter_init(m, &args) &&
                dbus_message_iter_get_arg_type(&args) == DBUS_TYPE_UINT32) {
                dbus_message_iter_get_basic(&args, &response);
                dbus_message_iter_next(&args);
            }
            path_ = response == kResponseSuccess ? pathOfUri(firstUri(&args)) : std::string();
            handle_.clear(); // the request object is gone
            if (response == kResponseCancelled || response == kResponseSuccess)
                finish(path_.empty() ? State::Cancelled : State::Chosen);
            else
                finish(State::Failed); // a portal without a working chooser ends so at once
        } else if (dbus_message_is_signal(m, DBUS_INTERFACE_LOCAL, "Disconnected")) {
            finish(answered_ ? State::Cancelled : State::Failed);
        }
    }
    // The request's path carries our token as its last element, whether or not the reply
    // that names it came first.
    bool isOurs(DBusMessage* m) const {
        const char* p = dbus_message_get_path(m);
        if (!p) return false;
        if (!handle_.empty() && handle_ == p) return true;
        std::string_view path(p);
        return path.ends_with("/" + token_);
    }
    // /org/freedesktop/portal/desktop/request/SENDER/TOKEN, SENDER the unique name without
    // its ':' and with '_' for '.'.
    std::string expectedHandle(const char* uniqueName) const {
        std::string sender = uniqueName && uniqueName[0] == ':' ? uniqueName + 1 : "";
        for (char& c : sender)
            if (c == '.') c = '_';
        return std::string(kPortalPath) + "/request/" + sender + "/" + token_;
    }
    // Asks the portal to close the dialog; the answer is not awaited.
    void closeRequest() {
        if (!bus_ || handle_.empty()) return;
        DBusMessage* close = dbus_message_new_method_call(kPortalService, handle_.c_str(),
                                                          kRequestInterface, "Close");
        if (!close) return;
        dbus_message_set_no_reply(close, TRUE);
        send(close, nullptr);
        dbus_connection_read_write(bus_, 0); // written without waiting
        handle_.clear();
    }

    DBusConnection* bus_ = nullptr;
    std::string token_, handle_, path_;
    dbus_uint32_t helloSerial_ = 0, callSerial_ = 0;
    bool answered_ = false;
    int pollsWithoutReply_ = 0;
    State state_ = State::Running;
};

} // namespace

std::unique_ptr<FileChooser> startPortalChooser(const FileChooserRequest& request) {
    // Only a session that names its bus: the library's own fall-backs may block or start one.
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address || !*address) return nullptr;
    auto chooser = std::make_unique<PortalChooser>();
    if (!chooser->start(address, request)) return nullptr;
    return chooser;
}

std::unique_ptr<FileChooser> startDialogProgram(const FileChooserRequest& request) {
    auto chooser = std::make_unique<DialogProgramChooser>();
    if (!chooser->start(request)) return nullptr;
    return chooser;
}

bool openWithDesktop(const std::string& path) {
    std::string opener = findProgram("xdg-open");
    if (opener.empty() || path.empty()) return false;
    // A starter shell in a new session puts the opener in the background and leaves at
    // once: the opener belongs to nobody here, so nothing waits for it and nothing is left
    // unreaped. The short wait is for the starter alone.
    pid_t starter =
        spawn("/bin/sh", {"sh", "-c", "\"$0\" \"$1\" </dev/null >/dev/null 2>&1 &", opener, path},
              -1, Session::Detached);
    if (starter < 0) return false;
    reap(starter);
    return true;
}

} // namespace platform
