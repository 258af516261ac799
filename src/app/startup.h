#pragma once

namespace toevane {

// True when a graphical display can be reached. Otherwise prints one line to
// standard error saying how to get one.
bool ensureDisplay();

// Application-wide settings: names, version, icon, style, desktop file name.
void configureApplication();

} // namespace toevane
