#pragma once

#include <QByteArray>
#include <QString>

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

// Per platform (savefile_unix.cpp, savefile_win.cpp), called by save() once
// the name is known to hold a file or nothing: writes the bytes to a new
// file beside it, brings that onto the disk and puts it in place of the
// name.
Problem replace(const QString &path, const QByteArray &bytes);

} // namespace toevane::savefile
