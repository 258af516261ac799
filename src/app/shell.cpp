#include "app/shell.h"

#include "about/frmabout.h"
#include "app/updatereminder.h"
#include "common/mainwindowbase.h"
#include "common/messagebox.h"
#include "exit_screen/frmnagscreen2.h"
#include "links/linklabel.h"
#include "links/promolabels.h"
#include "questionnaire/frmmain.h"
#include "results/frmdisplay.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define TOEVANE_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOEVANE_LEAK_CHECK 1
#endif
#endif
#if TOEVANE_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace toevane {

Shell::Shell(ShellServices services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_guard(m_services.lockPath)
    , m_random(m_services.clockSeed)
{
    if (!m_services.today)
        m_services.today = &systemToday;
}

Shell::~Shell()
{
    // The windows of the flow go with their owner (a test's Shell; the
    // program's own never returns from EndProgram).
    delete m_exitScreen.data();
    delete m_mainWindow.data();
}

QMainWindow *Shell::mainWindow() const
{
    return m_mainWindow;
}

frmNagScreen2 *Shell::exitScreen() const
{
    return m_exitScreen;
}

bool Shell::start()
{
    if (!m_guard.acquire()) {
        // The only window of this copy, and it goes with OK: kept above all,
        // so that the other copy's exit screen (kept on top) cannot hide it.
        showMessage(tr("Application is already running"), QMessageBox::Information, QMessageBox::Ok,
                    QMessageBox::NoButton, BoxStacking::AboveAll);
        EndProgram();
        return false;
    }
    m_random.seedFromClock();
    modHelp::UpdateReminder(m_services.today());
    frmMain *questionnaire = openQuestionnaire();
    CoBrand_Randomize(*questionnaire);
    return true;
}

frmMain *Shell::openQuestionnaire()
{
    auto *questionnaire = new frmMain;
    adopt(questionnaire);
    connect(questionnaire, &frmMain::finished, this, [this, questionnaire](const Reading &reading) {
        FinishQuestionnaire(*questionnaire, reading);
    });
    questionnaire->show();
    return questionnaire;
}

void Shell::CoBrand_Randomize(frmMain &questionnaire)
{
    const auto drawn = static_cast<short>(m_random.next() * 6) + 1; // 1 to 6
    if (drawn % 2 == 1)
        promo::bringToFront(questionnaire.coBrandLabel(), questionnaire.fullBrandLabel());
    else
        promo::bringToFront(questionnaire.fullBrandLabel(), questionnaire.coBrandLabel());
}

void Shell::FinishQuestionnaire(frmMain &questionnaire, const Reading &reading)
{
    auto *results = new frmDisplay;
    ApplyReading(reading, *results);
    // Each step goes on whatever the previous one did.
    leave(questionnaire);
    adopt(results);
    connect(results, &frmDisplay::backRequested, this,
            [this, results] { backToQuestionnaire(*results); });
    results->show();
}

void Shell::backToQuestionnaire(frmDisplay &results)
{
    leave(results);
    openQuestionnaire();
}

void Shell::adopt(MainWindowBase *window)
{
    m_mainWindow = window;
    connect(window, &MainWindowBase::closed, this, [this, window] {
        forget(*window);
        Form_Unload().show();
    });
    connect(window, &MainWindowBase::aboutRequested, this, &Shell::showAbout);
}

void Shell::forget(MainWindowBase &window)
{
    // Whatever still reaches the window left (a key already on its way, a
    // second click) is no concern of the Shell any more.
    window.disconnect(this);
    if (m_mainWindow == &window)
        m_mainWindow = nullptr;
}

void Shell::leave(MainWindowBase &window)
{
    forget(window);
    // The window's close step runs as for any close, but does not show the
    // exit screen: it would only be hidden again a moment later.
    Form_Unload();
    window.close();
}

frmNagScreen2 &Shell::Form_Unload()
{
    if (!m_exitScreen) {
        m_exitScreen = new frmNagScreen2(m_random); // its load step runs here, once per run
        connect(m_exitScreen, &frmNagScreen2::endRequested, this, &Shell::EndProgram);
    }
    return *m_exitScreen;
}

void Shell::showAbout()
{
    frmAbout::showModal();
}

void Shell::EndProgram()
{
    // The close steps of the windows closed here end nothing and show
    // nothing: the Shell no longer listens to them.
    if (m_mainWindow)
        forget(*m_mainWindow);
    if (m_exitScreen)
        m_exitScreen->disconnect(this);
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        if (window)
            window->close();
    }
    endProcess(0);
}

void Shell::endProcess(int exitCode)
{
    if (m_services.endProcess) {
        m_services.endProcess(exitCode);
        return;
    }
    m_guard.release();
    std::fflush(nullptr);
#if TOEVANE_LEAK_CHECK
    // std::_Exit skips LeakSanitizer's check at exit: a leak in a sanitizer
    // build ends the program with the sanitizer's report and exit code.
    __lsan_do_leak_check();
#endif
    std::_Exit(exitCode);
}

} // namespace toevane
