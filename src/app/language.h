#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

// The language of the program's texts: the first of the user's interface
// languages that the program has a translation for, else English (its
// source). No setting of its own: the system's languages decide.
namespace toevane::language {

// The user's interface languages, best first: on Windows the system's list;
// elsewhere fromEnvironment() of this process's environment.
QStringList systemLanguages();

// The interface languages that the environment values give, read as gettext
// programs read them: the locale of messages is the first set of LC_ALL,
// LC_MESSAGES and LANG; where it is unset, C or POSIX there are none
// (English), whatever LANGUAGE says; otherwise LANGUAGE's list
// (colon-separated) where it is set, else that locale alone (C.UTF-8 is
// English too, but lets LANGUAGE choose).
QStringList fromEnvironment(const QString &language, const QString &lcAll,
                            const QString &lcMessages, const QString &lang);

// Whether the installed fonts can draw a script; a null one means all.
using Drawable = std::function<bool(QLocale::Script)>;

// The translation for the first of the given languages (BCP 47 or POSIX
// names, best first) that has one and whose script can be drawn; an English
// language ends the search. Portuguese of any territory reads the Brazilian
// translation; Chinese in the Simplified script (zh_CN, zh_SG, zh-Hans, a
// bare zh) the Simplified one, in the Traditional script (zh_TW, zh_HK,
// zh_MO, zh-Hant) a zh_TW one, which does not exist yet. A bare
// language after an entry of that language ("zh_TW:zh") only repeats it.
// Empty for English.
QString choose(const QStringList &uiLanguages, const Drawable &drawable = {});

// Loads and installs the program's translation and Qt's own for the chosen
// language, in place of any installed before; installs nothing for English.
// Call after the application object is made. Returns the language
// installed, empty for English.
QString install(const QStringList &uiLanguages, const Drawable &drawable = {});
// Removes what install() installed: the texts are English again.
void uninstall();

} // namespace toevane::language
