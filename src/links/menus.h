#pragma once

class QAction;
class QMainWindow;

namespace toevane {

enum class MainWindowKind { Questionnaire, Results };

// The items whose actions belong to the window itself.
struct MainMenuActions
{
    QAction *exit = nullptr; // mnuExit
    QAction *back = nullptr; // mnuFileBack, results window only
    QAction *about = nullptr; // mnuAbout
};

// Builds the menu bar shared by the two main windows: File, Help, Donate and
// the switched-off Make Money Online. Every item carries its objectName; the
// link items are connected here, the File items and About by the caller.
MainMenuActions buildMainMenuBar(QMainWindow *window, MainWindowKind kind);

} // namespace toevane
