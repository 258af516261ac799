#include "results/savefile.h"

#include <QDir>
#include <QRandomGenerator>

#include <algorithm>
#include <string>

#include <windows.h>

namespace toevane::savefile {

namespace {

Problem problemFrom(DWORD error)
{
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
        return Problem::DiskFull;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
        return Problem::NotAllowed;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
        return Problem::NoSuchFolder;
    default:
        return Problem::Failed;
    }
}

} // namespace

// Written with Windows' own calls: Qt keeps the handle of the files it
// opens to itself, and FlushFileBuffers needs it.
Problem replace(const QString &path, const QByteArray &bytes)
{
    const std::wstring target = QDir::toNativeSeparators(path).toStdWString();
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 16 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = target + L'.' + std::to_wstring(QRandomGenerator::global()->generate());
        file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            return problemFrom(::GetLastError());
    }
    if (file == INVALID_HANDLE_VALUE)
        return Problem::Failed;
    bool written = true;
    for (qsizetype done = 0; written && done < bytes.size();) {
        const auto chunk = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 20));
        DWORD wrote = 0;
        written =
            ::WriteFile(file, bytes.constData() + done, chunk, &wrote, nullptr) && wrote == chunk;
        done += wrote;
    }
    written = written && ::FlushFileBuffers(file);
    DWORD error = written ? ERROR_SUCCESS : ::GetLastError();
    ::CloseHandle(file);
    if (written &&
        ::MoveFileExW(temporary.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Problem::None;
    if (written)
        error = ::GetLastError();
    ::DeleteFileW(temporary.c_str());
    return problemFrom(error);
}

} // namespace toevane::savefile
