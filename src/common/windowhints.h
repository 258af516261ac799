#pragma once

class QWidget;

namespace toevane {

// Asks the window manager to leave the window out of the task bar and the
// pager (on X11: _NET_WM_STATE_SKIP_TASKBAR and _SKIP_PAGER, set before the
// window is first shown). Does nothing on other platforms.
void keepOutOfTaskBar(QWidget *window);

} // namespace toevane
