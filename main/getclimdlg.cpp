#include "getclimdlg.h"

#include "ui/datacontrols.h"
#include "ui/datagrid.h"
#include "ui/helpviewer.h"
#include "ui/labels.h"
#include "ui/messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::mainwin {

namespace {

constexpr int kStationHelp = 10;
const QString kCounty = QStringLiteral("County");
const QString kStationName = QStringLiteral("Station Name");

QVBoxLayout* headed(const QString& heading, QWidget* grid) {
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(heading));
    column->addWidget(grid, 1);
    ui::Help::setContext(grid, kStationHelp);
    return column;
}

} // namespace

GetClimDlg::GetClimDlg(const QString& alias, const QString& currentStation, QWidget* parent)
    : QDialog(parent), counties_(kCounty, alias), stations_(QStringLiteral("Climate"), alias) {
    setWindowTitle(QStringLiteral("Get Climate Station"));
    countySource_.setAutoEdit(false);
    stationSource_.setAutoEdit(false);
    openTables();

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    ok_->setToolTip(QStringLiteral("Save station and Continue"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* bar = new QHBoxLayout;
    bar->addWidget(ok_);
    bar->addStretch();
    bar->addWidget(ui::helpButton(kStationHelp));

    auto* chosen = ui::bold(new ui::DataLabel(&stationSource_, kStationName));
    chosen->setTextFormat(Qt::PlainText);
    chosen->setObjectName(QStringLiteral("stationName"));

    countyGrid_ =
        new ui::DataGrid(&countySource_, {{kCounty, kCounty, ui::GridColumn::kFieldWidth, true}});
    stationGrid_ = new ui::DataGrid(
        &stationSource_,
        {{kStationName, kStationName, ui::GridColumn::kFieldWidth, true},
         {QStringLiteral("Station No"), QStringLiteral("Station No"), ui::GridColumn::kFieldWidth},
         {kCounty, kCounty, ui::GridColumn::kFieldWidth}});
    connect(stationGrid_, &QAbstractItemView::doubleClicked, this, [this] {
        if (ok_->isEnabled())
            accept();
    });
    auto* grids = new QHBoxLayout;
    grids->addLayout(headed(QStringLiteral("Select County"), countyGrid_), 2);
    grids->addLayout(headed(QStringLiteral("Select Weather Station "), stationGrid_), 5);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(new QLabel(QStringLiteral("Climate Station Name")));
    layout->addWidget(chosen);
    layout->addLayout(grids, 1);
    ui::Help::setContext(this, kStationHelp);
    ui::Help::installF1(this);
    resize(860, 480);

    connect(&counties_, &store::Table::currentChanged, this, &GetClimDlg::showCountyStations);
    connect(&stations_, &store::Table::rowsReset, this,
            [this] { ok_->setEnabled(stations_.isOpen() && !stations_.isEmpty()); });
    showCountyStations();
    goToStation(alias, currentStation);
}

void GetClimDlg::openTables() {
    stations_.setIndexName(QStringLiteral("StaNameIndex"));
    for (store::Table* table : {&counties_, &stations_})
        if (!table->open()) {
            ui::Messages::error(QStringLiteral("The climate stations cannot be listed."),
                                table->errorString(), parentWidget());
            return;
        }
}

// The station list follows the county selected.
void GetClimDlg::showCountyStations() {
    if (!stations_.isOpen())
        return;
    const QString county =
        counties_.isOpen() && !counties_.isEmpty() ? counties_.asString(kCounty) : QString();
    // The table's filter takes the text between the first and the last quote, so county
    // names with apostrophes ("O'Brien, IA") need no escaping.
    const QString expression = QStringLiteral("County = '") + county + QLatin1Char('\'');
    if (stations_.filter() != expression || !stations_.filtered()) {
        stations_.setFilter(expression);
        stations_.setFiltered(true);
        stations_.first();
    }
    ok_->setEnabled(!stations_.isEmpty());
}

void GetClimDlg::goToStation(const QString& alias, const QString& stationName) {
    store::Table lookup(QStringLiteral("Climate"), alias);
    lookup.setIndexName(stations_.indexName());
    if (stationName.isEmpty() || !lookup.open() || !lookup.findKey({stationName}))
        return;
    // Moving the county filters the stations to it; the station is then among them.
    if (counties_.isOpen() && counties_.findKey({lookup.asString(kCounty)}))
        stations_.findKey({stationName});
}

std::optional<QString> GetClimDlg::chosenStation() const {
    if (!stations_.isOpen() || stations_.isEmpty())
        return std::nullopt;
    return stations_.asString(kStationName);
}

} // namespace kova::mainwin
