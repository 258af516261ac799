#include "app/startup.h"

#include "app/language.h"
#include "common/appinfo.h"
#include "common/icon.h"
#include "common/mainwindowbase.h"
#include "common/style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLocale>

#include <utility>

namespace toevane {

namespace {

// Whether an installed font covers the script: without one, Japanese or
// Chinese would be drawn as empty boxes.
bool fontCovers(QLocale::Script script)
{
    static const std::pair<QLocale::Script, QFontDatabase::WritingSystem> systems[] = {
        { QLocale::LatinScript, QFontDatabase::Latin },
        { QLocale::CyrillicScript, QFontDatabase::Cyrillic },
        { QLocale::ArabicScript, QFontDatabase::Arabic },
        { QLocale::JapaneseScript, QFontDatabase::Japanese },
        { QLocale::SimplifiedHanScript, QFontDatabase::SimplifiedChinese },
        { QLocale::TraditionalHanScript, QFontDatabase::TraditionalChinese },
    };
    for (const auto &[written, system] : systems) {
        if (written == script)
            return QFontDatabase::writingSystems().contains(system);
    }
    return true;
}

} // namespace

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
    useLanguage(language::systemLanguages());
}

QString useLanguage(const QStringList &uiLanguages)
{
    // English, the source, is written left to right, and every font has it.
    const QString name = language::install(uiLanguages, fontCovers);
    if (!name.isEmpty() && QLocale(name).textDirection() == Qt::RightToLeft) {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        mirrorPlacesRightToLeft();
    }
    return name;
}

} // namespace toevane
