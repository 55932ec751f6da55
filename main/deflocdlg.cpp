#include "deflocdlg.h"

#include "calc/newcrop.h"
#include "calc/reference.h"
#include "main/job/defaults.h"
#include "ui/datacontrols.h"
#include "ui/enterastab.h"
#include "ui/helpviewer.h"
#include "ui/labels.h"
#include "ui/messages.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace kova::mainwin {

namespace {

constexpr int kLocalDefaultsHelp = 19027;
constexpr int kHelpButtonTopic = 27;
const QString kFirstCutMonth = QStringLiteral("Hay 1st Cut Mo");
const QString kLastCutMonth = QStringLiteral("Hay Last Cut Mo");

QStringList soilTypes() {
    const auto& names = calc::soilNames();
    return QStringList(names.begin(), names.end());
}

} // namespace

DefLocDlg::DefLocDlg(const QString& alias, QWidget* parent)
    : QDialog(parent), defaults_(QStringLiteral("LocalDefaults"), alias) {
    setWindowTitle(QStringLiteral("Local Default Values"));
    source_.setRowWords({QStringLiteral("local defaults"), {}});
    if (!defaults_.open() || defaults_.isEmpty() || !defaults_.edit())
        ui::Messages::error(QStringLiteral("The local defaults cannot be changed."),
                            defaults_.errorString(), parent);

    netDepth_ = entry(QStringLiteral("Net Depth of Irrigation"), QStringLiteral("##.##"));
    irrigation_ = new ui::DataComboBox(&source_, QStringLiteral("Type of Irrigation"),
                                       calc::localIrrigationTypes(), true);
    soil_ = new ui::DataComboBox(&source_, QStringLiteral("Surface Soil Type"), soilTypes(), true);
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Net Depth of Each Irrigation"),
                ui::withUnit(netDepth_, QStringLiteral("inches")));
    top->addRow(QStringLiteral("Type of irrigation system"), irrigation_);
    top->addRow(QStringLiteral("Surface Soil Type"), soil_);

    auto* groups = new QHBoxLayout;
    groups->addWidget(buildWettings());
    groups->addWidget(buildStress());
    groups->addWidget(buildHay());

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    ok_->setToolTip(QStringLiteral("Save changes and return to main"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &DefLocDlg::save);
    connect(cancel, &QPushButton::clicked, this, &DefLocDlg::reject);
    auto* bar = new QHBoxLayout;
    bar->addWidget(ok_);
    bar->addWidget(cancel);
    bar->addStretch();
    bar->addWidget(ui::helpButton(kHelpButtonTopic));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(ui::bold(new QLabel(QStringLiteral("DEFAULT VALUES"))));
    layout->addWidget(
        new QLabel(QStringLiteral("Enter default values that are most typical for the area")));
    layout->addLayout(top);
    layout->addLayout(groups);
    ui::EnterAsTab::install(this);
    ui::Help::setContext(this, kLocalDefaultsHelp);
    ui::Help::installF1(this);
}

ui::DataNumericEdit* DefLocDlg::entry(const QString& field, const QString& picture) {
    auto* e = new ui::DataNumericEdit(&source_, field, picture);
    e->fitToPicture();
    return e;
}

QWidget* DefLocDlg::buildWettings() {
    auto* group = new QGroupBox(QStringLiteral("Days between wettings during:"));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Crop development"),
                 entry(QStringLiteral("Days Wettings Develop"), QStringLiteral("iii")));
    form->addRow(QStringLiteral("Crop maturation"),
                 entry(QStringLiteral("Days Wettings Mature"), QStringLiteral("iii")));
    return group;
}

QWidget* DefLocDlg::buildStress() {
    auto* group = new QGroupBox(QStringLiteral("Water stress factor"));
    auto* form = new QFormLayout(group);
    form->addRow(new ui::DataCheckBox(&source_, QStringLiteral("Sensitive"),
                                      QStringLiteral("Sensitive crop")));
    form->addRow(QStringLiteral("Percent total available water (ASW)"),
                 entry(QStringLiteral("ASW"), QStringLiteral("##.#")));
    form->addRow(QStringLiteral("Water stress factor"),
                 entry(QStringLiteral("Stress Factor"), QStringLiteral("#.#")));
    return group;
}

QWidget* DefLocDlg::buildHay() {
    auto* group = new QGroupBox(QStringLiteral("Hay"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Mo")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Day")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("1st cutting Date")), 1, 0);
    grid->addWidget(entry(kFirstCutMonth, QStringLiteral("ii")), 1, 1);
    firstCutDay_ = entry(QStringLiteral("Hay 1st Cut Day"), QStringLiteral("ii"));
    grid->addWidget(firstCutDay_, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Last cutting date")), 2, 0);
    grid->addWidget(entry(kLastCutMonth, QStringLiteral("ii")), 2, 1);
    lastCutDay_ = entry(QStringLiteral("Hay Last Cut Day"), QStringLiteral("ii"));
    grid->addWidget(lastCutDay_, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Annual number\nof hay cuttings")), 3, 0);
    grid->addWidget(entry(QStringLiteral("Hay Cuttings Number"), QStringLiteral("ii")), 3, 1);
    for (QWidget* day : {firstCutDay_, lastCutDay_})
        day->installEventFilter(this);
    return group;
}

bool DefLocDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !checkingDay_ &&
        (watched == firstCutDay_ || watched == lastCutDay_)) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window taking the focus (a message box, a menu) is not leaving the entry.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto* day = static_cast<ui::DataNumericEdit*>(watched);
            const QString month = day == firstCutDay_ ? kFirstCutMonth : kLastCutMonth;
            QMetaObject::invokeMethod(
                this, [this, day, month] { checkCuttingDay(day, month); }, Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

// A day past its month's end becomes the month's last day, and the focus goes back to it.
void DefLocDlg::checkCuttingDay(ui::DataNumericEdit* dayEntry, const QString& monthField) {
    const std::optional<double> day = dayEntry->value();
    if (!isVisible() || !day || defaults_.isNull(monthField))
        return;
    const int typed = static_cast<int>(std::lround(*day));
    const job::DayCheck check = job::checkDayOfMonth(defaults_.asInt(monthField), typed);
    if (check.message.isEmpty())
        return;
    checkingDay_ = true;
    if (check.day != typed)
        source_.writeField(dayEntry->link()->field(), check.day);
    ui::Messages::error(check.message, this);
    dayEntry->setFocus();
    checkingDay_ = false;
}

void DefLocDlg::save() {
    // A refused row stays in edit with its message, so it can be corrected or cancelled.
    if (defaults_.state() == store::EditState::Edit && !source_.post())
        return;
    defaults_.close();
    accept();
}

void DefLocDlg::reject() {
    defaults_.cancel();
    defaults_.close();
    QDialog::reject();
}

} // namespace kova::mainwin
