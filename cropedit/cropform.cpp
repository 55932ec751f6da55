#include "cropform.h"

#include "cropreports.h"
#include "curveguard.h"
#include "curvewindows.h"
#include "datamodule.h"
#include "pickers.h"
#include "program.h"

#include "cropedit/core/curveuse.h"
#include "cropedit/core/humiditywind.h"
#include "cropedit/core/rowchecks.h"
#include "report/previewwindow.h"
#include "ui/datacontrols.h"
#include "ui/datagrid.h"
#include "ui/enterastab.h"
#include "ui/helpviewer.h"
#include "ui/hint.h"
#include "ui/managededitor.h"
#include "ui/messages.h"
#include "ui/modal.h"
#include "ui/navigator.h"
#include "ui/placement.h"
#include "ui/refusedpost.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kova::cropedit {

using store::EditState;

namespace {

const QString kCaption = QStringLiteral("Review or Edit Local Crop Database");
const QString kCropName = QStringLiteral("Cop Name");
constexpr int kFormHelp = 7;
constexpr int kBasalHelp = 14;
constexpr int kTR21Help = 15;

ui::DataLabel* shownField(ui::DataSource& source, const QString& field) {
    auto* label = new ui::DataLabel(&source, field);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(260);
    return label;
}

QPushButton* helpButton(int context) {
    auto* button = new QPushButton(QStringLiteral("Help"));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button,
                     [context] { ui::Help::showContext(context); });
    return button;
}

QLabel* noteText(const QStringList& lines) {
    auto* note = new QLabel(lines.join(QLatin1Char('\n')));
    note->setWordWrap(false);
    return note;
}

} // namespace

CropForm::CropForm(DataModule& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setWindowTitle(kCaption);
    ui::DataSource& source = dm_.createCropData();
    dm_.createCrop().setIndexName(QStringLiteral("CropNameIndex"));
    source.setPostRoutine([this] {
        store::Table& crops = dm_.createCrop();
        if (refusedBeforeSave(dm_.createCropData(), kCropName, createdCropProblems(crops.record())))
            return ui::DataSource::PostOutcome::Declined;
        return crops.post() ? ui::DataSource::PostOutcome::Posted
                            : ui::DataSource::PostOutcome::Refused;
    });

    nameBox_ = new ui::DataTextEdit(&source, kCropName);
    ui::setHint(nameBox_, QStringLiteral("Enter a unique crop name"));
    grid_ = new ui::DataGrid(
        &source, {{kCropName, QStringLiteral("Crop List"), ui::GridColumn::kFieldWidth, true}});
    ui::setHint(grid_, QStringLiteral("Select crop name"));
    grid_->setMinimumWidth(260);

    ui::ManagedEditorSettings settings;
    settings.nameField = kCropName;
    settings.rowNoun = QStringLiteral("crop");
    settings.deleteText = QStringLiteral("DELETE THIS CROP RECORD?");
    settings.markTable = QStringLiteral("KovaCrop");
    settings.insertFocus = nameBox_;
    settings.helpContext = kFormHelp;
    editor_ = new ui::ManagedEditor(this, &source, settings);
    connect(editor_, &ui::ManagedEditor::inserted, this, [this] { newCrop_ = true; });
    // The new-crop state ends with the new row, posted or cancelled.
    connect(&dm_.createCrop(), &store::Table::stateChanged, this, [this](EditState state) {
        if (state != EditState::Insert)
            newCrop_ = false;
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_->createButtonBar());
    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(grid_, 1);
    left->addWidget(new ui::Navigator(&source, ui::Navigator::kMoves), 0, Qt::AlignLeft);
    body->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel(QStringLiteral("Crop Name")));
    name->addWidget(nameBox_, 1);
    right->addLayout(name);
    pages_ = new QTabWidget;
    pages_->addTab(buildCurvesPage(), QStringLiteral("Kc Curves"));
    pages_->addTab(buildDatesPage(), QStringLiteral("Growth Dates"));
    pages_->addTab(buildSeasonPage(), QStringLiteral("Alternate Growth Season Calc. Data"));
    pages_->addTab(buildCommentsPage(), QStringLiteral("Comments"));
    right->addWidget(pages_, 1);
    auto* marks = new QHBoxLayout;
    marks->addWidget(editor_->createMarkedIndicator());
    marks->addStretch();
    right->addLayout(marks);
    body->addLayout(right, 2);
    layout->addLayout(body, 1);
    buildMenus();

    grid_->tableModel()->setRowNote([this](const std::vector<QVariant>& values) {
        const auto found = missingByCrop_.find(values.at(0).toString().toCaseFolded());
        return found == missingByCrop_.end() ? QString()
                                             : QStringLiteral("Not in its table: ") +
                                                   found->second.join(QStringLiteral(", "));
    });
    connect(&dm_.createCrop(), &store::Table::rowsReset, this, &CropForm::findMissingCurves);
    connect(&dm_.createCrop(), &store::Table::currentChanged, this, &CropForm::showMissingCurves);
    findMissingCurves();

    ui::Help::setContext(this, kFormHelp);
    ui::Help::installF1(this);
    ui::EnterAsTab::install(this);
    resize(960, 600);
}

QWidget* CropForm::buildCurvesPage() {
    ui::DataSource& source = dm_.createCropData();
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);

    auto* basal = new QGroupBox(QStringLiteral("Grass Reference Crop Curve Data"));
    auto* basalGrid = new QGridLayout(basal);
    basalGrid->addWidget(new QLabel(QStringLiteral("Basal Kc Crop Curve Name")), 0, 0);
    basalGrid->addWidget(shownField(source, QStringLiteral("Bas Crop Curve Name")), 0, 1);
    basalGrid->addWidget(new QLabel(QStringLiteral("Grass Reference Crop Type")), 1, 0);
    basalGrid->addWidget(shownField(source, QStringLiteral("Bas Crop Type")), 1, 1);
    basal_ = new QPushButton(QStringLiteral("Get Grass Ref. Curve"));
    ui::setHint(basal_, QStringLiteral("Get or change Crop Curve"));
    basal_->setAutoDefault(false);
    connect(basal_, &QPushButton::clicked, this, &CropForm::getBasalCurve);
    basalGrid->addWidget(basal_, 0, 2);
    basalGrid->addWidget(helpButton(kBasalHelp), 1, 2);
    // Only the basal picker changes the category; here it only shows.
    category_ = new ui::DataRadioGroup(&source, QStringLiteral("Humidity/Wind"),
                                       QStringLiteral("Humidity/Wind Category"),
                                       {QStringLiteral("Humid - Moderate wind  [HM]"),
                                        QStringLiteral("Humid - Strong wind       [HS]"),
                                        QStringLiteral("Arid - Moderate wind      [AM]"),
                                        QStringLiteral("Arid - Strong wind           [AS]")},
                                       categoryCodes(), 2);
    category_->setReadOnly(true);
    category_->setFocusPolicy(Qt::NoFocus);
    basalGrid->addWidget(category_, 2, 0, 1, 3);
    ui::Help::setContext(basal, kBasalHelp);
    column->addWidget(basal);

    auto* tr21 = new QGroupBox(QStringLiteral("Blaney Criddle TR21 Crop Curve Data"));
    auto* tr21Grid = new QGridLayout(tr21);
    tr21Grid->addWidget(new QLabel(QStringLiteral("BC TR21 Crop Curve Name")), 0, 0);
    tr21Grid->addWidget(shownField(source, QStringLiteral("BC Crop Curve Name")), 0, 1);
    tr21Grid->addWidget(new QLabel(QStringLiteral("BC TR21 Curve Type")), 1, 0);
    tr21Grid->addWidget(shownField(source, QStringLiteral("BC Crop Type")), 1, 1);
    tr21_ = new QPushButton(QStringLiteral("Get BC TR21 Curve"));
    ui::setHint(tr21_, QStringLiteral("Get of change Crop Curve"));
    tr21_->setAutoDefault(false);
    connect(tr21_, &QPushButton::clicked, this, &CropForm::getTR21Curve);
    tr21Grid->addWidget(tr21_, 0, 2);
    tr21Grid->addWidget(helpButton(kTR21Help), 1, 2);
    ui::Help::setContext(tr21, kTR21Help);
    column->addWidget(tr21);

    missing_ = new QLabel;
    missing_->setWordWrap(true);
    missing_->setStyleSheet(QStringLiteral("color: #b00000;"));
    column->addWidget(missing_);
    column->addStretch();
    return page;
}

QWidget* CropForm::buildDatesPage() {
    ui::DataSource& source = dm_.createCropData();
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto addDate = [&](const QString& title, const QString& month, const QString& day,
                       const QString& monthHint, const QString& dayHint) {
        auto* group = new QGroupBox(title);
        auto* row = new QHBoxLayout(group);
        row->addWidget(new QLabel(QStringLiteral("Month No")));
        row->addWidget(numberBox(source, month, QStringLiteral("ii"), monthHint, 60));
        row->addSpacing(16);
        row->addWidget(new QLabel(QStringLiteral("Day")));
        row->addWidget(numberBox(source, day, QStringLiteral("ii"), dayHint, 60));
        row->addStretch();
        column->addWidget(group);
    };
    addDate(QStringLiteral("Default planting or start of growth date (Spring)"),
            QStringLiteral("Plant Mo"), QStringLiteral("Plant Day"),
            QStringLiteral("Enter plant month"), QStringLiteral("Enter plant day"));
    addDate(QStringLiteral("Default harvest or end of growth date (Fall)"),
            QStringLiteral("Harvest Mo"), QStringLiteral("Harvest Day"),
            QStringLiteral("Enter harvest month"), QStringLiteral("Enter harvest day"));
    column->addWidget(new QLabel(QStringLiteral("Note:")));
    column->addWidget(noteText(
        {QStringLiteral("Enter default values here.  The User will be able to over-ride the "
                        "default"),
         QStringLiteral("and enter specific dates for a particular local situation."),
         QStringLiteral("Where a crop is  planted in one year and harvested in the next, the "
                        "program "),
         QStringLiteral("will correctly  calculate growing time  if there is less than one year "
                        "between"),
         QStringLiteral("planting and harvest.  See documentation for crops requirng more than "
                        "one"),
         QStringLiteral("year.")}));
    column->addStretch();
    return page;
}

QWidget* CropForm::buildSeasonPage() {
    ui::DataSource& source = dm_.createCropData();
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    struct Entry {
        const char* caption;
        const char* field;
        const char* hint;
        const char* unit;
    };
    const Entry entries[] = {
        {"Required length of growing season", "Min Grow Days", "No of growth days", "Days"},
        {"Maximum length of growing season", "Max Grow Days", "No of growth days", "Days"},
        {"Earliest (spring) growth average temperature", "Spring Av Temp",
         "Average temperature, start growth", "Degrees F."},
        {"Latest (fall) growth average temperature", "Fall Av Temp",
         "Average temperature end growth", "Degrees F."}};
    int row = 0;
    for (const Entry& e : entries) {
        grid->addWidget(new QLabel(QLatin1String(e.caption)), row, 0);
        grid->addWidget(numberBox(source, QLatin1String(e.field), QStringLiteral("iii"),
                                  QLatin1String(e.hint), 60),
                        row, 1);
        grid->addWidget(new QLabel(QLatin1String(e.unit)), row, 2);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    column->addLayout(grid);
    column->addWidget(noteText(
        {QStringLiteral("Calculations will be made only if there are entries.  Enter only the "
                        "data  needed."),
         QStringLiteral("Default growth dates  will be used if no entries are made here."),
         QStringLiteral("See documentation.")}));
    column->addStretch();
    return page;
}

QWidget* CropForm::buildCommentsPage() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(new QLabel(QStringLiteral("Comments About Crop")));
    column->addWidget(new ui::DataMemo(&dm_.createCropData(), QStringLiteral("Notes")), 1);
    return page;
}

void CropForm::buildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    report::addFileMenu(bar, this, dm_.createCropData(),
                        {{QStringLiteral("Print Crop Name List"), buildCropList},
                         {QStringLiteral("Print All Marked"), buildCropDetails, true}});
    editor_->addMarksMenu(bar);
    ui::Help::addMenu(bar, [this] { showAboutBox(this); });
}

void CropForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    editor_->captureCaption();
    dm_.createCropData().setAutoEdit(editor_->editMode());
    // Placed when shown; a window the user has moved stays where it is when activated again.
    ui::applyKeepOnScreen(this);
}

void CropForm::done(int result) {
    store::Table& lastUse = dm_.crpLastUse();
    if (lastUse.isOpen() && lastUse.state() == EditState::Edit)
        lastUse.post();
    QDialog::done(result);
}

CropForm::~CropForm() {
    dm_.createCropData().setPostRoutine({}); // the data source outlives the window
}

// --- the pickers --------------------------------------------------------------------------------

bool CropForm::prepareForPicker() {
    store::Table& crops = dm_.createCrop();
    if (!crops.isOpen())
        return false;
    if (!crops.isEmpty() || crops.state() == EditState::Insert)
        return true;
    // No crop yet: the picker composes the first one, as a new crop in edit mode.
    if (!editor_->editMode() && !editor_->toggleEditMode())
        return false;
    editor_->insertRecord();
    return crops.state() == EditState::Insert;
}

void CropForm::getBasalCurve() {
    if (!prepareForPicker())
        return;
    {
        GetBasDlg basal(dm_, newCrop_, this);
        ui::showModal(basal);
    }
    if (newCrop_ && dm_.createCrop().asString(QStringLiteral("BC Crop Type")).isEmpty())
        getTR21Curve();
}

void CropForm::getTR21Curve() {
    if (!prepareForPicker())
        return;
    GetBCDlg tr21(dm_, newCrop_, this);
    ui::showModal(tr21);
}

// --- reports ------------------------------------------------------------------------------------

void CropForm::printCropList() {
    report::printTableReport(dm_.createCropData(), buildCropList, this);
}

void CropForm::printAllMarked() {
    report::printMarkedRows(dm_.createCropData(), buildCropDetails, this);
}

// --- crops whose curves are gone ----------------------------------------------------------------

void CropForm::findMissingCurves() {
    std::map<QString, QStringList> byName;
    QString error;
    const store::Database* db = dm_.createCrop().database();
    if (db && CurveUse(db->alias()).findMissingCurves(&byName, &error)) {
        missingByCrop_.clear();
        for (auto& [crop, missing] : byName)
            missingByCrop_[crop.toCaseFolded()] = missing;
    }
    grid_->tableModel()->notesChanged();
    showMissingCurves();
}

void CropForm::showMissingCurves() {
    const store::Table& crops = dm_.createCrop();
    const bool hasRow = crops.isOpen() && !crops.isEmpty();
    const auto found = hasRow ? missingByCrop_.find(crops.asString(kCropName).toCaseFolded())
                              : missingByCrop_.end();
    missing_->setText(found == missingByCrop_.end()
                          ? QString()
                          : QStringLiteral("This crop names curves that are no longer in their "
                                           "tables: %1. A job would compute it with the nearest "
                                           "curve instead; choose its curves again.")
                                .arg(found->second.join(QStringLiteral(", "))));
}

QString CropForm::missingCurvesShown() const {
    return missing_->text();
}

} // namespace kova::cropedit
