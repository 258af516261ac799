#pragma once

#include <QDate>

namespace toevane::modHelp {

// Offers, at start, to look for an update when the date remembered from the
// last reminder lies more than 14 days away from today. The first run only
// remembers today. The date is remembered before the download page is opened,
// and a date that cannot be remembered opens no page. Never shows an error:
// a settings file that cannot be read counts as a first run, one that cannot
// be written only keeps the page closed.
void UpdateReminder(QDate today);

} // namespace toevane::modHelp
