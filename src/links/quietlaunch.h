#pragma once

#include <functional>

namespace toevane::links {

// Runs start, which starts the desktop's launcher for an address and returns
// once the launcher's process exists, so that the launcher's standard error
// is not the program's: what it writes there (xdg-open repeats the address
// when no browser is set up) would carry the address, a referral's names and
// e-mail addresses included, into the session's journal. Implemented per
// platform (quietlaunch_unix.cpp, quietlaunch_win.cpp).
void launchQuietly(const std::function<void()> &start);

} // namespace toevane::links
