#pragma once

#include <QString>

namespace toevane {

// Caption of every message box the program shows.
inline QString appTitle()
{
    return QStringLiteral("Toevane");
}

// Title of every window of the program.
inline QString programWindowTitle()
{
    return QStringLiteral("Toevane v1.10");
}

} // namespace toevane
