// The store on Windows: the current user's branch of the registry for
// program settings, HKEY_CURRENT_USER\Software\ToevaneFree\ToevaneFree, one
// key a section (QSettings' native format there). Under Qt's test mode it
// moves to a branch of its own for each HOME that a test sets, as the file
// does on Unix, so that tests never touch the user's own value.

#include "app/settingsstore.h"

#include "common/appinfo.h"

#include <QCryptographicHash>
#include <QSettings>
#include <QStandardPaths>

namespace toevane::settings {

namespace {

QString settingPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + storedKey(key);
}

} // namespace

QString fileName()
{
    const QString name = QString::fromLatin1(appinfo::kExecutableName);
    QString branch = QStringLiteral("HKEY_CURRENT_USER\\Software\\");
    if (QStandardPaths::isTestModeEnabled()) {
        const QByteArray home = qgetenv("HOME");
        branch += name + QStringLiteral("-tests\\") +
            QString::fromLatin1(
                      QCryptographicHash::hash(home, QCryptographicHash::Sha256).toHex().left(16)) +
            u'\\';
    }
    return branch + name + u'\\' + name;
}

QString read(const QString &section, const QString &key)
{
    const QSettings store(fileName(), QSettings::NativeFormat);
    // A value of another type (a number, binary data) reads as text that the
    // reminder does not take for a date: as absent.
    return unscramble(store.value(settingPath(section, key)).toString());
}

bool write(const QString &section, const QString &key, const QString &value)
{
    const QString path = settingPath(section, key);
    QSettings store(fileName(), QSettings::NativeFormat);
    const QVariant before = store.value(path);
    store.setValue(path, scramble(value));
    store.sync();
    if (store.status() == QSettings::NoError)
        return true;
    // Not written: keep this process's view of the store what the registry
    // holds.
    if (before.isValid())
        store.setValue(path, before);
    else
        store.remove(path);
    return false;
}

} // namespace toevane::settings
