// Times one start of a program under X: from just before exec to the MapNotify of its first
// top-level window (seen on the root window's SubstructureNotify), and to the first paint the
// program reports itself ("first-paint <ns>" on stdout, CLOCK_MONOTONIC, as skemora and
// bare_window print with SKEMORA_QUIT_AFTER_FIRST_PAINT set). Waits for the program to end and
// prints one line: "<ms to map> <ms to first paint> <peak resident KiB> <width> <height>".
// Usage: startup_probe PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double Ms(long long ns) { return static_cast<double>(ns) / 1e6; }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    int output[2];
    if (pipe(output) != 0) return 1;
    const long long start = NowNs();
    const pid_t child = fork();
    if (child == 0) {
        close(output[0]);
        dup2(output[1], STDOUT_FILENO);
        close(output[1]);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    close(output[1]);

    long long mapped = -1, painted = -1;
    int width = 0, height = 0;
    std::string text;
    const int xFd = ConnectionNumber(display);
    const long long deadline = start + 30LL * 1000000000LL;
    bool ended = false;
    const auto takeEvents = [&] {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && mapped < 0 && !event.xmap.override_redirect) {
                mapped = NowNs();
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, event.xmap.window, &attributes) != 0) {
                    width = attributes.width;
                    height = attributes.height;
                }
            }
        }
    };
    while (!ended && NowNs() < deadline) {
        takeEvents();
        pollfd fds[2] = {{xFd, POLLIN, 0}, {output[0], POLLIN, 0}};
        if (poll(fds, 2, 100) < 0) continue;
        // The window's events first: its map comes before the paint the program reports.
        takeEvents();
        if (fds[1].revents != 0) {
            char buffer[512];
            const ssize_t n = read(output[0], buffer, sizeof buffer);
            if (n <= 0) {
                ended = true;
            } else {
                text.append(buffer, static_cast<std::size_t>(n));
            }
        }
    }
    const std::size_t at = text.find("first-paint ");
    if (at != std::string::npos) painted = std::atoll(text.c_str() + at + 12);
    if (!ended) kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (mapped < 0 || painted < 0) {
        std::fprintf(stderr, "startup_probe: %s %s\n", argv[1],
                     mapped < 0 ? "mapped no window" : "reported no first paint");
        return 1;
    }
    std::printf("%.2f %.2f %ld %d %d\n", Ms(mapped - start), Ms(painted - start), usage.ru_maxrss,
                width, height);
    return 0;
}
