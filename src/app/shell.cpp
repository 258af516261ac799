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
#include <QScopedValueRollback>

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
        showMessage(QStringLiteral("Application is already running"), QMessageBox::Information,
                    QMessageBox::Ok, QMessageBox::NoButton, BoxStacking::AboveAll);
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
    m_coBrandRandomNumber = static_cast<short>(m_random.next() * 6) + 1;
    if (m_coBrandRandomNumber % 2 == 1)
        promo::bringToFront(questionnaire.coBrandLabel(), questionnaire.fullBrandLabel());
    else
        promo::bringToFront(questionnaire.fullBrandLabel(), questionnaire.coBrandLabel());
}

void Shell::FinishQuestionnaire(frmMain &questionnaire, const Reading &reading)
{
    auto *results = new frmDisplay;
    adopt(results);
    connect(results, &frmDisplay::backRequested, this,
            [this, results] { backToQuestionnaire(*results); });
    ApplyReading(reading, *results);
    // Each step goes on whatever the previous one did. The questionnaire's
    // close step creates the exit screen but does not show it during a
    // switch: it would only be hidden again a moment later.
    const QScopedValueRollback switching(m_switching, true);
    questionnaire.close();
    results->show();
}

void Shell::backToQuestionnaire(frmDisplay &results)
{
    const QScopedValueRollback switching(m_switching, true);
    results.close();
    openQuestionnaire();
}

void Shell::adopt(MainWindowBase *window)
{
    m_mainWindow = window;
    connect(window, &MainWindowBase::closed, this, &Shell::Form_Unload);
    connect(window, &MainWindowBase::aboutRequested, this, &Shell::showAbout);
}

void Shell::Form_Unload()
{
    // While the program ends, a main window closing must not bring the exit
    // screen back.
    if (m_ending)
        return;
    if (!m_exitScreen) {
        m_exitScreen = new frmNagScreen2(m_random); // its load step runs here, once per run
        connect(m_exitScreen, &frmNagScreen2::endRequested, this, &Shell::EndProgram);
    }
    if (!m_switching)
        m_exitScreen->show();
}

void Shell::showAbout()
{
    frmAbout::showModal();
}

void Shell::EndProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        if (window)
            window->close();
    }
    endProcess(0);
    // Only reached when a test has replaced the process end.
    m_ending = false;
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
