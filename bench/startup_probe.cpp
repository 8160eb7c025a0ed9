// Starts a program and times it until its first top-level window is mapped on
// the X server, then reports its resident memory one second later:
//   startup_probe PROGRAM [ARGS...]  ->  "<ms until mapped> <VmRSS KiB> <CPU ms until mapped>"
// The CPU time (all threads, from the scheduler's own count) hardly depends on
// what else the machine is doing; the wall-clock time does.
// It listens on the root window for MapNotify, so it must be the only client
// mapping windows (a bare Xvfb without a window manager, as startup.sh runs).
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

double Seconds(const timespec &t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

timespec Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t;
}

// VmRSS of the process in KiB, or -1.
long ResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// CPU time the process's threads have run so far, in ms, or -1.
double CpuMs(pid_t pid)
{
    std::error_code error;
    double ns = 0;
    bool any = false;
    for (const auto &task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double run = 0;
        if (schedstat >> run) {
            ns += run;
            any = true;
        }
    }
    return any ? ns / 1e6 : -1;
}

void Stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that the server has the mask before the program starts.
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error{
            xcb_request_check(connection,
                              xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask)),
            &std::free}) {
        std::fprintf(stderr, "startup_probe: cannot watch the root window (X error %d)\n", error->error_code);
        return 2;
    }

    const timespec start = Now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("startup_probe: fork");
        return 2;
    }
    if (pid == 0) {
        close(xcb_get_file_descriptor(connection));
        execvp(argv[1], argv + 1);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    // Wait for the first ordinary top-level window to be mapped (no more than 30 s).
    const int fd = xcb_get_file_descriptor(connection);
    double mapped = -1;
    double cpu = -1;
    while (mapped < 0) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (map->event == root && !map->override_redirect) {
                    mapped = Seconds(Now()) - Seconds(start);
                    cpu = CpuMs(pid);
                }
            }
            std::free(event);
            if (mapped >= 0)
                break;
        }
        if (mapped >= 0)
            break;
        if (xcb_connection_has_error(connection)) {
            std::fprintf(stderr, "startup_probe: lost the display\n");
            Stop(pid);
            return 1;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "startup_probe: %s ended before showing a window\n", argv[1]);
            return 1;
        }
        if (Seconds(Now()) - Seconds(start) > 30) {
            std::fprintf(stderr, "startup_probe: no window from %s within 30 s\n", argv[1]);
            Stop(pid);
            return 1;
        }
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, 50);
    }

    // Memory once the program has settled: one second after the window appeared.
    timespec settle{};
    const double at = Seconds(start) + mapped + 1.0;
    settle.tv_sec = static_cast<time_t>(at);
    settle.tv_nsec = static_cast<long>((at - static_cast<double>(settle.tv_sec)) * 1e9);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &settle, nullptr) == EINTR) {
    }
    const long rss = ResidentKiB(pid);
    Stop(pid);
    xcb_disconnect(connection);
    if (rss < 0) {
        std::fprintf(stderr, "startup_probe: no memory figure for %s\n", argv[1]);
        return 1;
    }
    std::printf("%.2f %ld %.2f\n", mapped * 1000, rss, cpu);
    return 0;
}
