#pragma once
// Inputs a computation could not use as stored (an empty required value, a month of 13) and
// what it used instead. Each is named once per crop, in one warning, so the user can mend the
// row it came from.

#include <QString>
#include <vector>

namespace kova::calc {

// "January" .. "December".
const QString& fullMonthName(int month);

struct ReplacedInput {
    QString table;         // "Climate"
    QString row;           // the row's name ("CHEYENNE"); empty for a whole table
    QString field;         // "T Jul"; empty for a whole table
    int month = 0;         // month 1..12 of a monthly field, else 0
    QString problem;       // "empty", "13 is not a month"
    QString used;          // "0", "12"
    bool cropDate = false; // a planting, harvest or cutting date of the crop

    // 'Climate "CHEYENNE", 'T Jul' (July): empty, 0 used instead.'
    QString text() const;
};

class ReplacedInputs {
public:
    // Adds an input unless the same field of the same row is already listed.
    void add(ReplacedInput input);
    void addEmpty(const QString& table, const QString& row, const QString& field, int month = 0);

    bool empty() const { return items_.empty(); }
    const std::vector<ReplacedInput>& items() const { return items_; }

    // The warning of one crop: a heading naming the crop, then one line per input.
    QString warning(const QString& cropName) const;

private:
    std::vector<ReplacedInput> items_;
};

} // namespace kova::calc
