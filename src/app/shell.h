#pragma once

// How the program is built, bottom to top. Each layer includes only the ones
// below it; no two files include each other.
//
//   common/        what everything shares: the program's name and version,
//                  today's date and the random generator (Qt Core), and for
//                  the windows their look, icon, message boxes and the base of
//                  the two main windows.
//   links/         the addresses on the maker's sites (Qt Core); the one
//                  launcher that opens them, the link label, the menus and
//                  promotional labels of the main windows.
//   questionnaire/ the question catalogue and the Reading made from the
//                  answers (Qt Core); the questionnaire window frmMain.
//   results/       the reading as text and HTML, and the file written in one
//                  piece (Qt Core); the results window frmDisplay,
//                  ApplyReading, and the reading saved as PDF or PNG.
//   about/         the About window.
//   exit_screen/   the referral's checks and address (Qt Core); the exit
//                  screen frmNagScreen2, its refer-a-friend form and
//                  TellAFriend.
//   app/           the reminder's decision, the settings store and the
//                  single-instance guard (Qt Core); the update reminder, and
//                  on top the Shell, which main() creates.
//
// The Qt Core parts form the library toevane_core, which does not link Qt Gui
// or Widgets; the rest forms toevane_gui. A window only reports what the user
// did, with signals, and closes itself when the user leaves it (its Exit
// button, File > Exit, Esc, the close box). The Shell creates and shows the
// windows, closes the main window it replaces and, at the end, every window;
// it holds the state of the window flow and listens to the main window on
// screen alone.

#include "app/singleinstance.h"
#include "common/platform.h"
#include "questionnaire/reading.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QMainWindow;

namespace toevane {

class MainWindowBase;
class frmDisplay;
class frmMain;
class frmNagScreen2;

// The platform services that the Shell uses, replaceable by tests.
struct ShellServices
{
    TodaySource today = &systemToday;
    SeedSource clockSeed = &systemClockSeed;
    QString lockPath = SingleInstanceGuard::defaultLockPath();
    // Ends the process at once. Empty: release the instance lock, flush the
    // standard streams and leave without unwinding anything else, so that
    // no window or pending event can keep the program alive.
    std::function<void(int exitCode)> endProcess;
};

// Owns the window flow: exactly one main window on screen at a time, the
// exit screen once created, and the end of the program.
class Shell : public QObject
{
    Q_OBJECT

public:
    explicit Shell(ShellServices services = {}, QObject *parent = nullptr);
    ~Shell() override;

    // The start sequence: single-instance guard, seeding, update reminder,
    // the questionnaire window and the choice of its promotional label.
    // When another copy is running, this copy shows "Application is already
    // running" and goes through EndProgram, which ends the process; only
    // where endProcess is replaced (tests, benchmarks) does start() then
    // return, with false.
    bool start();

    // Closes every loaded window, shown or hidden, then ends the process.
    // The close steps it starts report nothing back to the Shell.
    void EndProgram();

    // The main window on screen (frmMain or frmDisplay), if any.
    QMainWindow *mainWindow() const;
    // The exit screen if it has been created in this run, else null.
    frmNagScreen2 *exitScreen() const;

private:
    frmMain *openQuestionnaire();
    void CoBrand_Randomize(frmMain &questionnaire);
    void FinishQuestionnaire(frmMain &questionnaire, const Reading &reading);
    void backToQuestionnaire(frmDisplay &results);
    // The close step of both main windows: the exit screen, created and
    // loaded when first needed. Showing it is the caller's part.
    frmNagScreen2 &Form_Unload();
    // Makes the window the main window on screen, the only one listened to.
    void adopt(MainWindowBase *window);
    // Stops listening to a main window that is closing or being replaced.
    void forget(MainWindowBase &window);
    // Closes a main window that another replaces: its close step runs, the
    // exit screen stays hidden, and nothing reports a user's close.
    void leave(MainWindowBase &window);
    void showAbout();
    void endProcess(int exitCode);

    ShellServices m_services;
    SingleInstanceGuard m_guard;
    Random m_random;
    QPointer<MainWindowBase> m_mainWindow;
    QPointer<frmNagScreen2> m_exitScreen;
};

} // namespace toevane
