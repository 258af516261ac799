#pragma once

namespace modHelp {

// Offers, at start, to look for an update when the date remembered from the
// last reminder lies more than 14 days away from today.
void UpdateReminder();

} // namespace modHelp
