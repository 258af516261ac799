#pragma once

class QWidget;

namespace toevane {

// Keeps a window that is kept on top above the windows of the program's
// other copies, which may be kept on top too (the exit screen): whenever one
// of them comes above it (a click on it raises it), the window is raised
// again. Lasts as long as the window. Only where the window manager reports
// the stacking order (X11); elsewhere it does nothing.
void keepAboveOtherCopies(QWidget *window);

} // namespace toevane
