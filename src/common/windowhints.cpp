#include "common/windowhints.h"

#include <QGuiApplication>
#include <QWidget>

#if TOEVANE_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace toevane {

#if TOEVANE_HAVE_XCB
namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

} // namespace
#endif

void keepOutOfTaskBar(QWidget *window)
{
#if TOEVANE_HAVE_XCB
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t *connection = x11->connection();
    // The window manager reads the state when the window is mapped; Qt adds
    // its own states (modal, above) to what stands there then.
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t states[] = { atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                  atom(connection, "_NET_WM_STATE_SKIP_PAGER") };
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, atom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

} // namespace toevane
