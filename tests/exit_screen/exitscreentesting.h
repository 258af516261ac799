#pragma once

// Shared by the exit screen's tests: opens the screen the way the program
// does, by closing a main window.

#include "app/shutdown.h"
#include "exit_screen/frmnagscreen2.h"
#include "questionnaire/frmmain.h"

#include <QTest>

namespace exittest {

inline frmNagScreen2 *openExitScreenByClosingAMainWindow()
{
    auto *questionnaire = new frmMain;
    questionnaire->show();
    questionnaire->close();
    frmNagScreen2 *screen = toevane::shell::exitScreen();
    if (!screen || !QTest::qWaitForWindowActive(screen))
        return nullptr;
    return screen;
}

} // namespace exittest
