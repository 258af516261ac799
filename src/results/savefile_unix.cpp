#include "results/savefile.h"

#include <QFileDevice>

#include <cerrno>

#include <unistd.h>

namespace toevane::savefile {

void clearLastError()
{
    errno = 0;
}

Problem problemFromLastError()
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

bool syncToDisk(QFileDevice &file)
{
    // A file system that cannot sync (EINVAL) has taken the bytes already;
    // what a full or failing disk reports is a failure.
    return ::fsync(file.handle()) == 0 || (errno != EIO && errno != ENOSPC && errno != EDQUOT);
}

} // namespace toevane::savefile
