#include "managededitor.h"

#include "datacontrols.h"
#include "glyphs.h"
#include "helpviewer.h"
#include "messages.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QWidget>

namespace kova::ui {

using store::EditState;

namespace {

const QString kEditSuffix = QStringLiteral(" [Edit Mode]");
const QString kReadOnlySuffix = QStringLiteral(" [Read Only Mode]");
const QString kMarked = QStringLiteral("Marked");

QToolButton* barButton(QAction* action) {
    auto* button = new QToolButton;
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setMinimumHeight(28);
    return button;
}

} // namespace

ManagedEditor::ManagedEditor(QWidget* window, DataSource* source, ManagedEditorSettings settings)
    : QObject(window), window_(window), source_(source), settings_(std::move(settings)),
      savedCaption_(window->windowTitle()) {
    gotoEdit_ = makeAction(QStringLiteral("Goto Edit"), QStringLiteral("Edit the current record"));
    gotoEdit_->setIcon(glyph(QStringLiteral("StopLight")));
    insert_ =
        makeAction(QStringLiteral("Insert Record"), QStringLiteral("Insert a record in the DB"));
    cancel_ =
        makeAction(QStringLiteral("Cancel"), QStringLiteral("Cancel the current record changes"));
    delete_ =
        makeAction(QStringLiteral("Delete Record"), QStringLiteral("Delete the current record"));
    mark_ = makeAction(QStringLiteral("Mark"), QStringLiteral("Mark or unmark"));
    markAll_ = makeAction(QStringLiteral("Mark All"), {});
    clearAll_ = makeAction(QStringLiteral("Clear All Marks"), {});
    showMarked_ = makeAction(settings_.showMarkedCaption, {});
    showMarked_->setCheckable(true);
    close_ = makeAction(QStringLiteral("&Close"), {});
    help_ = makeAction(QStringLiteral("Help"), QStringLiteral("Help"));

    connect(gotoEdit_, &QAction::triggered, this, [this] { toggleEditMode(); });
    connect(insert_, &QAction::triggered, this, &ManagedEditor::insertRecord);
    connect(cancel_, &QAction::triggered, this, &ManagedEditor::cancelRecord);
    connect(delete_, &QAction::triggered, this, &ManagedEditor::deleteRecord);
    connect(mark_, &QAction::triggered, this, &ManagedEditor::mark);
    connect(markAll_, &QAction::triggered, this, [this] { markAll(true); });
    connect(clearAll_, &QAction::triggered, this, [this] { markAll(false); });
    connect(showMarked_, &QAction::toggled, this, &ManagedEditor::showMarkedOnly);
    connect(close_, &QAction::triggered, window_, &QWidget::close);
    connect(help_, &QAction::triggered, this, [this] { Help::showContext(settings_.helpContext); });

    source_->setRowWords({settings_.rowNoun, settings_.nameField});
    // Read-only mode at start.
    source_->setAutoEdit(false);
    setEditControlsEnabled(false);
    window_->installEventFilter(this);
}

QAction* ManagedEditor::makeAction(const QString& text, const QString& hint) {
    auto* action = new QAction(text, this);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    return action;
}

void ManagedEditor::captureCaption() {
    savedCaption_ = window_->windowTitle();
}

void ManagedEditor::setEditControlsEnabled(bool on) {
    insert_->setEnabled(on);
    cancel_->setEnabled(on);
    delete_->setEnabled(on);
    for (QWidget* widget : settings_.editOnly)
        widget->setEnabled(on);
}

bool ManagedEditor::toggleEditMode() {
    if (!editMode_) {
        setEditControlsEnabled(true);
        source_->setAutoEdit(true);
        gotoEdit_->setText(QStringLiteral("Stop Edit"));
        window_->setWindowTitle(savedCaption_ + kEditSuffix);
        gotoEdit_->setIcon(glyph(QStringLiteral("StartLight")));
        editMode_ = true;
        if (settings_.editFocus)
            settings_.editFocus->setFocus();
    } else {
        // A row that cannot be posted keeps the window in edit mode, so nothing typed is lost.
        if (!source_->post())
            return false;
        setEditControlsEnabled(false);
        source_->setAutoEdit(false);
        gotoEdit_->setText(QStringLiteral("Goto Edit"));
        window_->setWindowTitle(savedCaption_ + kReadOnlySuffix);
        gotoEdit_->setIcon(glyph(QStringLiteral("StopLight")));
        editMode_ = false;
    }
    emit editModeChanged(editMode_);
    return true;
}

void ManagedEditor::insertRecord() {
    if (!editMode_ || !source_->post())
        return;
    store::Table* table = source_->table();
    if (!table->insert()) {
        Messages::error(
            failureText(QStringLiteral("A new %1 cannot be added").arg(settings_.rowNoun),
                        table->errorString()),
            table->errorString(), window_);
        return;
    }
    // A new row is unmarked, never a blank 'Marked'.
    if (const store::FieldDef* marked = table->def().field(kMarked);
        marked && marked->type == store::FieldType::Boolean)
        table->setValue(kMarked, false);
    if (settings_.insertFocus)
        settings_.insertFocus->setFocus();
    emit inserted();
}

void ManagedEditor::cancelRecord() {
    if (editMode_)
        source_->table()->cancel();
}

void ManagedEditor::deleteRecord() {
    store::Table* table = source_->table();
    if (!editMode_ || table->state() == EditState::Inactive)
        return;
    const QString name =
        settings_.nameField.isEmpty() ? QString() : table->asString(settings_.nameField);
    // Titled with the row's name, which also shows in the box, as a title bar may cut it.
    const QString warning = settings_.deleteWarning ? settings_.deleteWarning() : QString();
    const QString about = warning.isEmpty() ? name : name + QStringLiteral("\n\n") + warning;
    if (!Messages::confirmDestructive(settings_.deleteText, name, about, window_))
        return;
    const bool ok = settings_.deleteRow ? settings_.deleteRow() : table->remove();
    if (!ok && !settings_.deleteRow)
        source_->tellFailure(QStringLiteral("deleted"));
}

void ManagedEditor::mark() {
    store::Table* table = source_->table();
    if (table->state() == EditState::Inactive ||
        (table->state() == EditState::Browse && table->recordCount() == 0))
        return;
    const bool wasEditing = table->state() != EditState::Browse;
    if (!table->edit() || !table->setValue(kMarked, !table->asBool(kMarked))) {
        source_->tellFailure(QStringLiteral("marked"));
        if (!wasEditing)
            table->cancel();
        return;
    }
    // A mark that cannot be stored (a read-only database) is dropped again, so the row does
    // not stay in edit behind a read-only window.
    if (!source_->post() && !wasEditing)
        table->cancel();
}

void ManagedEditor::markAll(bool marked) {
    // A row in edit is posted first: the statement would otherwise be undone by its post.
    if (!source_->post())
        return;
    store::Table* table = source_->table();
    store::Database* db = table->database();
    if (!db)
        return;
    const QString name = settings_.markTable.isEmpty() ? table->tableName() : settings_.markTable;
    QString error;
    if (!db->execUpdate(
            QStringLiteral("Update %1 Set Marked = :NewValue").arg(name),
            {{QStringLiteral("NewValue"), marked ? QStringLiteral("T") : QStringLiteral("F")}},
            &error)) {
        Messages::error(failureText(marked ? QStringLiteral("The rows cannot be marked")
                                           : QStringLiteral("The marks cannot be cleared"),
                                    error),
                        error, window_);
        return;
    }
    table->refresh();
}

void ManagedEditor::showMarkedOnly(bool on) {
    store::Table* table = source_->table();
    if (on && !markedFilterSet_) {
        table->setRecordFilter([](const store::Record& row) { return row.asBool(kMarked); });
        markedFilterSet_ = true;
    }
    if (!source_->post()) {
        const QSignalBlocker hold(showMarked_);
        showMarked_->setChecked(!on);
        return;
    }
    table->setFiltered(on);
    if (showMarked_->isChecked() != on) {
        const QSignalBlocker hold(showMarked_);
        showMarked_->setChecked(on);
    }
}

bool ManagedEditor::eventFilter(QObject* watched, QEvent* event) {
    // Escape closes the window the same way as "Close", so a row in edit is posted first.
    if (watched == window_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        window_->close();
        return true;
    }
    if (watched == window_ && event->type() == QEvent::Close) {
        store::Table* table = source_->table();
        if (table->state() == EditState::Insert) {
            table->cancel(); // a pending insert is not posted
        } else if (table->state() == EditState::Edit && !source_->post()) {
            event->ignore(); // the row could not be saved: the window stays open
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QWidget* ManagedEditor::createButtonBar(QWidget* parent) {
    auto* bar = new QWidget(parent);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QAction* action : {gotoEdit_, insert_, cancel_, delete_})
        layout->addWidget(barButton(action));
    layout->addStretch();
    layout->addWidget(barButton(help_));
    layout->addWidget(barButton(close_));
    return bar;
}

QMenu* ManagedEditor::addMarksMenu(QMenuBar* menuBar) {
    QMenu* menu = menuBar->addMenu(QStringLiteral("Marks"));
    menu->addAction(markAll_);
    menu->addAction(clearAll_);
    menu->addSeparator();
    menu->addAction(showMarked_);
    return menu;
}

QWidget* ManagedEditor::createMarkedIndicator(QWidget* parent) {
    auto* indicator = new QWidget(parent);
    auto* layout = new QHBoxLayout(indicator);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Marked?")));
    auto* value = new DataLabel(source_, kMarked);
    value->setMinimumWidth(40);
    layout->addWidget(value);
    layout->addWidget(barButton(mark_));
    return indicator;
}

} // namespace kova::ui
