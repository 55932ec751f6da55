#include "stationwindow.h"

#include "stationreport.h"
#include "store/fieldnames.h"
#include "ui/aboutbox.h"
#include "ui/datacontrols.h"
#include "ui/datagrid.h"
#include "ui/enterastab.h"
#include "ui/helpviewer.h"
#include "ui/managededitor.h"
#include "ui/messages.h"
#include "ui/navigator.h"
#include "ui/placement.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kova::uidemo {

using namespace kova::ui;

namespace {

constexpr int kStationHelp = 14;
constexpr int kSiteHelp = 6;

QLabel* caption(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

StationWindow::StationWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Climate Station (Temperature and Precipitation) Database"));
    stations_.setIndexName(QStringLiteral("StaNameIndex"));
    if (!stations_.open() || !sites_.open()) {
        Messages::error(stations_.isOpen() ? sites_.errorString() : stations_.errorString());
        return;
    }

    auto* grid = new DataGrid(&stationData_,
                              {{QStringLiteral("Station Name"), {}, GridColumn::kFieldWidth, true},
                               {QStringLiteral("Station No"), QStringLiteral("Sta No"), 76},
                               {QStringLiteral("County"), {}, 150}});
    auto* navigator = new Navigator(&stationData_);
    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(new QLabel(QStringLiteral("<b>Stations</b>")));
    leftLayout->addWidget(grid, 1);
    leftLayout->addWidget(navigator, 0, Qt::AlignLeft);

    ManagedEditorSettings settings;
    settings.nameField = QStringLiteral("Station Name");
    settings.rowNoun = QStringLiteral("station");
    settings.showMarkedCaption = QStringLiteral("Show Only Marked");
    settings.helpContext = kStationHelp;
    editor_ = new ManagedEditor(this, &stationData_, settings);

    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(createForm());
    splitter->setStretchFactor(0, 1); // the grid takes what a larger window has to spare
    splitter->setSizes({560, 540});

    editor_->setInsertFocus(nameBox_);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(editor_->createButtonBar());
    layout->addWidget(splitter, 1);
    setCentralWidget(central);
    createMenus();
    statusBar()->showMessage(QStringLiteral("Read only: press Goto Edit to change stations"));
    connect(editor_, &ManagedEditor::editModeChanged, this, [this](bool on) {
        statusBar()->showMessage(
            on ? QStringLiteral("Editing: Stop Edit saves the station")
               : QStringLiteral("Read only: press Goto Edit to change stations"));
    });

    Help::setContext(this, kStationHelp);
    Help::installF1(this);
    EnterAsTab::install(this);
    resize(1240, 720);
}

// The bound controls go before the tables and the data source they show.
StationWindow::~StationWindow() {
    delete centralWidget();
}

QWidget* StationWindow::createForm() {
    auto* form = new QWidget;
    auto* column = new QVBoxLayout(form);
    column->setContentsMargins(6, 0, 0, 0);

    auto* station = new QGroupBox(QStringLiteral("Station"));
    auto* fields = new QGridLayout(station);
    auto* name = new DataTextEdit(&stationData_, QStringLiteral("Station Name"));
    name->setToolTip(QStringLiteral("Official weather station name"));
    nameBox_ = name;
    auto* number = new DataTextEdit(&stationData_, QStringLiteral("Station No"));
    number->setToolTip(QStringLiteral("Official weather station number."));
    auto* county = new DataTextEdit(&stationData_, QStringLiteral("County"));
    auto* latitude =
        new DataNumericEdit(&stationData_, QStringLiteral("Latitude"), QStringLiteral("####"));
    latitude->setToolTip(QStringLiteral("Latitude (example 41 deg, 19 min =  4119)."));
    auto* longitude =
        new DataNumericEdit(&stationData_, QStringLiteral("Longitude"), QStringLiteral("#####"));
    longitude->setToolTip(QStringLiteral("Longitude (Example 106 degrees, 8 minutes = 10608)."));
    auto* elevation =
        new DataNumericEdit(&stationData_, QStringLiteral("Elevation"), QStringLiteral("####"));
    elevation->setToolTip(QStringLiteral("Elevation in feet above sea level."));
    fields->addWidget(caption(QStringLiteral("Station Name")), 0, 0);
    fields->addWidget(name, 0, 1, 1, 3);
    fields->addWidget(caption(QStringLiteral("Station No")), 1, 0);
    fields->addWidget(number, 1, 1);
    fields->addWidget(caption(QStringLiteral("County, State")), 1, 2);
    fields->addWidget(county, 1, 3);
    fields->addWidget(caption(QStringLiteral("Latitude")), 2, 0);
    fields->addWidget(latitude, 2, 1);
    fields->addWidget(caption(QStringLiteral("Longitude")), 2, 2);
    fields->addWidget(longitude, 2, 3);
    fields->addWidget(caption(QStringLiteral("Elevation")), 3, 0);
    fields->addWidget(elevation, 3, 1);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    column->addWidget(station);

    auto* frost = new QGroupBox(QStringLiteral("Frost dates (mo/dy)"));
    auto* frostLayout = new QGridLayout(frost);
    const QStringList frostFields = {QStringLiteral("Spr mo/dy 28"), QStringLiteral("Spr mo/dy 32"),
                                     QStringLiteral("Fall mo/dy 28"),
                                     QStringLiteral("Fall mo/dy 32")};
    const QStringList frostCaptions = {QStringLiteral("Spring 28F"), QStringLiteral("Spring 32F"),
                                       QStringLiteral("Fall 28F"), QStringLiteral("Fall 32F")};
    for (int i = 0; i < frostFields.size(); ++i) {
        frostLayout->addWidget(caption(frostCaptions[i]), 0, 2 * i);
        auto* box = new DataTextEdit(&stationData_, frostFields[i]);
        box->setMaximumWidth(70);
        frostLayout->addWidget(box, 0, 2 * i + 1);
    }
    frostLayout->addWidget(new QLabel(QStringLiteral("(00/00 means it does not get this cold)")), 1,
                           0, 1, 8);
    column->addWidget(frost);
    column->addWidget(createMonthlyGroup());

    auto* site = new QGroupBox(QStringLiteral("Wind, Humidity, Radiation Location Name"));
    auto* siteLayout = new QHBoxLayout(site);
    auto* siteList =
        new DataLookupCombo(&stationData_, QStringLiteral("WHR Location"), &sites_,
                            QStringLiteral("WHR Location"), QStringLiteral("WHR Location"));
    siteList->setToolTip(
        QStringLiteral("Select A representative WHR location name from the database list."));
    Help::setContext(site, kSiteHelp);
    siteLayout->addWidget(siteList, 1);
    column->addWidget(site);
    column->addWidget(editor_->createMarkedIndicator(), 0, Qt::AlignLeft);

    column->addStretch();
    return form;
}

QWidget* StationWindow::createMonthlyGroup() {
    auto* group = new QGroupBox(QStringLiteral("Average Monthly"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("Temperature")), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Precipitation")), 2, 0);
    for (int month = 1; month <= 12; ++month) {
        auto* heading = new QLabel(store::monthName(month));
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, month);
        auto* t = new DataNumericEdit(&stationData_, store::monthField(QStringLiteral("T"), month),
                                      QStringLiteral("##.#"));
        t->setToolTip(QStringLiteral("Mean monthly average daily temperature."));
        auto* p = new DataNumericEdit(&stationData_, store::monthField(QStringLiteral("P"), month),
                                      QStringLiteral("##.##"));
        p->setToolTip(QStringLiteral("Mean daily average daily precipitation."));
        for (QLineEdit* box : {static_cast<QLineEdit*>(t), static_cast<QLineEdit*>(p)})
            box->setMinimumWidth(44);
        grid->addWidget(t, 1, month);
        grid->addWidget(p, 2, month);
    }
    return group;
}

void StationWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
#ifdef KOVA_UIDEMO_REPORTS
    file->addAction(QStringLiteral("Print All Marked"), this, &StationWindow::printAllMarked);
    file->addSeparator();
#endif
    file->addAction(QStringLiteral("Close"), this, &QWidget::close);
    editor_->addMarksMenu(menuBar());
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Contents"), [] { Help::showContents(); });
    help->addAction(QStringLiteral("&Search For Help on..."), [] { Help::showSearch(); });
    help->addAction(QStringLiteral("&About..."), this, [this] {
        AboutBox(QStringLiteral("Kova Climate database program (KovaClim)"),
                 QCoreApplication::applicationVersion(), this)
            .exec();
    });
    statusBar();
}

void StationWindow::printAllMarked() {
#ifdef KOVA_UIDEMO_REPORTS
    // The marked filter is on for the report and as it was afterwards.
    const bool wasFiltered = stations_.filtered();
    editor_->showMarkedOnly(true);
    if (previewStationReport(stations_, this) == 0)
        Messages::information(QStringLiteral("No station is marked."), this);
    editor_->showMarkedOnly(wasFiltered);
#endif
}

void StationWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    applyKeepOnScreen(this);
}

} // namespace kova::uidemo
