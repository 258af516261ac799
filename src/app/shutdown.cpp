#include "app/shutdown.h"

#include "app/platform.h"
#include "exit_screen/frmnagscreen2.h"
#include "questionnaire/frmmain.h"
#include "results/frmdisplay.h"

#include <QApplication>
#include <QPointer>

namespace toevane::shell {

namespace {

QPointer<frmNagScreen2> g_exitScreen;
bool g_ending = false;
bool g_switching = false;

// Marks a switch between the two main windows for as long as it runs.
class Switching
{
public:
    Switching() { g_switching = true; }
    ~Switching() { g_switching = false; }
    Switching(const Switching &) = delete;
    Switching &operator=(const Switching &) = delete;
};

void showExitScreen()
{
    if (!g_exitScreen)
        g_exitScreen = new frmNagScreen2; // its load step runs here, once per run
    // A switch hides the exit screen again before it returns; mapping it for
    // that moment would only flash a window that stays on top.
    if (!g_switching)
        g_exitScreen->show();
}

void hideExitScreen()
{
    if (g_exitScreen)
        g_exitScreen->hide();
}

} // namespace

void Form_Unload()
{
    // While the program ends, a main window closing must not bring the exit
    // screen back.
    if (!g_ending)
        showExitScreen();
}

void switchToResults(frmMain *questionnaire, frmDisplay *results)
{
    // Each step goes on whatever the previous one did.
    const Switching switching;
    if (questionnaire)
        questionnaire->close();
    hideExitScreen();
    if (results)
        results->show();
}

void switchToQuestionnaire(frmDisplay *results)
{
    const Switching switching;
    if (results)
        results->close();
    (new frmMain)->show();
    hideExitScreen();
}

frmNagScreen2 *exitScreen()
{
    return g_exitScreen;
}

} // namespace toevane::shell

namespace modHelp {

void EndProgram()
{
    using toevane::shell::g_ending;
    if (g_ending)
        return;
    g_ending = true;
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        if (window)
            window->close();
    }
    toevane::process::end(0);
    // Only reached when a test has replaced the process end.
    g_ending = false;
}

} // namespace modHelp
