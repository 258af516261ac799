// ensureDisplay() where X11 and Wayland are reached through Unix sockets.

#include "app/startup.h"

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
    if (address.empty() || address.size() + offset >= sizeof(where.sun_path))
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

// True when a Wayland compositor can be reached: WAYLAND_SOCKET (a
// connection handed down by the compositor) is taken on trust;
// WAYLAND_DISPLAY names a socket, absolute or in XDG_RUNTIME_DIR, that must
// take a connection.
bool waylandReachable(std::string_view name)
{
    if (!environment("WAYLAND_SOCKET").empty())
        return true;
    if (name.empty())
        return false;
    if (name.front() == '/')
        return socketListens(std::string(name), false);
    const std::string_view folder = environment("XDG_RUNTIME_DIR");
    if (folder.empty())
        return false;
    return socketListens(std::string(folder) + '/' + std::string(name), false);
}

void choosePlatform(const char *platform, DisplayChoice &choice)
{
    ::setenv("QT_QPA_PLATFORM", platform, 1);
    choice.platformChosenHere = true;
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
    const std::string_view waylandName = environment("WAYLAND_DISPLAY");
    const bool waylandNamed = !waylandName.empty() || !environment("WAYLAND_SOCKET").empty();
    const bool waylandSession = environment("XDG_SESSION_TYPE") == "wayland";
    const bool x11 = !display.empty() && xServerReachable(display);
    const bool wayland = waylandNamed && waylandReachable(waylandName);
    // In a Wayland session Qt would take its Wayland plugin, where no window
    // can stay on top or be placed by the program: the exit screen could
    // fall behind other windows. The session's X server (XWayland), where
    // there is one, does both. Where DISPLAY names an X server that is gone
    // and a compositor listens, Qt would try the X server and abort.
    if (x11 && (waylandNamed || waylandSession))
        choosePlatform("xcb", choice);
    else if (!x11 && !display.empty() && wayland)
        choosePlatform("wayland", choice);
    choice.reachable = x11 || wayland;
    if (choice.reachable)
        return choice;
    if (!display.empty() || waylandNamed)
        std::fputs("ToevaneFree: no graphical display found: no X server or Wayland compositor "
                   "listens where DISPLAY or WAYLAND_DISPLAY points; run it from a desktop "
                   "session, over 'ssh -X', or under 'xvfb-run -a'.\n",
                   stderr);
    else if (waylandSession)
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

} // namespace toevane
