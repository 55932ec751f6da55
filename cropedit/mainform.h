#pragma once
// The crop editor's main window, "Kova Crops Databases": one button per table window. Each
// opens the window's tables, shows the window modally and closes the tables after it.

#include "ui/programwindow.h"

#include <functional>
#include <vector>

class QPushButton;

namespace kova::store {
class Table;
}

namespace kova::cropedit {

class DataModule;

class MainForm : public ui::ProgramWindow {
    Q_OBJECT
public:
    explicit MainForm(DataModule& dm, QWidget* parent = nullptr);

    void editCreatedCrops();
    void editFieldVegCurves();
    void editPerennialCurves();
    void editGrassCurves();
    void editTR21AnnualCurves();
    void editTR21PerennialCurves();
    void editCropTypes();

    QPushButton* createdCropsButton() const { return buttons_.at(0); }
    // In the order of the window: created crops, field and vegetable, perennial, grass,
    // TR21 annual, TR21 perennial, crop types.
    const std::vector<QPushButton*>& tableButtons() const { return buttons_; }

private:
    template <class Window> void edit(const std::vector<store::Table*>& tables);
    QPushButton* addTableCommand(const QString& text, const QString& hint,
                                 void (MainForm::*open)());

    DataModule& dm_;
    std::vector<QPushButton*> buttons_;
};

} // namespace kova::cropedit
