#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes a file the user chose in one piece: the new bytes replace what
// stood at that name only once every one of them is written and on the
// disk; on any failure what stood there stays as it was and no temporary
// file is left behind.
namespace toevane::savefile {

enum class Problem {
    None,
    NameIsAFolder,
    NoSuchFolder,
    NotAllowed, // no permission to write there
    DiskFull, // no room left, or the file would pass a size limit
    Failed, // anything else, also a name that holds neither a file nor a folder
};

Problem save(const QString &path, const QByteArray &bytes);

// Per platform (savefile_unix.cpp, savefile_win.cpp).
// Forgets the last system error, so that problemFromLastError() reports only
// what failed after it.
void clearLastError();
// What the last failed system call says, as one of the problems; Failed when
// it says nothing known.
Problem problemFromLastError();
// Brings what has been written to the open file onto the disk; false when the
// disk refuses it.
bool syncToDisk(QFileDevice &file);

} // namespace toevane::savefile
