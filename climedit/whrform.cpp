#include "whrform.h"

#include "datamodule.h"
#include "program.h"
#include "whrreports.h"
#include "whrseries.h"

#include "report/previewwindow.h"
#include "store/fieldnames.h"
#include "ui/datacontrols.h"
#include "ui/enterastab.h"
#include "ui/helpviewer.h"
#include "ui/hint.h"
#include "ui/managededitor.h"
#include "ui/navigator.h"
#include "ui/placement.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace kova::climedit {

using store::EditState;

namespace {

const QString kCaption = QStringLiteral("Wind, Humidity and Radiation Database");
const QString kLocation = QStringLiteral("WHR Location");
constexpr int kFormHelp = 10;
const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

} // namespace

WHRForm::WHRForm(DataModule& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setWindowTitle(kCaption);
    ui::openTable(dm_.whrTable());

    auto* layout = new QVBoxLayout(this);
    QWidget* site = buildSiteBoxes();
    QWidget* months = buildMonthGrid();

    ui::ManagedEditorSettings settings;
    settings.nameField = kLocation;
    settings.rowNoun = QStringLiteral("site");
    settings.markTable = QStringLiteral("ClimWHR");
    settings.showMarkedCaption = QStringLiteral("Show All Marked");
    settings.insertFocus = nameBox_;
    settings.editFocus = nameBox_;
    settings.helpContext = kFormHelp;
    editor_ = new ui::ManagedEditor(this, &dm_.whrData(), settings);

    layout->addWidget(editor_->createButtonBar());
    auto* navigation = new QHBoxLayout;
    navigator_ = new ui::Navigator(&dm_.whrData(), ui::Navigator::kMoves);
    navigation->addWidget(navigator_);
    navigation->addStretch();
    navigation->addWidget(editor_->createMarkedIndicator());
    layout->addLayout(navigation);
    layout->addWidget(site);
    layout->addWidget(months);
    layout->addWidget(buildLegend());
    buildMenus();

    ui::Help::setContext(this, kFormHelp);
    ui::Help::installF1(this);
    ui::EnterAsTab::install(this);
}

QWidget* WHRForm::buildSiteBoxes() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    nameBox_ = new ui::DataTextEdit(&dm_.whrData(), kLocation);
    ui::setHint(nameBox_, QStringLiteral("Enter a unique name descriptive of the location."));
    nameBox_->setMinimumWidth(340);
    grid->addWidget(new QLabel(QStringLiteral("WHR Location")), 0, 0);
    grid->addWidget(nameBox_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("(Use a unique name descriptive of the location)")),
                    0, 2);
    auto* notes = new ui::DataMemo(&dm_.whrData(), QStringLiteral("Site Description/Notes"));
    ui::setHint(notes, QStringLiteral("Enter any text here that will describe the weather station "
                                      "site location and characteristics."));
    notes->setFixedHeight(56);
    grid->addWidget(new QLabel(QStringLiteral("Site Description and  Notes")), 1, 0, Qt::AlignTop);
    grid->addWidget(notes, 1, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* WHRForm::buildMonthGrid() {
    auto* box = new QGroupBox;
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    const auto& series = whrSeries();
    for (size_t s = 0; s < series.size(); ++s) {
        const int column = int(s) + 1;
        auto* heading = new QLabel(series[s].heading.join(QLatin1Char('\n')));
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(heading, 0, column);
        for (int m = 1; m <= 12; ++m) {
            auto* edit = new ui::DataNumericEdit(
                &dm_.whrData(), store::monthField(series[s].prefix, m), series[s].picture);
            edit->setAlignment(Qt::AlignRight);
            edit->setMaximumWidth(96);
            ui::setHint(edit, series[s].hint);
            grid->addWidget(edit, m, column);
            monthBoxes_.push_back(edit);
        }
    }
    for (int m = 1; m <= 12; ++m)
        grid->addWidget(new QLabel(QLatin1String(kMonthNames[m - 1])), m, 0);
    return box;
}

QWidget* WHRForm::buildLegend() {
    auto* legend = new QWidget;
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(24);
    for (const char* text :
         {"+Needed both methods", "xNeeded Radiation method", "#Needed temperature method"})
        row->addWidget(new QLabel(QLatin1String(text)));
    row->addStretch();
    return legend;
}

void WHRForm::buildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    report::addFileMenu(bar, this, dm_.whrData(),
                        {{QStringLiteral("Print Location List"), buildWHRLocationList},
                         {QStringLiteral("Print All Marked"), buildWHRDetails, true}});
    editor_->addMarksMenu(bar);
    ui::Help::addMenu(bar, [this] { showAboutBox(this); });
}

ui::DataNumericEdit* WHRForm::monthBox(int series, int month) const {
    return monthBoxes_.at(size_t(series * 12 + month - 1));
}

void WHRForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::applyKeepOnScreen(this);
}

void WHRForm::done(int result) {
    dm_.closeClimateTables();
    QDialog::done(result);
}

void WHRForm::printLocationList() {
    report::printTableReport(dm_.whrData(), buildWHRLocationList, this);
}

void WHRForm::printAllMarked() {
    report::printMarkedRows(dm_.whrData(), buildWHRDetails, this);
}

} // namespace kova::climedit
