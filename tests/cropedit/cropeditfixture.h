#pragma once
// The crop editor's window tests: the shared window fixture, the program's data module, and
// the few steps every test of its windows takes.

#include "qtprinting.h"
#include "windowfixture.h"

#include "cropedit/datamodule.h"
#include "store/table.h"

#include <QTest>
#include <memory>

namespace kova::cropedit::test {

using kova::test::storedField;

class CropEditFixture : public kova::test::WindowFixture {
protected:
    explicit CropEditFixture(Contents contents = Contents::Delivered)
        : WindowFixture(contents), dm(std::make_unique<DataModule>()) {}

    // Shows a window as the main window does, its tables open, and waits until it is active.
    template <class Window> std::unique_ptr<Window> open(std::vector<store::Table*> tables) {
        EXPECT_TRUE(DataModule::openTables(tables));
        auto window = std::make_unique<Window>(*dm);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    // Types into a box as a person does: the old text selected and replaced.
    static void retype(QWidget* box, const QString& text) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
    }

    std::unique_ptr<DataModule> dm;
};

} // namespace kova::cropedit::test
