#include "results/savefile.h"

#include <QFileDevice>

#include <windows.h>

namespace toevane::savefile {

void clearLastError()
{
    ::SetLastError(ERROR_SUCCESS);
}

Problem problemFromLastError()
{
    switch (::GetLastError()) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
        return Problem::DiskFull;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
        return Problem::NotAllowed;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETNAME:
        return Problem::NoSuchFolder;
    default:
        return Problem::Failed;
    }
}

bool syncToDisk(QFileDevice &)
{
    // Qt writes a file on Windows through its own handle, which it does not
    // give out; every unbuffered write has gone to WriteFile, which claims
    // the file's room on the disk as it writes and reports a full disk there.
    return true;
}

} // namespace toevane::savefile
