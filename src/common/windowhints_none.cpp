// Where the program has no way to speak to the window manager (a Unix
// build without xcb): the hints are left out.

#include "common/windowhints.h"

namespace toevane {

void keepOutOfTaskBar(QWidget *)
{
}

void keepAboveOtherCopies(QWidget *)
{
}

} // namespace toevane
