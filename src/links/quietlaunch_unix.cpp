// launchQuietly() where the launcher is a child process that inherits the
// program's file descriptors: Qt starts it (QProcess::startDetached) before
// QDesktopServices::openUrl returns, so standard error goes to /dev/null for
// that moment and comes back afterwards.

#include "links/quietlaunch.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace toevane::links {

void launchQuietly(const std::function<void()> &start)
{
    std::fflush(stderr);
    // Where standard error is closed there is nothing to keep from the
    // launcher, and a descriptor opened here could take its place.
    const int saved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    const int null = saved < 0 ? -1 : ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const bool redirected = null >= 0 && ::dup2(null, STDERR_FILENO) == STDERR_FILENO;
    start();
    if (redirected)
        ::dup2(saved, STDERR_FILENO);
    if (null >= 0)
        ::close(null);
    if (saved >= 0)
        ::close(saved);
}

} // namespace toevane::links
