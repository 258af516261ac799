#include "results/savefile.h"

#include <QSaveFile>

#include <cerrno>
#include <csignal>

#include <unistd.h>

namespace toevane::savefile {

namespace {

// What errno says, as one of the problems.
Problem problemFromErrno()
{
    switch (errno) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Problem::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return Problem::NotAllowed;
    case ENOENT:
    case ENOTDIR:
        return Problem::NoSuchFolder;
    case EISDIR:
        return Problem::NameIsAFolder;
    default:
        return Problem::Failed;
    }
}

} // namespace

Problem replace(const QString &path, const QByteArray &bytes)
{
    // Past a file-size limit (ulimit -f) a write fails instead of killing.
    std::signal(SIGXFSZ, SIG_IGN);
    errno = 0;
    // Unbuffered: each write reaches the system at once and reports its own
    // failure (a buffered one would fail only inside commit(), which then
    // still puts the file in place). commit() syncs too, but ignores a
    // failure: fsync here is checked. A file system that cannot sync
    // (EINVAL) has taken the bytes already.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return problemFromErrno();
    if (out.write(bytes) != bytes.size() || out.error() != QFileDevice::NoError ||
        (::fsync(out.handle()) != 0 && (errno == EIO || errno == ENOSPC || errno == EDQUOT))) {
        const Problem problem = problemFromErrno();
        out.cancelWriting(); // the temporary file goes with `out`
        return problem;
    }
    return out.commit() ? Problem::None : problemFromErrno();
}

} // namespace toevane::savefile
