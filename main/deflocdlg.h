#pragma once
// "Local Default Values": the values most typical for the area that every newly added crop
// starts with. The row is in edit from the start; "OK" stores it, "Cancel" drops the changes.
// A cutting day past its month's end is corrected to the month's last day, and said so.

#include "store/table.h"
#include "ui/datasource.h"

#include <QDialog>

class QPushButton;

namespace kova::ui {
class DataComboBox;
class DataNumericEdit;
} // namespace kova::ui

namespace kova::mainwin {

class DefLocDlg : public QDialog {
    Q_OBJECT
public:
    explicit DefLocDlg(const QString& alias, QWidget* parent = nullptr);

    void reject() override; // "Cancel" and the close box

    ui::DataNumericEdit* netDepthEntry() const { return netDepth_; }
    ui::DataComboBox* irrigationList() const { return irrigation_; }
    ui::DataComboBox* soilList() const { return soil_; }
    ui::DataNumericEdit* firstCutDayEntry() const { return firstCutDay_; }
    ui::DataNumericEdit* lastCutDayEntry() const { return lastCutDay_; }
    QPushButton* okButton() const { return ok_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void save();
    QWidget* buildWettings();
    QWidget* buildStress();
    QWidget* buildHay();
    ui::DataNumericEdit* entry(const QString& field, const QString& picture);
    void checkCuttingDay(ui::DataNumericEdit* dayEntry, const QString& monthField);

    store::Table defaults_;
    ui::DataSource source_{&defaults_};
    ui::DataNumericEdit* netDepth_ = nullptr;
    ui::DataComboBox* irrigation_ = nullptr;
    ui::DataComboBox* soil_ = nullptr;
    ui::DataNumericEdit* firstCutDay_ = nullptr;
    ui::DataNumericEdit* lastCutDay_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool checkingDay_ = false;
};

} // namespace kova::mainwin
