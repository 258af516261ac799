#include "support/isolation.h"

#include "app/language.h"
#include "app/settingsstore.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

QTemporaryDir &home()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/toevane-test-XXXXXX"));
    return dir;
}

} // namespace

QString isolateTestSettings()
{
    QTemporaryDir &dir = home();
    if (!dir.isValid())
        qFatal("isolateTestSettings: no temporary folder: %s", qPrintable(dir.errorString()));
    const QString root = dir.path();
    const QString runtime = root + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QStandardPaths::setTestModeEnabled(true);
    // For this process, and inherited by every program a test starts.
    moveSettingsStore(root);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    if (const QString language = qEnvironmentVariable("TOEVANE_TEST_LANGUAGE");
        !language.isEmpty() && toevane::language::install({ language }) != language)
        qFatal("isolateTestSettings: no translation for %s", qPrintable(language));
    return root;
}

QString moveSettingsStore(const QString &home)
{
    // Qt's test mode puts the configuration folder of this process under
    // HOME; its children, which are not in test mode, are sent to the same
    // place.
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.qttest/config")));
    return toevane::settings::fileName();
}

QString isolatedHome()
{
    return home().path();
}

QString isolatedLockPath()
{
    return isolatedHome() + QStringLiteral("/runtime/ToevaneFree.lock");
}

FreshStore::FreshStore()
    : QTemporaryDir(isolatedHome() + QStringLiteral("/store-XXXXXX"))
{
    moveSettingsStore(path());
}

FreshStore::~FreshStore()
{
    if (!immutable.isEmpty())
        QProcess::execute(QStringLiteral("chattr"), { QStringLiteral("-i"), immutable });
}
