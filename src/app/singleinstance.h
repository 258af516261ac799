#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace toevane {

// Per-user guard that lets one copy of the program run at a time. It holds a
// QLockFile for the whole run; a lock left behind by a copy that crashed is
// recognised as stale and taken over.
class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(QString lockPath = defaultLockPath());
    ~SingleInstanceGuard();

    SingleInstanceGuard(const SingleInstanceGuard &) = delete;
    SingleInstanceGuard &operator=(const SingleInstanceGuard &) = delete;

    // True when this copy now holds the lock, false when another live copy
    // does. A lock that cannot be created at all (read-only folder), a path
    // that is not a regular file, or a stale lock that cannot be removed
    // within a few seconds does not stop the program: it then runs
    // unguarded. Never blocks on what it finds at the path.
    bool acquire();
    void release();

    QString lockPath() const { return m_path; }

    // $XDG_RUNTIME_DIR/ToevaneFree.lock, or a per-user name in the temporary
    // folder when there is no usable runtime folder.
    static QString defaultLockPath();

private:
    enum class OwnerlessLock { Held, Fresh, Stale };
    bool lockPathIsFree() const;
    bool lockPathIsRegularFile() const;
    OwnerlessLock ownerlessLockState() const;
    bool removeStaleLock() const;

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace toevane
