#include "basalcurveform.h"

#include "curveguard.h"
#include "curvewindows.h"
#include "program.h"

#include "store/curvetables.h"
#include "ui/datacontrols.h"
#include "ui/datagrid.h"
#include "ui/enterastab.h"
#include "ui/helpviewer.h"
#include "ui/hint.h"
#include "ui/managededitor.h"
#include "ui/navigator.h"
#include "ui/placement.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kova::cropedit {

namespace {

// The category items of the curve windows, blanks as they have always been.
const QStringList kCategoryItems = {QStringLiteral("Humid - Moderate wind [HM]"),
                                    QStringLiteral("Humid - Strong wind      [HS]"),
                                    QStringLiteral("Arid - Moderate wind     [AM]"),
                                    QStringLiteral("Arid - Strong wind          [AS]")};

} // namespace

BasalCurveForm::BasalCurveForm(ui::DataSource& source, BasalCurveFormSettings settings,
                               QWidget* parent)
    : QDialog(parent), source_(source), settings_(std::move(settings)),
      curves_(store::curveTableNamed(settings_.table)) {
    setWindowTitle(settings_.caption);
    // Name order whatever order the table was left in (a picker lists it by category).
    source_.table()->setIndexName(curves_->nameIndex);
    guard_ = new CurveGuard(source_, curves_, this);

    nameBox_ = new ui::DataTextEdit(&source_, store::kCurveNameField);
    ui::setHint(nameBox_, settings_.nameHint);
    nameBox_->setMinimumWidth(300);
    category_ = cropedit::categoryGroup(source_, curves_->categoryField, settings_.categoryTitle,
                                        kCategoryItems);
    ui::setHint(category_, QStringLiteral("Select Humidity/Wind"));
    grid_ = new ui::DataGrid(&source_, {{store::kCurveNameField, store::kCurveNameField,
                                         ui::GridColumn::kFieldWidth, true}});
    ui::setHint(grid_, QStringLiteral("Select crop curve"));
    grid_->setMinimumWidth(250);
}

void BasalCurveForm::finish(QVBoxLayout* fields, QWidget* afterCategory) {
    ui::ManagedEditorSettings settings;
    settings.nameField = store::kCurveNameField;
    settings.rowNoun = QStringLiteral("curve");
    settings.markTable = settings_.table;
    settings.insertFocus = nameBox_;
    settings.deleteWarning = [this] { return guard_->deleteWarning(); };
    settings.helpContext = settings_.helpContext;
    editor_ = new ui::ManagedEditor(this, &source_, settings);
    connect(category_, &ui::DataRadioGroup::chosen, afterCategory,
            [afterCategory] { afterCategory->setFocus(); });

    auto* layout = new QVBoxLayout(this);
    QWidget* buttons = editor_->createButtonBar();
    for (QToolButton* button : buttons->findChildren<QToolButton*>())
        if (button->defaultAction() == editor_->closeAction())
            close_ = button;
    layout->addWidget(buttons);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(grid_, 1);
    auto* moves = new QHBoxLayout;
    moves->addWidget(new ui::Navigator(&source_, ui::Navigator::kMoves));
    moves->addStretch();
    moves->addWidget(editor_->createMarkedIndicator());
    left->addLayout(moves);
    body->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel(QStringLiteral("Crop Curve Name")));
    name->addWidget(nameBox_, 1);
    right->addLayout(name);
    right->addWidget(new QLabel(QStringLiteral("(Use a unique name descriptive of the crop)")));
    right->addLayout(fields);
    body->addLayout(right, 2);
    layout->addLayout(body, 1);

    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    report::addFileMenu(bar, this, source_,
                        {{settings_.listCaption, settings_.listReport},
                         {QStringLiteral("Print All Marked"), settings_.markedReport, true}});
    editor_->addMarksMenu(bar);
    addShowByMenu(bar, source_, curves_->nameIndex);
    ui::Help::addMenu(bar, [this] { showAboutBox(this); });

    ui::Help::setContext(this, settings_.helpContext);
    ui::Help::installF1(this);
    ui::EnterAsTab::install(this);
}

void BasalCurveForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    editor_->captureCaption();
    source_.setAutoEdit(editor_->editMode());
    ui::applyKeepOnScreen(this);
    if (close_)
        close_->setFocus();
}

void BasalCurveForm::printList() {
    report::printTableReport(source_, settings_.listReport, this);
}

void BasalCurveForm::printAllMarked() {
    report::printMarkedRows(source_, settings_.markedReport, this);
}

} // namespace kova::cropedit
