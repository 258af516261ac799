#pragma once

#include <QString>

// Keeps a test program out of the user's home, however it is started (CTest,
// an IDE, a shell): call it first in initTestCase(). Qt's test mode goes on,
// and the settings store, the runtime folder for the instance lock and the
// configuration folder of any child process move into a temporary folder of
// this process, removed when it ends. Returns that folder.
QString isolateTestSettings();

// Gives the settings store an empty home of its own, for a test that needs a
// fresh one: HOME moves there, and the configuration folder of children with
// it. Returns the store's file there.
QString moveSettingsStore(const QString &home);

// The folder isolateTestSettings() made (empty before it is called).
QString isolatedHome();
// The instance lock inside that folder.
QString isolatedLockPath();
// The settings file inside that folder (toevane::settings::fileName()).
QString isolatedSettingsFile();
