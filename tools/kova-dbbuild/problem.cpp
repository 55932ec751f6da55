#include "problem.h"

namespace kova::dbbuild {

QString Problem::text() const {
    QString out = file;
    if (line > 0)
        out += QLatin1Char(':') + QString::number(line);
    out += QStringLiteral(": ");
    if (!field.isEmpty())
        out += QStringLiteral("field '%1': ").arg(field);
    return out + message;
}

} // namespace kova::dbbuild
