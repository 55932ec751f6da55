#include "climdbform.h"

#include "countyfilterdialog.h"
#include "countylist.h"
#include "datamodule.h"
#include "program.h"
#include "stationreports.h"

#include "report/previewwindow.h"
#include "store/fieldnames.h"
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

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::climedit {

using store::EditState;

namespace {

const QString kCaption = QStringLiteral("Climate Station (Temperature and Precipitation) Database");
const QString kStationName = QStringLiteral("Station Name");
const QString kCounty = QStringLiteral("County");
const QString kWHRLocation = QStringLiteral("WHR Location");
const QString kShowCounty = QStringLiteral("Show County");
const QString kCancelCounty = QStringLiteral("Cancel County");
const QString kCountyIndex = QStringLiteral("CountyIndex");
const QString kStaNameIndex = QStringLiteral("StaNameIndex");
constexpr int kFormHelp = 14;
constexpr int kWHRHelp = 6;

QLabel* caption(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

ClimDBForm::ClimDBForm(DataModule& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setWindowTitle(kCaption);
    // The form opens in name order whatever order it was last sorted in.
    dm_.clmTable().setIndexName(kStaNameIndex);
    ui::openTable(dm_.clmTable());
    ui::openTable(dm_.cntyListTable());
    ui::openTable(dm_.whrTable());

    // The stations beside the station's boxes, the monthly values across the foot: the form
    // fits a 1024 x 768 screen and gives the grid what a larger one has to spare.
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    grid_ = new ui::DataGrid(&dm_.climateData(),
                             {{kStationName, kStationName, ui::GridColumn::kFieldWidth, true},
                              {QStringLiteral("Station No"), QStringLiteral("Station No"), 76},
                              {kCounty, kCounty, 160}});
    grid_->setMinimumWidth(320);
    left->addWidget(grid_, 1);
    navigator_ = new ui::Navigator(&dm_.climateData(), ui::Navigator::kMoves);
    left->addWidget(navigator_, 0, Qt::AlignLeft);
    body->addLayout(left, 1);

    auto* fields = new QVBoxLayout;
    fields->addWidget(buildStationBoxes());
    fields->addWidget(buildWHRGroup());
    fields->addStretch();
    body->addLayout(fields);

    ui::ManagedEditorSettings settings;
    settings.nameField = kStationName;
    settings.rowNoun = QStringLiteral("station");
    settings.markTable = QStringLiteral("Climate");
    settings.showMarkedCaption = QStringLiteral("Show Only Marked");
    settings.insertFocus = nameBox_;
    settings.editOnly = {whrOk_};
    settings.deleteRow = [this] { return deleteStation(); };
    settings.helpContext = kFormHelp;
    editor_ = new ui::ManagedEditor(this, &dm_.climateData(), settings);

    auto* markRow = new QHBoxLayout;
    markRow->addWidget(editor_->createMarkedIndicator());
    markRow->addStretch();
    fields->insertLayout(2, markRow);

    layout->addWidget(editor_->createButtonBar());
    layout->addLayout(body, 1);
    layout->addWidget(buildMonthlyBoxes());
    buildMenus();

    ui::Help::setContext(this, kFormHelp);
    ui::Help::installF1(this);
    ui::EnterAsTab::install(this);
    countyBox_->installEventFilter(this);
    resize(1120, 700);
}

QWidget* ClimDBForm::buildStationBoxes() {
    ui::DataSource* source = &dm_.climateData();
    auto* box = new QGroupBox(QStringLiteral("Station"));
    auto* grid = new QGridLayout(box);
    nameBox_ = new ui::DataTextEdit(source, kStationName);
    ui::setHint(nameBox_, QStringLiteral("Official weather station name"));
    auto* number = new ui::DataTextEdit(source, QStringLiteral("Station No"));
    ui::setHint(number, QStringLiteral("Official weather station number."));
    countyBox_ = new ui::DataTextEdit(source, kCounty);
    grid->addWidget(caption(QStringLiteral("Station Name")), 0, 0);
    grid->addWidget(nameBox_, 0, 1, 1, 3);
    grid->addWidget(caption(QStringLiteral("Station No")), 1, 0);
    grid->addWidget(number, 1, 1);
    grid->addWidget(caption(QStringLiteral("County, State")), 2, 0);
    grid->addWidget(countyBox_, 2, 1, 1, 3);

    auto* latitude =
        new ui::DataNumericEdit(source, QStringLiteral("Latitude"), QStringLiteral("####"));
    ui::setHint(latitude, QStringLiteral("Latitude (example 41 deg, 19 min =  4119)."));
    latitudeBox_ = latitude;
    auto* longitude =
        new ui::DataNumericEdit(source, QStringLiteral("Longitude"), QStringLiteral("#####"));
    ui::setHint(longitude, QStringLiteral("Longitude (Example 106 degrees, 8 minutes = 10608)."));
    auto* elevation =
        new ui::DataNumericEdit(source, QStringLiteral("Elevation"), QStringLiteral("#####"));
    ui::setHint(elevation, QStringLiteral("Elevation in feet above sea level."));
    grid->addWidget(caption(QStringLiteral("Latitude")), 3, 0);
    grid->addWidget(latitude, 3, 1);
    grid->addWidget(caption(QStringLiteral("Longitude")), 3, 2);
    grid->addWidget(longitude, 3, 3);
    grid->addWidget(caption(QStringLiteral("Elevation (feet)")), 4, 0);
    grid->addWidget(elevation, 4, 1);
    for (QLineEdit* shortBox :
         {static_cast<QLineEdit*>(number), static_cast<QLineEdit*>(latitude),
          static_cast<QLineEdit*>(longitude), static_cast<QLineEdit*>(elevation)})
        shortBox->setMaximumWidth(90);

    struct Frost {
        const char* field;
        const char* label;
        const char* hint;
    };
    const Frost frost[] = {
        {"Spr mo/dy 28", "Spring 28F", "1st spring date when 50 % chance of 28F or higher."},
        {"Spr mo/dy 32", "Spring 32F", "1st spring date when 50% chance of 32F or higher."},
        {"Fall mo/dy 28", "Fall 28F", "Last fall date when 50% chance of 28F or higher."},
        {"Fall mo/dy 32", "Fall 32F", "Last fall date when 50% chance of 32F or higher."}};
    grid->addWidget(new QLabel(QStringLiteral("Frost dates (mo/dy, 50% chance)")), 5, 0, 1, 4);
    for (int i = 0; i < 4; ++i) {
        auto* date = new ui::DataTextEdit(source, QLatin1String(frost[i].field));
        ui::setHint(date, QLatin1String(frost[i].hint));
        date->setMaximumWidth(70);
        grid->addWidget(caption(QLatin1String(frost[i].label)), 6 + i / 2, (i % 2) * 2);
        grid->addWidget(date, 6 + i / 2, (i % 2) * 2 + 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("(00/00 means it does not get this cold)")), 8, 0, 1,
                    4);
    return box;
}

QWidget* ClimDBForm::buildMonthlyBoxes() {
    ui::DataSource* source = &dm_.climateData();
    auto* box = new QGroupBox(QStringLiteral("Average Monthly"));
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(4);
    struct Series {
        const char* prefix;
        const char* caption;
        const char* picture;
        const char* hint;
    };
    const Series series[] = {
        // Two decimals: a mean of the published maximum and minimum ends in .05 steps.
        {"T", "Temperature (F)", "###.##", "Mean monthly average daily temperature."},
        {"P", "Precipitation (inches)", "##.##", "Mean daily average daily precipitation."}};
    for (int m = 1; m <= 12; ++m)
        grid->addWidget(new QLabel(store::monthName(m)), 0, m, Qt::AlignCenter);
    // A series at a time, so Enter walks January to December.
    for (int row = 1; row <= 2; ++row) {
        const Series& s = series[row - 1];
        grid->addWidget(new QLabel(QLatin1String(s.caption)), row, 0);
        for (int m = 1; m <= 12; ++m) {
            auto* edit = new ui::DataNumericEdit(
                source, store::monthField(QLatin1String(s.prefix), m), QLatin1String(s.picture));
            ui::setHint(edit, QLatin1String(s.hint));
            edit->setMinimumWidth(52);
            edit->setMaximumWidth(90);
            grid->addWidget(edit, row, m);
        }
    }
    return box;
}

QWidget* ClimDBForm::buildWHRGroup() {
    auto* box = new QGroupBox(QStringLiteral("Wind, Humidity, Radiation Location Name"));
    auto* grid = new QGridLayout(box);
    whrBox_ = new ui::DataLookupCombo(&dm_.climateData(), kWHRLocation, &dm_.whrTable(),
                                      kWHRLocation, kWHRLocation);
    ui::setHint(whrBox_, QStringLiteral(
                             "Select A representative WHR location name from the database list."));
    // The list opens as wide as its longest site; the box itself leaves room to the grid.
    whrBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    whrBox_->setMinimumContentsLength(28);
    whrBox_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(whrBox_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("Remove WHR Entry"), this, &ClimDBForm::removeWHREntry);
        menu.addAction(QStringLiteral("Cancel action"));
        menu.exec(whrBox_->mapToGlobal(at));
    });
    whrOk_ = new QPushButton(QStringLiteral("OK"));
    ui::setHint(whrOk_, QStringLiteral("Save this modified record."));
    connect(whrOk_, &QPushButton::clicked, this, &ClimDBForm::postFromWHRGroup);
    whrOk_->setAutoDefault(false);
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [] { ui::Help::showContext(kWHRHelp); });
    ui::Help::setContext(box, kWHRHelp);
    grid->addWidget(whrBox_, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("(Right click to remove entry)")), 1, 0);
    grid->addWidget(whrOk_, 1, 1);
    grid->addWidget(help, 1, 2);
    grid->setColumnStretch(0, 1);
    return box;
}

void ClimDBForm::buildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Print All Marked"), this, &ClimDBForm::printAllMarked);
    file->addAction(QStringLiteral("Print List by County"), this, &ClimDBForm::printListByCounty);
    file->addAction(QStringLiteral("Print List by Station"), this, &ClimDBForm::printListByStation);
    file->addSeparator();
    file->addAction(QStringLiteral("Close"), this, &QWidget::close);

    editor_->addMarksMenu(bar);

    QMenu* search = bar->addMenu(QStringLiteral("&Search"));
    search->addAction(QStringLiteral("Station Name"), this, &ClimDBForm::searchByName);
    search->addAction(QStringLiteral("Station Number"), this, &ClimDBForm::searchByNumber);
    QMenu* sort = bar->addMenu(QStringLiteral("S&ort"));
    sort->addAction(QStringLiteral("County"), this, [this] { sortBy(SortByCounty); });
    sort->addAction(QStringLiteral("Station Name"), this, [this] { sortBy(SortByName); });
    sort->addAction(QStringLiteral("Station Number"), this, [this] { sortBy(SortByNumber); });

    showCounty_ = bar->addAction(kShowCounty);
    connect(showCounty_, &QAction::triggered, this, &ClimDBForm::showOrCancelCounty);

    ui::Help::addMenu(
        bar, [this] { showAboutBox(this); }, QStringLiteral("&Search For Help on..."));
}

void ClimDBForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    editor_->captureCaption();
    dm_.climateData().setAutoEdit(editor_->editMode());
    ui::applyKeepOnScreen(this);
    nameBox_->setFocus();
}

void ClimDBForm::done(int result) {
    dm_.closeClimateTables();
    QDialog::done(result);
}

// --- search and sort ------------------------------------------------------------------------

void ClimDBForm::searchByName() {
    search(kStaNameIndex, QStringLiteral("Station Name Search"),
           QStringLiteral("Enter Station Name"));
}

void ClimDBForm::searchByNumber() {
    search(QStringLiteral("StaNumberIndex"), QStringLiteral("Station Number Search"),
           QStringLiteral("Enter Station Number"));
}

void ClimDBForm::search(const QString& indexName, const QString& title, const QString& prompt) {
    const std::optional<QString> text = ui::askText(this, title, prompt);
    if (!text || !dm_.climateData().post())
        return;
    store::Table& table = dm_.clmTable();
    const QString remembered = table.indexName();
    table.setIndexName(indexName);
    table.findNearest({*text});
    const qint64 found = table.currentRowId();
    table.setIndexName(remembered);
    // Changing the index lifts a range; the county shown stays shown.
    if (!countyShown_.isEmpty()) {
        table.setRange({countyShown_}, {countyShown_});
        table.moveToRowId(found);
    }
}

void ClimDBForm::sortBy(int tag) {
    static const QString indexes[] = {kCountyIndex, kStaNameIndex,
                                      QStringLiteral("StaNumberIndex")};
    if (tag < SortByCounty || tag > SortByNumber)
        return;
    // A county range lives on the county order; another order lifts it.
    if (dm_.climateData().showInOrder(indexes[tag]))
        setCountyShown({});
}

// --- county restriction ---------------------------------------------------------------------

void ClimDBForm::setCountyShown(const QString& county) {
    countyShown_ = county;
    showCounty_->setText(county.isEmpty() ? kShowCounty : kCancelCounty);
}

void ClimDBForm::showOrCancelCounty() {
    store::Table& table = dm_.clmTable();
    if (!countyShown_.isEmpty()) {
        if (!dm_.climateData().post())
            return;
        setCountyShown({});
        table.cancelRange();
        return;
    }
    if (!ui::openTable(dm_.cntyListTable()))
        return;
    CountyFilterDialog dialog(dm_.cntyListData(), this);
    if (ui::showModal(dialog) != QDialog::Accepted)
        return;
    const QString county = dm_.cntyListTable().asString(kCounty);
    if (!county.isEmpty() && dm_.climateData().showKeyRange(kCountyIndex, county))
        setCountyShown(county);
}

// --- delete and the county list -------------------------------------------------------------

bool ClimDBForm::deleteStation() {
    store::Table& table = dm_.clmTable();
    if (table.state() == EditState::Insert) {
        table.cancel(); // an unposted row has nothing to delete
        return true;
    }
    const QString deletedCounty = table.asString(kCounty);
    if (!table.remove()) {
        dm_.climateData().tellFailure(QStringLiteral("deleted"));
        return false;
    }
    countyCleanup(deletedCounty);
    return true;
}

void ClimDBForm::countyCleanup(const QString& deletedCounty) {
    store::Table& table = dm_.clmTable();
    const qint64 current = table.currentRowId();
    QString error;
    const int remaining = stationsInCounty(deletedCounty, &error);
    if (remaining < 0) {
        ui::Messages::error(error, this);
    } else if (remaining > 0) {
        table.first();
    } else if (!deletedCounty.isEmpty()) {
        if (ui::openTable(dm_.cntyListTable()) &&
            !removeCountyRow(dm_.cntyListTable(), deletedCounty, &error))
            ui::Messages::error(error, this);
        table.moveToRowId(current);
    }
    editor_->toggleEditMode();
}

bool ClimDBForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == countyBox_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window taking the focus (a message box, a menu) is not leaving the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !checkingCounty_)
            QMetaObject::invokeMethod(this, &ClimDBForm::countyEntered, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void ClimDBForm::countyEntered() {
    store::Table& table = dm_.clmTable();
    const bool hasRow = table.state() == EditState::Edit || table.state() == EditState::Insert ||
                        (table.state() == EditState::Browse && table.recordCount() > 0);
    // In read-only mode the box cannot be typed into, so there is nothing to check.
    if (!editor_->editMode() || !hasRow || !isVisible())
        return;
    checkingCounty_ = true;
    const QString county = countyBox_->text();
    if (county.isEmpty()) {
        ui::Messages::error(QStringLiteral("Must make a County, State entry"), this);
        countyBox_->setFocus();
    } else {
        QString error;
        if (ui::openTable(dm_.cntyListTable()) &&
            !ensureCountyListed(dm_.cntyListTable(), county, &error))
            ui::Messages::error(error, this);
        latitudeBox_->setFocus();
    }
    checkingCounty_ = false;
}

// --- WHR site -------------------------------------------------------------------------------

void ClimDBForm::removeWHREntry() {
    store::Table& table = dm_.clmTable();
    if (table.state() == EditState::Inactive ||
        (table.state() == EditState::Browse && table.recordCount() == 0))
        return;
    if ((table.state() == EditState::Browse && !table.edit()) ||
        !table.setValue(kWHRLocation, QVariant())) {
        dm_.climateData().tellFailure(QStringLiteral("changed"));
        return;
    }
    dm_.climateData().post();
    // Back to what the mode allows: read-only mode types nothing into the row.
    dm_.climateData().setAutoEdit(editor_->editMode());
}

void ClimDBForm::postFromWHRGroup() {
    dm_.climateData().post();
}

// --- reports ----------------------------------------------------------------------------------

void ClimDBForm::printListByCounty() {
    if (!dm_.climateData().post())
        return;
    store::Table& table = dm_.clmTable();
    const QString remembered = table.indexName();
    // The county shown already has the county order; switching again would lift its range.
    const bool switchIndex = remembered != kCountyIndex;
    if (switchIndex)
        table.setIndexName(kCountyIndex);
    const auto built = buildStationListByCounty(table);
    report::showReport(built->report, this);
    if (switchIndex)
        table.setIndexName(remembered);
}

void ClimDBForm::printListByStation() {
    report::printTableReport(dm_.climateData(), buildStationList, this);
}

void ClimDBForm::printAllMarked() {
    report::printMarkedRows(dm_.climateData(), buildStationDetails, this);
}

} // namespace kova::climedit
