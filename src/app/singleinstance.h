#pragma once

#include <QString>

#include <memory>

namespace toevane {

// Per-user guard that lets one copy of the program run at a time, held for
// the whole run. How it is held is the platform's: on Unix a lock file
// (singleinstance_unix.cpp; a lock left behind by a copy that crashed is
// taken over, and where anything but this user's own files stands at the
// lock's path or beside it, that place is not used), on Windows a named
// mutex of this user's session, named after the user and the lock path,
// which dies with its process
// (singleinstance_win.cpp; no file is made there and there is no fallback).
class SingleInstanceGuard
{
public:
    // lockPath is tried first; when no lock can be made there at all,
    // fallbackPath (if not empty and not the same) is tried next.
    explicit SingleInstanceGuard(QString lockPath = defaultLockPath(),
                                 QString fallbackPath = fallbackLockPath());
    ~SingleInstanceGuard();

    SingleInstanceGuard(const SingleInstanceGuard &) = delete;
    SingleInstanceGuard &operator=(const SingleInstanceGuard &) = delete;

    // True when this copy now holds the guard, false when another live copy
    // of the same user does. Where no guard can be had (no lock can be made
    // at either path, nothing but a file of this user's own counts) the
    // program runs unguarded rather than be kept from starting. Never blocks
    // on what it finds at a path and returns within a few seconds.
    bool acquire();
    void release();

    // The path asked for first, and the one held (empty while none is; on
    // Windows the name of the mutex held).
    QString lockPath() const { return m_path; }
    QString heldPath() const;

    // $XDG_RUNTIME_DIR/ToevaneFree.lock when that variable names an absolute
    // path, else fallbackLockPath().
    static QString defaultLockPath();
    // ToevaneFree.lock in a folder of this user's own in the temporary
    // folder, <temp>/ToevaneFree-<uid>, which the guard makes with access for
    // this user only, and uses only while it stays so. <temp> is TMPDIR where
    // that names, by an absolute path, a folder this user may make files in,
    // else /tmp: the same for every working folder.
    static QString fallbackLockPath();

private:
    struct Lock;
    QString m_path;
    QString m_fallbackPath;
    std::unique_ptr<Lock> m_lock;
};

} // namespace toevane
