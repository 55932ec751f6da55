#pragma once
// The two curve pickers of the created-crop window: "BC Kc Crop Curve Data" sets the crop's
// TR21 curve, "Get Basal Kc Curve Data" its basal curve. Each opens its curve tables, runs its
// steps (cropedit/core/curvepick.h) on the crop row and closes the tables again. OK warns
// while the crop names a curve the list does not offer; Cancel leaves an existing crop as it
// was. Neither posts a new crop: that is the window's.

#include "cropedit/core/curvepick.h"

#include <QDialog>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QPlainTextEdit;
class QStackedWidget;

namespace kova::ui {
class DataLookupList;
}

namespace kova::cropedit {

class DataModule;

// What both pickers do around their steps.
class CurvePickerDialog : public QDialog {
    Q_OBJECT
public:
    ui::DataLookupList* curveList() const { return list_; }
    // OK: accepted unless the crop names a curve the list does not offer (a warning says so).
    void accept() override;
    void reject() override; // Cancel, Escape, the title bar's close

protected:
    CurvePickerDialog(DataModule& dm, std::vector<store::Table*> tables, QWidget* parent);
    ~CurvePickerDialog() override;
    void setPick(CurvePick* pick) { pick_ = pick; }
    virtual QStringList begin() = 0;
    virtual QString checkChoice() const = 0;
    void showEvent(QShowEvent* event) override;
    QGroupBox* radioGroup(const QString& title, const QString& hint, const QStringList& items,
                          QButtonGroup** buttons, int columns = 1);
    void showListed(store::Table* listed);

    DataModule& dm_;
    ui::DataLookupList* list_ = nullptr;

private:
    std::vector<store::Table*> tables_;
    CurvePick* pick_ = nullptr;
    bool begun_ = false;
};

class GetBCDlg : public CurvePickerDialog {
    Q_OBJECT
public:
    GetBCDlg(DataModule& dm, bool newCrop, QWidget* parent = nullptr);
    ~GetBCDlg() override;
    QButtonGroup* typeButtons() const { return types_; }

protected:
    QStringList begin() override;
    QString checkChoice() const override;

private:
    void showChoices();
    std::unique_ptr<TR21Pick> tr21_;
    QButtonGroup* types_ = nullptr;
};

class GetBasDlg : public CurvePickerDialog {
    Q_OBJECT
public:
    GetBasDlg(DataModule& dm, bool newCrop, QWidget* parent = nullptr);
    ~GetBasDlg() override;
    QButtonGroup* typeButtons() const { return types_; }
    QButtonGroup* categoryButtons() const { return categories_; }
    // The detail panel of the table listed; -1 while none is shown.
    int detailPanel() const;
    QString notesShown() const;

protected:
    QStringList begin() override;
    QString checkChoice() const override;

private:
    QWidget* buildDetails();
    void showChoices();
    void showNotes();
    std::unique_ptr<BasalPick> basal_;
    QButtonGroup* types_ = nullptr;
    QButtonGroup* categories_ = nullptr;
    QStackedWidget* details_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
};

} // namespace kova::cropedit
