#pragma once
// "Compute Start of Growth and End of Growth Dates Tool": the crop's default dates, its
// temperatures and grow days, the entries "Re-Calculate" takes, and the dates found from the
// station's temperatures (calc::CompPHDates computes them). "OK" returns the dates to the
// crop being edited; "Cancel" changes nothing.

#include "calc/growthdates.h"
#include "calc/growthdatestables.h"

#include <QDialog>
#include <QHash>
#include <optional>

class QLabel;
class QPushButton;

namespace kova::store {
class Table;
}

namespace kova::ui {
class NumericField;
}

namespace kova::mainwin {

class CompPHDatesDlg : public QDialog {
    Q_OBJECT
public:
    // `tool` has been opened; OK writes into `k` and the working row `wkCrop` stands on.
    CompPHDatesDlg(calc::CompPHDates& tool, calc::TKova& k, store::Table& wkCrop,
                   QWidget* parent = nullptr);

    // The record's dates changed: OK, or a message that put the defaults back.
    bool datesChanged() const { return changed_; }

    ui::NumericField* growDaysEntry() const { return growDays_; }
    ui::NumericField* beginTempEntry() const { return beginTemp_; }
    ui::NumericField* endTempEntry() const { return endTemp_; }
    QPushButton* recalculateButton() const { return recalculate_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    // The text a value shows, by its name ("spring month", "available days", ...).
    QString shown(const QString& name) const;

    // A message of the tool: shown, and the window closes where the message says so.
    void handle(const std::optional<calc::DateToolMessage>& message);

private:
    QWidget* buildDefaults();
    QWidget* buildDatabaseData();
    QWidget* buildEntries();
    QWidget* buildTemperatureEnd();
    QWidget* buildRecalculated();
    QLabel* value(const QString& name);
    QWidget* monthDay(const QString& name);
    void recalculate();
    void takeDates();
    void showValues();

    calc::CompPHDates& tool_;
    calc::TKova& k_;
    store::Table& wkCrop_;
    ui::NumericField* growDays_ = nullptr;
    QLabel* growDaysLabel_ = nullptr;
    ui::NumericField* beginTemp_ = nullptr;
    ui::NumericField* endTemp_ = nullptr;
    QPushButton* recalculate_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QHash<QString, QLabel*> values_;
    bool changed_ = false;
};

// "Compute Dates for Site" once the station is known not to be too warm: the tool opened for
// the crop of the record (a message may end it before it shows). True when the record's dates
// changed.
bool runDateTool(calc::TKova& k, store::Table& wkCrop, const calc::DateToolInputs& inputs,
                 QWidget* parent);

} // namespace kova::mainwin
