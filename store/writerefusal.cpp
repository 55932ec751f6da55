#include "writerefusal.h"

namespace kova::store {

QString writeRefusalReason(const QString& technical) {
    // The store's own words ("... is read-only") and SQLite's ("attempt to write a readonly
    // database", "database is locked", "database table is locked").
    if (technical.contains(QLatin1String(" is read-only")) ||
        technical.contains(QLatin1String("readonly database")))
        return QStringLiteral("the database is read-only");
    if (technical.contains(QLatin1String("database is locked")) ||
        technical.contains(QLatin1String("table is locked")))
        return QStringLiteral("the database is in use by another program; try again in a moment");
    return {};
}

} // namespace kova::store
