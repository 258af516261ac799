#include "app/singleinstance.h"

#include "common/appinfo.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toevane {

namespace {

// A lock file younger than this whose owner cannot be read may still be in
// the middle of being written by a copy that starts at the same moment.
constexpr qint64 kFreshLockMs = 1000;
constexpr int kAcquireBudgetMs = 3000;

} // namespace

SingleInstanceGuard::SingleInstanceGuard(QString lockPath)
    : m_path(std::move(lockPath))
{
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    release();
}

QString SingleInstanceGuard::defaultLockPath()
{
    const QString name = QString::fromLatin1(appinfo::kExecutableName);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime + u'/' + name + QStringLiteral(".lock");
    return QDir::tempPath() + u'/' + name + u'-' + QString::number(::getuid()) +
        QStringLiteral(".lock");
}

bool SingleInstanceGuard::acquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Held for the whole run: only a dead owner makes the lock stale.
    m_lock->setStaleLockTime(0);

    const QDeadlineTimer budget(kAcquireBudgetMs);
    for (;;) {
        // Only a regular file can be a lock. QLockFile reads one that it
        // cannot create with a blocking open, so a FIFO there would hold the
        // start for ever; a folder or a dangling link could never be taken
        // over. With anything but a regular file the program runs unguarded,
        // as where no lock can be made at all.
        if (!lockPathIsFree() && !lockPathIsRegularFile())
            return true;
        if (m_lock->tryLock(0))
            return true;
        if (m_lock->error() != QLockFile::LockFailedError)
            return true; // cannot lock here at all: run unguarded
        qint64 pid = 0;
        QString host, app;
        if (m_lock->getLockInfo(&pid, &host, &app))
            return false; // QLockFile found its owner alive
        // The file names no owner: empty or garbled. With a stale time of
        // 0 QLockFile would wait on it for ever, so decide here.
        const OwnerlessLock state = ownerlessLockState();
        if (state == OwnerlessLock::Stale && removeStaleLock())
            continue;
        if (budget.hasExpired()) {
            // A live copy holds the file, or it cannot be decided (a stale
            // file that cannot be removed): the latter must not keep the
            // program from starting.
            return state != OwnerlessLock::Held;
        }
        QThread::msleep(20);
    }
}

bool SingleInstanceGuard::lockPathIsFree() const
{
    struct stat status;
    return ::lstat(QFile::encodeName(m_path).constData(), &status) != 0 && errno == ENOENT;
}

bool SingleInstanceGuard::lockPathIsRegularFile() const
{
    struct stat status; // of the file a link leads to
    return ::stat(QFile::encodeName(m_path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

SingleInstanceGuard::OwnerlessLock SingleInstanceGuard::ownerlessLockState() const
{
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return OwnerlessLock::Stale; // gone meanwhile: the next try will create it
    // A live owner holds a lock on the file for its whole run.
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    struct stat status;
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    ::close(fd);
    if (held)
        return OwnerlessLock::Held;
    if (!regular)
        return OwnerlessLock::Stale;
    // A file written a moment ago may belong to a copy that starts at the
    // same time. A time in the future (the clock was set back after a crash)
    // says nothing about that.
    const qint64 age = QFileInfo(m_path).lastModified().msecsTo(QDateTime::currentDateTime());
    return age >= 0 && age <= kFreshLockMs ? OwnerlessLock::Fresh : OwnerlessLock::Stale;
}

bool SingleInstanceGuard::removeStaleLock() const
{
    // As QLockFile::removeStaleLockFile(), but an open that cannot block and
    // only of a regular file: take the file's lock, so that no copy that
    // has just made it loses it, then remove it.
    const QByteArray path = QFile::encodeName(m_path);
    const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status;
    const bool removed = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(path.constData()) == 0;
    ::close(fd);
    return removed;
}

void SingleInstanceGuard::release()
{
    if (m_lock && m_lock->isLocked())
        m_lock->unlock();
}

} // namespace toevane
