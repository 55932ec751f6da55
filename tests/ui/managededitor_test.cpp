#include "boxkeys.h"
#include "grasstable.h"
#include "ui/datacontrols.h"
#include "ui/glyphs.h"
#include "ui/managededitor.h"

#include <QAction>
#include <QImage>
#include <QTest>

using namespace kova::ui;
using kova::store::EditState;

namespace {

const QString kName = QStringLiteral("Crop Curve Name");
const QString kCaption = QStringLiteral("Review or Edit Basal Kc Curves for Grass Crops");

struct Managed : kova::test::GrassTable {
    void SetUp() override {
        GrassTable::SetUp();
        window.setWindowTitle(kCaption);
        nameBox = new DataTextEdit(&source, kName, &window);
        ManagedEditorSettings settings;
        settings.nameField = kName;
        settings.insertFocus = nameBox;
        editor = new ManagedEditor(&window, &source, settings);
        window.show();
    }

    void type(const QString& text) {
        nameBox->setCursorPosition(static_cast<int>(nameBox->text().size()));
        QTest::keyClicks(nameBox, text);
    }

    bool editCommandsEnabled() const {
        return editor->insertAction()->isEnabled() && editor->cancelAction()->isEnabled() &&
               editor->deleteAction()->isEnabled();
    }
    bool editCommandsDisabled() const {
        return !editor->insertAction()->isEnabled() && !editor->cancelAction()->isEnabled() &&
               !editor->deleteAction()->isEnabled();
    }

    QWidget window;
    DataTextEdit* nameBox = nullptr;
    ManagedEditor* editor = nullptr;
};

// Colour of the light's lower and upper lamp.
QColor lamp(const QIcon& icon, bool lower) {
    const QImage image = icon.pixmap(24, 24).toImage();
    return image.pixelColor(12, lower ? 17 : 7);
}

} // namespace

TEST_F(Managed, StartsReadOnly) {
    EXPECT_FALSE(editor->editMode());
    EXPECT_FALSE(source.autoEdit());
    EXPECT_TRUE(editCommandsDisabled());
    EXPECT_EQ(editor->gotoEditAction()->text(), QStringLiteral("Goto Edit"));
    EXPECT_EQ(window.windowTitle(), kCaption);
    EXPECT_TRUE(nameBox->isReadOnly());
    EXPECT_TRUE(editor->markAction()->isEnabled()); // marking needs no edit mode
}

TEST_F(Managed, ToggleSwitchesCommandsCaptionTextAndLight) {
    ASSERT_TRUE(editor->toggleEditMode());
    EXPECT_TRUE(editor->editMode());
    EXPECT_TRUE(source.autoEdit());
    EXPECT_TRUE(editCommandsEnabled());
    EXPECT_EQ(editor->gotoEditAction()->text(), QStringLiteral("Stop Edit"));
    EXPECT_EQ(window.windowTitle(), kCaption + QStringLiteral(" [Edit Mode]"));
    EXPECT_GT(lamp(editor->gotoEditAction()->icon(), true).green(), 150); // "StartLight"

    ASSERT_TRUE(editor->toggleEditMode());
    EXPECT_FALSE(source.autoEdit());
    EXPECT_TRUE(editCommandsDisabled());
    EXPECT_EQ(editor->gotoEditAction()->text(), QStringLiteral("Goto Edit"));
    EXPECT_EQ(window.windowTitle(), kCaption + QStringLiteral(" [Read Only Mode]"));
    EXPECT_GT(lamp(editor->gotoEditAction()->icon(), false).red(), 150); // "StopLight"
}

TEST_F(Managed, LeavingEditModePostsTheRow) {
    editor->toggleEditMode();
    type(QStringLiteral(" hay"));
    EXPECT_EQ(table.state(), EditState::Edit);
    ASSERT_TRUE(editor->toggleEditMode());
    EXPECT_EQ(table.state(), EditState::Browse);
    EXPECT_EQ(stored(QStringLiteral("Alfalfa hay"), kName).toString(),
              QStringLiteral("Alfalfa hay"));
}

TEST_F(Managed, ARowThatCannotBePostedKeepsEditMode) {
    editor->toggleEditMode();
    nameBox->selectAll();
    QTest::keyClicks(nameBox, QStringLiteral("Bermuda")); // duplicate key
    EXPECT_FALSE(editor->toggleEditMode());
    EXPECT_TRUE(editor->editMode());
    EXPECT_TRUE(source.autoEdit());
    EXPECT_EQ(table.state(), EditState::Edit);
    ASSERT_EQ(answers->asked().size(), 1u);
    EXPECT_EQ(answers->asked()[0].kind, MessageKind::Error);
}

TEST_F(Managed, InsertCancelAndDeleteWorkOnlyInEditMode) {
    editor->insertRecord();
    EXPECT_EQ(table.state(), EditState::Browse);

    editor->toggleEditMode();
    editor->insertAction()->trigger();
    EXPECT_EQ(table.state(), EditState::Insert);
    EXPECT_TRUE(nameBox->hasFocus() || !window.isActiveWindow());
    editor->cancelAction()->trigger();
    EXPECT_EQ(table.state(), EditState::Browse);
    EXPECT_EQ(table.recordCount(), 5);
}

TEST_F(Managed, EnterOnTheRealDeleteQuestionKeepsTheRowAndTheBoxNamesIt) {
    ResponderScope realBoxes(std::make_shared<DialogResponder>());
    editor->toggleEditMode();
    table.moveTo(2);
    kova::test::KeyOnNextBox enter(Qt::Key_Return);
    editor->deleteAction()->trigger();
    ASSERT_TRUE(enter.seen().has_value());
    EXPECT_EQ(enter.seen()->text, QStringLiteral("Delete?"));
    EXPECT_EQ(enter.seen()->title, QStringLiteral("Clover"));
    EXPECT_EQ(enter.seen()->informativeText, QStringLiteral("Clover"));
    EXPECT_EQ(enter.seen()->defaultButton, QMessageBox::No);
    EXPECT_EQ(table.recordCount(), 5);
}

TEST_F(Managed, DeleteAsksTitledWithTheRowsName) {
    editor->toggleEditMode();
    table.moveTo(2);
    answers->queue(Answer::No);
    editor->deleteAction()->trigger();
    ASSERT_EQ(answers->asked().size(), 1u);
    EXPECT_EQ(answers->asked()[0].text, QStringLiteral("Delete?"));
    EXPECT_EQ(answers->asked()[0].title, QStringLiteral("Clover"));
    EXPECT_EQ(answers->asked()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(table.recordCount(), 5);

    answers->queue(Answer::Yes);
    editor->deleteAction()->trigger();
    EXPECT_EQ(table.recordCount(), 4);
    EXPECT_FALSE(stored(QStringLiteral("Clover"), kName).isValid());
}

TEST_F(Managed, MarksAndTheMarkedFilter) {
    table.moveTo(1);
    editor->mark();
    EXPECT_TRUE(stored(QStringLiteral("Bermuda"), QStringLiteral("Marked")).toBool());
    EXPECT_EQ(table.state(), EditState::Browse);
    editor->mark();
    EXPECT_FALSE(stored(QStringLiteral("Bermuda"), QStringLiteral("Marked")).toBool());
    editor->mark();

    editor->showMarkedAction()->setChecked(true);
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_EQ(table.asString(kName), QStringLiteral("Bermuda"));

    // Mark All reaches every row, also those the filter hides.
    editor->markAllAction()->trigger();
    EXPECT_EQ(table.recordCount(), 5);
    editor->clearAllMarksAction()->trigger();
    EXPECT_EQ(table.recordCount(), 0);
    editor->showMarkedAction()->setChecked(false);
    EXPECT_EQ(table.recordCount(), 5);
    EXPECT_FALSE(stored(QStringLiteral("Timothy"), QStringLiteral("Marked")).toBool());
}

TEST_F(Managed, ClosingPostsAnEditButDropsAPendingInsert) {
    editor->toggleEditMode();
    type(QStringLiteral("!"));
    EXPECT_TRUE(window.close());
    EXPECT_EQ(stored(QStringLiteral("Alfalfa!"), kName).toString(), QStringLiteral("Alfalfa!"));

    window.show();
    editor->insertRecord();
    table.setValue(kName, QStringLiteral("Ryegrass"));
    EXPECT_TRUE(window.close());
    EXPECT_EQ(table.state(), EditState::Browse);
    EXPECT_FALSE(stored(QStringLiteral("Ryegrass"), kName).isValid());
}

TEST_F(Managed, ClosingWithARowThatCannotBePostedKeepsTheWindowOpen) {
    editor->toggleEditMode();
    nameBox->selectAll();
    QTest::keyClicks(nameBox, QStringLiteral("Fescue"));
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(table.state(), EditState::Edit);
}

TEST_F(Managed, EscapeClosesTheWindowAsCloseDoesAfterPostingTheRow) {
    editor->toggleEditMode();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    type(QStringLiteral(" hay"));
    QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(stored(QStringLiteral("Alfalfa hay"), kName).toString(),
              QStringLiteral("Alfalfa hay"));
}

TEST_F(Managed, ANewRowStartsUnmarked) {
    editor->toggleEditMode();
    editor->insertRecord();
    EXPECT_FALSE(table.isNull(QStringLiteral("Marked")));
    EXPECT_FALSE(table.asBool(QStringLiteral("Marked")));
    table.setValue(kName, QStringLiteral("Ryegrass"));
    ASSERT_TRUE(source.post());
    EXPECT_EQ(stored(QStringLiteral("Ryegrass"), QStringLiteral("Marked")), QVariant(false));
}

TEST(Glyphs, LightsAreGreenAndRed) {
    EXPECT_GT(lamp(glyph(QStringLiteral("StartLight")), true).green(), 150);
    EXPECT_LT(lamp(glyph(QStringLiteral("StartLight")), true).red(), 120);
    EXPECT_GT(lamp(glyph(QStringLiteral("StopLight")), false).red(), 150);
    EXPECT_TRUE(glyph(QStringLiteral("NoSuchGlyph")).isNull());
}
