#include "app/reminder.h"

namespace toevane::reminder {

namespace {
constexpr qint64 kQuietDays = 14;

int digitsValue(QStringView text)
{
    int value = 0;
    for (const QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return -1;
        value = value * 10 + (ch.unicode() - u'0');
    }
    return value;
}
} // namespace

QString dateText(QDate date)
{
    // Empty for an invalid date and outside the years 0 to 9999, and the
    // calendar has no year 0.
    return date.toString(Qt::ISODate);
}

std::optional<QDate> parseDateText(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    const int year = digitsValue(text.sliced(0, 4));
    const int month = digitsValue(text.sliced(5, 2));
    const int day = digitsValue(text.sliced(8, 2));
    if (year < 1 || month < 0 || day < 0 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

Decision decide(QStringView stored, QDate today)
{
    if (dateText(today).isEmpty())
        return Decision::Wait;
    const std::optional<QDate> last = parseDateText(stored);
    if (!last)
        return Decision::RecordToday;
    const qint64 days = today.daysTo(*last);
    return days < -kQuietDays || days > kQuietDays ? Decision::Ask : Decision::Wait;
}

} // namespace toevane::reminder
