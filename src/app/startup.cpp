#include "app/startup.h"

#include "common/appinfo.h"
#include "common/icon.h"
#include "common/style.h"

#include <QApplication>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace toevane {

namespace {

std::string_view environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// True when a Unix socket at the address takes a connection (or is too busy
// to take it at once: someone listens).
bool socketListens(const std::string &address, bool abstract)
{
    sockaddr_un where {};
    where.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0; // an abstract name starts with a zero byte
    if (address.size() + offset >= sizeof(where.sun_path))
        return false;
    std::memcpy(where.sun_path + offset, address.data(), address.size());
    const auto length =
        socklen_t(offsetof(sockaddr_un, sun_path) + offset + address.size() + (abstract ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const bool listens = ::connect(fd, reinterpret_cast<const sockaddr *>(&where), length) == 0 ||
        errno == EAGAIN || errno == EINPROGRESS;
    ::close(fd);
    return listens;
}

// True when DISPLAY names an X server this program can reach. A local
// display (":0", "unix:0.0") is reachable when its socket takes a
// connection; any other form (over the network, as 'ssh -X' sets it) is
// taken on trust.
bool xServerReachable(std::string_view display)
{
    const auto colon = display.rfind(':');
    if (colon == std::string_view::npos)
        return false;
    const std::string_view host = display.substr(0, colon);
    if (!host.empty() && host != "unix")
        return true;
    std::string_view number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const std::string socket = "/tmp/.X11-unix/X" + std::string(number);
    return socketListens(socket, true) || socketListens(socket, false);
}

} // namespace

DisplayChoice ensureDisplay()
{
    DisplayChoice choice;
    if (!environment("QT_QPA_PLATFORM").empty()) {
        choice.reachable = true; // the user's choice
        return choice;
    }
    const std::string_view display = environment("DISPLAY");
    const bool wayland =
        !environment("WAYLAND_DISPLAY").empty() || !environment("WAYLAND_SOCKET").empty();
    const bool waylandSession = environment("XDG_SESSION_TYPE") == "wayland";
    // In a Wayland session Qt would take its Wayland plugin, where no window
    // can stay on top or be placed by the program: the exit screen could
    // fall behind other windows. The session's X server (XWayland), where
    // there is one, does both.
    if (!display.empty() && (wayland || waylandSession) && xServerReachable(display)) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        choice.platformChosenHere = true;
    }
    choice.reachable = !display.empty() || wayland;
    if (choice.reachable)
        return choice;
    if (waylandSession)
        std::fputs("ToevaneFree: no graphical display found: XDG_SESSION_TYPE says this is a "
                   "Wayland session, but WAYLAND_DISPLAY (and DISPLAY) are unset; run it from a "
                   "terminal of that session, or set WAYLAND_DISPLAY to the compositor's socket "
                   "(for example wayland-0).\n",
                   stderr);
    else
        std::fputs("ToevaneFree: no graphical display found (DISPLAY and WAYLAND_DISPLAY are "
                   "unset); run it from a desktop session, over 'ssh -X', or under 'xvfb-run "
                   "-a'.\n",
                   stderr);
    return choice;
}

void configureApplication(const DisplayChoice &display)
{
    if (display.platformChosenHere)
        ::unsetenv("QT_QPA_PLATFORM"); // the plugin is loaded; keep it from the browser
    QApplication::setApplicationName(QString::fromLatin1(appinfo::kExecutableName));
    QApplication::setApplicationVersion(QString::fromLatin1(appinfo::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(appinfo::kDesktopFileName));
    // The program ends only through EndProgram, never because the last
    // visible window went away for a moment during a window switch.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new Style);
    QApplication::setWindowIcon(appIcon());
}

} // namespace toevane
