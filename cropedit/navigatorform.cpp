#include "navigatorform.h"

#include "curveguard.h"
#include "curvewindows.h"

#include "ui/datacontrols.h"
#include "ui/enterastab.h"
#include "ui/helpviewer.h"
#include "ui/hint.h"
#include "ui/navigator.h"
#include "ui/placement.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::cropedit {

NavigatorForm::NavigatorForm(ui::DataSource& source, const store::CurveTable* curves,
                             NavigatorFormSettings settings, QWidget* parent)
    : QDialog(parent), source_(source), settings_(std::move(settings)) {
    setWindowTitle(settings_.caption);
    source_.setAutoEdit(true); // no read-only mode: typing starts the edit
    source_.setRowWords({settings_.rowNoun, settings_.nameField});
    guard_ = new CurveGuard(source_, curves, this);

    auto* layout = new QVBoxLayout(this);
    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel(settings_.nameCaption));
    nameBox_ = new ui::DataTextEdit(&source_, settings_.nameField);
    ui::setHint(nameBox_, settings_.nameHint);
    nameBox_->setMinimumWidth(280);
    name->addWidget(nameBox_);
    name->addStretch();
    layout->addLayout(name);
    layout->addWidget(buildBoxes());
    layout->addStretch();
    layout->addWidget(buildButtons());

    ui::Help::setContext(this, settings_.helpContext);
    ui::Help::installF1(this);
    ui::EnterAsTab::install(this);
}

QWidget* NavigatorForm::buildBoxes() {
    auto* group = new QGroupBox(settings_.groupTitle);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    const int columns = std::max(settings_.columns, 1);
    for (size_t i = 0; i < settings_.boxes.size(); ++i) {
        const NavigatorFormSettings::Box& b = settings_.boxes[i];
        ui::DataNumericEdit* edit = numberBox(source_, b.field, b.picture, b.hint);
        auto* label = new QLabel(b.label);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(edit);
        const int row = int(i) / columns;
        const int column = (int(i) % columns) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
        boxes_.push_back(edit);
    }
    grid->setColumnStretch(columns * 2, 1);
    return group;
}

QWidget* NavigatorForm::buildButtons() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    navigator_ = new ui::Navigator(&source_, ui::Navigator::kAll);
    navigator_->setDeleteWarning([this] { return guard_->deleteWarning(); });
    connect(navigator_, &ui::Navigator::inserted, nameBox_, [this] { nameBox_->setFocus(); });
    row->addWidget(navigator_);
    row->addStretch();
    list_ = new QPushButton(settings_.listCaption);
    ui::setHint(list_, settings_.listHint);
    auto* help = new QPushButton(QStringLiteral("Help"));
    auto* close = new QPushButton(QStringLiteral("&Close"));
    for (QPushButton* button : {list_, help, close}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    connect(list_, &QPushButton::clicked, this, &NavigatorForm::printList);
    connect(help, &QPushButton::clicked, this,
            [this] { ui::Help::showContext(settings_.helpContext); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return bar;
}

void NavigatorForm::printList() {
    report::printTableReport(source_, settings_.listReport, this);
}

void NavigatorForm::reject() {
    // A row being edited or added is saved; one that cannot be keeps the window open, so
    // nothing typed is lost (Cancel on the navigator drops it).
    if (source_.post())
        QDialog::reject();
}

} // namespace kova::cropedit
