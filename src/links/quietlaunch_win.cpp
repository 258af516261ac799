// launchQuietly() on Windows: the browser is started through the shell, and
// a program without a console has no standard error to hand on.

#include "links/quietlaunch.h"

namespace toevane::links {

void launchQuietly(const std::function<void()> &start)
{
    start();
}

} // namespace toevane::links
