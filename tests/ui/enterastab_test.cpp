#include "ui/enterastab.h"
#include "ui/numericfield.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using kova::ui::EnterAsTab;
using kova::ui::NumericField;

namespace {

struct EntryWindow : ::testing::Test {
    QWidget window;
    QVBoxLayout* layout = new QVBoxLayout(&window);
    QLineEdit* name = new QLineEdit;
    NumericField* depth = new NumericField(QStringLiteral("##.##"));
    QCheckBox* sensitive = new QCheckBox(QStringLiteral("Sensitive Crop"));
    QPlainTextEdit* notes = new QPlainTextEdit;
    QPushButton* ok = new QPushButton(QStringLiteral("OK"));

    EntryWindow() { ok->setAutoDefault(true); }

    void SetUp() override {
        for (QWidget* w : std::initializer_list<QWidget*>{name, depth, sensitive, notes, ok})
            layout->addWidget(w);
        EnterAsTab::install(&window);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace

TEST_F(EntryWindow, EnterMovesToTheNextControlAsTabDoes) {
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(depth->hasFocus());
    QTest::keyClicks(depth, QStringLiteral("2.5"));
    QTest::keyClick(depth, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(sensitive->hasFocus());
    EXPECT_EQ(depth->text(), QStringLiteral("2.5"));
    QTest::keyClick(sensitive, Qt::Key_Return);
    EXPECT_TRUE(notes->hasFocus());
}

TEST_F(EntryWindow, MemosAndButtonsKeepEnter) {
    notes->setFocus();
    QTest::keyClicks(notes, QStringLiteral("a"));
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_TRUE(notes->hasFocus());
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("a\n"));

    int pressed = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++pressed; });
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(pressed, 1);
}

TEST_F(EntryWindow, ControlsAddedLaterAreWatchedToo) {
    auto* later = new QLineEdit;
    auto* after = new QLineEdit;
    layout->addWidget(later);
    layout->addWidget(after);
    later->show();
    after->show();
    later->setFocus();
    QTest::keyClick(later, Qt::Key_Return);
    EXPECT_TRUE(after->hasFocus());
}
