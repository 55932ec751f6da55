#include "curvetables.h"

namespace kova::store {

const std::array<CurveTable, 5>& curveTables() {
    static const std::array<CurveTable, 5> tables = {{
        {0, QStringLiteral("CrpAnNam"), QStringLiteral("Field and vegetable crops"),
         QStringLiteral("Crop Curve Name"), QStringLiteral("Climate/Wind")},
        {1, QStringLiteral("CrpPeren"), QStringLiteral("Perennial and specialty crops"),
         QStringLiteral("CropCurveName"), QStringLiteral("Humidity/Wind")},
        {2, QStringLiteral("CrpForag"), QStringLiteral("Grasses and forage legumes"),
         QStringLiteral("CropCurveName"), QStringLiteral("Climate/Wind")},
        {3, QStringLiteral("CrpBCAnu"), QStringLiteral("Blaney Criddle Annual Crop"),
         QStringLiteral("CropCurveName"), QString()},
        {4, QStringLiteral("CrpBCPer"), QStringLiteral("Blaney Criddle Perennial Crop"),
         QStringLiteral("CropCurveName"), QString()},
    }};
    return tables;
}

const CurveTable* curveTableOfIndex(int curveIndex) {
    const auto& tables = curveTables();
    return curveIndex >= 0 && curveIndex < int(tables.size()) ? &tables[size_t(curveIndex)]
                                                              : nullptr;
}

namespace {

const CurveTable* ofType(const QString& typeText, bool basal) {
    for (const CurveTable& t : curveTables())
        if (t.basal() == basal && t.typeText == typeText)
            return &t;
    return nullptr;
}

} // namespace

const CurveTable* basalCurveTableOfType(const QString& basCropType) {
    return ofType(basCropType, true);
}

const CurveTable* tr21CurveTableOfType(const QString& bcCropType) {
    return ofType(bcCropType, false);
}

const CurveTable* curveTableNamed(const QString& tableName) {
    for (const CurveTable& t : curveTables())
        if (t.table.compare(tableName, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

} // namespace kova::store
