#include "grasstable.h"
#include "ui/datacontrols.h"
#include "ui/navigator.h"

#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace kova::ui;
using kova::store::EditState;

namespace {

const QString kName = QStringLiteral("Crop Curve Name");
const QString kCategory = QStringLiteral("Climate/Wind");
const QStringList kCategories = {QStringLiteral("HM"), QStringLiteral("HS"), QStringLiteral("AM"),
                                 QStringLiteral("AS")};

struct DataControls : kova::test::GrassTable {};

} // namespace

TEST_F(DataControls, TypingStartsAnEditOnlyWhileAutoEditIsOn) {
    source.setAutoEdit(false);
    DataTextEdit name(&source, kName);
    EXPECT_EQ(name.text(), QStringLiteral("Alfalfa"));
    EXPECT_TRUE(name.isReadOnly());
    QTest::keyClicks(&name, QStringLiteral(" x"));
    EXPECT_EQ(table.state(), EditState::Browse);
    EXPECT_EQ(table.asString(kName), QStringLiteral("Alfalfa"));

    source.setAutoEdit(true);
    EXPECT_FALSE(name.isReadOnly());
    name.setCursorPosition(static_cast<int>(name.text().size()));
    QTest::keyClicks(&name, QStringLiteral(" (dairy)"));
    EXPECT_EQ(table.state(), EditState::Edit);
    EXPECT_EQ(name.text(), QStringLiteral("Alfalfa (dairy)")); // the box keeps what was typed
    ASSERT_TRUE(source.post());
    EXPECT_EQ(stored(QStringLiteral("Alfalfa (dairy)"), kName).toString(),
              QStringLiteral("Alfalfa (dairy)"));
    EXPECT_TRUE(answers->asked().empty());
}

TEST_F(DataControls, ControlsFollowTheCurrentRow) {
    DataTextEdit name(&source, kName);
    DataLabel low(&source, QStringLiteral("Low Kc"));
    DataCheckBox hay(&source, QStringLiteral("Hay"), QStringLiteral("Hay"));
    table.next();
    EXPECT_EQ(name.text(), QStringLiteral("Bermuda"));
    EXPECT_EQ(low.text(), QStringLiteral("0.45")); // shortest general form
    EXPECT_FALSE(hay.isChecked());
    table.last();
    EXPECT_EQ(name.text(), QStringLiteral("Timothy"));
    EXPECT_TRUE(hay.isChecked());
    ASSERT_TRUE(table.insert());
    EXPECT_TRUE(name.text().isEmpty());
    table.cancel();
    EXPECT_EQ(name.text(), QStringLiteral("Timothy"));
}

TEST_F(DataControls, NumericBoxRefusesAnOutOfRangeValue) {
    DataNumericEdit low(&source, QStringLiteral("Low Kc"), QStringLiteral("#.##"));
    low.setRange(0.1, 1);
    EXPECT_EQ(low.text(), QStringLiteral("0.30"));
    low.selectAll();
    QTest::keyClicks(&low, QStringLiteral("1.5"));
    EXPECT_FALSE(low.isValid());
    EXPECT_EQ(low.palette().color(QPalette::Base), QColor(Qt::red));
    EXPECT_DOUBLE_EQ(table.asFloat(QStringLiteral("Low Kc")), 0.30); // not written

    // Posting while the box shows a refused value would store the old one: it is refused.
    source.setRowWords({QStringLiteral("curve"), kName});
    ASSERT_TRUE(table.edit());
    EXPECT_FALSE(source.post());
    ASSERT_EQ(answers->asked().size(), 1u);
    EXPECT_EQ(answers->asked()[0].kind, MessageKind::Error);
    EXPECT_EQ(answers->asked()[0].text,
              QStringLiteral("Curve 'Alfalfa' cannot be saved: Low Kc must be corrected."));
    EXPECT_EQ(table.state(), EditState::Edit);

    low.selectAll();
    QTest::keyClicks(&low, QStringLiteral("0.65"));
    EXPECT_TRUE(low.isValid());
    ASSERT_TRUE(source.post());
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("Alfalfa"), QStringLiteral("Low Kc")).toDouble(), 0.65);
}

TEST_F(DataControls, CheckBoxAndRadioGroupWriteTheirStoredValues) {
    DataCheckBox marked(&source, QStringLiteral("Marked"), QStringLiteral("Marked"));
    DataRadioGroup category(
        &source, kCategory, QStringLiteral("Humidity/Wind"),
        {QStringLiteral("Humid - Moderate wind [HM]"), QStringLiteral("Humid - Strong wind [HS]"),
         QStringLiteral("Arid - Moderate wind [AM]"), QStringLiteral("Arid - Strong wind [AS]")},
        kCategories, 2);
    DataRadioGroup hay(
        &source, QStringLiteral("Hay"), QStringLiteral("Set to  Hay or Pasture"),
        {QStringLiteral("Hay (There are cuttings)"), QStringLiteral("Pasture/Seed (No cuttings)")},
        {QStringLiteral("True"), QStringLiteral("False")});
    EXPECT_EQ(category.currentIndex(), 0);
    EXPECT_EQ(hay.currentIndex(), 0);

    source.setAutoEdit(false);
    category.findChildren<QRadioButton*>()[3]->click();
    marked.click();
    EXPECT_EQ(category.currentIndex(), 0); // read-only: the click is undone
    EXPECT_FALSE(marked.isChecked());
    EXPECT_EQ(table.state(), EditState::Browse);

    source.setAutoEdit(true);
    category.findChildren<QRadioButton*>()[3]->click();
    hay.findChildren<QRadioButton*>()[1]->click();
    marked.click();
    ASSERT_TRUE(source.post());
    EXPECT_EQ(stored(QStringLiteral("Alfalfa"), kCategory).toString(), QStringLiteral("AS"));
    EXPECT_FALSE(stored(QStringLiteral("Alfalfa"), QStringLiteral("Hay")).toBool());
    EXPECT_TRUE(stored(QStringLiteral("Alfalfa"), QStringLiteral("Marked")).toBool());

    // A stored value that is none of the values checks no button.
    ASSERT_TRUE(table.edit());
    table.setValue(kCategory, QStringLiteral("XX"));
    EXPECT_EQ(category.currentIndex(), -1);
}

TEST_F(DataControls, DropDownAcceptsTypedTextOnlyWhenAsked) {
    DataComboBox fixed(&source, kCategory, kCategories);
    DataComboBox open(&source, QStringLiteral("Notes"), {QStringLiteral("Irrigated")}, true);
    EXPECT_EQ(fixed.currentText(), QStringLiteral("HM"));
    EXPECT_FALSE(fixed.isEditable());

    fixed.setCurrentIndex(2);
    emit fixed.activated(2);
    EXPECT_EQ(table.asString(kCategory), QStringLiteral("AM"));

    QTest::keyClicks(open.lineEdit(), QStringLiteral("Dryland"));
    EXPECT_EQ(table.asString(QStringLiteral("Notes")), QStringLiteral("Dryland")); // as typed
    ASSERT_TRUE(source.post());
    EXPECT_EQ(stored(QStringLiteral("Alfalfa"), QStringLiteral("Notes")).toString(),
              QStringLiteral("Dryland"));
}

TEST_F(DataControls, MemoWritesItsText) {
    DataMemo notes(&source, QStringLiteral("Notes"));
    QTest::keyClicks(&notes, QStringLiteral("Cut at bloom"));
    QTest::keyClick(&notes, Qt::Key_Return);
    QTest::keyClicks(&notes, QStringLiteral("second line"));
    ASSERT_TRUE(source.post());
    EXPECT_EQ(stored(QStringLiteral("Alfalfa"), QStringLiteral("Notes")).toString(),
              QStringLiteral("Cut at bloom\nsecond line"));
    table.next();
    EXPECT_TRUE(notes.toPlainText().isEmpty());
}

TEST_F(DataControls, LookupListTakesKeysAndTextsFromAnotherTable) {
    // The list: the curve names of CrpForag; the data: a row of a second cursor on the same
    // database whose 'Notes' field names a curve.
    kova::store::Table crops(QStringLiteral("CrpForag"));
    ASSERT_TRUE(crops.open());
    DataSource cropSource(&crops);
    DataLookupCombo pick(&cropSource, QStringLiteral("Notes"), &table, kName, kName);
    EXPECT_EQ(pick.count(), 5);
    EXPECT_EQ(pick.itemText(3), QStringLiteral("Fescue"));
    EXPECT_EQ(pick.currentIndex(), -1); // 'Notes' names no curve yet
    EXPECT_EQ(table.recNo(), 0);        // reading the list left the list's cursor alone

    pick.setCurrentIndex(3);
    emit pick.activated(3);
    EXPECT_EQ(crops.asString(QStringLiteral("Notes")), QStringLiteral("Fescue"));
    ASSERT_TRUE(cropSource.post());

    // A new entry of the list table shows up in the list.
    ASSERT_TRUE(table.append());
    table.setValue(kName, QStringLiteral("Orchardgrass"));
    ASSERT_TRUE(table.post());
    EXPECT_EQ(pick.count(), 6);
    EXPECT_EQ(pick.currentText(), QStringLiteral("Fescue"));
}

TEST_F(DataControls, NavigatorButtonsFollowPositionAndState) {
    Navigator moves(&source);
    EXPECT_EQ(moves.button(Navigator::Insert), nullptr); // only the moves were asked for
    EXPECT_EQ(moves.button(Navigator::First)->toolTip(), QStringLiteral("Goto first record"));
    EXPECT_EQ(moves.button(Navigator::Prior)->toolTip(), QStringLiteral("Goto previous record"));
    EXPECT_EQ(moves.button(Navigator::Next)->toolTip(), QStringLiteral("Goto next record"));
    EXPECT_EQ(moves.button(Navigator::Last)->toolTip(), QStringLiteral("Goto last record"));
    EXPECT_FALSE(moves.button(Navigator::First)->isEnabled()); // on the first row
    moves.click(Navigator::Next);
    EXPECT_EQ(table.recNo(), 1);
    moves.click(Navigator::Last);
    EXPECT_EQ(table.recNo(), 4);
    EXPECT_FALSE(moves.button(Navigator::Next)->isEnabled());
    EXPECT_TRUE(moves.button(Navigator::Prior)->isEnabled());

    Navigator all(&source, Navigator::kAll);
    EXPECT_FALSE(all.button(Navigator::Post)->isEnabled());
    all.click(Navigator::Edit);
    EXPECT_EQ(table.state(), EditState::Edit);
    EXPECT_TRUE(all.button(Navigator::Post)->isEnabled());
    EXPECT_FALSE(all.button(Navigator::Edit)->isEnabled());
    table.setValue(kName, QStringLiteral("Timothy grass"));
    all.click(Navigator::First); // moving off the row posts it
    EXPECT_EQ(table.state(), EditState::Browse);
    EXPECT_EQ(stored(QStringLiteral("Timothy grass"), kName).toString(),
              QStringLiteral("Timothy grass"));

    answers->queue(Answer::No);
    all.click(Navigator::Delete);
    EXPECT_EQ(table.recordCount(), 5);
    answers->queue(Answer::Yes);
    all.click(Navigator::Delete);
    EXPECT_EQ(table.recordCount(), 4);
    EXPECT_EQ(answers->asked().size(), 2u);
}
