#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for tests that look at or prepare what the
// program stores on disk.

// The file's bytes; empty when it cannot be read.
QByteArray fileBytes(const QString &path);
// Writes the bytes, creating the folders on the way; false on failure.
bool writeFileBytes(const QString &path, const QByteArray &bytes);
