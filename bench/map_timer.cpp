// Starts a program and prints the milliseconds until its first top-level window is mapped
// on the X server in $DISPLAY, then ends the program's process group.
// Usage: map_timer PROGRAM [ARG...]      (no window manager: top-level = child of the root)
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

pid_t StartInOwnGroup(char** argv) {
    pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        execvp(argv[0], argv);
        _exit(127);
    }
    if (pid > 0) setpgid(pid, pid);
    return pid;
}

// Waits for a MapNotify of a child of the root; false when the program ended first.
bool WaitForTopLevelMap(xcb_connection_t* connection, xcb_window_t root, pid_t pid) {
    const int fd = xcb_get_file_descriptor(connection);
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            std::unique_ptr<xcb_generic_event_t, decltype(&free)> owned(event, &free);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (map->event == root && !map->override_redirect) return true;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) return false;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval tick{0, 2000};
        select(fd + 1, &readable, nullptr, nullptr, &tick);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_timer PROGRAM [ARG...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "map_timer: cannot open the display\n");
        return 1;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const double start = NowMs();
    pid_t pid = StartInOwnGroup(argv + 1);
    const bool mapped = pid > 0 && WaitForTopLevelMap(connection, root, pid);
    const double elapsed = NowMs() - start;
    if (const char* hold = std::getenv("MAP_TIMER_HOLD_MS")) usleep(std::atoi(hold) * 1000);
    if (const char* report = std::getenv("MAP_TIMER_PID_FILE")) {
        if (FILE* f = std::fopen(report, "w")) {
            std::fprintf(f, "%d\n", pid);
            std::fclose(f);
        }
    }
    if (pid > 0) {
        kill(-pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    xcb_disconnect(connection);
    if (!mapped) {
        std::fprintf(stderr, "map_timer: %s ended without mapping a window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f\n", elapsed);
    return 0;
}
