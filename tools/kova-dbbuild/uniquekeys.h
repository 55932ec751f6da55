#pragma once
// Remembers the keys of the unique indexes of one table as rows arrive, so that a second row
// with the same key is caught with the line of the first.

#include "store/schema.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace kova::dbbuild {

class UniqueKeys {
public:
    explicit UniqueKeys(const store::TableDef& def);

    struct Clash {
        const store::IndexDef* index;
        int firstLine;
    };
    // The first unique index on which `values` (by field position) repeats an earlier row;
    // otherwise records the row's keys under `line` and returns nothing.
    std::optional<Clash> add(const std::vector<QVariant>& values, int line);

private:
    QString keyText(const store::IndexDef& index, const std::vector<QVariant>& values) const;

    const store::TableDef& def_;
    std::vector<const store::IndexDef*> indexes_;
    std::vector<QHash<QString, int>> seen_; // per unique index: key text -> line
};

} // namespace kova::dbbuild
