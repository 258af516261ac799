#pragma once

#include <QTemporaryDir>

// Keeps a test program out of the user's home, however it is started (CTest,
// an IDE, a shell): call it first in initTestCase(). Qt's test mode goes on,
// and the settings store, the runtime folder and the configuration folder of
// any child process move into a temporary folder of this process, removed
// when it ends. The texts are English, the source, unless
// TOEVANE_TEST_LANGUAGE names a translation ("de", "pt_BR"), which is then
// installed as the program would install it. Returns that folder.
QString isolateTestSettings();

// Gives the settings store an empty home of its own, for a test that needs a
// fresh one: HOME moves there, and the configuration folder of children with
// it. Returns the store's file there.
QString moveSettingsStore(const QString &home);

// The folder isolateTestSettings() made (empty before it is called).
QString isolatedHome();
// An instance lock inside that folder, for the guards under test (the
// program's own is one per user, in /tmp).
QString isolatedLockPath();

// An empty settings store of its own, for one test function: made in init(),
// dropped in cleanup(), where a file named in `immutable` is given back its
// chattr -i first.
struct FreshStore : QTemporaryDir
{
    FreshStore();
    ~FreshStore();
    QString immutable;
};

// On Unix the store is a file; on Windows the user's registry branch, where
// the checks of what only a file can meet are skipped.
#ifdef Q_OS_WIN
constexpr bool kStoreIsAFile = false;
#define FILE_STORE_ONLY() QSKIP("the store is the registry on Windows")
#else
constexpr bool kStoreIsAFile = true;
#define FILE_STORE_ONLY()
#endif
