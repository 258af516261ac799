#pragma once

#include <QString>
#include <QStringList>

namespace toevane {

// What ensureDisplay() found and chose.
struct DisplayChoice
{
    bool reachable = false; // a graphical display can be reached
    bool platformChosenHere = false; // QT_QPA_PLATFORM was set here, for this process only
    explicit operator bool() const { return reachable; }
};

// Call before the QApplication is made. Reachable when a graphical display
// can be reached; otherwise prints one line to standard error saying what is
// missing and how to get a display. Where the user chose no platform
// (QT_QPA_PLATFORM) and an X server is reachable in a Wayland session
// (XWayland), it has Qt use that X server, where windows can stay on top and
// be centred.
DisplayChoice ensureDisplay();

// Call right after the QApplication is made, with what ensureDisplay()
// returned. Application-wide settings: names, version, icon, style, desktop
// file name, the language of the texts and its direction; a platform chosen here is not handed down
// to the programs this one starts (the browser).
void configureApplication(const DisplayChoice &display);

// Installs the translation for the first of the given languages that has one
// and that an installed font can draw (language::install) and, for a
// language written right to left, turns every window around: the layout
// direction and the places of the controls. Once, before any window is made;
// returns the language installed, empty for English.
QString useLanguage(const QStringList &uiLanguages);

} // namespace toevane
