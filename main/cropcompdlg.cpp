#include "cropcompdlg.h"

#include "compphdatesdlg.h"
#include "program.h"

#include "calc/newcrop.h"
#include "calc/reference.h"
#include "results/output/outputdlg.h"
#include "ui/busycursor.h"
#include "ui/enterastab.h"
#include "ui/helpviewer.h"
#include "ui/labels.h"
#include "ui/modal.h"
#include "ui/numericfield.h"
#include "ui/placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

namespace kova::mainwin {

using job::CropEntry;

namespace {

constexpr QSize kDesignedSize{568, 482};
constexpr int kDialogHelp = 30;
constexpr int kDatesHelp = 12;
constexpr int kDepthHelp = 13;
constexpr int kAverageKcHelp = 14;
constexpr int kHayHelp = 15;
constexpr int kDatesGroupHelp = 19012;
constexpr int kCarryoverGroupHelp = 19013;
constexpr int kAverageKcGroupHelp = 19014;
constexpr int kHayGroupHelp = 19015;

QStringList soilTypes() {
    const auto& names = calc::soilNames();
    return QStringList(names.begin(), names.end());
}

// A help button at the right of its group.
QHBoxLayout* helpRow(int context) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ui::helpButton(context));
    return row;
}

QGroupBox* group(const QString& title, int help) {
    auto* box = new QGroupBox(title);
    ui::Help::setContext(box, help);
    return box;
}

} // namespace

CropCompDlg::CropCompDlg(job::JobSession& session, QWidget* parent)
    : QDialog(parent), session_(session), parameters_(session, told_) {
    setWindowTitle(QStringLiteral("Job Crop Compute"));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildDates());
    left->addWidget(buildCarryover());
    left->addWidget(buildHay());
    left->addStretch();
    columns->addLayout(left);
    columns->addWidget(buildAverageKc(), 0, Qt::AlignTop);

    cropName_ = ui::coloured(ui::bold(new QLabel), Qt::darkBlue);
    cropName_->setTextFormat(Qt::PlainText);
    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel(QStringLiteral("Crop Name:")));
    name->addWidget(cropName_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTopBar());
    layout->addLayout(name);
    layout->addLayout(columns, 1);
    layout->addWidget(buildStatusBar());
    connectLists();
    ui::EnterAsTab::install(this);
    ui::Help::setContext(this, kDialogHelp);
    ui::Help::installF1(this);

    opened_ = parameters_.open();
    told_.flush();
    showParameters();
    // As designed, or as the groups of the crop's curve kind need (no empty room where the
    // hidden groups would be).
    const QSize needed = sizeHint();
    resize(std::max(kDesignedSize.width(), needed.width()), needed.height());
    entry(CropEntry::PlantMo)->setFocus();
}

QWidget* CropCompDlg::buildTopBar() {
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    auto* help = new QPushButton(QStringLiteral("&Help"));
    help->setAutoDefault(false);
    ui::Help::setContext(help, kDialogHelp);
    connect(ok_, &QPushButton::clicked, this, &CropCompDlg::tryClose);
    connect(help, &QPushButton::clicked, this, [] { ui::Help::showContext(kDialogHelp); });
    layout->addWidget(ok_);
    layout->addWidget(help);
    layout->addStretch();
    return bar;
}

ui::NumericField* CropCompDlg::makeEntry(CropEntry e, int help) {
    const job::CropEntryDef& def = job::cropEntryDef(e);
    auto* field = new ui::NumericField(def.picture);
    if (def.range)
        field->setRange(def.range->min, def.range->max);
    field->setAccessibleName(def.label);
    field->fitToPicture();
    if (help != 0)
        ui::Help::setContext(field, help);
    entries_[size_t(e)] = field;
    entryOf_[field] = e;
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this, field, e] {
        pending_ = e;
        parameters_.typed(e, field->value(), field->isValid());
    });
    return field;
}

QWidget* CropCompDlg::monthDay(CropEntry month, CropEntry day) {
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    const int help =
        month == CropEntry::Cut1Mo || month == CropEntry::CutEndMo ? kHayHelp : kDatesHelp;
    layout->addWidget(new QLabel(QStringLiteral("Month")));
    layout->addWidget(makeEntry(month, help));
    layout->addWidget(new QLabel(QStringLiteral("Day")));
    layout->addWidget(makeEntry(day, help));
    layout->addStretch();
    return box;
}

QWidget* CropCompDlg::buildDates() {
    QGroupBox* box = group(QStringLiteral("Start and end growth dates"), kDatesGroupHelp);
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("Planting or start of growth date"),
                 monthDay(CropEntry::PlantMo, CropEntry::PlantDay));
    form->addRow(QStringLiteral("Harvest or end of growth date"),
                 monthDay(CropEntry::HarvestMo, CropEntry::HarvestDay));
    computeDates_ = new QPushButton(QStringLiteral("Compute Dates for Site"));
    computeDates_->setToolTip(QStringLiteral("Compute begin and end grow dates"));
    computeDates_->setAutoDefault(false);
    // Tab passes it by; a click still takes it.
    computeDates_->setFocusPolicy(Qt::ClickFocus);
    ui::Help::setContext(computeDates_, kDatesHelp);
    connect(computeDates_, &QPushButton::clicked, this, &CropCompDlg::computeDatesForSite);
    auto* tool = new QHBoxLayout;
    tool->addWidget(new QLabel(QStringLiteral("(Temperature based computation)")));
    tool->addWidget(computeDates_);
    tool->addWidget(ui::helpButton(kDatesHelp));
    tool->addStretch();
    form->addRow(tool);
    return box;
}

QWidget* CropCompDlg::buildCarryover() {
    QGroupBox* box = group(QStringLiteral("Carryover used:"), kCarryoverGroupHelp);
    auto* form = new QFormLayout(box);
    const std::pair<const char*, CropEntry> rows[] = {
        {"Net irrigation depth applied each irrigation", CropEntry::NetIrr},
        {"Carryover used at beginning of each season", CropEntry::CarryBeg},
        {"Carryover used at end of each season", CropEntry::CarryEnd},
    };
    for (const auto& [caption, e] : rows)
        form->addRow(QLatin1String(caption),
                     ui::withUnit(makeEntry(e, kDepthHelp), QStringLiteral("inches")));
    return box;
}

QWidget* CropCompDlg::buildAverageKc() {
    averageKc_ = group(QStringLiteral("Data for average crop coefficient computations"),
                       kAverageKcGroupHelp);
    auto* layout = new QVBoxLayout(averageKc_);
    soil_ = new QComboBox;
    soil_->addItems(soilTypes());
    irrigation_ = new QComboBox;
    irrigation_->addItems(calc::dialogIrrigationTypes());
    for (QComboBox* list : {soil_, irrigation_}) {
        // A text that is no entry of the list may be typed; it is stored as typed.
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        ui::Help::setContext(list, kAverageKcHelp);
    }
    auto* lists = new QFormLayout;
    lists->addRow(QStringLiteral("Surface soil type"), soil_);
    lists->addRow(QStringLiteral("Type of irrigation"), irrigation_);
    lists->addRow(QStringLiteral("Fraction wetted (Fw)"), makeEntry(CropEntry::FractionWetted));
    layout->addLayout(lists);

    auto* wetting = new QGroupBox(QStringLiteral("Wetting interval "));
    auto* wettingForm = new QFormLayout(wetting);
    wettingForm->addRow(
        QStringLiteral("Development"),
        ui::withUnit(makeEntry(CropEntry::DaysWetDeveloped), QStringLiteral("Days")));
    wettingForm->addRow(QStringLiteral("Maturation"),
                        ui::withUnit(makeEntry(CropEntry::DaysWetMature), QStringLiteral("Days")));
    wettingForm->addRow(helpRow(kAverageKcHelp));
    layout->addWidget(wetting);

    auto* stress = new QGroupBox(QStringLiteral("Water Stress Factor"));
    auto* stressForm = new QFormLayout(stress);
    sensitive_ = new QCheckBox(QStringLiteral("Sensitive Crop"));
    stressForm->addRow(sensitive_);
    stressForm->addRow(QStringLiteral("Percent total available water (ASW)"),
                       makeEntry(CropEntry::ASW));
    stressForm->addRow(QStringLiteral("Stress Factor (Ks)"), makeEntry(CropEntry::StressFactor));
    stressForm->addRow(helpRow(kAverageKcHelp));
    layout->addWidget(stress);
    return averageKc_;
}

QWidget* CropCompDlg::buildHay() {
    hay_ = group(QStringLiteral("Hay Cuttings"), kHayGroupHelp);
    auto* form = new QFormLayout(hay_);
    form->addRow(QStringLiteral("First cutting date"),
                 monthDay(CropEntry::Cut1Mo, CropEntry::Cut1Day));
    form->addRow(QStringLiteral("Last cutting date"),
                 monthDay(CropEntry::CutEndMo, CropEntry::CutEndDay));
    form->addRow(QStringLiteral("Number of cuttings:"), makeEntry(CropEntry::Cuttings, kHayHelp));
    return hay_;
}

QWidget* CropCompDlg::buildStatusBar() {
    auto* bar = new QStatusBar;
    bar->setSizeGripEnabled(false);
    stationPanel_ = new QLabel;
    methodPanel_ = new QLabel;
    bar->addWidget(stationPanel_, 1);
    bar->addWidget(methodPanel_, 1);
    return bar;
}

void CropCompDlg::connectLists() {
    connect(soil_, &QComboBox::activated, this,
            [this](int index) { parameters_.soilChanged(soil_->itemText(index)); });
    connect(soil_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { parameters_.soilChanged(text); });
    connect(irrigation_, &QComboBox::activated, this, [this](int index) {
        parameters_.irrigationChosen(irrigation_->itemText(index));
        showParameters();
    });
    connect(irrigation_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { parameters_.irrigationTyped(text); });
    connect(sensitive_, &QCheckBox::clicked, this, [this](bool ticked) {
        parameters_.sensitiveChanged(ticked);
        showParameters();
    });
}

void CropCompDlg::Told::report(const job::JobMessage& message) {
    ++count;
    held_.push_back(message);
}

void CropCompDlg::Told::flush() {
    std::vector<job::JobMessage> shown;
    shown.swap(held_);
    for (const job::JobMessage& message : shown)
        boxes_.report(message);
}

// --- entries -----------------------------------------------------------------------------

bool CropCompDlg::eventFilter(QObject* watched, QEvent* event) {
    const auto it = entryOf_.find(watched);
    if (it != entryOf_.end()) {
        if (event->type() == QEvent::FocusIn) {
            pending_ = it->second;
        } else if (event->type() == QEvent::FocusOut && pending_ == it->second && !refocusing_) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Another window taking the focus (a message box, a menu) is not leaving the entry.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                pending_.reset();
                leaving_ = it->second;
                QMetaObject::invokeMethod(this, &CropCompDlg::leaveQueued, Qt::QueuedConnection);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CropCompDlg::leaveQueued() {
    if (!leaving_ || !isVisible())
        return;
    const CropEntry e = *leaving_;
    leaving_.reset();
    parameters_.left(e);
    showParameters();
    showFocus();
}

bool CropCompDlg::leaveBeforeCommand() {
    const int before = told_.count;
    for (std::optional<CropEntry>* e : {&leaving_, &pending_}) {
        if (!*e)
            continue;
        const CropEntry which = **e;
        e->reset();
        parameters_.left(which);
    }
    showParameters();
    showFocus();
    return told_.count == before;
}

void CropCompDlg::computeDatesForSite() {
    if (!leaveBeforeCommand())
        return;
    const std::optional<calc::DateToolInputs> in = parameters_.computeDatesForSite();
    told_.flush();
    if (in) {
        if (runDateTool(session_.calculation().kova, session_.workingCrops(), *in, this))
            parameters_.datesReturned();
    }
    showParameters();
    showFocus();
}

// --- closing -----------------------------------------------------------------------------

void CropCompDlg::tryClose() {
    if (closing_ || !leaveBeforeCommand())
        return;
    closing_ = true;
    job::CropCloseResult result;
    {
        ui::BusyCursor busy;
        result = parameters_.close();
    }
    closing_ = false;
    showFocus();
    switch (result) {
    case job::CropCloseResult::EntriesRefused:
    case job::CropCloseResult::SeasonRefused:
        return;
    case job::CropCloseResult::Computed:
        computed_ = true;
        break;
    case job::CropCloseResult::Failed:
        break;
    }
    QDialog::accept();
}

void CropCompDlg::reject() {
    tryClose();
}

// --- what the crop parameters show ---------------------------------------------------------

void CropCompDlg::showParameters() {
    cropName_->setText(parameters_.cropName());
    stationPanel_->setText(parameters_.stationStatus());
    methodPanel_->setText(parameters_.methodStatus());
    const job::CropGroups groups = parameters_.groups();
    averageKc_->setVisible(groups.averageKc);
    hay_->setVisible(groups.hay);
    for (int i = 0; i < job::kCropEntryCount; ++i) {
        ui::NumericField* field = entries_[size_t(i)];
        const job::CropEntryState& s = parameters_.entry(CropEntry(i));
        // A refused entry stays as typed, red, until it is corrected.
        if (!s.valid)
            continue;
        const QString text = s.value ? field->picture().format(*s.value) : QString();
        if (field->text() != text)
            field->setText(text);
    }
    sensitive_->setChecked(parameters_.sensitive());
    for (const auto& [list, text] : {std::pair{soil_, parameters_.soil()},
                                     std::pair{irrigation_, parameters_.irrigationType()}}) {
        if (list->currentText() == text)
            continue;
        list->setCurrentIndex(list->findText(text, Qt::MatchExactly));
        list->setEditText(text);
    }
}

void CropCompDlg::showFocus() {
    told_.flush();
    const std::optional<CropEntry> focus = parameters_.focus();
    if (!focus)
        return;
    ui::NumericField* field = entry(*focus);
    // Moving the focus for the dialog is not the planner leaving an entry.
    refocusing_ = true;
    field->setFocus();
    field->selectAll();
    refocusing_ = false;
    pending_ = *focus;
}

void CropCompDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        ui::applyKeepOnScreen(this);
    }
}

void runCropParameters(job::JobSession& session, const results::CropResultsActions& results,
                       QWidget* parent) {
    CropCompDlg dialog(session, parent);
    if (!dialog.opened())
        return;
    ui::showModal(dialog);
    if (dialog.computed())
        results::showCropResults({session.calculation(), session.workingCrops(), session.alias()},
                                 results, parent);
}

} // namespace kova::mainwin
