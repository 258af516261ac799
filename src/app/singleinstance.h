#pragma once

#include <QString>

namespace toevane {

// Per-user guard that lets one copy of the program run at a time, held for
// the whole run and dropped by the system when the process ends, however it
// ends: there is never a stale lock to remove and no time window. On Unix an
// flock on a file that is never deleted, at a path made from the user id
// alone (singleinstance_unix.cpp); on Windows a named mutex of this user's
// session, named after the user and the lock path
// (singleinstance_win.cpp; no file is made there).
class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(QString lockPath = defaultLockPath())
        : m_path(std::move(lockPath))
    {
    }
    ~SingleInstanceGuard() { release(); }

    SingleInstanceGuard(const SingleInstanceGuard &) = delete;
    SingleInstanceGuard &operator=(const SingleInstanceGuard &) = delete;

    // True when this copy now holds the guard, false only when another live
    // copy of the same user holds it. Where no guard can be had (anything but
    // a regular file of this user's own that only this user may open stands
    // at the path, or the system refuses the lock) the program runs
    // unguarded rather than be kept from starting. Never blocks.
    bool acquire();
    void release();

    // The path held (empty while none is; on Windows the name of the mutex).
    QString heldPath() const;

    // On Unix /tmp/ToevaneFree-<uid>.lock, the same in every environment; on
    // Windows a path that only names the mutex.
    static QString defaultLockPath();

private:
    QString m_path;
    qintptr m_handle = 0; // the lock file's descriptor + 1, or the mutex
};

} // namespace toevane
