// The guard on Windows: a named mutex in the session's own namespace, named
// after the user's security identifier and the lock path. The system drops
// it with the last handle, so a copy that crashed or was killed never blocks
// the next start, and another user's copy never sees this one's.

#include "app/singleinstance.h"

#include "common/appinfo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

#include <windows.h>

#include <sddl.h>

namespace toevane {

namespace {

// The user's security identifier as text (S-1-5-21-...), empty when it
// cannot be read.
QString userSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    QString sid;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(int(size), '\0');
    if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        wchar_t *text = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid,
                                   &text)) {
            sid = QString::fromWCharArray(text);
            LocalFree(text);
        }
    }
    CloseHandle(token);
    return sid;
}

QString mutexName(const QString &lockPath)
{
    // Object names allow no '\' after the namespace: the path goes in as a
    // hash, so that tests with a lock path of their own get a guard of their
    // own.
    const QByteArray path = QDir::cleanPath(lockPath).toLower().toUtf8();
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(16));
    return QStringLiteral("Local\\") + QString::fromLatin1(appinfo::kExecutableName) + u'-' +
        userSid() + u'-' + hash;
}

} // namespace

QString SingleInstanceGuard::defaultLockPath()
{
    // Only names the guard: no file is made there.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' +
        QString::fromLatin1(appinfo::kExecutableName) + QStringLiteral(".lock");
}

QString SingleInstanceGuard::heldPath() const
{
    return m_handle ? mutexName(m_path) : QString();
}

bool SingleInstanceGuard::acquire()
{
    if (m_handle)
        return true;
    const QString name = mutexName(m_path);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, qUtf16Printable(name));
    if (!mutex) {
        // Access denied: the mutex is there, but its security descriptor
        // shuts this copy out. The name carries this user's identifier, so
        // it was made by another copy of this user's, one started as
        // administrator (its mutex grants only the administrators): that
        // copy runs. Any other failure (the name taken by an object of
        // another kind) must not keep the program from starting: it runs
        // unguarded.
        return GetLastError() != ERROR_ACCESS_DENIED;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    m_handle = reinterpret_cast<qintptr>(mutex);
    return true;
}

void SingleInstanceGuard::release()
{
    if (m_handle)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = 0;
}

} // namespace toevane
