#pragma once
// "Job Crop Compute": one crop of the job, its season, carry-over, soil and irrigation,
// wetting, water stress and hay cuttings. The window only shows what the crop parameters
// (job::CropParameters) hold and forwards its entries' events there. There is no Cancel:
// closing in any way writes the row, posts it and computes the crop, unless an entry or the
// season has to be corrected first (then it stays open).

#include "jobboxes.h"

#include "main/job/cropparameters.h"
#include "results/output/resultsactions.h"

#include <QDialog>
#include <array>
#include <map>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace kova::ui {
class NumericField;
}

namespace kova::mainwin {

class CropCompDlg : public QDialog {
    Q_OBJECT
public:
    // Opens on the working crop the session's table stands on (false from `opened()` when the
    // row could not be edited: the dialog is then not to be shown).
    CropCompDlg(job::JobSession& session, QWidget* parent = nullptr);

    bool opened() const { return opened_; }
    // Closed with the crop computed: the results window follows.
    bool computed() const { return computed_; }

    ui::NumericField* entry(job::CropEntry e) const { return entries_[size_t(e)]; }
    QComboBox* soilList() const { return soil_; }
    QComboBox* irrigationList() const { return irrigation_; }
    QCheckBox* sensitiveBox() const { return sensitive_; }
    QGroupBox* averageKcGroup() const { return averageKc_; }
    QGroupBox* hayGroup() const { return hay_; }
    QLabel* cropNameLabel() const { return cropName_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* computeDatesButton() const { return computeDates_; }
    QLabel* stationPanel() const { return stationPanel_; }
    QLabel* methodPanel() const { return methodPanel_; }

    void reject() override; // Esc and the close box close as "OK" does

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // What the crop parameters tell, shown once the entries show what it is about (a day
    // corrected to the month's last is on screen under its message); counted, so a command
    // can stop after a refusal.
    class Told : public job::JobMessages {
    public:
        explicit Told(QWidget* parent) : boxes_(parent) {}
        void report(const job::JobMessage& message) override;
        void flush();
        int count = 0;

    private:
        BoxMessages boxes_;
        std::vector<job::JobMessage> held_;
    };

    QWidget* buildTopBar();
    QWidget* buildDates();
    QWidget* buildCarryover();
    QWidget* buildAverageKc();
    QWidget* buildHay();
    QWidget* buildStatusBar();
    ui::NumericField* makeEntry(job::CropEntry e, int help = 0);
    QWidget* monthDay(job::CropEntry month, job::CropEntry day);
    void connectLists();

    // An entry's leave runs once the focus has moved on (or before a command).
    void leaveQueued();
    // True when no leave was pending or it said nothing.
    bool leaveBeforeCommand();
    void computeDatesForSite();
    void tryClose();
    // The entries, lists and groups as the crop parameters hold them, then their messages and
    // the focus they ask for.
    void showParameters();
    void showFocus();

    job::JobSession& session_;
    Told told_{this};
    job::CropParameters parameters_;
    std::array<ui::NumericField*, job::kCropEntryCount> entries_{};
    std::map<QObject*, job::CropEntry> entryOf_;
    QComboBox* soil_ = nullptr;
    QComboBox* irrigation_ = nullptr;
    QCheckBox* sensitive_ = nullptr;
    QGroupBox* averageKc_ = nullptr;
    QGroupBox* hay_ = nullptr;
    QLabel* cropName_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* computeDates_ = nullptr;
    QLabel* stationPanel_ = nullptr;
    QLabel* methodPanel_ = nullptr;
    std::optional<job::CropEntry> pending_; // has the focus, not left yet
    std::optional<job::CropEntry> leaving_; // left, its leave queued
    bool refocusing_ = false;
    bool opened_ = false;
    bool computed_ = false;
    bool closing_ = false;
    bool placed_ = false;
};

// The crop parameters dialog on the session's current working crop, then the results window
// of the crop it computed.
void runCropParameters(job::JobSession& session, const results::CropResultsActions& results,
                       QWidget* parent);

} // namespace kova::mainwin
