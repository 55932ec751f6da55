#pragma once
// The crop curve tables as the other crop rows name them: a working or saved job crop by its
// 'Curve Index' (0..4), a created crop by the type text it stores ('Bas Crop Type', 'BC Crop
// Type'). One list, so the calculation, the database builder and the crop editor agree on
// which table a name belongs to.

#include <QString>
#include <array>

namespace kova::store {

struct CurveTable {
    int curveIndex;        // 'Curve Index' of working and saved job crops
    QString table;         // "CrpAnNam"
    QString typeText;      // what a created crop stores: "Field and vegetable crops"
    QString nameIndex;     // the index the calculation seeks a curve name on
    QString categoryField; // humidity/wind category of a basal curve; empty for TR21 curves
    bool basal() const { return !categoryField.isEmpty(); }
};

// Basal field and vegetable, basal perennial, grass, TR21 annual, TR21 perennial: in
// 'Curve Index' order.
const std::array<CurveTable, 5>& curveTables();

// nullptr for an index or text no table has.
const CurveTable* curveTableOfIndex(int curveIndex);
const CurveTable* basalCurveTableOfType(const QString& basCropType);
const CurveTable* tr21CurveTableOfType(const QString& bcCropType);
const CurveTable* curveTableNamed(const QString& tableName);

// The name field every curve table has.
inline const QString kCurveNameField = QStringLiteral("Crop Curve Name");

} // namespace kova::store
