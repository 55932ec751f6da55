#pragma once
// Rules of the defaults dialogs: the password that unlocks the system defaults and the day
// check of a month and day entered as two numbers (the local defaults' cutting dates; the crop
// parameters dialog's dates use the same check).

#include <QString>

namespace kova::job {

// The typed text opens the system defaults when it equals, letter for letter, the stored
// password or the built-in master password.
bool passwordAccepted(const QString& typed, const QString& storedPassword);

struct DayCheck {
    int day = 0;     // the day to keep (a day past the month's end becomes its last day)
    QString message; // empty when the pair is a date
};
// "Month number 4 has maximum of 30 days." for 4/31 (the day becomes 30); "Month number 13 is
// not between 1 and 12." and "Day 0 is not a day of month 4." leave the day as it is.
DayCheck checkDayOfMonth(int month, int day);

} // namespace kova::job
