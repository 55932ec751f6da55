#pragma once
// "Review or Edit Local Crop Database": the created crops that a job can hold, each tied to a
// basal and a TR21 curve by the two pickers, with its default dates, the optional data of a
// temperature-based season and comments, under the managed editor pattern. A crop whose
// named curve is no longer in its table shows in red, with what is missing.
//
// The new-crop state: on from "Insert Record" (or a picker on an empty table) until the new
// row is posted or cancelled; while it is on the pickers start from the last-used choices and
// leave posting to this window.

#include <QDialog>
#include <map>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kova::ui {
class DataGrid;
class DataRadioGroup;
class ManagedEditor;
} // namespace kova::ui

namespace kova::cropedit {

class DataModule;

class CropForm : public QDialog {
    Q_OBJECT
public:
    explicit CropForm(DataModule& dm, QWidget* parent = nullptr);
    ~CropForm() override;

    // --- commands ---------------------------------------------------------------------------
    void getBasalCurve(); // "Get Grass Ref. Curve", then the TR21 picker for a new crop
    void getTR21Curve();  // "Get BC TR21 Curve"
    void printCropList();
    void printAllMarked();

    // --- for the windows that drive it ------------------------------------------------------
    bool newCropState() const { return newCrop_; }
    ui::ManagedEditor* editor() const { return editor_; }
    ui::DataGrid* grid() const { return grid_; }
    QLineEdit* nameBox() const { return nameBox_; }
    QTabWidget* pages() const { return pages_; }
    ui::DataRadioGroup* categoryGroup() const { return category_; }
    QPushButton* basalButton() const { return basal_; }
    QPushButton* tr21Button() const { return tr21_; }
    // What the current crop names that is not in its tables; empty when nothing.
    QString missingCurvesShown() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildCurvesPage();
    QWidget* buildDatesPage();
    QWidget* buildSeasonPage();
    QWidget* buildCommentsPage();
    void buildMenus();
    bool prepareForPicker(); // a picker on an empty table composes a new crop
    bool deleteCrop();
    void findMissingCurves();
    void showMissingCurves();

    DataModule& dm_;
    ui::ManagedEditor* editor_ = nullptr;
    ui::DataGrid* grid_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QTabWidget* pages_ = nullptr;
    ui::DataRadioGroup* category_ = nullptr;
    QPushButton* basal_ = nullptr;
    QPushButton* tr21_ = nullptr;
    QLabel* missing_ = nullptr;
    bool newCrop_ = false;
    std::map<QString, QStringList> missingByCrop_; // by crop name in case-folded form
};

} // namespace kova::cropedit
