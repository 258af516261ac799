#include "app/updatereminder.h"

namespace modHelp {

void UpdateReminder()
{
}

} // namespace modHelp
