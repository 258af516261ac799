// The user's languages where the system keeps a list of them.

#include "app/language.h"

namespace toevane::language {

QStringList systemLanguages()
{
    return QLocale::system().uiLanguages();
}

} // namespace toevane::language
