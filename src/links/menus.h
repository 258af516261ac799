#pragma once

class QAction;
class QMainWindow;

namespace toevane {

enum class MainWindowKind { Questionnaire, Results };

// The File menu items whose actions belong to the window itself.
struct MainMenuActions
{
    QAction *exit = nullptr; // mnuExit
    QAction *back = nullptr; // mnuFileBack, results window only
};

// Builds the menu bar shared by the two main windows: File, Help, Donate and
// the switched-off Make Money Online. Every item carries its objectName; the
// link items and About are connected here, the File items by the caller.
MainMenuActions buildMainMenuBar(QMainWindow *window, MainWindowKind kind);

// The handlers of the shared items, the same in both windows. The link items
// only open their page; About shows a fresh About window, application-modal
// and without an owner, and returns when it has been closed.
void mnuOnline_Click();
void mnuVisit_Click();
void mnuUpdate_Click();
void mnuAbout_Click();
void mnuDonate_Click();
// Bound to its item, which stays switched off: the user never reaches it.
void mnuMakeMoneyOnline_Click();

} // namespace toevane
