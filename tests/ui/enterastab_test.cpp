#include "ui/enterastab.h"
#include "ui/numericfield.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

// Dialogs opened from an Enter-as-Tab window keep their own Enter: it presses the default
// button. Each dialog is answered with keys sent through the window system, as a person would.
namespace {

template <typename Dialog> int runWithKeys(Dialog& dialog, std::function<void()> keys) {
    QTimer::singleShot(0, &dialog, [&dialog, keys] {
        if (QTest::qWaitForWindowActive(&dialog))
            keys();
        if (dialog.isVisible())
            dialog.reject(); // Enter did nothing: end the test instead of waiting
    });
    return dialog.exec();
}

void typeInto(QWidget* dialog, const QString& text) {
    for (const QChar c : text)
        QTest::keyClick(dialog->windowHandle(), c.toLatin1());
}

} // namespace

TEST_F(EntryWindow, EnterInAMessageBoxPressesItsDefaultButton) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), QStringLiteral("Delete?"),
                    QMessageBox::Yes | QMessageBox::No, &window);
    box.setDefaultButton(QMessageBox::No);
    runWithKeys(box, [&] { QTest::keyClick(box.windowHandle(), Qt::Key_Return); });
    EXPECT_EQ(box.clickedButton(), box.button(QMessageBox::No));
}

TEST_F(EntryWindow, EnterInAnInputBoxAnswersIt) {
    QInputDialog input(&window);
    input.setWindowTitle(QStringLiteral("Station Name Search"));
    input.setLabelText(QStringLiteral("Enter Station Name"));
    const int result = runWithKeys(input, [&] {
        typeInto(&input, QStringLiteral("zzz"));
        QTest::keyClick(input.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(input.textValue(), QStringLiteral("zzz"));
}

TEST_F(EntryWindow, EnterInAFileDialogChoosesTheTypedFile) {
    QTemporaryDir dir;
    QFileDialog files(&window, QStringLiteral("Export Report"), dir.path());
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    const int result = runWithKeys(files, [&] {
        typeInto(&files, QStringLiteral("report.html"));
        QTest::keyClick(files.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(files.selectedFiles().value(0), dir.filePath(QStringLiteral("report.html")));
}
