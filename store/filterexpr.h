#pragma once
// Record filter expressions as the programs write them: "County = 'Laramie, WY'".

#include <QString>
#include <optional>
#include <vector>

namespace kova::store {

struct FilterTerm {
    QString field;
    QString op; // =, <>, <, <=, >, >=
    QString value;
};

// Terms joined by "and". A quoted value is everything between its first and its last quote,
// so a value may itself hold apostrophes ("County = 'O'Brien, IA'"). Nothing here ever
// reaches SQL as text: the cursor compares values itself.
std::optional<std::vector<FilterTerm>> parseFilter(const QString& expression, QString* error);

} // namespace kova::store
