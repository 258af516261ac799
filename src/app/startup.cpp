#include "app/startup.h"

#include "common/appinfo.h"
#include "common/icon.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

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

} // namespace toevane
