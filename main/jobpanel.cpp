#include "jobpanel.h"

#include "main/job/jobrecord.h"
#include "ui/datagrid.h"
#include "ui/helpviewer.h"
#include "ui/labels.h"
#include "ui/numericfield.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::mainwin {

namespace {

constexpr int kJobTextsHelp = 9;
constexpr int kSiteHelp = 29;

void hint(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

QLineEdit* textField(job::HeaderText stored, const QString& hintText) {
    auto* edit = new QLineEdit;
    // The field takes no more than the column stores, so what is checked is what is stored.
    edit->setMaxLength(job::widthOf(stored));
    hint(edit, hintText);
    ui::Help::setContext(edit, kJobTextsHelp);
    return edit;
}

ui::NumericField* numberField(const QString& picture, double minimum, double maximum) {
    auto* field = new ui::NumericField(picture);
    field->setRange(minimum, maximum);
    field->setMaximumWidth(80);
    ui::Help::setContext(field, kSiteHelp);
    return field;
}

QPushButton* cropButton(const QString& caption, const QString& hintText, int help) {
    auto* button = new QPushButton(caption);
    button->setAutoDefault(true); // Enter presses it
    hint(button, hintText);
    ui::Help::setContext(button, help);
    return button;
}

QLabel* display(const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

JobPanel::JobPanel(ui::DataSource& crops, QWidget* parent) : QWidget(parent) {
    auto* left = new QVBoxLayout;
    left->addWidget(buildHeader());
    left->addWidget(buildClimateGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildSite());
    right->addWidget(buildCrops(crops), 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
}

QWidget* JobPanel::buildHeader() {
    auto* header = new QWidget;
    auto* form = new QFormLayout(header);
    form->setContentsMargins(0, 0, 0, 0);
    nameEdit = textField(job::HeaderText::JobName, QStringLiteral("Unique name for job"));
    uniqueLabel =
        ui::coloured(new QLabel(QStringLiteral("(NEW JOB Enter a unique name)")), Qt::red);
    dateEdit = textField(job::HeaderText::JobDate, QStringLiteral("Date can be changed"));
    locationEdit = textField(job::HeaderText::Location, QStringLiteral("Enter job location info"));
    plannerEdit = textField(job::HeaderText::Planner, QStringLiteral("Enter job planner's name"));
    form->addRow(QStringLiteral("Job Name"), nameEdit);
    form->addRow(QString(), uniqueLabel);
    form->addRow(QStringLiteral("Job Date"), dateEdit);
    form->addRow(QStringLiteral("Job Location"), locationEdit);
    form->addRow(QStringLiteral("Job Planner"), plannerEdit);
    dateEdit->setMaximumWidth(100);
    return header;
}

QWidget* JobPanel::buildClimateGroup() {
    climateGroup = new QGroupBox(QStringLiteral("Climate Database Site"));
    stationName = ui::bold(display(QStringLiteral("stationName")));
    county = display(QStringLiteral("county"));
    stationNo = display(QStringLiteral("stationNo"));
    latitude = display(QStringLiteral("latitude"));
    longitude = display(QStringLiteral("longitude"));
    getNewClimateButton = new QPushButton(QStringLiteral("Get New Climate"));
    getNewClimateButton->setAutoDefault(true); // Enter presses it
    auto* grid = new QGridLayout(climateGroup);
    grid->addWidget(stationName, 0, 0, 1, 4);
    grid->addWidget(county, 1, 0, 1, 3);
    grid->addWidget(stationNo, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Latitude:")), 2, 0);
    grid->addWidget(latitude, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Longitude:")), 2, 2);
    grid->addWidget(longitude, 2, 3);
    grid->addWidget(getNewClimateButton, 3, 0, 1, 4, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return climateGroup;
}

QWidget* JobPanel::buildSite() {
    auto* site = new QWidget;
    auto* layout = new QVBoxLayout(site);
    layout->setContentsMargins(0, 0, 0, 0);
    elevationEdit = numberField(QStringLiteral("####"), -200, 9999);
    auto* elevation = new QHBoxLayout;
    elevation->addWidget(new QLabel(QStringLiteral("Job elevation above sea level")));
    elevation->addWidget(elevationEdit);
    elevation->addWidget(new QLabel(QStringLiteral("feet")));
    elevation->addStretch();
    layout->addLayout(elevation);

    auto* ratios = new QGroupBox(QStringLiteral("Effective Precipitation Ratio"));
    auto* grid = new QGridLayout(ratios);
    ratio50Edit = numberField(QStringLiteral("#.##"), 0.01, 9.99);
    ratio80Edit = numberField(QStringLiteral("#.##"), 0.01, 9.99);
    grid->addWidget(ratio50Edit, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Normal year\n50% chance")), 0, 1);
    grid->addWidget(ratio80Edit, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Dry year\n80% chance")), 0, 3);
    grid->setColumnStretch(4, 1);
    layout->addWidget(ratios);

    auto* method = new QHBoxLayout;
    method->addWidget(new QLabel(QStringLiteral("ET Computation Method")));
    etLabel = ui::bold(display(QStringLiteral("etMethod")));
    method->addWidget(etLabel, 1);
    layout->addLayout(method);
    return site;
}

QWidget* JobPanel::buildCrops(ui::DataSource& crops) {
    auto* group = new QGroupBox(QStringLiteral("Job Crops"));
    const QString cropName = QStringLiteral("Crop Name");
    cropGrid = new ui::DataGrid(&crops, {{cropName, cropName, ui::GridColumn::kFieldWidth, true}});
    cropGrid->horizontalHeader()->hide();
    hint(cropGrid, QStringLiteral("Select a crop"));
    displayButton = cropButton(QStringLiteral("Display Crop"),
                               QStringLiteral("Display selected crop data"), 20);
    addCropButton =
        cropButton(QStringLiteral("Add New Crop"), QStringLiteral("Add new crop to job"), 17);
    editCropButton =
        cropButton(QStringLiteral("Edit Crop"), QStringLiteral("Edit selected crop"), 18);
    deleteCropButton =
        cropButton(QStringLiteral("Delete Crop"), QStringLiteral("Delete selected crop"), 23);
    auto* buttons = new QGridLayout;
    buttons->addWidget(displayButton, 0, 0);
    buttons->addWidget(addCropButton, 0, 1);
    buttons->addWidget(editCropButton, 1, 0);
    buttons->addWidget(deleteCropButton, 1, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("Select Crop to Compute and Display")));
    layout->addWidget(cropGrid, 1);
    layout->addLayout(buttons);
    return group;
}

} // namespace kova::mainwin
