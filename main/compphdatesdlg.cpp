#include "compphdatesdlg.h"

#include "jobboxes.h"

#include "ui/enterastab.h"
#include "ui/helpviewer.h"
#include "ui/labels.h"
#include "ui/messages.h"
#include "ui/modal.h"
#include "ui/numericfield.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::mainwin {

namespace {

constexpr int kDateToolHelp = 12;
const QString kDegrees = QStringLiteral("°F");

QString number(double value) {
    return QString::number(value, 'g', 15);
}

// A grow-day value of 1 means no value was given: it shows empty.
QString growDaysText(int days) {
    return days == calc::kMinGrowDays ? QString() : QString::number(days);
}

QString enterValue(const QString& entry, const ui::NumericField* field) {
    return entry +
           QStringLiteral(": enter a value from %1 to %2.")
               .arg(number(*field->picture().minimum()), number(*field->picture().maximum()));
}

} // namespace

CompPHDatesDlg::CompPHDatesDlg(calc::CompPHDates& tool, calc::TKova& k, store::Table& wkCrop,
                               QWidget* parent)
    : QDialog(parent), tool_(tool), k_(k), wkCrop_(wkCrop) {
    setWindowTitle(QStringLiteral("Compute Start of Growth and End of Growth Dates Tool"));

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setToolTip(QStringLiteral("Compute and return to crop data"));
    ok_->setAutoDefault(false);
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &CompPHDatesDlg::takeDates);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* bar = new QHBoxLayout;
    bar->addWidget(ok_);
    bar->addWidget(cancel_);
    bar->addStretch();
    bar->addWidget(ui::helpButton(kDateToolHelp));

    auto* note = ui::coloured(new QLabel(calc::text::kToolNote), Qt::darkRed);
    note->setWordWrap(true);

    auto* grid = new QGridLayout;
    grid->addWidget(buildDefaults(), 0, 0);
    grid->addWidget(buildDatabaseData(), 0, 1);
    grid->addWidget(buildEntries(), 1, 0, 1, 2);
    grid->addWidget(buildTemperatureEnd(), 2, 0);
    grid->addWidget(buildRecalculated(), 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(note);
    layout->addLayout(grid);
    ui::EnterAsTab::install(this);
    ui::Help::setContext(this, kDateToolHelp);
    ui::Help::installF1(this);

    const calc::DateToolValues& v = tool_.values();
    growDays_->setText(QString::number(v.GrowDaysEntry));
    beginTemp_->setText(beginTemp_->picture().format(v.BeginTempEntry));
    endTemp_->setText(endTemp_->picture().format(v.EndTempEntry));
    growDaysLabel_->setVisible(v.GrowDaysShown);
    growDays_->setVisible(v.GrowDaysShown);
    showValues();
    (v.GrowDaysShown ? growDays_ : beginTemp_)->setFocus();
}

QLabel* CompPHDatesDlg::value(const QString& name) {
    auto* label = new QLabel;
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    label->setAccessibleName(name);
    values_.insert(name, label);
    return label;
}

QString CompPHDatesDlg::shown(const QString& name) const {
    const QLabel* label = values_.value(name);
    return label ? label->text() : QString();
}

// "Month" and "Day" of a date shown under `name` ("spring" shows "spring month", "spring day").
QWidget* CompPHDatesDlg::monthDay(const QString& name) {
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Month")));
    layout->addWidget(value(name + QStringLiteral(" month")));
    layout->addWidget(new QLabel(QStringLiteral("Day")));
    layout->addWidget(value(name + QStringLiteral(" day")));
    layout->addStretch();
    return box;
}

QWidget* CompPHDatesDlg::buildDefaults() {
    auto* group = new QGroupBox(QStringLiteral("Default Dates from database"));
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Planting date"), monthDay(QStringLiteral("default plant")));
    form->addRow(QStringLiteral("Harvest date"), monthDay(QStringLiteral("default harvest")));
    form->addRow(QStringLiteral("Default grow days:"), value(QStringLiteral("default grow days")));
    return group;
}

QWidget* CompPHDatesDlg::buildDatabaseData() {
    auto* group = new QGroupBox(QStringLiteral("Temperature and grow day data from database"));
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Minimum grow days"), value(QStringLiteral("minimum grow days")));
    form->addRow(QStringLiteral("Maximum grow days"), value(QStringLiteral("maximum grow days")));
    form->addRow(QStringLiteral("Begin growth temperature "),
                 ui::withUnit(value(QStringLiteral("begin temperature")), kDegrees));
    form->addRow(QStringLiteral("End growth temperature"),
                 ui::withUnit(value(QStringLiteral("end temperature")), kDegrees));
    return group;
}

QWidget* CompPHDatesDlg::buildEntries() {
    auto* group = new QGroupBox(QStringLiteral("Enter Grow Days and Temperature to Use"));
    auto* form = new QHBoxLayout(group);
    growDays_ = new ui::NumericField(QStringLiteral("iii"));
    growDays_->setRange(calc::kMinGrowDays, calc::kMaxGrowDays);
    const store::ValueRange temperatures = calc::growthTemperatureRange();
    beginTemp_ = new ui::NumericField(QStringLiteral("###.#"));
    endTemp_ = new ui::NumericField(QStringLiteral("###.#"));
    for (ui::NumericField* t : {beginTemp_, endTemp_})
        t->setRange(temperatures.min, temperatures.max);
    for (ui::NumericField* e : {growDays_, beginTemp_, endTemp_})
        e->fitToPicture();
    growDaysLabel_ = new QLabel(QStringLiteral("Grow days required:"));
    form->addWidget(growDaysLabel_);
    form->addWidget(growDays_);
    form->addSpacing(12);
    form->addWidget(new QLabel(QStringLiteral("Begin temperature")));
    form->addWidget(ui::withUnit(beginTemp_, kDegrees));
    form->addWidget(new QLabel(QStringLiteral("End temperature")));
    form->addWidget(ui::withUnit(endTemp_, kDegrees));
    recalculate_ = new QPushButton(QStringLiteral("Re-Calculate"));
    recalculate_->setDefault(true);
    connect(recalculate_, &QPushButton::clicked, this, &CompPHDatesDlg::recalculate);
    form->addWidget(recalculate_);
    return group;
}

QWidget* CompPHDatesDlg::buildTemperatureEnd() {
    auto* group = new QGroupBox(QStringLiteral("Temperature based maximum grow days"));
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Available grow days:"), value(QStringLiteral("available days")));
    form->addRow(QStringLiteral("Temperature based end date"), monthDay(QStringLiteral("fall")));
    return group;
}

QWidget* CompPHDatesDlg::buildRecalculated() {
    auto* group = new QGroupBox(QStringLiteral("Re-calculated Start and End dates"));
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Planting date"), monthDay(QStringLiteral("spring")));
    form->addRow(QStringLiteral("Harvest date"), monthDay(QStringLiteral("harvest")));
    return group;
}

void CompPHDatesDlg::showValues() {
    const calc::DateToolValues& v = tool_.values();
    const auto set = [this](const QString& name, const QString& text) {
        values_.value(name)->setText(text);
    };
    const auto setDate = [&](const QString& name, calc::MonthDay date, bool known) {
        set(name + QStringLiteral(" month"), known ? QString::number(date.month) : QString());
        set(name + QStringLiteral(" day"), known ? QString::number(date.day) : QString());
    };
    setDate(QStringLiteral("default plant"), v.DefaultPlant, true);
    setDate(QStringLiteral("default harvest"), v.DefaultHarvest, true);
    set(QStringLiteral("default grow days"), QString::number(v.DefaultGrowDays));
    set(QStringLiteral("minimum grow days"), growDaysText(v.MinGrowDays));
    set(QStringLiteral("maximum grow days"), growDaysText(v.MaxGrowDays));
    set(QStringLiteral("begin temperature"), number(v.BeginTemp));
    set(QStringLiteral("end temperature"), number(v.EndTemp));
    set(QStringLiteral("available days"),
        v.DatesShown ? QString::number(v.AvailableDays) : QString());
    setDate(QStringLiteral("fall"), v.Fall, v.DatesShown);
    setDate(QStringLiteral("spring"), v.Spring, v.DatesShown);
    setDate(QStringLiteral("harvest"), v.Harvest, v.DatesShown);
}

void CompPHDatesDlg::recalculate() {
    QStringList problems;
    const bool growDaysShown = tool_.values().GrowDaysShown;
    if (growDaysShown && (!growDays_->isValid() || !growDays_->value()))
        problems << enterValue(QStringLiteral("Grow days required"), growDays_);
    if (!beginTemp_->isValid() || !beginTemp_->value())
        problems << enterValue(QStringLiteral("Begin growth temperature"), beginTemp_);
    if (!endTemp_->isValid() || !endTemp_->value())
        problems << enterValue(QStringLiteral("End growth temperature"), endTemp_);
    if (!problems.isEmpty()) {
        ui::Messages::error(QStringLiteral("The dates cannot be calculated until these entries "
                                           "are corrected:\n") +
                                problems.join(QLatin1Char('\n')),
                            this);
        return;
    }
    const int growDays =
        growDaysShown ? static_cast<int>(*growDays_->value()) : tool_.values().GrowDaysEntry;
    const auto message = tool_.calculate(growDays, *beginTemp_->value(), *endTemp_->value());
    showValues();
    handle(message);
}

void CompPHDatesDlg::handle(const std::optional<calc::DateToolMessage>& message) {
    if (!message)
        return;
    BoxMessages(this).report({message->kind, message->text, {}});
    switch (message->close) {
    case calc::DateToolClose::Stay:
        return;
    case calc::DateToolClose::RestoreDefaults:
        tool_.restoreDefaults(k_);
        changed_ = true;
        break;
    case calc::DateToolClose::LeaveDates:
        break;
    }
    QDialog::reject();
}

void CompPHDatesDlg::takeDates() {
    QString error;
    if (!calc::writeAcceptedDates(tool_, k_, wkCrop_, &error)) {
        ui::Messages::error(QStringLiteral("The dates cannot be returned to the crop data."), error,
                            this);
        return;
    }
    changed_ = true;
    accept();
}

bool runDateTool(calc::TKova& k, store::Table& wkCrop, const calc::DateToolInputs& inputs,
                 QWidget* parent) {
    calc::CompPHDates tool(k.Temp, inputs.station);
    const std::optional<calc::DateToolMessage> opening = tool.open(k, inputs.crop);
    CompPHDatesDlg dialog(tool, k, wkCrop, parent);
    if (opening && opening->close != calc::DateToolClose::Stay) {
        // The opening ends in a message: the window closes before it shows.
        dialog.handle(opening);
        return dialog.datesChanged();
    }
    if (opening)
        dialog.handle(opening);
    ui::showModal(dialog);
    return dialog.datesChanged();
}

} // namespace kova::mainwin
