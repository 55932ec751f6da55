#include "replacedinputs.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <array>

namespace kova::calc {

const QString& fullMonthName(int month) {
    static const std::array<QString, 12> names = [] {
        std::array<QString, 12> out;
        for (int m = 1; m <= 12; ++m)
            out[static_cast<size_t>(m - 1)] = QLocale::c().monthName(m);
        return out;
    }();
    return names[static_cast<size_t>(std::clamp(month, 1, 12) - 1)];
}

QString ReplacedInput::text() const {
    QString where = table;
    if (!row.isEmpty())
        where += QStringLiteral(" \"%1\"").arg(row);
    if (!field.isEmpty())
        where += QStringLiteral(", '%1'").arg(field);
    if (month >= 1 && month <= 12)
        where += QStringLiteral(" (%1)").arg(fullMonthName(month));
    return QStringLiteral("%1: %2, %3 used instead.").arg(where, problem, used);
}

void ReplacedInputs::add(ReplacedInput input) {
    const bool listed = std::any_of(items_.begin(), items_.end(), [&](const ReplacedInput& i) {
        return i.table == input.table && i.row == input.row && i.field == input.field;
    });
    if (!listed)
        items_.push_back(std::move(input));
}

void ReplacedInputs::addEmpty(const QString& table, const QString& row, const QString& field,
                              int month) {
    add({table, row, field, month, QStringLiteral("empty"), QStringLiteral("0")});
}

QString ReplacedInputs::warning(const QString& cropName) const {
    QStringList lines;
    lines << QStringLiteral("Some inputs of crop \"%1\" are missing or out of range and were "
                            "replaced; the results may be wrong until they are corrected:")
                 .arg(cropName);
    for (const ReplacedInput& i : items_)
        lines << i.text();
    return lines.join(QLatin1Char('\n'));
}

} // namespace kova::calc
