#include "app/singleinstance.h"

#include "common/appinfo.h"
#include "common/filecheck.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <unistd.h>

namespace toevane {

namespace {

// A lock file younger than this whose owner cannot be read may still be in
// the middle of being written by a copy that starts at the same moment.
constexpr qint64 kFreshLockMs = 1000;
constexpr int kAcquireBudgetMs = 3000;

QString lockName()
{
    return QString::fromLatin1(appinfo::kExecutableName) + QStringLiteral(".lock");
}

enum class Outcome {
    Held, // this copy holds the lock
    Refused, // a live copy of this user holds it
    Unusable, // no lock can be had here
};

// A file that names no owner (empty or garbled): held by a live copy, just
// being written by one, or left behind.
enum class OwnerlessLock { Held, Fresh, Stale };

OwnerlessLock ownerlessLockState(const QString &path)
{
    // A live owner holds a lock on the file for its whole run.
    if (files::isHeld(path))
        return OwnerlessLock::Held;
    // A file written a moment ago may belong to a copy that starts at the
    // same time. A time in the future (the clock was set back after a crash)
    // says nothing about that.
    const qint64 age = QFileInfo(path).lastModified().msecsTo(QDateTime::currentDateTime());
    return age >= 0 && age <= kFreshLockMs ? OwnerlessLock::Fresh : OwnerlessLock::Stale;
}

Outcome lockAt(const QString &path, QLockFile &lock)
{
    // Only a folder of this user's own, that no one else can write, can hold
    // a lock that means something; its parent may have to be made.
    if (!files::ensurePrivateFolder(QFileInfo(path).absolutePath()))
        return Outcome::Unusable;
    // Held for the whole run: only a dead owner makes the lock stale.
    lock.setStaleLockTime(0);
    const QDeadlineTimer budget(kAcquireBudgetMs);
    for (;;) {
        // Only a regular file of this user's own can be a lock. QLockFile
        // reads one that it cannot create with a blocking open, so a FIFO
        // there would hold the start for ever; a folder or a dangling link
        // could never be taken over, and another user's file is no copy of
        // this user's program.
        const files::PathState state = files::pathState(path);
        if (state == files::PathState::Foreign ||
            (state == files::PathState::Regular && !files::isOwnRegularFile(path)))
            return Outcome::Unusable;
        if (lock.tryLock(0))
            return Outcome::Held;
        if (lock.error() != QLockFile::LockFailedError)
            return Outcome::Unusable; // cannot lock here at all
        qint64 pid = 0;
        QString host, app;
        if (lock.getLockInfo(&pid, &host, &app))
            return Outcome::Refused; // QLockFile found its owner alive
        // The file names no owner. With a stale time of 0 QLockFile would
        // wait on it for ever, so decide here.
        const OwnerlessLock ownerless = ownerlessLockState(path);
        if (ownerless == OwnerlessLock::Stale && files::removeUnheldFile(path))
            continue;
        if (budget.hasExpired()) {
            // A live copy holds the file, or it cannot be decided (a stale
            // file that cannot be removed): the latter must not keep the
            // program from starting.
            return ownerless == OwnerlessLock::Held ? Outcome::Refused : Outcome::Unusable;
        }
        QThread::msleep(20);
    }
}

} // namespace

struct SingleInstanceGuard::Lock
{
    QString path;
    QLockFile file;
    explicit Lock(const QString &at)
        : path(at)
        , file(at)
    {
    }
};

SingleInstanceGuard::SingleInstanceGuard(QString lockPath, QString fallbackPath)
    : m_path(std::move(lockPath))
    , m_fallbackPath(std::move(fallbackPath))
{
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    release();
}

QString SingleInstanceGuard::defaultLockPath()
{
    // The XDG base-directory rules ignore a relative path.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || QDir::isRelativePath(runtime))
        return fallbackLockPath();
    return runtime + u'/' + lockName();
}

QString SingleInstanceGuard::fallbackLockPath()
{
    return QDir::tempPath() + u'/' + QString::fromLatin1(appinfo::kExecutableName) + u'-' +
        QString::number(::getuid()) + u'/' + lockName();
}

QString SingleInstanceGuard::heldPath() const
{
    return m_lock ? m_lock->path : QString();
}

bool SingleInstanceGuard::acquire()
{
    if (m_lock)
        return true;
    const QString paths[] = { m_path, m_fallbackPath == m_path ? QString() : m_fallbackPath };
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        auto lock = std::make_unique<Lock>(path);
        switch (lockAt(path, lock->file)) {
        case Outcome::Held:
            m_lock = std::move(lock);
            return true;
        case Outcome::Refused:
            return false;
        case Outcome::Unusable:
            break;
        }
    }
    return true; // no guard to be had: run unguarded
}

void SingleInstanceGuard::release()
{
    if (m_lock)
        m_lock->file.unlock();
    m_lock.reset();
}

} // namespace toevane
