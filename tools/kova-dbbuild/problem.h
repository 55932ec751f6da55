#pragma once
// One fault found in the delivered data, told as "FILE:LINE: field 'NAME': message".

#include <QString>
#include <vector>

namespace kova::dbbuild {

struct Problem {
    QString file;  // base name of the CSV file ("Climate.csv")
    int line = 0;  // 1-based line of the row (1 is the header); 0 when the file as a whole
    QString field; // empty when the fault is not one field's
    QString message;

    QString text() const;
};

using Problems = std::vector<Problem>;

} // namespace kova::dbbuild
