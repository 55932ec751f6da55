#include "uniquekeys.h"

namespace kova::dbbuild {

namespace {

// The table numbers AutoInc fields itself, so a key holding one cannot repeat.
bool holdsAutoInc(const store::TableDef& def, const store::IndexDef& index) {
    for (const QString& name : index.fields)
        if (const store::FieldDef* f = def.field(name); f && f->type == store::FieldType::AutoInc)
            return true;
    return false;
}

} // namespace

UniqueKeys::UniqueKeys(const store::TableDef& def) : def_(def) {
    for (const store::IndexDef& ix : def.indexes)
        if (ix.unique && !holdsAutoInc(def, ix))
            indexes_.push_back(&ix);
    seen_.resize(indexes_.size());
}

QString UniqueKeys::keyText(const store::IndexDef& index,
                            const std::vector<QVariant>& values) const {
    // Unit separators keep ("ab","c") apart from ("a","bc"); an empty field is a value too.
    QString key;
    for (const QString& name : index.fields) {
        const QVariant& v = values[static_cast<size_t>(def_.fieldIndex(name))];
        QString part = v.isNull() ? QStringLiteral("\x1e") : v.toString();
        if (index.caseInsensitive)
            part = part.toCaseFolded();
        key += part + QLatin1Char('\x1f');
    }
    return key;
}

std::optional<UniqueKeys::Clash> UniqueKeys::add(const std::vector<QVariant>& values, int line) {
    std::vector<QString> keys;
    for (size_t i = 0; i < indexes_.size(); ++i) {
        keys.push_back(keyText(*indexes_[i], values));
        const auto it = seen_[i].constFind(keys.back());
        if (it != seen_[i].constEnd())
            return Clash{indexes_[i], it.value()};
    }
    for (size_t i = 0; i < indexes_.size(); ++i)
        seen_[i].insert(keys[i], line);
    return std::nullopt;
}

} // namespace kova::dbbuild
