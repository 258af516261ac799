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

} // namespace toevane
