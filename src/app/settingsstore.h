#pragma once

#include <QString>
#include <QStringView>

// The per-user settings store: text values addressed by section and key.
//
// On Windows it is the current user's registry branch for program settings,
// HKEY_CURRENT_USER\Software\ToevaneFree\ToevaneFree, a key per section
// (settingsstore_win.cpp). On Unix (settingsstore_unix.cpp) it lives in the
// user's configuration folder as
//     $XDG_CONFIG_HOME/ToevaneFree/ToevaneFree.conf   (normally ~/.config/...)
// where QSettings(NativeFormat, UserScope, "ToevaneFree", "ToevaneFree") kept
// it: the executable's name serves as both organisation and application, so
// the program's file sits in a folder of its own. Only this file is read, no
// system-wide fallback: the values belong to this user alone. Qt's test mode
// (QStandardPaths::setTestModeEnabled) moves it under ~/.qttest/config.
//
// There the program reads and writes its one line itself, in the INI format
// that every version has written (and QSettings reads): "<key>=<value>" under
// "[<section>]". The value is the last line of its key in the last section
// of that name; a save replaces that line's value, or adds the line (and the
// section when missing), and keeps every other byte of the file. Anything but
// a regular file (or a link to one) at the path, a file larger than 1 MiB, or
// one that cannot be read whole, reads as empty and is never rewritten; nor is
// a file or folder that is not this user's own, or a file it may not write.
// Folders it makes are for this user only.
//
// Key names and values stand in the file only in scrambled form (see
// scramble()); the section name stands as it is.
namespace toevane::settings {

// Replaces every character by another, one Unicode scalar value for one, so
// that the text is not readable at a glance in the file. A bijection on the
// scalar values without fixed points, in three classes that map onto
// themselves: ASCII letters and digits, the other printable ASCII characters
// (space included), and everything else. Lone surrogates (never the output
// of scramble()) are passed through unchanged.
QString scramble(QStringView plain);
// The inverse of scramble(): unscramble(scramble(s)) == s for every s made of
// scalar values.
QString unscramble(QStringView scrambled);

// The key name as it stands in the file: scrambled, then every character that
// is not an ASCII letter or digit written as '_' and six hexadecimal digits.
// The result is always a plain QSettings key (no '/', '\\' or characters that
// QSettings would escape) and the same for the same name.
QString storedKey(QStringView key);

// The file behind the store at this moment (on Windows, its registry
// branch, as QSettings(..., NativeFormat) takes it).
QString fileName();

// The value of section/key, unscrambled; empty when it is absent or the
// store cannot be read.
QString read(const QString &section, const QString &key);

// Creates or replaces section/key with the scrambled value and writes the
// file at once. False when it was not written; the file then stays as it was
// and nothing is left beside it. The section is a plain name (ASCII letters and digits).
bool write(const QString &section, const QString &key, const QString &value);

} // namespace toevane::settings
