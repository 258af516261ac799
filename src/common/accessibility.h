#pragma once

class QWidget;

namespace toevane {

// Gives every titled frame inside the window its own title as the name that
// screen readers announce (access-key ampersands removed). Qt would name a
// widget inside a frame after the enclosing frame's title unless it has a
// name of its own, so nested frames would all be read as the outer one. Call
// once the window's controls exist.
void nameFramesByTheirTitles(QWidget *window);

} // namespace toevane
