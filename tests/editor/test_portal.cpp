// The file dialog through the desktop's file-chooser portal, on a private session bus of the
// test's own (a dbus-daemon without any service files, so nothing real is ever started) with
// a stand-in portal served by the test between the dialog's idle ticks.
#include <gtest/gtest.h>

#include <dbus/dbus.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "editor/file_dialog.h"
#include "tests/temp_folder.h"

namespace {

constexpr const char* kDaemon = "/usr/bin/dbus-daemon";
constexpr int kWaitMs = 10000;
constexpr int kMaxTicks = 1000;

// A message bus for one test: started with a configuration that allows everything and
// activates nothing; its address is read from a pipe, which waits until it listens.
class PrivateBus {
  public:
    explicit PrivateBus(const std::string& folder) {
        const std::string config = folder + "/bus.conf";
        std::ofstream(config)
            << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
               "1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig><type>session</type><listen>unix:path="
            << folder << "/bus</listen><auth>EXTERNAL</auth>"
            << "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
               "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n";
        int fds[2];
        if (::access(kDaemon, X_OK) != 0 || ::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            if (int quiet = ::open("/dev/null", O_WRONLY); quiet >= 0) ::dup2(quiet, 2);
            const std::string printTo = "--print-address=" + std::to_string(fds[1]);
            const std::string configArg = "--config-file=" + config;
            ::execl(kDaemon, kDaemon, configArg.c_str(), "--nofork", printTo.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        char c;
        while (pid_ > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
            address_ += c;
        ::close(fds[0]);
    }
    ~PrivateBus() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& address() const { return address_; }

  private:
    pid_t pid_ = -1;
    std::string address_;
};

// The portal's side: owns org.freedesktop.portal.Desktop, answers OpenFile and SaveFile with
// a request object, and sends that request's Response when the test says so.
class StandInPortal {
  public:
    explicit StandInPortal(const std::string& address) {
        DBusError error;
        dbus_error_init(&error);
        bus_ = dbus_connection_open_private(address.c_str(), &error);
        if (bus_ && dbus_bus_register(bus_, &error))
            dbus_bus_request_name(bus_, "org.freedesktop.portal.Desktop",
                                  DBUS_NAME_FLAG_DO_NOT_QUEUE, &error);
        dbus_error_free(&error);
    }
    ~StandInPortal() {
        if (bus_) {
            dbus_connection_close(bus_);
            dbus_connection_unref(bus_);
        }
    }
    int fd() const {
        int fd = -1;
        return bus_ && dbus_connection_get_unix_fd(bus_, &fd) ? fd : -1;
    }

    // Handles what arrived, without waiting.
    void serve() {
        if (!bus_) return;
        dbus_connection_read_write(bus_, 0);
        while (DBusMessage* m = dbus_connection_pop_message(bus_)) {
            if (dbus_message_is_method_call(m, "org.freedesktop.portal.FileChooser", "OpenFile") ||
                dbus_message_is_method_call(m, "org.freedesktop.portal.FileChooser", "SaveFile"))
                request(m);
            else if (dbus_message_is_method_call(m, "org.freedesktop.portal.Request", "Close"))
                closed = dbus_message_get_path(m);
            dbus_message_unref(m);
        }
        dbus_connection_flush(bus_);
    }

    // Sends the request's Response: 0 with a URI, or another code without.
    void respond(uint32_t code, const std::string& uri = {}) {
        DBusMessage* signal =
            dbus_message_new_signal(handle.c_str(), "org.freedesktop.portal.Request", "Response");
        dbus_message_set_destination(signal, caller_.c_str());
        DBusMessageIter args, dict, entry, variant, list;
        dbus_message_iter_init_append(signal, &args);
        dbus_message_iter_append_basic(&args, DBUS_TYPE_UINT32, &code);
        dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "{sv}", &dict);
        if (!uri.empty()) {
            const char* key = "uris";
            const char* value = uri.c_str();
            dbus_message_iter_open_container(&dict, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
            dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
            dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "as", &variant);
            dbus_message_iter_open_container(&variant, DBUS_TYPE_ARRAY, "s", &list);
            dbus_message_iter_append_basic(&list, DBUS_TYPE_STRING, &value);
            dbus_message_iter_close_container(&variant, &list);
            dbus_message_iter_close_container(&entry, &variant);
            dbus_message_iter_close_container(&dict, &entry);
        }
        dbus_message_iter_close_container(&args, &dict);
        dbus_connection_send(bus_, signal, nullptr);
        dbus_connection_flush(bus_);
        dbus_message_unref(signal);
    }

    bool working() const { return bus_ != nullptr; }

    // What the dialog asked for.
    std::string method, title, token, folder, filterName, filterGlob;
    bool modal = false;
    std::string handle; // the request object handed back
    std::string closed; // the path a Close arrived for

  private:
    void request(DBusMessage* m) {
        method = dbus_message_get_member(m);
        caller_ = dbus_message_get_sender(m);
        DBusMessageIter args;
        dbus_message_iter_init(m, &args);
        dbus_message_iter_next(&args); // the parent window
        const char* text = nullptr;
        dbus_message_iter_get_basic(&args, &text);
        title = text;
        dbus_message_iter_next(&args);
        readOptions(&args);
        std::string sender = caller_.substr(1);
        for (char& c : sender)
            if (c == '.') c = '_';
        handle = "/org/freedesktop/portal/desktop/request/" + sender + "/" + token;
        DBusMessage* reply = dbus_message_new_method_return(m);
        const char* path = handle.c_str();
        dbus_message_append_args(reply, DBUS_TYPE_OBJECT_PATH, &path, DBUS_TYPE_INVALID);
        dbus_connection_send(bus_, reply, nullptr);
        dbus_message_unref(reply);
    }
    void readOptions(DBusMessageIter* options) {
        DBusMessageIter entries;
        dbus_message_iter_recurse(options, &entries);
        for (; dbus_message_iter_get_arg_type(&entries) == DBUS_TYPE_DICT_ENTRY;
             dbus_message_iter_next(&entries)) {
            DBusMessageIter pair, value;
            dbus_message_iter_recurse(&entries, &pair);
            const char* key = nullptr;
            dbus_message_iter_get_basic(&pair, &key);
            dbus_message_iter_next(&pair);
            dbus_message_iter_recurse(&pair, &value);
            const std::string name = key;
            if (name == "handle_token") {
                const char* s = nullptr;
                dbus_message_iter_get_basic(&value, &s);
                token = s;
            } else if (name == "modal") {
                dbus_bool_t b = false;
                dbus_message_iter_get_basic(&value, &b);
                modal = b;
            } else if (name == "current_folder") {
                DBusMessageIter bytes;
                dbus_message_iter_recurse(&value, &bytes);
                const char* data = nullptr;
                int n = 0;
                dbus_message_iter_get_fixed_array(&bytes, &data, &n);
                folder.assign(data, n); // with its terminating zero
            } else if (name == "filters") {
                DBusMessageIter list, filter, globs, glob;
                dbus_message_iter_recurse(&value, &list);
                dbus_message_iter_recurse(&list, &filter);
                const char* s = nullptr;
                dbus_message_iter_get_basic(&filter, &s);
                filterName = s;
                dbus_message_iter_next(&filter);
                dbus_message_iter_recurse(&filter, &globs);
                dbus_message_iter_recurse(&globs, &glob);
                dbus_message_iter_next(&glob); // the kind (0: a glob)
                dbus_message_iter_get_basic(&glob, &s);
                filterGlob = s;
            }
        }
    }
    DBusConnection* bus_ = nullptr;
    std::string caller_;
};

class ScopedVariable {
  public:
    ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_)
            ::setenv(name_.c_str(), old_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }

  private:
    std::string name_;
    std::optional<std::string> old_;
};

class FileDialogPortal : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!bus.address().size()) GTEST_SKIP() << "no dbus-daemon to run a private bus";
        std::filesystem::create_directory(work / "bin");
        // A zenity that only leaves a mark: it must not be asked while the portal answers.
        const std::string zenity = work / "bin/zenity";
        std::ofstream(zenity) << "#!/bin/sh\n: > '" << (work / "zenity-ran") << "'\necho /z/Z\n";
        ::chmod(zenity.c_str(), 0755);
    }
    bool zenityRan() const { return std::filesystem::exists(work / "zenity-ran"); }

    // One round: waits (bounded) for either side to have something, then serves and idles.
    void tick(StandInPortal* portal) {
        std::vector<pollfd> fds;
        if (int fd = dialog.waitHandle(); fd >= 0) fds.push_back({fd, POLLIN, 0});
        if (portal && portal->fd() >= 0) fds.push_back({portal->fd(), POLLIN, 0});
        if (!fds.empty()) ::poll(fds.data(), fds.size(), kWaitMs);
        if (portal) portal->serve();
        dialog.idle();
    }
    template <typename F> bool tickUntil(StandInPortal* portal, F done) {
        for (int i = 0; i < kMaxTicks; ++i) {
            if (done()) return true;
            tick(portal);
        }
        return done();
    }

    static tarlix::FileDialogRequest request(bool save) {
        tarlix::FileDialogRequest r;
        r.save = save;
        r.title = "LOAD Tarlix_2 Preset Bank";
        r.folder = "/home/me/Documents/Tarlix_2/Banks/";
        r.typeText = "Tarlix_2 Preset Banks (.Bnk)";
        r.extension = ".Bnk";
        return r;
    }

    testfiles::TempFolder work;
    PrivateBus bus{work.path};
    ScopedVariable path_{"PATH", work.path + "/bin"};
    ScopedVariable address_{"DBUS_SESSION_BUS_ADDRESS", bus.address()};
    tarlix::FileDialog dialog{nullptr};
};

} // namespace

// The portal is asked first, with the title, the folder, the file type and a token; its
// Response (a percent-encoded file URI) arrives through idle with the extension added.
TEST_F(FileDialogPortal, ThePortalsAnswerArrivesThroughIdle) {
    StandInPortal portal(bus.address());
    ASSERT_TRUE(portal.working());
    std::string chosen;
    ASSERT_TRUE(dialog.open(request(false), [&](const std::string& p) { chosen = p; }));
    ASSERT_TRUE(tickUntil(&portal, [&] { return !portal.handle.empty(); }));
    EXPECT_EQ(portal.method, "OpenFile");
    EXPECT_EQ(portal.title, "LOAD Tarlix_2 Preset Bank");
    EXPECT_EQ(portal.folder, std::string("/home/me/Documents/Tarlix_2/Banks/\0", 35));
    EXPECT_EQ(portal.filterName, "Tarlix_2 Preset Banks (.Bnk)");
    EXPECT_EQ(portal.filterGlob, "*.Bnk");
    EXPECT_TRUE(portal.modal);
    EXPECT_FALSE(portal.token.empty());
    for (int i = 0; i < 5; ++i)
        dialog.idle(); // the dialog stays open until the portal answers
    EXPECT_TRUE(dialog.busy());
    EXPECT_TRUE(chosen.empty());

    portal.respond(0, "file:///home/me/My%20Banks/Strings%C3%A9");
    ASSERT_TRUE(tickUntil(&portal, [&] { return !dialog.busy(); }));
    EXPECT_EQ(chosen, "/home/me/My Banks/Stringsé.Bnk");
    EXPECT_FALSE(zenityRan());
}

// Saving asks SaveFile; a Response that is not a success gives no answer.
TEST_F(FileDialogPortal, ACancelledPortalDialogGivesNoAnswer) {
    StandInPortal portal(bus.address());
    bool called = false;
    ASSERT_TRUE(dialog.open(request(true), [&](const std::string&) { called = true; }));
    ASSERT_TRUE(tickUntil(&portal, [&] { return !portal.handle.empty(); }));
    EXPECT_EQ(portal.method, "SaveFile");
    portal.respond(1);
    ASSERT_TRUE(tickUntil(&portal, [&] { return !dialog.busy(); }));
    EXPECT_FALSE(called);
    EXPECT_FALSE(zenityRan());
}

// Closing the editor while the portal shows its dialog closes the portal's request.
TEST_F(FileDialogPortal, CancelClosesThePortalsRequest) {
    StandInPortal portal(bus.address());
    bool called = false;
    ASSERT_TRUE(dialog.open(request(false), [&](const std::string&) { called = true; }));
    ASSERT_TRUE(tickUntil(&portal, [&] { return !portal.handle.empty(); }));
    dialog.cancel();
    EXPECT_FALSE(dialog.busy());
    ASSERT_TRUE(tickUntil(&portal, [&] { return !portal.closed.empty(); }));
    EXPECT_EQ(portal.closed, portal.handle);
    EXPECT_FALSE(called);
}

// A bus without the portal: the bus says so at once and zenity is asked instead.
TEST_F(FileDialogPortal, WithoutAPortalOnTheBusZenityIsAsked) {
    std::string chosen;
    ASSERT_TRUE(dialog.open(request(false), [&](const std::string& p) { chosen = p; }));
    ASSERT_TRUE(tickUntil(nullptr, [&] { return !dialog.busy(); }));
    EXPECT_EQ(chosen, "/z/Z.Bnk");
    EXPECT_TRUE(zenityRan());
}

// A bus address that leads nowhere counts as no portal.
TEST_F(FileDialogPortal, ABusThatCannotBeReachedCountsAsNoPortal) {
    ScopedVariable nowhere("DBUS_SESSION_BUS_ADDRESS",
                           std::string("unix:path=") + (work / "no-such-bus"));
    std::string chosen;
    ASSERT_TRUE(dialog.open(request(false), [&](const std::string& p) { chosen = p; }));
    ASSERT_TRUE(tickUntil(nullptr, [&] { return !dialog.busy(); }));
    EXPECT_EQ(chosen, "/z/Z.Bnk");
}

// A portal whose chooser cannot show itself ends the request "in some other way" (code 2):
// zenity is asked instead.
TEST_F(FileDialogPortal, APortalThatCannotShowADialogHandsOverToZenity) {
    StandInPortal portal(bus.address());
    std::string chosen;
    ASSERT_TRUE(dialog.open(request(false), [&](const std::string& p) { chosen = p; }));
    ASSERT_TRUE(tickUntil(&portal, [&] { return !portal.handle.empty(); }));
    portal.respond(2);
    ASSERT_TRUE(tickUntil(&portal, [&] { return !dialog.busy(); }));
    EXPECT_EQ(chosen, "/z/Z.Bnk");
    EXPECT_TRUE(zenityRan());
}
