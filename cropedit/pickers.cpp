#include "pickers.h"

#include "datamodule.h"

#include "store/curvetables.h"
#include "ui/datacontrols.h"
#include "ui/helpviewer.h"
#include "ui/hint.h"
#include "ui/messages.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace kova::cropedit {

namespace {

constexpr int kTR21Help = 15;
constexpr int kBasalHelp = 14;

// A read-only display of a crop field, framed like a box.
ui::DataLabel* shownField(ui::DataSource& source, const QString& field, int characters) {
    auto* label = new ui::DataLabel(&source, field);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * characters + 12);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui::setHint(label, QStringLiteral("Display only"));
    return label;
}

void check(QButtonGroup* buttons, int index) {
    if (QAbstractButton* button = buttons->button(index)) {
        button->setChecked(true);
        return;
    }
    buttons->setExclusive(false);
    for (QAbstractButton* button : buttons->buttons())
        button->setChecked(false);
    buttons->setExclusive(true);
}

QDialogButtonBox* okCancel(QDialog* dialog, bool withHelp, int helpContext) {
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             (withHelp ? QDialogButtonBox::Help : QDialogButtonBox::NoButton));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog,
                     [helpContext] { ui::Help::showContext(helpContext); });
    return buttons;
}

} // namespace

// --- both pickers -------------------------------------------------------------------------------

CurvePickerDialog::CurvePickerDialog(DataModule& dm, std::vector<store::Table*> tables,
                                     QWidget* parent)
    : QDialog(parent), dm_(dm), tables_(std::move(tables)) {
    DataModule::openTables(tables_);
}

CurvePickerDialog::~CurvePickerDialog() {
    DataModule::closeTables(tables_);
}

QGroupBox* CurvePickerDialog::radioGroup(const QString& title, const QString& hint,
                                         const QStringList& items, QButtonGroup** buttons,
                                         int columns) {
    auto* box = new QGroupBox(title);
    ui::setHint(box, hint);
    auto* grid = new QGridLayout(box);
    *buttons = new QButtonGroup(box);
    const int perColumn = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        (*buttons)->addButton(button, i);
        grid->addWidget(button, i % perColumn, i / perColumn);
    }
    return box;
}

void CurvePickerDialog::showListed(store::Table* listed) {
    list_->setListTable(listed);
}

void CurvePickerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (begun_)
        return;
    begun_ = true;
    for (const QString& message : begin())
        ui::Messages::error(message, this);
}

void CurvePickerDialog::accept() {
    const QString warning = checkChoice();
    if (!warning.isEmpty()) {
        ui::Messages::warning(warning, this);
        return; // the picker stays open for another choice
    }
    // A new crop is posted by its window once it is complete.
    if (pick_ && pick_->postsOnClose())
        dm_.createCropData().post();
    QDialog::accept();
}

void CurvePickerDialog::reject() {
    if (pick_)
        pick_->cancel();
    QDialog::reject();
}

// --- TR21 ---------------------------------------------------------------------------------------

GetBCDlg::GetBCDlg(DataModule& dm, bool newCrop, QWidget* parent)
    : CurvePickerDialog(dm, {&dm.bcAnnual(), &dm.bcPeren()}, parent) {
    setWindowTitle(QStringLiteral("BC Kc Crop Curve Data"));
    tr21_ = std::make_unique<TR21Pick>(dm.createCrop(), dm.bcAnnual(), dm.bcPeren(),
                                       dm.crpLastUse(), newCrop);
    setPick(tr21_.get());

    auto* layout = new QVBoxLayout(this);
    auto* current = new QFormLayout;
    current->addRow(QStringLiteral("Currently Selected BC Kc Crop Curve Name"),
                    shownField(dm.createCropData(), QStringLiteral("BC Crop Curve Name"), 30));
    layout->addLayout(current);
    layout->addWidget(radioGroup(
        QStringLiteral("BC Kc Curve Type"), QStringLiteral("Select BC Kc curve type"),
        {store::curveTableOfIndex(3)->typeText, store::curveTableOfIndex(4)->typeText}, &types_));
    layout->addWidget(new QLabel(QStringLiteral("Select from available BC Kc Crop Curves")));
    list_ = new ui::DataLookupList(&dm.createCropData(), QStringLiteral("BC Crop Curve Name"),
                                   nullptr, store::kCurveNameField, store::kCurveNameField);
    ui::setHint(list_, QStringLiteral("Select curve"));
    list_->setMinimumHeight(160);
    layout->addWidget(list_, 1);
    layout->addWidget(okCancel(this, true, kTR21Help));
    connect(types_, &QButtonGroup::idClicked, this, [this](int type) {
        tr21_->chooseType(type);
        showChoices();
    });
    ui::Help::setContext(this, kTR21Help);
    ui::Help::installF1(this);
    resize(460, 440);
}

GetBCDlg::~GetBCDlg() = default;

QStringList GetBCDlg::begin() {
    const QString message = tr21_->begin();
    showChoices();
    return message.isEmpty() ? QStringList() : QStringList{message};
}

void GetBCDlg::showChoices() {
    check(types_, tr21_->typeIndex());
    showListed(tr21_->listedTable());
}

QString GetBCDlg::checkChoice() const {
    return tr21_->checkChoice();
}

// --- basal --------------------------------------------------------------------------------------

GetBasDlg::GetBasDlg(DataModule& dm, bool newCrop, QWidget* parent)
    : CurvePickerDialog(dm, {&dm.basFldVeg(), &dm.basPeren(), &dm.basGrass()}, parent) {
    setWindowTitle(QStringLiteral("Get Basal Kc Curve Data"));
    basal_ = std::make_unique<BasalPick>(
        dm.createCrop(),
        std::array<store::Table*, 3>{&dm.basFldVeg(), &dm.basPeren(), &dm.basGrass()},
        dm.crpLastUse(), newCrop);
    setPick(basal_.get());
    ui::DataSource& crop = dm.createCropData();

    auto* layout = new QVBoxLayout(this);
    auto* current = new QFormLayout;
    current->addRow(QStringLiteral("Currently Selected Basal Kc Crop Curve Name"),
                    shownField(crop, QStringLiteral("Bas Crop Curve Name"), 40));
    current->addRow(QStringLiteral("Humidity/Wind"),
                    shownField(crop, QStringLiteral("Humidity/Wind"), 2));
    current->addRow(QStringLiteral("Grass Reference Crop Type"),
                    shownField(crop, QStringLiteral("Bas Crop Type"), 30));
    layout->addLayout(current);

    auto* choices = new QHBoxLayout;
    QStringList typeTexts;
    for (int type = 0; type < 3; ++type)
        typeTexts << store::curveTableOfIndex(type)->typeText;
    choices->addWidget(radioGroup(QStringLiteral("Kc Curve Type"),
                                  QStringLiteral("Select Kc curve type"), typeTexts, &types_));
    choices->addWidget(radioGroup(
        QStringLiteral("Humidity/Wind"), QStringLiteral("Select Humidity/Wind condition"),
        {QStringLiteral("Humid, Moderate wind"), QStringLiteral("Humid, Strong wind"),
         QStringLiteral("Arid, Moderate wind"), QStringLiteral("Arid, Strong wind")},
        &categories_));
    layout->addLayout(choices);

    layout->addWidget(new QLabel(QStringLiteral("Select from available Basil Kc Crop Curves")));
    list_ = new ui::DataLookupList(&crop, QStringLiteral("Bas Crop Curve Name"), nullptr,
                                   store::kCurveNameField, store::kCurveNameField);
    ui::setHint(list_, QStringLiteral("Select curve"));
    list_->setMinimumHeight(150);
    layout->addWidget(list_, 1);
    layout->addWidget(buildDetails());
    layout->addWidget(okCancel(this, false, kBasalHelp));

    connect(types_, &QButtonGroup::idClicked, this, [this](int type) {
        basal_->chooseType(type);
        showChoices();
    });
    connect(categories_, &QButtonGroup::idClicked, this, [this](int category) {
        basal_->chooseCategory(category);
        showChoices();
    });
    for (store::Table* table : {&dm.basFldVeg(), &dm.basPeren(), &dm.basGrass()})
        connect(table, &store::Table::currentChanged, this, &GetBasDlg::showNotes);
    ui::Help::setContext(this, kBasalHelp);
    ui::Help::installF1(this);
    resize(560, 620);
}

GetBasDlg::~GetBasDlg() = default;

QWidget* GetBasDlg::buildDetails() {
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    details_ = new QStackedWidget;
    auto page = [this](std::initializer_list<std::pair<QString, QWidget*>> rows) {
        auto* panel = new QWidget;
        auto* form = new QFormLayout(panel);
        form->setContentsMargins(0, 0, 0, 0);
        for (const auto& [caption, value] : rows)
            form->addRow(caption, value);
        details_->addWidget(panel);
    };
    page({{QStringLiteral("Crop Type ="),
           new ui::DataLabel(&dm_.basFldVegData(), QStringLiteral("Crop Type"))}});
    page({{QStringLiteral("Growing Conditions"),
           new ui::DataLabel(&dm_.basPerenData(), QStringLiteral("Growing Conditions"))},
          {QStringLiteral("Ground Cover"),
           new ui::DataLabel(&dm_.basPerenData(), QStringLiteral("Ground Cover"))}});
    page({{QStringLiteral("Pk Days After Harvest ="),
           new ui::DataLabel(&dm_.basGrassData(), QStringLiteral("Pk Days After Harvest"))},
          {QStringLiteral("Pk % After Harvest (Alfalfa) ="),
           new ui::DataLabel(&dm_.basGrassData(), QStringLiteral("Pk % After Harvest (Alf)"))}});
    details_->setVisible(false);
    column->addWidget(details_);
    column->addWidget(new QLabel(QStringLiteral("Notes")));
    notes_ = new QPlainTextEdit;
    notes_->setReadOnly(true);
    notes_->setFixedHeight(64);
    column->addWidget(notes_);
    return box;
}

QStringList GetBasDlg::begin() {
    const QStringList messages = basal_->begin();
    showChoices();
    return messages;
}

void GetBasDlg::showChoices() {
    check(types_, basal_->typeIndex());
    check(categories_, basal_->categoryIndex());
    showListed(basal_->listedTable());
    details_->setVisible(basal_->listedTable() != nullptr);
    if (basal_->typeIndex() >= 0)
        details_->setCurrentIndex(basal_->typeIndex());
    showNotes();
}

void GetBasDlg::showNotes() {
    store::Table* listed = basal_->listedTable();
    const bool shows = listed && listed->state() == store::EditState::Browse && !listed->isEmpty();
    notes_->setPlainText(shows ? listed->asString(QStringLiteral("Notes")) : QString());
}

int GetBasDlg::detailPanel() const {
    return details_->isVisibleTo(this) ? details_->currentIndex() : -1;
}

QString GetBasDlg::notesShown() const {
    return notes_->toPlainText();
}

QString GetBasDlg::checkChoice() const {
    return basal_->checkChoice();
}

} // namespace kova::cropedit
