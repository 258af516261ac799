#pragma once

#include <QString>

// Looks at what stands at a path without ever blocking on it: the one place
// where the settings store and the single-instance guard decide whether a
// path holds a file of their own. Implemented per platform
// (filecheck_unix.cpp).
namespace toevane::files {

enum class PathState {
    Absent, // nothing there
    Regular, // a regular file, or a link to one
    Foreign, // anything else: a FIFO, a device, a folder, a dangling link
};

// What stands at path; a link is followed once it is known to lead somewhere.
PathState pathState(const QString &path);

// True for a regular file itself (not a link to one) owned by this user.
bool isOwnRegularFile(const QString &path);

// True when path is a regular file that this user may replace (write access).
bool isWritableFile(const QString &path);

// Whether some process holds the lock of the regular file at path (as a
// running QLockFile owner does); false when it is gone or not a regular
// file. Never blocks.
bool isHeld(const QString &path);

// Removes the regular file at path if no process holds its lock, taking that
// lock while removing it, so that a process that has just made the file
// does not lose it. Never blocks. True when it was removed.
bool removeUnheldFile(const QString &path);

// Makes the folder at path if it is missing, only this user having access,
// and checks that it is a real folder (not a link) owned by this user that
// no one else can write. False when such a folder cannot be had there.
bool ensurePrivateFolder(const QString &path);

} // namespace toevane::files
