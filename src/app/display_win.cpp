// Windows: every interactive session has its desktop, and Qt's windows
// platform needs nothing that could be missing.

#include "app/startup.h"

namespace toevane {

DisplayChoice ensureDisplay()
{
    DisplayChoice choice;
    choice.reachable = true;
    return choice;
}

} // namespace toevane
