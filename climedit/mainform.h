#pragma once
// The climate editor's main window: its buttons open the import, the station form and the
// WHR form. It only wires commands; the windows do the work.

#include "ui/programwindow.h"

class QPushButton;

namespace kova::climedit {

class DataModule;

class MainForm : public ui::ProgramWindow {
    Q_OBJECT
public:
    explicit MainForm(DataModule& dm, QWidget* parent = nullptr);

    void runImport();
    void editClimate();
    void editWHR();

    QPushButton* importButton() const { return import_; }
    QPushButton* climateButton() const { return climate_; }
    QPushButton* whrButton() const { return whr_; }

protected:
    bool event(QEvent* event) override;

private:
    DataModule& dm_;
    QPushButton* import_ = nullptr;
    QPushButton* climate_ = nullptr;
    QPushButton* whr_ = nullptr;
};

} // namespace kova::climedit
