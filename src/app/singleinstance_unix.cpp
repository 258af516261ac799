// The guard on Unix: flock(LOCK_EX | LOCK_NB) on a file that is never
// deleted, which the kernel drops with the process; copies that start
// together all open the same file, and exactly one gets the lock.

#include "app/singleinstance.h"

#include "common/appinfo.h"

#include <QFile>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toevane {

QString SingleInstanceGuard::defaultLockPath()
{
    return QStringLiteral("/tmp/") + QString::fromLatin1(appinfo::kExecutableName) + u'-' +
        QString::number(::getuid()) + QStringLiteral(".lock");
}

QString SingleInstanceGuard::heldPath() const
{
    return m_handle ? m_path : QString();
}

bool SingleInstanceGuard::acquire()
{
    if (m_handle)
        return true;
    // A FIFO must not wait for a writer, a link is no lock of this user's,
    // and flock needs no more than read access (an immutable file serves).
    const int fd = ::open(QFile::encodeName(m_path).constData(),
                          O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // no lock to be had: run unguarded
    // Anyone who can open the file can hold its lock: only this user may.
    struct stat status;
    const bool own = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
    if (own && !(status.st_mode & S_IRUSR))
        ::fchmod(fd, 0600); // made under umask 0777: the next copy must open it
    if (own && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_handle = fd + 1;
        return true;
    }
    // Only that error means a live copy; any other: run unguarded.
    const bool heldByAnother = own && errno == EWOULDBLOCK;
    ::close(fd);
    return !heldByAnother;
}

void SingleInstanceGuard::release()
{
    if (const qintptr handle = std::exchange(m_handle, 0))
        ::close(int(handle - 1));
}

} // namespace toevane
