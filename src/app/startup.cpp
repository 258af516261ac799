#include "app/startup.h"

#include "app/icon.h"
#include "app/messagebox.h"
#include "app/platform.h"
#include "app/shutdown.h"
#include "app/singleinstance.h"
#include "app/updatereminder.h"
#include "appinfo.h"
#include "links/linklabel.h"
#include "questionnaire/frmmain.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

short intCoBrandRandomNumber = 0;

namespace toevane {

bool ensureDisplay()
{
    const auto isSet = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"))
        return true;
    std::fputs("ToevaneFree: no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset); "
               "run it from a desktop session, over 'ssh -X', or under 'xvfb-run -a'.\n",
               stderr);
    return false;
}

void configureApplication()
{
    QApplication::setApplicationName(QString::fromLatin1(appinfo::kExecutableName));
    QApplication::setApplicationVersion(QString::fromLatin1(appinfo::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(appinfo::kDesktopFileName));
    // The program ends only through EndProgram, never because the last
    // visible window went away for a moment during a window switch.
    QApplication::setQuitOnLastWindowClosed(false);
    // The fixed purple look is drawn with palettes; Fusion honours them on
    // every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(appIcon());
}

frmMain *startUp()
{
    static SingleInstanceGuard guard;
    if (!guard.acquire()) {
        showMessage(QStringLiteral("Application is already running"), QMessageBox::Information);
        modHelp::EndProgram();
        return nullptr;
    }
    SingleInstanceGuard::setApplicationGuard(&guard);

    rng::seedFromClock();
    modHelp::UpdateReminder();

    auto *questionnaire = new frmMain;
    questionnaire->show();
    CoBrand_Randomize(*questionnaire);
    return questionnaire;
}

} // namespace toevane

void CoBrand_Randomize(frmMain &questionnaire)
{
    intCoBrandRandomNumber = static_cast<short>(toevane::rng::next() * 6) + 1;
    if (intCoBrandRandomNumber % 2 == 1)
        questionnaire.coBrandLabel()->raise();
    else
        questionnaire.fullBrandLabel()->raise();
}
