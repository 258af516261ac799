// Window-manager hints on X11, through xcb, which Qt's own X11 support uses.
// The window manager lists the managed windows bottom to top in the root
// window's _NET_CLIENT_LIST_STACKING, and every change of that list reaches
// each program that watches the root window's properties.

#include "common/windowhints.h"

#include "common/appinfo.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace toevane {

namespace {

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template<typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// The X server's connection, or null on another platform.
xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// True when the window's class (WM_CLASS, instance and class name) is this
// program's.
bool isThisProgram(xcb_connection_t *connection, xcb_window_t window)
{
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64),
        nullptr));
    if (!reply)
        return false;
    const QByteArray classes(static_cast<const char *>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
    const QByteArray program = QByteArray(appinfo::kExecutableName).toLower();
    for (const QByteArray &name : classes.split('\0')) {
        if (name.toLower() == program)
            return true;
    }
    return false;
}

class AboveOtherCopies : public QObject, public QAbstractNativeEventFilter
{
public:
    AboveOtherCopies(QWidget *window, xcb_connection_t *connection, xcb_window_t root)
        : QObject(window)
        , m_window(window)
        , m_connection(connection)
        , m_root(root)
        , m_stacking(atom(connection, "_NET_CLIENT_LIST_STACKING"))
    {
        // Qt watches the root window's properties already; add it to what
        // this connection selects there, in case it ever stops.
        const ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root),
                                            nullptr));
        if (attributes) {
            const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        }
        qApp->installNativeEventFilter(this);
    }
    ~AboveOtherCopies() override { qApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *change = static_cast<const xcb_property_notify_event_t *>(message);
        if (change->window == m_root && change->atom == m_stacking && m_stacking != XCB_ATOM_NONE &&
            m_window->isVisible() && coveredByAnotherCopy())
            m_window->raise();
        return false;
    }

private:
    bool coveredByAnotherCopy() const
    {
        const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, m_root, m_stacking, XCB_ATOM_WINDOW, 0, 4096),
            nullptr));
        if (!reply || reply->format != 32)
            return false;
        const auto *windows =
            static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / 4;
        const auto own = static_cast<xcb_window_t>(m_window->winId());
        bool above = false; // the list runs bottom to top
        for (int k = 0; k < count; ++k) {
            if (windows[k] == own)
                above = true;
            else if (above && isThisProgram(m_connection, windows[k]))
                return true;
        }
        return false;
    }

    QWidget *m_window;
    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_stacking;
};

} // namespace

void keepOutOfTaskBar(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    // The window manager reads the state when the window is mapped; Qt adds
    // its own states (modal, above) to what stands there then.
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t states[] = { atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                  atom(connection, "_NET_WM_STATE_SKIP_PAGER") };
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, atom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}

void keepAboveOtherCopies(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen)
        new AboveOtherCopies(window, connection, screen->root);
}

} // namespace toevane
