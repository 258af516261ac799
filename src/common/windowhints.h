#pragma once

class QWidget;

// What the program asks of the window manager beyond Qt's own calls. One
// file per platform: windowhints_xcb.cpp (X11), windowhints_win.cpp
// (Windows), windowhints_none.cpp (anywhere else, where they do nothing).
namespace toevane {

// Leaves the window out of the task bar and the pager (on X11:
// _NET_WM_STATE_SKIP_TASKBAR and _SKIP_PAGER; on Windows: owned by the
// window the user works in). Call before the window is first shown.
void keepOutOfTaskBar(QWidget *window);

// Keeps a window that is kept on top above the windows of the program's
// other copies, which may be kept on top too (the exit screen): whenever one
// of them comes above it (a click on it raises it), the window is raised
// again. Lasts as long as the window.
void keepAboveOtherCopies(QWidget *window);

} // namespace toevane
