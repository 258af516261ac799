#include "common/filecheck.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toevane::files {

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// Opens without blocking: a FIFO would wait for a writer.
int openNonBlocking(const QString &path, int flags)
{
    return ::open(native(path).constData(), flags | O_NONBLOCK | O_CLOEXEC);
}

bool isRegular(int fd)
{
    struct stat status;
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

PathState pathState(const QString &path)
{
    const QByteArray name = native(path);
    struct stat status;
    if (::lstat(name.constData(), &status) != 0)
        return errno == ENOENT ? PathState::Absent : PathState::Foreign;
    if (S_ISLNK(status.st_mode) && ::stat(name.constData(), &status) != 0)
        return PathState::Foreign; // a link to nothing: writing would create its target
    return S_ISREG(status.st_mode) ? PathState::Regular : PathState::Foreign;
}

bool isOwnRegularFile(const QString &path)
{
    struct stat status;
    return ::lstat(native(path).constData(), &status) == 0 && S_ISREG(status.st_mode) &&
        status.st_uid == ::getuid();
}

bool isWritableFile(const QString &path)
{
    return pathState(path) == PathState::Regular && ::access(native(path).constData(), W_OK) == 0;
}

bool isHeld(const QString &path)
{
    const int fd = openNonBlocking(path, O_RDONLY);
    if (fd < 0)
        return false;
    const bool held = isRegular(fd) && ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

bool removeUnheldFile(const QString &path)
{
    const int fd = openNonBlocking(path, O_RDONLY);
    if (fd < 0)
        return false;
    const bool removed = isRegular(fd) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::unlink(native(path).constData()) == 0;
    ::close(fd);
    return removed;
}

bool ensurePrivateFolder(const QString &path)
{
    const QByteArray name = native(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat status;
    return ::lstat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
        status.st_uid == ::getuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace toevane::files
