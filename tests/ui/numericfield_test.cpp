#include "ui/numericfield.h"

#include <QTest>
#include <gtest/gtest.h>

using kova::ui::NumericField;
using kova::ui::NumericPicture;
using Check = NumericPicture::Check;

namespace {

NumericPicture picture(const char* mask, double minimum, double maximum) {
    NumericPicture p{QString::fromLatin1(mask)};
    p.setRange(minimum, maximum);
    return p;
}

} // namespace

TEST(NumericPicture, RefusesWhatThePictureForbids) {
    const NumericPicture depth = picture("##.##", 0.01, 10);
    EXPECT_EQ(depth.check(QStringLiteral("123")), Check::Refused);   // three whole digits
    EXPECT_EQ(depth.check(QStringLiteral("1.234")), Check::Refused); // three decimals
    EXPECT_EQ(depth.check(QStringLiteral("1a")), Check::Refused);
    EXPECT_EQ(depth.check(QStringLiteral("-1")), Check::Refused); // no sign below 0.01
    EXPECT_EQ(depth.check(QStringLiteral("1,5")), Check::Refused);

    const NumericPicture days{QStringLiteral("ii")};
    EXPECT_EQ(days.check(QStringLiteral("1.")), Check::Refused); // whole numbers only
    EXPECT_EQ(days.check(QStringLiteral("123")), Check::Refused);
    EXPECT_EQ(days.check(QStringLiteral("31")), Check::Accepted);
    EXPECT_EQ(NumericPicture(QStringLiteral("iii")).check(QStringLiteral("365")), Check::Accepted);
}

TEST(NumericPicture, TellsUnfinishedAndOutOfRangeFromAccepted) {
    const NumericPicture ratio = picture("#.##", 0.01, 9.99);
    EXPECT_EQ(ratio.check(QString()), Check::Incomplete);
    EXPECT_EQ(ratio.check(QStringLiteral("1.")), Check::Incomplete);
    EXPECT_EQ(ratio.check(QStringLiteral("0")), Check::OutOfRange);
    EXPECT_EQ(ratio.check(QStringLiteral("0.01")), Check::Accepted); // bounds are inclusive
    EXPECT_EQ(ratio.check(QStringLiteral("9.99")), Check::Accepted);
    EXPECT_EQ(ratio.check(QStringLiteral(".5")), Check::Accepted);
    EXPECT_EQ(*ratio.valueOf(QStringLiteral("1.25")), 1.25);
    EXPECT_FALSE(ratio.valueOf(QStringLiteral("0")).has_value());

    // Elevation: a sign is allowed because the range goes below zero.
    const NumericPicture elevation = picture("####", -200, 9999);
    EXPECT_EQ(elevation.check(QStringLiteral("-")), Check::Incomplete);
    EXPECT_EQ(elevation.check(QStringLiteral("-200")), Check::Accepted);
    EXPECT_EQ(elevation.check(QStringLiteral("-201")), Check::OutOfRange);
    EXPECT_EQ(elevation.check(QStringLiteral("1.5")), Check::Refused);
    EXPECT_EQ(elevation.format(5280), QStringLiteral("5280"));
    EXPECT_EQ(picture("##.#", 1, 99).format(2), QStringLiteral("2.0"));
}

TEST(NumericField, OutOfRangeValueShowsErrorColoursUntilCorrected) {
    NumericField field(QStringLiteral("#.##"));
    field.setRange(0.01, 9.99);
    const QColor normalBase = field.palette().color(QPalette::Base);
    int validityChanges = 0;
    QObject::connect(&field, &NumericField::validityChanged, [&] { ++validityChanges; });

    QTest::keyClicks(&field, QStringLiteral("0.00"));
    EXPECT_EQ(field.text(), QStringLiteral("0.00")); // typed, but not accepted as a value
    EXPECT_FALSE(field.isValid());
    EXPECT_FALSE(field.value().has_value());
    EXPECT_EQ(field.palette().color(QPalette::Base), QColor(Qt::red));
    EXPECT_EQ(field.palette().color(QPalette::Text), QColor(Qt::black));

    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, QStringLiteral("5"));
    EXPECT_TRUE(field.isValid());
    EXPECT_DOUBLE_EQ(*field.value(), 0.05);
    EXPECT_EQ(field.palette().color(QPalette::Base), normalBase);
    EXPECT_GE(validityChanges, 2);
}

TEST(NumericField, RefusesForbiddenKeystrokes) {
    NumericField field(QStringLiteral("##.#"));
    field.setRange(0.1, 99);
    QTest::keyClicks(&field, QStringLiteral("1x2.34"));
    EXPECT_EQ(field.text(), QStringLiteral("12.3")); // the letter and the second decimal refused
}

TEST(NumericField, ModifiedMarkIsSetByTheWindowAndByLeavingTheField) {
    NumericField field(QStringLiteral("ii"));
    EXPECT_FALSE(field.modifiedMark());
    field.setValue(12);
    EXPECT_EQ(field.text(), QStringLiteral("12"));
    EXPECT_TRUE(field.modifiedMark());
    field.setModifiedMark(false); // the dialog has loaded the field
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(&field, &leave);
    EXPECT_TRUE(field.modifiedMark());
    field.setValue(std::nullopt);
    EXPECT_TRUE(field.text().isEmpty());
    EXPECT_TRUE(field.isValid()); // an empty field is not in error
}
