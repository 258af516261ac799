#pragma once

#include "common/appinfo.h"

#include <QString>

namespace toevane {

// Caption of every message box the program shows.
inline QString appTitle()
{
    return QStringLiteral("Toevane");
}

// Title of every window of the program: "Toevane v" and the version.
inline QString programWindowTitle()
{
    return appTitle() + QStringLiteral(" v") + QLatin1StringView(appinfo::kVersion);
}

} // namespace toevane
