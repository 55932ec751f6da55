#pragma once
// The WHR form: edits the wind, humidity and radiation sites of `ClimWHR` — a site name, its
// description and a grid of twelve months by six series — under the managed editor pattern,
// and prints the two WHR reports.

#include <QDialog>
#include <vector>

class QLineEdit;

namespace kova::ui {
class DataNumericEdit;
class ManagedEditor;
class Navigator;
} // namespace kova::ui

namespace kova::climedit {

class DataModule;

class WHRForm : public QDialog {
    Q_OBJECT
public:
    explicit WHRForm(DataModule& dm, QWidget* parent = nullptr);

    void printLocationList();
    void printAllMarked();

    ui::ManagedEditor* editor() const { return editor_; }
    ui::Navigator* navigator() const { return navigator_; }
    QLineEdit* siteNameBox() const { return nameBox_; }
    // The box of a series (0..5, in the order of the headings) and month (1..12).
    ui::DataNumericEdit* monthBox(int series, int month) const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildSiteBoxes();
    QWidget* buildMonthGrid();
    QWidget* buildLegend();
    void buildMenus();

    DataModule& dm_;
    ui::ManagedEditor* editor_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    std::vector<ui::DataNumericEdit*> monthBoxes_; // series-major
};

} // namespace kova::climedit
