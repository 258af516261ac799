// Times how long a program takes to put its first top-level window on an X
// display, and how much memory it holds by then.
//
//     mapwatch [--title TITLE] [--settle MS] [--timeout MS] -- PROGRAM [ARGUMENT...]
//
// Listens for MapNotify on the root window, starts PROGRAM, and stops the
// clock at the first window that is mapped as a child of the root, is not
// override-redirect (menus, tooltips) and, with --title, carries that title.
// It then lets the program run for --settle milliseconds (500) so that it
// paints and goes idle, reads its peak resident memory (VmHWM) and current
// resident memory (VmRSS) from /proc, and kills it. One line on standard
// output:
//
//     map_ms=83.214 hwm_kib=61234 rss_kib=60980 width=484 height=414
//
// Exit codes: 0 measured, 1 usage or X error, 2 no window within --timeout
// milliseconds (10000), 3 the program ended before mapping a window.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1.0e6;
}

void sleepMs(long ms)
{
    timespec ts { ms / 1000, (ms % 1000) * 1000000L };
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) { }
}

std::string windowTitle(Display *display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data && type == utf8 && format == 8) {
        title.assign(reinterpret_cast<const char *>(data), count);
    }
    if (data)
        XFree(data);
    if (title.empty()) {
        char *name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

// One field of /proc/PID/status in KiB, or -1.
long statusKib(pid_t pid, const char *field)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", int(pid));
    FILE *file = std::fopen(path, "r");
    if (!file)
        return -1;
    char line[256];
    long value = -1;
    const size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::strtol(line + length + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(file);
    return value;
}

int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0; // a window may vanish between its MapNotify and our look at it
}

int usage()
{
    std::fputs("usage: mapwatch [--title TITLE] [--settle MS] [--timeout MS] -- PROGRAM "
               "[ARGUMENT...]\n",
               stderr);
    return 1;
}

void endChild(pid_t pid)
{
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) { }
}

} // namespace

int main(int argc, char *argv[])
{
    const char *title = nullptr;
    long settleMs = 500;
    long timeoutMs = 10000;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc)
            return usage();
        if (option == "--title")
            title = argv[++i];
        else if (option == "--settle")
            settleMs = std::strtol(argv[++i], nullptr, 10);
        else if (option == "--timeout")
            timeoutMs = std::strtol(argv[++i], nullptr, 10);
        else
            return usage();
    }
    if (i >= argc)
        return usage();
    char **command = argv + i;

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("mapwatch: cannot open the X display\n", stderr);
        return 1;
    }
    XSetErrorHandler(ignoreXErrors);
    const int connection = ConnectionNumber(display);
    fcntl(connection, F_SETFD, fcntl(connection, F_GETFD) | FD_CLOEXEC);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    // The program gets a process group of its own so that it can be ended
    // with everything it started.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const double started = nowMs();
    const int spawned = posix_spawnp(&pid, command[0], nullptr, &attributes, command, environ);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) {
        std::fprintf(stderr, "mapwatch: cannot start %s: %s\n", command[0], std::strerror(spawned));
        return 1;
    }

    double mapped = -1;
    Window window = None;
    while (mapped < 0) {
        const double left = started + double(timeoutMs) - nowMs();
        if (left <= 0) {
            endChild(pid);
            std::fputs("mapwatch: no window appeared in time\n", stderr);
            return 2;
        }
        if (!XPending(display)) {
            pollfd watch { connection, POLLIN, 0 };
            poll(&watch, 1, int(left < 50 ? left + 1 : 50));
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                std::fputs("mapwatch: the program ended before showing a window\n", stderr);
                return 3;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.event != DefaultRootWindow(display) ||
            event.xmap.override_redirect)
            continue;
        const double at = nowMs();
        if (title && windowTitle(display, event.xmap.window) != title)
            continue;
        mapped = at - started;
        window = event.xmap.window;
    }

    XWindowAttributes geometry {};
    if (!XGetWindowAttributes(display, window, &geometry))
        geometry = XWindowAttributes {};

    sleepMs(settleMs);
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
        std::fputs("mapwatch: the program ended while settling\n", stderr);
        return 3;
    }
    const long hwm = statusKib(pid, "VmHWM");
    const long rss = statusKib(pid, "VmRSS");
    endChild(pid);
    XCloseDisplay(display);

    std::printf("map_ms=%.3f hwm_kib=%ld rss_kib=%ld width=%d height=%d\n", mapped, hwm, rss,
                geometry.width, geometry.height);
    return 0;
}
