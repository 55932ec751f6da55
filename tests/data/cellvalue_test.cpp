#include "cellvalue.h"

#include <gtest/gtest.h>

using kova::dbbuild::convertCell;
using kova::store::FieldDef;
using kova::store::FieldType;

namespace {

FieldDef field(FieldType type, int width = 0, bool required = false) {
    return {QStringLiteral("F"), type, width, required};
}

QString errorOf(const FieldDef& f, const char* text) {
    return convertCell(f, QString::fromUtf8(text)).error;
}

} // namespace

TEST(CellValue, NumbersAreCheckedForFormAndRange) {
    const FieldDef real = field(FieldType::Float);
    EXPECT_DOUBLE_EQ(convertCell(real, QStringLiteral(" 1.5e2 ")).value.toDouble(), 150.0);
    EXPECT_EQ(errorOf(real, "1,5"), QStringLiteral("'1,5' is not a number"));
    EXPECT_FALSE(errorOf(real, "nan").isEmpty());
    EXPECT_FALSE(errorOf(real, "inf").isEmpty());

    const FieldDef small = field(FieldType::Smallint);
    EXPECT_EQ(convertCell(small, QStringLiteral("-32768")).value.toInt(), -32768);
    EXPECT_EQ(convertCell(small, QStringLiteral("32767")).value.toInt(), 32767);
    EXPECT_EQ(errorOf(small, "32768"),
              QStringLiteral("32768 is outside the Smallint range -32768 to 32767"));
    EXPECT_EQ(errorOf(small, "1.5"), QStringLiteral("'1.5' is not a whole number"));
}

TEST(CellValue, BooleansAreTrueOrFalseOnly) {
    const FieldDef flag = field(FieldType::Boolean);
    EXPECT_EQ(convertCell(flag, QStringLiteral("true")).value, QVariant(true));
    EXPECT_EQ(convertCell(flag, QStringLiteral("False")).value, QVariant(false));
    EXPECT_EQ(errorOf(flag, "T"), QStringLiteral("'T' is not true or false"));
    EXPECT_FALSE(errorOf(flag, "1").isEmpty());
}

TEST(CellValue, TextMustFitItsWidthWhereMemosNeedNot) {
    const FieldDef text = field(FieldType::String, 5);
    EXPECT_EQ(convertCell(text, QStringLiteral("05/20")).value, QVariant(QStringLiteral("05/20")));
    EXPECT_EQ(errorOf(text, "05/20x"), QStringLiteral("6 characters do not fit its width of 5"));
    // Leading zeros of a station number are text, not a number to be cut.
    EXPECT_EQ(convertCell(field(FieldType::String, 8), QStringLiteral("03103")).value,
              QVariant(QStringLiteral("03103")));
    const QString longNote(300, QLatin1Char('n'));
    EXPECT_TRUE(convertCell(field(FieldType::Memo, 120), longNote).ok());
}

TEST(CellValue, EmptyCellsAreNullUnlessRequired) {
    EXPECT_TRUE(convertCell(field(FieldType::Float), QStringLiteral("  ")).value.isNull());
    EXPECT_TRUE(convertCell(field(FieldType::String, 5), QString()).ok());
    EXPECT_EQ(errorOf(field(FieldType::Float, 0, true), ""),
              QStringLiteral("required field is empty"));
    EXPECT_EQ(errorOf(field(FieldType::String, 5, true), " "),
              QStringLiteral("required field is empty"));
}
