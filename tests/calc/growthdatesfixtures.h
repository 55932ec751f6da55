#pragma once
// Test data of the growth-date tool on the test database behind the alias.

#include "store/table.h"

#include <gtest/gtest.h>

// "Corn (grain)" gets 'Min Grow Days' 99, unlike the 'DaysMin' 150 of its crop type, so a test
// sees which of the two the tool took.
inline void giveCornOwnMinGrowDays() {
    kova::store::Table crops(QStringLiteral("KovaCrop"));
    crops.setIndexName(QStringLiteral("CropNameIndex"));
    ASSERT_TRUE(crops.open());
    ASSERT_TRUE(crops.findKey({QStringLiteral("Corn (grain)")}));
    ASSERT_TRUE(crops.edit());
    ASSERT_TRUE(crops.setValue(QStringLiteral("Min Grow Days"), 99));
    ASSERT_TRUE(crops.post());
}
