#include "StartupProbe.h"

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

// The started program; ended and reaped whatever happens.
class Child {
public:
    explicit Child(const std::string& program)
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        // Its warnings would only clutter the report.
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child()
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    pid_t pid() const { return pid_; }
    bool ended()
    {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_)
            pid_ = -1;
        return pid_ <= 0;
    }

private:
    pid_t pid_ = -1;
};

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The _NET_WM_PID that the toolkit puts on its windows, or 0.
std::uint32_t windowPid(xcb_connection_t* c, xcb_window_t window, xcb_atom_t pidAtom)
{
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return 0;
    return *static_cast<std::uint32_t*>(xcb_get_property_value(reply.get()));
}

double peakMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    double kib = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> kib;
            break;
        }
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return kib / 1024.0;
}

}  // namespace

std::optional<StartupSample> measureStartup(const std::string& program, std::string& error)
{
    // One connection for all measurements: a display server left without clients between two
    // starts resets itself and drops the next one.
    static int screenNumber = 0;
    static const Connection c(xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(c.get())) {
        error = "cannot reach the X display (run under xvfb-run)";
        return std::nullopt;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c.get()));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    // Every mapping of a top-level window is reported to us as a MapNotify on the root.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c.get(), root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t pidAtom = atom(c.get(), "_NET_WM_PID");  // a round trip: the mask is in force

    const Clock::time_point start = Clock::now();
    Child child(program);
    if (child.pid() <= 0) {
        error = "cannot start " + program;
        return std::nullopt;
    }
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    std::optional<Clock::time_point> shown;
    pollfd display{xcb_get_file_descriptor(c.get()), POLLIN, 0};
    while (!shown && Clock::now() < deadline) {
        poll(&display, 1, 50);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c.get())) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect
                    && windowPid(c.get(), map->window, pidAtom) == static_cast<std::uint32_t>(child.pid()))
                    shown = Clock::now();
            }
            std::free(event);
        }
        if (!shown && child.ended()) {
            error = program + " ended before showing a window";
            return std::nullopt;
        }
    }
    if (!shown) {
        error = program + " showed no window within 20 s";
        return std::nullopt;
    }
    // Painting the first frame follows the mapping; let it finish before reading the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    return StartupSample{std::chrono::duration<double, std::milli>(*shown - start).count(),
                         peakMiB(child.pid())};
}
