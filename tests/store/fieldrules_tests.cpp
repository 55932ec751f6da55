// Declared field rules: frost-date texts and value ranges, which forms, imports and tools share.

#include "store/schema.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kova::store;

TEST(FieldRules, FrostDateTextsAreRealDatesOrNoDate) {
    for (const char* good : {"00/00", "01/01", "02/28", "04/30", "12/31", "09/09"})
        EXPECT_TRUE(isValidMonthDay(QString::fromLatin1(good))) << good;
    for (const char* bad : {"13/45", "02/29", "04/31", "00/15", "05/00", "1/15", "01-15", "ab/cd",
                            "01/1 ", "", " 1/15", "１２/31"})
        EXPECT_FALSE(isValidMonthDay(QString::fromUtf8(bad))) << bad;
}

TEST(FieldRules, ClimateFieldsCarryTheStationFormLimits) {
    const TableDef* climate = findTable(QStringLiteral("Climate"));
    ASSERT_NE(climate, nullptr);
    const FieldDef* tJan = climate->field(QStringLiteral("T Jan"));
    const FieldDef* pDec = climate->field(QStringLiteral("P Dec"));
    const FieldDef* elevation = climate->field(QStringLiteral("Elevation"));
    ASSERT_TRUE(tJan && pDec && elevation);
    EXPECT_TRUE(tJan->accepts(-80.0));
    EXPECT_TRUE(tJan->accepts(130.0));
    EXPECT_FALSE(tJan->accepts(130.1));
    EXPECT_FALSE(pDec->accepts(-0.01));
    EXPECT_FALSE(pDec->accepts(9e99));
    EXPECT_FALSE(pDec->accepts(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(elevation->accepts(std::numeric_limits<double>::infinity()));
    EXPECT_TRUE(elevation->accepts(-1000.0));
    EXPECT_TRUE(elevation->accepts(QVariant())); // blank: left to the required-field check
    EXPECT_FALSE(elevation->accepts(QStringLiteral("high")));

    const FieldDef* spring = climate->field(QStringLiteral("Spr mo/dy 28"));
    ASSERT_NE(spring, nullptr);
    EXPECT_TRUE(spring->accepts(QStringLiteral("04/15")));
    EXPECT_FALSE(spring->accepts(QStringLiteral("13/45")));
}
