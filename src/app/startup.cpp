#include "app/startup.h"

#include "app/language.h"
#include "common/appinfo.h"
#include "common/icon.h"
#include "common/mainwindowbase.h"
#include "common/style.h"

#include <QApplication>
#include <QLocale>

namespace toevane {

void configureApplication(const DisplayChoice &display)
{
    if (display.platformChosenHere)
        qunsetenv("QT_QPA_PLATFORM"); // the plugin is loaded; keep it from the browser
    QApplication::setApplicationName(QString::fromLatin1(appinfo::kExecutableName));
    QApplication::setApplicationVersion(QString::fromLatin1(appinfo::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(appinfo::kDesktopFileName));
    // The program ends only through EndProgram, never because the last
    // visible window went away for a moment during a window switch.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new Style);
    QApplication::setWindowIcon(appIcon());
    // The user's language, before any window or message box is made.
    useLanguage(QLocale::system().uiLanguages());
}

QString useLanguage(const QStringList &uiLanguages)
{
    // English, the source, is written left to right.
    const QString name = language::install(uiLanguages);
    if (!name.isEmpty() && QLocale(name).textDirection() == Qt::RightToLeft) {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        mirrorPlacesRightToLeft();
    }
    return name;
}

} // namespace toevane
