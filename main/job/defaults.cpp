#include "defaults.h"

#include "store/schema.h"

namespace kova::job {

namespace {

// Opens the system defaults whatever password is stored, so a forgotten one can be replaced.
const QString kMasterPassword = QStringLiteral("PeltsVAQ");

} // namespace

bool passwordAccepted(const QString& typed, const QString& storedPassword) {
    return typed == storedPassword || typed == kMasterPassword;
}

DayCheck checkDayOfMonth(int month, int day) {
    const int last = store::daysInMonth(month);
    if (last == 0)
        return {day, QStringLiteral("Month number %1 is not between 1 and 12.").arg(month)};
    if (day < 1)
        return {day, QStringLiteral("Day %1 is not a day of month %2.").arg(day).arg(month)};
    if (day > last)
        return {last,
                QStringLiteral("Month number %1 has maximum of %2 days.").arg(month).arg(last)};
    return {day, {}};
}

} // namespace kova::job
