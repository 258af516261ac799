#pragma once

namespace toevane {

// Call before the QApplication is made. True when a graphical display can be
// reached; otherwise prints one line to standard error saying what is
// missing and how to get a display. Where the user chose no platform
// (QT_QPA_PLATFORM) and an X server is reachable in a Wayland session
// (XWayland), it has Qt use that X server, where windows can stay on top and
// be centred.
bool ensureDisplay();

// Call right after the QApplication is made. Application-wide settings:
// names, version, icon, style, desktop file name.
void configureApplication();

} // namespace toevane
