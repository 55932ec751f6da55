#include "humiditywind.h"

namespace kova::cropedit {

const QStringList& categoryCodes() {
    static const QStringList codes = {QStringLiteral("HM"), QStringLiteral("HS"),
                                      QStringLiteral("AM"), QStringLiteral("AS")};
    return codes;
}

QString categoryCode(int index) {
    return categoryCodes().value(index);
}

int categoryIndex(const QString& code) {
    return int(categoryCodes().indexOf(code));
}

QString categoryName(const QString& code) {
    static const QStringList names = {
        QStringLiteral("Humid - Moderate wind"), QStringLiteral("Humid - Strong wind"),
        QStringLiteral("Arid - Moderate wind"), QStringLiteral("Arid - Strong wind")};
    const int index = categoryIndex(code);
    return index < 0 ? code : QStringLiteral("%1 [%2]").arg(names[index], code);
}

} // namespace kova::cropedit
