#pragma once
// What the three basal curve windows share: the managed editor over their table (read-only at
// start, edit mode, marks), the grid of curve names beside the curve's boxes, the name box,
// the humidity/wind radio group, the File, Marks, Show By and Help menus and the curve guard
// that keeps created crops from losing their curves. Each window adds its own boxes.

#include "report/previewwindow.h"

#include <QDialog>

class QLineEdit;
class QToolButton;
class QVBoxLayout;

namespace kova::store {
struct CurveTable;
}

namespace kova::ui {
class DataGrid;
class DataRadioGroup;
class DataSource;
class ManagedEditor;
} // namespace kova::ui

namespace kova::cropedit {

class CurveGuard;

struct BasalCurveFormSettings {
    QString caption;
    QString table; // "CrpAnNam"; its name index orders the window and "Show All"
    QString nameHint;
    QString categoryTitle;
    QString listCaption; // the File menu's list report
    report::TableReportBuilder listReport;
    report::TableReportBuilder markedReport;
    int helpContext = 0;
};

class BasalCurveForm : public QDialog {
    Q_OBJECT
public:
    ui::ManagedEditor* editor() const { return editor_; }
    ui::DataGrid* grid() const { return grid_; }
    QLineEdit* nameBox() const { return nameBox_; }
    ui::DataRadioGroup* categoryGroup() const { return category_; }
    QToolButton* closeButton() const { return close_; }

    void printList();
    void printAllMarked();

protected:
    BasalCurveForm(ui::DataSource& source, BasalCurveFormSettings settings, QWidget* parent);
    // The window's own boxes go into `fields` (under the name box); `afterCategory` gets the
    // focus once a category is clicked. Call once, at the end of the window's constructor.
    void finish(QVBoxLayout* fields, QWidget* afterCategory);
    ui::DataSource& source() const { return source_; }
    void showEvent(QShowEvent* event) override;

private:
    ui::DataSource& source_;
    BasalCurveFormSettings settings_;
    const store::CurveTable* curves_;
    CurveGuard* guard_ = nullptr;
    ui::ManagedEditor* editor_ = nullptr;
    ui::DataGrid* grid_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    ui::DataRadioGroup* category_ = nullptr;
    QToolButton* close_ = nullptr;
};

} // namespace kova::cropedit
