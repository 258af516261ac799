#include "app/singleinstance.h"

#include "common/appinfo.h"
#include "common/filecheck.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace toevane {

namespace {

// A file of the guard's younger than this that no one holds may be one that a
// copy starting at the same moment has just made (QLockFile creates the file,
// then locks it).
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

// What stands at one of the guard's own paths: the lock, or the companion
// that QLockFile makes beside it while it removes a stale lock.
enum class Leftover {
    Absent,
    Held, // a live copy holds its lock (for its whole run, or while removing)
    Fresh, // made a moment ago and not held: a copy may be making it
    Stale, // no one holds it: left behind by a copy that died
    Foreign, // anything but a regular file of this user's own
};

Leftover leftover(const QString &path)
{
    switch (files::pathState(path)) {
    case files::PathState::Absent:
        return Leftover::Absent;
    case files::PathState::Foreign:
        return Leftover::Foreign;
    case files::PathState::Regular:
        break;
    }
    // A link to a file, or another user's file, is no copy of this user's.
    if (!files::isOwnRegularFile(path))
        return Leftover::Foreign;
    // A file written a moment ago may belong to a copy that starts at the
    // same time; a time in the future (the clock was set back) says nothing
    // about that. QLockFile creates the file, locks it, then writes its owner
    // into it: an empty new file is not probed, as the probe takes the lock
    // for an instant and a copy making the file would then fail to lock it
    // and run with a lock that no one holds.
    const QFileInfo info(path);
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    const bool fresh = age >= 0 && age <= kFreshLockMs;
    if (fresh && info.size() == 0)
        return Leftover::Fresh;
    if (files::isHeld(path))
        return Leftover::Held;
    return fresh ? Leftover::Fresh : Leftover::Stale;
}

bool removeIfStale(const QString &path, Leftover state)
{
    return state == Leftover::Stale && files::removeUnheldFile(path);
}

Outcome lockAt(const QString &path, QLockFile &lock)
{
    // Only a folder of this user's own, that no one else can write, can hold
    // a lock that means something; its parent may have to be made.
    if (!files::ensurePrivateFolder(QFileInfo(path).absolutePath()))
        return Outcome::Unusable;
    // Held for the whole run: only a dead owner makes the lock stale.
    lock.setStaleLockTime(0);
    // QLockFile reads a lock it cannot create, and the companion it takes to
    // remove a stale one, with blocking opens: a FIFO at either path would
    // hold the start for ever, and a folder or a dangling link could never be
    // cleared. So it is only asked to create the lock where both paths are
    // free; what a dead copy left there is removed here, and anything but
    // this user's own regular files makes the place unusable.
    const QString companion = path + QStringLiteral(".rmlock");
    const QDeadlineTimer budget(kAcquireBudgetMs);
    for (;;) {
        const Leftover own = leftover(path);
        if (own == Leftover::Foreign)
            return Outcome::Unusable;
        if (own == Leftover::Held)
            return Outcome::Refused; // a live copy holds it
        const Leftover beside = leftover(companion);
        if (beside == Leftover::Foreign)
            return Outcome::Unusable;
        const bool removedLock = removeIfStale(path, own);
        const bool removedCompanion = removeIfStale(companion, beside);
        const bool removed = removedLock || removedCompanion;
        if (!removed && own == Leftover::Absent && beside == Leftover::Absent) {
            if (lock.tryLock(0))
                return Outcome::Held;
            if (lock.error() != QLockFile::LockFailedError)
                return Outcome::Unusable; // cannot lock here at all
        }
        // A copy is writing one of the files or holds the companion, or a
        // stale file cannot be removed: the last must not keep the program
        // from starting.
        if (budget.hasExpired())
            return Outcome::Unusable;
        if (!removed)
            QThread::msleep(20);
    }
}

// The temporary folder: TMPDIR where it names, by an absolute path, a folder
// this user may make files in, else /tmp. A relative TMPDIR would give each
// working folder a lock of its own.
QString tempFolder()
{
    const QString tmp = qEnvironmentVariable("TMPDIR");
    struct stat status;
    if (!QDir::isAbsolutePath(tmp) || ::stat(QFile::encodeName(tmp).constData(), &status) != 0 ||
        !S_ISDIR(status.st_mode) || ::access(QFile::encodeName(tmp).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("/tmp");
    return QDir::cleanPath(tmp);
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
    return tempFolder() + u'/' + QString::fromLatin1(appinfo::kExecutableName) + u'-' +
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
