#pragma once

#include <QString>
#include <QStringList>

// The language of the program's texts: the first of the user's interface
// languages that the program has a translation for, else English (its
// source). No setting of its own: the system's languages decide.
namespace toevane::language {

// The translation for the first of the given languages (BCP 47 or POSIX
// names, best first) that has one; an English language ends the search.
// Empty for English.
QString choose(const QStringList &uiLanguages);

// Loads and installs the program's translation and Qt's own for the chosen
// language, in place of any installed before; installs nothing for English.
// Call after the application object is made. Returns the language
// installed, empty for English.
QString install(const QStringList &uiLanguages);
// Removes what install() installed: the texts are English again.
void uninstall();

} // namespace toevane::language
