#pragma once

#include "exit_screen/referral.h"

namespace toevane::modTellAFriend {

// Checks the entries in order and reports the first missing one in an error
// box; else opens the request address in the browser.
void TellAFriend(const Referral &referral);

} // namespace toevane::modTellAFriend
