#pragma once
// The managed editor window pattern shared by the editors: the window opens in read-only
// mode; "Goto Edit" / "Stop Edit" toggles edit mode, which alone enables Insert, Cancel and
// Delete, switches the data source's automatic editing, shows a green or red light and
// appends " [Edit Mode]" / " [Read Only Mode]" to the caption; leaving edit mode posts the
// row. Deletes ask "Delete?" titled with the row's name. "Mark", "Mark All", "Clear All
// Marks" and the marked-rows filter work on the table's 'Marked' field; a new row starts
// unmarked. Closing the window (also with Escape) posts a row being edited but drops a pending
// insert.
//
// One implementation, configured per window through ManagedEditorSettings; the window lays
// out the actions (or the ready-made button bar and Marks menu) where its design wants them.

#include "datasource.h"

#include <QObject>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace kova::ui {

struct ManagedEditorSettings {
    QString nameField;                          // the field that titles the delete question
    QString rowNoun = QStringLiteral("record"); // "station": how messages call a row
    QString deleteText = QStringLiteral("Delete?");
    QString markTable; // table of the mark statement; empty: the table's
    QString showMarkedCaption = QStringLiteral("Show All Marked"); // or "Show Only Marked"
    QWidget* insertFocus = nullptr; // gets the focus after "Insert Record"
    QWidget* editFocus = nullptr;   // gets the focus on entering edit mode
    std::vector<QWidget*> editOnly; // further controls enabled only in edit mode
    // Replaces the plain row delete (after the question was answered Yes); false on failure.
    std::function<bool()> deleteRow;
    // What else deleting the current row affects (other rows that name it), told in the
    // delete question under the row's name; empty when nothing.
    std::function<QString()> deleteWarning;
    int helpContext = 0;
};

class ManagedEditor : public QObject {
    Q_OBJECT
public:
    ManagedEditor(QWidget* window, DataSource* source, ManagedEditorSettings settings);

    // --- the commands (the actions below trigger them) ------------------------------------
    bool editMode() const { return editMode_; }
    // False when leaving edit mode failed because the row could not be posted.
    bool toggleEditMode();
    void insertRecord();
    void cancelRecord();
    void deleteRecord();
    void mark();
    void markAll(bool marked); // "Mark All" (true) and "Clear All Marks" (false)
    void showMarkedOnly(bool on);
    // Takes the window's caption again (windows that take it when shown, not when built).
    void captureCaption();
    QString savedCaption() const { return savedCaption_; }
    // For windows that build their boxes after the editor.
    void setInsertFocus(QWidget* widget) { settings_.insertFocus = widget; }

    QAction* gotoEditAction() const { return gotoEdit_; }
    QAction* insertAction() const { return insert_; }
    QAction* cancelAction() const { return cancel_; }
    QAction* deleteAction() const { return delete_; }
    QAction* markAction() const { return mark_; }
    QAction* markAllAction() const { return markAll_; }
    QAction* clearAllMarksAction() const { return clearAll_; }
    QAction* showMarkedAction() const { return showMarked_; }
    QAction* closeAction() const { return close_; }
    QAction* helpAction() const { return help_; }

    // Ready-made pieces: a bar of the record buttons ("Goto Edit", "Insert Record", "Cancel",
    // "Delete Record", Help, "&Close") and the "Marks" menu.
    QWidget* createButtonBar(QWidget* parent = nullptr);
    QMenu* addMarksMenu(QMenuBar* menuBar);
    // The "Marked?" caption with the row's 'Marked' value and the "Mark" button beside it.
    QWidget* createMarkedIndicator(QWidget* parent = nullptr);

signals:
    void editModeChanged(bool on);
    void inserted(); // "Insert Record" made a new row

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* makeAction(const QString& text, const QString& hint);
    void setEditControlsEnabled(bool on);

    QWidget* window_;
    DataSource* source_;
    ManagedEditorSettings settings_;
    QString savedCaption_;
    bool editMode_ = false;
    bool markedFilterSet_ = false;

    QAction* gotoEdit_;
    QAction* insert_;
    QAction* cancel_;
    QAction* delete_;
    QAction* mark_;
    QAction* markAll_;
    QAction* clearAll_;
    QAction* showMarked_;
    QAction* close_;
    QAction* help_;
};

} // namespace kova::ui
