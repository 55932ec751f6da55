#include "cellvalue.h"
#include "store/schema.h"

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

// Delivered rows obey the same declared limits as every form: real oddities pass (a two-decimal
// mean, a freeze date in the next January, a spring date after the fall one), faults do not.
TEST(CellValue, ValuesKeepTheirFieldsDeclaredRules) {
    const auto* climate = kova::store::findTable(QStringLiteral("Climate"));
    ASSERT_NE(climate, nullptr);
    const FieldDef& tJan = *climate->field(QStringLiteral("T Jan"));
    const FieldDef& spring = *climate->field(QStringLiteral("Spr mo/dy 32"));
    EXPECT_DOUBLE_EQ(convertCell(tJan, QStringLiteral("46.25")).value.toDouble(), 46.25);
    for (const char* date : {"01/06", "12/29", "00/00", "02/28"})
        EXPECT_TRUE(convertCell(spring, QString::fromLatin1(date)).ok()) << date;

    EXPECT_EQ(errorOf(tJan, "131"), QStringLiteral("131 is outside the valid range -80 to 130"));
    EXPECT_EQ(errorOf(spring, "02/29"),
              QStringLiteral("'02/29' is not a month/day of the year (MM/DD) or 00/00"));
    EXPECT_FALSE(errorOf(spring, "5/1").isEmpty());

    const auto* whr = kova::store::findTable(QStringLiteral("ClimWHR"));
    ASSERT_NE(whr, nullptr);
    const FieldDef& nrJan = *whr->field(QStringLiteral("NR Jan"));
    EXPECT_TRUE(convertCell(nrJan, QString()).value.isNull()) << "no sunshine record";
    EXPECT_EQ(errorOf(nrJan, "62"), QStringLiteral("62 is outside the valid range 0 to 1"));
}
