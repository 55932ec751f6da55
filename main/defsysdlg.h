#pragma once
// "System Default Values": the installation's settings (primary ET method, elevation
// correction, peak ET procedure, carry-over percentages), shown locked; "Edit Data" opens them
// for editing behind the password, "OK" stores the changes, "Cancel" drops them.

#include "store/table.h"
#include "ui/datasource.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kova::ui {
class DataNumericEdit;
class DataRadioGroup;
class DataTextEdit;
} // namespace kova::ui

namespace kova::mainwin {

class DefSysDlg : public QDialog {
    Q_OBJECT
public:
    explicit DefSysDlg(const QString& alias, QWidget* parent = nullptr);

    void editData(); // the password dialog, then edit mode
    bool editMode() const { return editMode_; }
    void reject() override; // "Cancel" and the close box

    ui::DataRadioGroup* methodGroup() const { return method_; }
    ui::DataNumericEdit* springEntry() const { return spring_; }
    ui::DataNumericEdit* fallEntry() const { return fall_; }
    ui::DataTextEdit* passwordEntry() const { return password_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* editButton() const { return edit_; }

private:
    void save();
    void setEditMode(bool on);
    QWidget* buildValues();

    store::Table defaults_;
    ui::DataSource source_{&defaults_};
    ui::DataRadioGroup* method_ = nullptr;
    ui::DataRadioGroup* elevation_ = nullptr;
    ui::DataRadioGroup* peak_ = nullptr;
    ui::DataNumericEdit* spring_ = nullptr;
    ui::DataNumericEdit* fall_ = nullptr;
    QLabel* passwordCaption_ = nullptr;
    ui::DataTextEdit* password_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* edit_ = nullptr;
    bool editMode_ = false;
};

} // namespace kova::mainwin
