#include "selcoform.h"

#include "climdbform.h"
#include "datamodule.h"
#include "importboxes.h"

#include "climedit/import/climateloader.h"
#include "ui/busycursor.h"
#include "ui/helpviewer.h"
#include "ui/hint.h"
#include "ui/modal.h"
#include "ui/placement.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::climedit {

namespace {

constexpr int kHelpContext = 8;

QPushButton* arrowButton(const QString& text, const QString& hint) {
    auto* button = new QPushButton(text);
    ui::setHint(button, hint);
    button->setAutoDefault(false);
    button->setFixedWidth(48);
    return button;
}

// Moves the highlighted items (all when `everything`) of `from` to the end of `to`, in order.
void moveItems(QListWidget* from, QListWidget* to, bool everything) {
    for (int row = 0; row < from->count();) {
        QListWidgetItem* item = from->item(row);
        if (everything || item->isSelected()) {
            to->addItem(from->takeItem(row)->text());
            delete item;
        } else {
            ++row;
        }
    }
}

} // namespace

SelCoForm::SelCoForm(DataModule& dm, const climimport::WorkFiles& workFiles,
                     const QStringList& availableCounties, QWidget* parent)
    : QDialog(parent), dm_(dm), workFiles_(workFiles) {
    setWindowTitle(QStringLiteral("Select Counties"));
    auto* layout = new QVBoxLayout(this);
    for (const char* line : {"Highlight available counties that will be put in database. ",
                             "Use > button to move highlighted counties to Selected Counties box.",
                             "Use < button  to remove selections if mistakes are made. ",
                             "Hold down [Shift] or [Ctrl] keys to make multiple selections with "
                             "mouse."})
        layout->addWidget(new QLabel(QLatin1String(line)));
    layout->addWidget(buildLists(), 1);
    available_->addItems(availableCounties);

    progress_ = new QProgressBar;
    progress_->setRange(0, 100);
    progress_->hide();
    layout->addWidget(progress_);

    auto* buttons = new QHBoxLayout;
    auto* continueButton = new QPushButton(QStringLiteral("Continue"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* help = new QPushButton(QStringLiteral("Help"));
    for (QPushButton* b : {continueButton, cancel, help})
        b->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(continueButton);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons);
    connect(continueButton, &QPushButton::clicked, this, &SelCoForm::continueImport);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { ui::Help::showContext(kHelpContext); });
    ui::Help::setContext(this, kHelpContext);
    ui::Help::installF1(this);
    updateMoveButtons();
    resize(640, 460);
}

QWidget* SelCoForm::buildLists() {
    auto* lists = new QWidget;
    auto* grid = new QGridLayout(lists);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Available Counties")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Selected Counties For Database")), 0, 2);
    available_ = new QListWidget;
    selected_ = new QListWidget;
    for (QListWidget* list : {available_, selected_})
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->addWidget(available_, 1, 0);
    grid->addWidget(selected_, 1, 2);

    move_ = arrowButton(QStringLiteral(">"), QStringLiteral("Move to selected"));
    moveAll_ = arrowButton(QStringLiteral(">>"), QStringLiteral("Move all to selected"));
    remove_ = arrowButton(QStringLiteral("<"), QStringLiteral("Deselect selected counties"));
    removeAll_ = arrowButton(QStringLiteral("<<"), QStringLiteral("Deselect all counties"));
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    for (QPushButton* b : {move_, moveAll_, remove_, removeAll_})
        arrows->addWidget(b);
    arrows->addStretch();
    grid->addLayout(arrows, 1, 1);
    connect(move_, &QPushButton::clicked, this, &SelCoForm::moveSelected);
    connect(moveAll_, &QPushButton::clicked, this, &SelCoForm::moveAll);
    connect(remove_, &QPushButton::clicked, this, &SelCoForm::removeSelected);
    connect(removeAll_, &QPushButton::clicked, this, &SelCoForm::removeAll);
    return lists;
}

// A button that would move nothing is disabled: ">>" leaves "<" and "<<" as the only moves,
// "<<" leaves ">" and ">>".
void SelCoForm::updateMoveButtons() {
    const bool canSelect = available_->count() > 0;
    const bool canDeselect = selected_->count() > 0;
    move_->setEnabled(canSelect);
    moveAll_->setEnabled(canSelect);
    remove_->setEnabled(canDeselect);
    removeAll_->setEnabled(canDeselect);
}

void SelCoForm::moveSelected() {
    moveItems(available_, selected_, false);
    updateMoveButtons();
}

void SelCoForm::moveAll() {
    moveItems(available_, selected_, true);
    updateMoveButtons();
}

void SelCoForm::removeSelected() {
    moveItems(selected_, available_, false);
    updateMoveButtons();
}

void SelCoForm::removeAll() {
    moveItems(selected_, available_, true);
    updateMoveButtons();
}

void SelCoForm::continueImport() {
    progress_->setValue(0);
    progress_->show();
    QStringList counties;
    for (int row = 0; row < selected_->count(); ++row)
        counties << selected_->item(row)->text();
    // The loader works on its own cursors, in one transaction.
    dm_.closeClimateTables();
    BoxMessages messages(this);
    BoxAnswerer answerer(this);
    climimport::ClimateLoader loader(workFiles_, messages, answerer);
    loader.setProgress([this](int done, int total, const QString&) {
        progress_->setValue(total > 0 ? done * 100 / total : 100);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    climimport::LoadResult result;
    {
        const ui::BusyCursor busy;
        result = loader.load(counties, dm_.addMode());
    }
    switch (result.outcome) {
    case climimport::LoadOutcome::NoCounties:
        reject();
        return;
    case climimport::LoadOutcome::Failed:
        progress_->hide();
        return;
    case climimport::LoadOutcome::Loaded:
        break;
    }
    selected_->clear();
    updateMoveButtons();
    imported_ = true;
    dm_.setImportChain(true);
    ClimDBForm stations(dm_, this);
    ui::showModal(stations);
    if (dm_.importChain())
        accept();
}

} // namespace kova::climedit
