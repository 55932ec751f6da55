#pragma once
// The plain editing windows of the crop editor (the two TR21 curve tables and the annual crop
// types): a name box, a group of numeric boxes, and a full navigator that moves, inserts,
// deletes, edits, posts and cancels; "List" prints every row. No read-only mode and no marks.
// Closing the window saves a row being edited or added, and stays open when it cannot.

#include "report/previewwindow.h"

#include <QDialog>
#include <vector>

class QLineEdit;
class QPushButton;

namespace kova::store {
struct CurveTable;
}

namespace kova::ui {
class DataNumericEdit;
class DataSource;
class Navigator;
} // namespace kova::ui

namespace kova::cropedit {

class CurveGuard;

struct NavigatorFormSettings {
    QString caption;
    QString rowNoun;     // "curve": how messages call a row
    QString nameField;   // 'Crop Curve Name', 'Crop Type'
    QString nameCaption; // the name box's label
    QString nameHint;
    QString groupTitle; // of the numeric boxes
    struct Box {
        QString label;
        QString field;
        QString hint;
        QString picture;
    };
    std::vector<Box> boxes;
    int columns = 1; // boxes side by side; Enter walks them row by row
    QString listCaption;
    QString listHint;
    report::TableReportBuilder listReport;
    int helpContext = 0;
};

class NavigatorForm : public QDialog {
    Q_OBJECT
public:
    // `curves`: the curve table the window edits, or null for the crop types.
    NavigatorForm(ui::DataSource& source, const store::CurveTable* curves,
                  NavigatorFormSettings settings, QWidget* parent = nullptr);

    ui::Navigator* navigator() const { return navigator_; }
    QLineEdit* nameBox() const { return nameBox_; }
    ui::DataNumericEdit* box(int index) const { return boxes_.at(size_t(index)); }
    int boxCount() const { return int(boxes_.size()); }
    QPushButton* listButton() const { return list_; }

    void printList();
    void reject() override; // Close, Escape and the title bar's close: save first

private:
    QWidget* buildBoxes();
    QWidget* buildButtons();

    ui::DataSource& source_;
    NavigatorFormSettings settings_;
    CurveGuard* guard_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    std::vector<ui::DataNumericEdit*> boxes_;
    QPushButton* list_ = nullptr;
};

} // namespace kova::cropedit
