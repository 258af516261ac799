#include "app/singleinstance.h"

#include "common/appinfo.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
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
        if (ownerlessLockIsStale()) {
            m_lock->removeStaleLockFile();
            continue;
        }
        if (budget.hasExpired())
            return false;
        QThread::msleep(20);
    }
}

bool SingleInstanceGuard::ownerlessLockIsStale() const
{
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true; // gone meanwhile: the next try will create it
    // A live owner holds a lock on the file for its whole run.
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    if (held)
        return false;
    const QDateTime modified = QFileInfo(m_path).lastModified();
    return !modified.isValid() || modified.msecsTo(QDateTime::currentDateTime()) > kFreshLockMs;
}

void SingleInstanceGuard::release()
{
    if (m_lock && m_lock->isLocked())
        m_lock->unlock();
}

} // namespace toevane
