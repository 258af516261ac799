// The user's languages where the environment gives them, as gettext reads it.

#include "app/language.h"

namespace toevane::language {

QStringList systemLanguages()
{
    return fromEnvironment(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                           qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
}

} // namespace toevane::language
