// The system defaults behind their password and the local defaults with their cutting-day
// check, opened from the main window's "Options" menu.

#include "mainfixture.h"

#include "main/deflocdlg.h"
#include "main/defsysdlg.h"
#include "main/passworddlg.h"
#include "store/alias.h"
#include "store/table.h"
#include "ui/datacontrols.h"

#include <QLabel>

namespace kova::mainwin::test {

namespace {

QVariant storedDefault(const QString& table, const QString& field) {
    store::Table t(table);
    if (!t.open() || t.isEmpty())
        return {};
    t.first();
    return t.value(field);
}

void setStoredPassword(const QString& password) {
    store::Table t(QStringLiteral("SystemDefaults"));
    ASSERT_TRUE(t.open() && !t.isEmpty());
    t.first();
    ASSERT_TRUE(t.edit() && t.setValue(QStringLiteral("Password"), password) && t.post());
}

// The password dialog over `stored`, with `typed` entered and "OK" pressed.
bool unlocks(const QString& stored, const QString& typed) {
    PasswordDlg password(stored);
    password.show();
    QTest::keyClicks(password.entry(), typed);
    QTest::mouseClick(password.okButton(), Qt::LeftButton);
    if (password.result() == QDialog::Accepted)
        return true;
    EXPECT_TRUE(password.isVisible()) << "another try";
    EXPECT_TRUE(password.wrongPassword()->isVisibleTo(&password));
    EXPECT_TRUE(password.entry()->text().isEmpty());
    return false;
}

class Defaults : public MainWindowFixture {
protected:
    // The focus in `widget`, its window active (the test answers the dialogs in turn).
    static void focusOn(QWidget* widget) {
        QWidget* window = widget->window();
        if (!window->isActiveWindow()) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        widget->setFocus();
    }
    static void typeInto(QLineEdit* edit, const QString& text) {
        focusOn(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // "Options" > "System Defaults"; `inside` works the dialog, which is then closed by "OK".
    void systemDefaults(const std::function<void(DefSysDlg&)>& inside, bool ok = true) {
        onNextDialog([inside, ok](QDialog& d) {
            auto& dialog = dynamic_cast<DefSysDlg&>(d);
            inside(dialog);
            if (ok)
                QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            else
                dialog.reject();
            return d.result();
        });
        form->menuItem("&System Defaults")->trigger();
    }
    // "Edit Data" answered with `typed` in the password dialog.
    void editData(DefSysDlg& dialog, const QString& typed) {
        onNextDialog([typed](QDialog& d) {
            auto& password = dynamic_cast<PasswordDlg&>(d);
            QTest::keyClicks(password.entry(), typed);
            QTest::mouseClick(password.okButton(), Qt::LeftButton);
            return d.result();
        });
        QTest::mouseClick(dialog.editButton(), Qt::LeftButton);
    }
};

} // namespace

// The password rule itself is the job workflow's (tests/job); here the dialog around it.
TEST(Password, AWrongEntryIsEmptiedForAnotherTryAndARightOneCloses) {
    EXPECT_TRUE(unlocks("Secret", "Secret"));
    EXPECT_TRUE(unlocks("Secret", "PeltsVAQ"));
    EXPECT_FALSE(unlocks("Secret", "secret"));
    EXPECT_TRUE(unlocks("", ""));
}

TEST_F(Defaults, SystemValuesChangeOnlyBehindThePasswordAndCancelKeepsThem) {
    open();
    systemDefaults([this](DefSysDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "System Default Values");
        EXPECT_FALSE(dialog.springEntry()->isEnabled() || dialog.methodGroup()->isEnabled());
        EXPECT_FALSE(dialog.passwordEntry()->isVisibleTo(&dialog));
        QTest::keyClicks(dialog.springEntry(), "1");
        editData(dialog, "peltsvaq");
        EXPECT_FALSE(dialog.editMode()) << "a wrong password keeps it locked";
        editData(dialog, "PeltsVAQ");
        ASSERT_TRUE(dialog.editMode());
        EXPECT_EQ(dialog.windowTitle(), "System Defaults (EDIT MODE)");
        EXPECT_TRUE(dialog.passwordEntry()->isVisibleTo(&dialog));
        dialog.springEntry()->selectAll();
        QTest::keyClicks(dialog.springEntry(), "40");
        dialog.passwordEntry()->setFocus();
        QTest::keyClicks(dialog.passwordEntry(), "Secret");
    });
    EXPECT_EQ(storedDefault("SystemDefaults", "Spring Carryover %").toDouble(), 40);
    EXPECT_EQ(storedDefault("SystemDefaults", "Password").toString(), "Secret");
    EXPECT_EQ(shown("kova::mainwin::PasswordDlg"), 2);

    // Cancel after changes in edit mode leaves the row as it was.
    systemDefaults(
        [this](DefSysDlg& dialog) {
            editData(dialog, "Secret");
            ASSERT_TRUE(dialog.editMode()) << "the new password opens it";
            dialog.springEntry()->selectAll();
            QTest::keyClicks(dialog.springEntry(), "12");
        },
        false);
    EXPECT_EQ(storedDefault("SystemDefaults", "Spring Carryover %").toDouble(), 40);
    // Every opening starts locked, and the master password still opens it.
    systemDefaults([this](DefSysDlg& dialog) {
        EXPECT_FALSE(dialog.editMode());
        editData(dialog, "PeltsVAQ");
        EXPECT_TRUE(dialog.editMode());
    });
}

TEST_F(Defaults, AnEmptyStoredPasswordOpensWithAnEmptyEntry) {
    setStoredPassword({});
    open();
    systemDefaults([this](DefSysDlg& dialog) {
        editData(dialog, "");
        EXPECT_TRUE(dialog.editMode());
    });
}

TEST_F(Defaults, LocalValuesAreInEditAtOnceAndCuttingDaysKeepToTheirMonth) {
    DefLocDlg dialog(store::kDefaultAlias);
    dialog.show();
    auto entry = [&](const QString& field) {
        for (auto* e : dialog.findChildren<ui::DataNumericEdit*>())
            if (e->link()->field() == field)
                return e;
        return static_cast<ui::DataNumericEdit*>(nullptr);
    };
    // The Enter key moves on as Tab does.
    focusOn(dialog.netDepthEntry());
    QTest::keyClick(dialog.netDepthEntry(), Qt::Key_Return);
    EXPECT_TRUE(dialog.irrigationList()->isAncestorOf(QApplication::focusWidget()));

    const struct {
        int month, day, kept;
        const char* message;
    } cases[] = {{4, 31, 30, "Month number 4 has maximum of 30 days."},
                 {2, 29, 28, "Month number 2 has maximum of 28 days."},
                 {7, 31, 31, nullptr}};
    for (const auto& c : cases) {
        responder->clear();
        typeInto(entry("Hay 1st Cut Mo"), QString::number(c.month));
        typeInto(dialog.firstCutDayEntry(), QString::number(c.day));
        QTest::keyClick(dialog.firstCutDayEntry(), Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.firstCutDayEntry()->value(), c.kept) << c.month;
        if (c.message) {
            EXPECT_EQ(messageTexts(), QStringList{c.message}) << c.month;
            ASSERT_FALSE(responder->asked().empty());
            EXPECT_EQ(responder->asked()[0].kind, ui::MessageKind::Error);
            EXPECT_EQ(QApplication::focusWidget(), dialog.firstCutDayEntry());
        } else {
            EXPECT_TRUE(responder->asked().empty());
        }
    }
    // The lists take a typed text as typed.
    typeInto(dialog.irrigationList()->lineEdit(), "Center pivot, low pressure");
    QTest::keyClick(dialog.irrigationList(), Qt::Key_Tab);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(storedDefault("LocalDefaults", "Type of Irrigation").toString(),
              "Center pivot, low pressure");
    EXPECT_EQ(storedDefault("LocalDefaults", "Hay 1st Cut Day").toInt(), 31);
}

TEST_F(Defaults, LocalValuesOpenFromTheMenuAndCancelKeepsThem) {
    open();
    const double depth = storedDefault("LocalDefaults", "Net Depth of Irrigation").toDouble();
    onNextDialog([](QDialog& d) {
        auto& dialog = dynamic_cast<DefLocDlg&>(d);
        dialog.netDepthEntry()->selectAll();
        QTest::keyClicks(dialog.netDepthEntry(), "3");
        dialog.reject();
        return d.result();
    });
    form->menuItem("&Local Defaults")->trigger();
    EXPECT_EQ(shown("kova::mainwin::DefLocDlg"), 1);
    EXPECT_EQ(storedDefault("LocalDefaults", "Net Depth of Irrigation").toDouble(), depth);
}

} // namespace kova::mainwin::test
