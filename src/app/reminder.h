#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// When the update reminder asks: a pure decision on the stored date and
// today, and the stored form of a date.
namespace toevane::reminder {

// Where the date lives in the per-user settings store.
inline constexpr QStringView kSection = u"Settings";
inline constexpr QStringView kKey = u"Duration";

enum class Decision {
    RecordToday, // nothing usable is stored: remember today, ask nothing
    Wait, // within 14 days either way: show and write nothing
    Ask, // more than 14 days away: ask, then remember today
};

// The decision for the text read from the store (already unscrambled, empty
// when absent) on the given day. Pure: no store, clock or locale involved.
// A text that is not a date in the stored form counts as absent. A day that
// cannot be written in that form (outside the years 1 to 9999) decides Wait.
Decision decide(QStringView stored, QDate today);

// The stored form of a date: ISO 8601 "yyyy-MM-dd", the same on every
// locale. Empty for dates outside the years 1 to 9999.
QString dateText(QDate date);
// The date a stored text stands for: exactly "yyyy-MM-dd" with ASCII digits
// and a real calendar date, nothing before or after it.
std::optional<QDate> parseDateText(QStringView text);

} // namespace toevane::reminder
