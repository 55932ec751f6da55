// The climate station form on a private copy of the delivered database.

#include "climeditfixture.h"
#include "stationrows.h"

#include "climedit/climdbform.h"
#include "climedit/countyfilterdialog.h"
#include "store/fieldnames.h"
#include "store/table.h"
#include "ui/datacontrols.h"
#include "ui/managededitor.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace kova::climedit::test {

namespace {

const QString kCaption = QStringLiteral("Climate Station (Temperature and Precipitation) Database");
const QString kName = QStringLiteral("Station Name");
const QString kCounty = QStringLiteral("County");

void addStation(const QString& name, const QString& county, bool marked = false) {
    QString error;
    ASSERT_TRUE(kova::test::addStation({name, county, marked, {}}, &error)) << error.toStdString();
}

void addCounty(const QString& county) {
    QString error;
    ASSERT_TRUE(kova::test::addCounty(county, &error)) << error.toStdString();
}

struct StationForm : ClimEditFixture {
    void open() {
        form = std::make_unique<ClimDBForm>(*dm);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    store::Table& table() { return dm->clmTable(); }
    QString current(const QString& field = QStringLiteral("Station Name")) {
        return table().asString(field);
    }
    // Picks `county` in the "Select County" dialog and presses OK.
    void chooseCounty(const QString& county) {
        onNextDialog([this, county](QDialog&) {
            EXPECT_TRUE(dm->cntyListTable().findKey({county}));
            return int(QDialog::Accepted);
        });
        form->showOrCancelCounty();
    }
    void leaveBox(QWidget* next) {
        next->setFocus();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<ClimDBForm> form;
};

} // namespace

TEST_F(StationForm, OpensReadOnlyAndEditModeTogglesCommandsCaptionAndPosting) {
    open();
    EXPECT_EQ(form->windowTitle(), kCaption);
    EXPECT_FALSE(dm->climateData().autoEdit());
    EXPECT_TRUE(form->stationNameBox()->isReadOnly());
    EXPECT_FALSE(form->whrOkButton()->isEnabled());
    EXPECT_FALSE(form->editor()->insertAction()->isEnabled());
    EXPECT_TRUE(dm->cntyListTable().isOpen() && dm->whrTable().isOpen());

    ASSERT_TRUE(form->editor()->toggleEditMode());
    EXPECT_EQ(form->windowTitle(), kCaption + QStringLiteral(" [Edit Mode]"));
    EXPECT_EQ(form->editor()->gotoEditAction()->text(), QStringLiteral("Stop Edit"));
    EXPECT_TRUE(form->whrOkButton()->isEnabled());
    EXPECT_TRUE(form->editor()->deleteAction()->isEnabled());
    EXPECT_FALSE(form->stationNameBox()->isReadOnly());

    const QString before = current();
    form->stationNameBox()->setCursorPosition(int(before.size()));
    QTest::keyClicks(form->stationNameBox(), QStringLiteral(" 2"));
    EXPECT_EQ(table().state(), store::EditState::Edit);
    ASSERT_TRUE(form->editor()->toggleEditMode()); // leaving edit mode posts
    EXPECT_EQ(form->windowTitle(), kCaption + QStringLiteral(" [Read Only Mode]"));
    EXPECT_EQ(countWhere(QStringLiteral("Climate"), kName, before + QStringLiteral(" 2")), 1);

    form->close();
    EXPECT_FALSE(dm->clmTable().isOpen());
    EXPECT_FALSE(dm->cntyListTable().isOpen());
    EXPECT_FALSE(dm->whrTable().isOpen());
}

// Delivered stations show every stored digit and post unchanged, also with a spring date after
// the fall one (POINT MUGU NF) or freeze dates in the next January (NEEDLES AP).
TEST_F(StationForm, ShowsDeliveredValuesAsStoredAndPostsThemUnchanged) {
    open();
    auto box = [this](const QString& field) -> QLineEdit* {
        for (auto* edit : form->findChildren<ui::DataNumericEdit*>())
            if (edit->link()->field() == field)
                return edit;
        for (auto* edit : form->findChildren<ui::DataTextEdit*>())
            if (edit->link()->field() == field)
                return edit;
        return nullptr;
    };
    table().setIndexName(QStringLiteral("StaNameIndex"));
    ASSERT_TRUE(table().findKey({QStringLiteral("NEEDLES AP")}));
    QCoreApplication::processEvents();
    ASSERT_NE(box(QStringLiteral("T Jan")), nullptr);
    EXPECT_EQ(box(QStringLiteral("T Jan"))->text(), QStringLiteral("54.25"));
    EXPECT_EQ(box(QStringLiteral("Spr mo/dy 32"))->text(), QStringLiteral("01/06"));

    for (const char* name : {"NEEDLES AP", "POINT MUGU NF"}) {
        ASSERT_TRUE(table().findKey({QLatin1String(name)}));
        ASSERT_TRUE(form->editor()->toggleEditMode());
        QLineEdit* elevation = box(QStringLiteral("Elevation"));
        elevation->selectAll();
        QTest::keyClicks(elevation, QStringLiteral("20"));
        ASSERT_TRUE(form->editor()->toggleEditMode()) << name; // leaving edit mode posts
        EXPECT_EQ(table().asFloat(QStringLiteral("Elevation")), 20.0) << name;
    }
    EXPECT_EQ(table().asString(QStringLiteral("Spr mo/dy 32")), QStringLiteral("12/29"));
    EXPECT_EQ(table().asString(QStringLiteral("Fall mo/dy 32")), QStringLiteral("12/24"));
    ASSERT_TRUE(table().findKey({QStringLiteral("NEEDLES AP")}));
    EXPECT_DOUBLE_EQ(table().asFloat(QStringLiteral("T Jan")), 54.25);
}

TEST_F(StationForm, SearchGoesToTheNearestRowByNameOrNumberAndKeepsTheOrder) {
    open();
    promptAnswers = {QStringLiteral("phoenix"), QStringLiteral("23183"), QStringLiteral("ZZZZ"),
                     QString()};
    form->sortBy(ClimDBForm::SortByCounty);
    form->searchByName(); // the name index ignores case
    EXPECT_EQ(current(), QStringLiteral("PHOENIX SKY HARBOR INTL AP"));
    EXPECT_EQ(table().indexName(), QStringLiteral("CountyIndex"));

    table().first();
    form->searchByNumber();
    EXPECT_EQ(current(), QStringLiteral("PHOENIX SKY HARBOR INTL AP"));

    form->searchByName(); // past every name: the last in name order
    store::Table byName(QStringLiteral("Climate"));
    byName.setIndexName(QStringLiteral("StaNameIndex"));
    ASSERT_TRUE(byName.open());
    byName.last();
    EXPECT_EQ(current(), byName.asString(kName));

    const QString before = current();
    form->searchByName(); // cancelled
    EXPECT_EQ(current(), before);
    EXPECT_EQ(promptsShown,
              (QStringList{QStringLiteral("Station Name Search|Enter Station Name"),
                           QStringLiteral("Station Number Search|Enter Station Number"),
                           QStringLiteral("Station Name Search|Enter Station Name"),
                           QStringLiteral("Station Name Search|Enter Station Name")}));
}

TEST_F(StationForm, SortsOrderByTheirIndexFromTheFirstRow) {
    open();
    form->sortBy(ClimDBForm::SortByNumber);
    EXPECT_EQ(table().indexName(), QStringLiteral("StaNumberIndex"));
    EXPECT_EQ(table().recNo(), 0);
    QString previous;
    for (table().first(); !table().eof(); table().next()) {
        EXPECT_LE(previous, table().asString(QStringLiteral("Station No")));
        previous = table().asString(QStringLiteral("Station No"));
    }
    form->sortBy(ClimDBForm::SortByCounty);
    EXPECT_EQ(table().indexName(), QStringLiteral("CountyIndex"));
    EXPECT_EQ(table().recNo(), 0);
}

TEST_F(StationForm, ReopensInNameOrderAfterASort) {
    store::Table byName(QStringLiteral("Climate"));
    byName.setIndexName(QStringLiteral("StaNameIndex"));
    ASSERT_TRUE(byName.open());
    byName.first();
    const QString firstByName = byName.asString(QStringLiteral("Station Name"));
    byName.close();

    open();
    form->sortBy(ClimDBForm::SortByNumber);
    form->close();
    open();
    EXPECT_EQ(table().indexName(), QStringLiteral("StaNameIndex"));
    EXPECT_EQ(table().recNo(), 0);
    EXPECT_EQ(current(), firstByName);
}

TEST_F(StationForm, ShowCountyRestrictsTheViewAndCancelCountyLiftsIt) {
    addStation(QStringLiteral("CHEYENNE TEST 2"), QStringLiteral("Laramie, WY"));
    open();
    const int all = table().recordCount();

    onNextDialog([](QDialog&) { return int(QDialog::Rejected); });
    form->showOrCancelCounty();
    EXPECT_EQ(form->showCountyAction()->text(), QStringLiteral("Show County"));
    EXPECT_EQ(table().recordCount(), all);
    EXPECT_EQ(dialogsShown.last(), QStringLiteral("kova::climedit::CountyFilterDialog"));

    chooseCounty(QStringLiteral("Laramie, WY"));
    EXPECT_EQ(form->showCountyAction()->text(), QStringLiteral("Cancel County"));
    ASSERT_EQ(table().recordCount(), 2);
    for (table().first(); !table().eof(); table().next())
        EXPECT_EQ(current(kCounty), QStringLiteral("Laramie, WY"));

    // A search keeps the county shown.
    promptAnswers = {QStringLiteral("CHEYENNE TEST")};
    form->searchByName();
    EXPECT_EQ(table().recordCount(), 2);
    EXPECT_EQ(current(), QStringLiteral("CHEYENNE TEST 2"));

    form->showOrCancelCounty();
    EXPECT_EQ(form->showCountyAction()->text(), QStringLiteral("Show County"));
    EXPECT_EQ(table().recordCount(), all);
}

TEST_F(StationForm, CountyRangeCombinesWithTheMarkedFilterAndMarkAllReachesEveryRow) {
    addStation(QStringLiteral("CHEYENNE MARKED"), QStringLiteral("Laramie, WY"), true);
    addStation(QStringLiteral("CHEYENNE PLAIN"), QStringLiteral("Laramie, WY"));
    addStation(QStringLiteral("FAR AWAY MARKED"), QStringLiteral("Pima, AZ"), true);
    open();
    chooseCounty(QStringLiteral("Laramie, WY"));
    EXPECT_EQ(table().recordCount(), 3);
    form->editor()->showMarkedAction()->trigger();
    EXPECT_EQ(form->editor()->showMarkedAction()->text(), QStringLiteral("Show Only Marked"));
    ASSERT_EQ(table().recordCount(), 1);
    EXPECT_EQ(current(), QStringLiteral("CHEYENNE MARKED"));

    form->showOrCancelCounty();
    EXPECT_EQ(table().recordCount(), 2); // both marked stations, any county
    form->editor()->showMarkedAction()->trigger();

    chooseCounty(QStringLiteral("Laramie, WY"));
    form->editor()->markAllAction()->trigger();
    EXPECT_EQ(markedRows(QStringLiteral("Climate")), rowCount(QStringLiteral("Climate")));
    form->editor()->clearAllMarksAction()->trigger();
    EXPECT_EQ(markedRows(QStringLiteral("Climate")), 0);
}

TEST_F(StationForm, ACountyNameWithAnApostropheWorksInRangeAndSearch) {
    addCounty(QStringLiteral("O'Brien, IA"));
    addStation(QStringLiteral("O'BRIEN SHELDON"), QStringLiteral("O'Brien, IA"));
    open();
    chooseCounty(QStringLiteral("O'Brien, IA"));
    ASSERT_EQ(table().recordCount(), 1);
    EXPECT_EQ(current(), QStringLiteral("O'BRIEN SHELDON"));
    form->showOrCancelCounty();
    promptAnswers = {QStringLiteral("o'brien")};
    form->searchByName();
    EXPECT_EQ(current(), QStringLiteral("O'BRIEN SHELDON"));
}

TEST_F(StationForm, DeleteAsksByNameAndCleansUpTheCountyList) {
    addStation(QStringLiteral("AAA SECOND IN PIMA"), QStringLiteral("Pima, AZ"));
    open();
    ASSERT_TRUE(form->editor()->toggleEditMode());

    // No: nothing happens.
    table().first();
    const QString first = current();
    form->editor()->deleteAction()->trigger();
    ASSERT_FALSE(responder->asked().empty());
    EXPECT_EQ(responder->asked().back().title, first);
    EXPECT_EQ(responder->asked().back().text, QStringLiteral("Delete?"));
    EXPECT_EQ(responder->asked().back().informativeText, first);
    EXPECT_TRUE(responder->asked().back().destructive);
    EXPECT_EQ(countWhere(QStringLiteral("Climate"), kName, first), 1);
    EXPECT_TRUE(form->editor()->editMode());

    // The last station of its county takes the county with it.
    promptAnswers = {QStringLiteral("FLAGSTAFF")};
    form->searchByName();
    ASSERT_EQ(current(kCounty), QStringLiteral("Coconino, AZ"));
    responder->queue(ui::Answer::Yes);
    form->editor()->deleteAction()->trigger();
    EXPECT_EQ(countWhere(QStringLiteral("Climate"), kName, QStringLiteral("FLAGSTAFF PULLIAM AP")),
              0);
    EXPECT_EQ(countWhere(QStringLiteral("County"), kCounty, QStringLiteral("Coconino, AZ")), 0);
    EXPECT_FALSE(form->editor()->editMode()); // the clean-up leaves edit mode

    // A county that keeps a station stays, and the form goes to the first row.
    ASSERT_TRUE(form->editor()->toggleEditMode());
    promptAnswers = {QStringLiteral("TUCSON")};
    form->searchByName();
    ASSERT_EQ(current(kCounty), QStringLiteral("Pima, AZ"));
    responder->queue(ui::Answer::Yes);
    form->editor()->deleteAction()->trigger();
    EXPECT_EQ(countWhere(QStringLiteral("County"), kCounty, QStringLiteral("Pima, AZ")), 1);
    EXPECT_EQ(table().recNo(), 0);
    EXPECT_FALSE(form->editor()->editMode());
}

TEST_F(StationForm, LeavingTheCountyBoxListsANewCountyAtOnceAndRefusesAnEmptyOne) {
    open();
    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->editor()->insertAction()->trigger();
    ASSERT_EQ(table().state(), store::EditState::Insert);
    EXPECT_EQ(QApplication::focusWidget(), form->stationNameBox());

    form->countyBox()->setFocus();
    leaveBox(form->latitudeBox());
    EXPECT_TRUE(messageTexts().contains(QStringLiteral("Must make a County, State entry")));
    EXPECT_EQ(QApplication::focusWidget(), form->countyBox());

    QTest::keyClicks(form->countyBox(), QStringLiteral("Brand New, ZZ"));
    leaveBox(form->stationNameBox());
    EXPECT_EQ(table().state(), store::EditState::Insert); // the station is not posted yet
    EXPECT_EQ(countWhere(QStringLiteral("County"), kCounty, QStringLiteral("Brand New, ZZ")), 1);
    EXPECT_EQ(QApplication::focusWidget(), form->latitudeBox());

    // Leaving again adds no second row.
    form->countyBox()->setFocus();
    leaveBox(form->stationNameBox());
    EXPECT_EQ(countWhere(QStringLiteral("County"), kCounty, QStringLiteral("Brand New, ZZ")), 1);
    form->editor()->cancelAction()->trigger();
}

// The field bound to the control that has the keyboard focus.
QString focusedField() {
    auto* box = QApplication::focusWidget();
    if (auto* number = qobject_cast<ui::DataNumericEdit*>(box))
        return number->link()->field();
    if (auto* text = qobject_cast<ui::DataTextEdit*>(box))
        return text->link()->field();
    return {};
}

TEST_F(StationForm, ANewStationIsToldEveryEmptyFieldAtOnceAndTheFirstGetsTheFocus) {
    open();
    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->editor()->insertAction()->trigger();
    QTest::keyClicks(form->stationNameBox(), QStringLiteral("NEW STATION"));
    form->countyBox()->setFocus();
    QTest::keyClicks(form->countyBox(), QStringLiteral("Laramie, WY"));
    leaveBox(form->latitudeBox());
    QTest::keyClicks(form->latitudeBox(), QStringLiteral("4100"));
    responder->clear();

    EXPECT_FALSE(form->editor()->toggleEditMode()); // Stop Edit: the row cannot be saved
    ASSERT_EQ(responder->asked().size(), 1u);
    const ui::Message& told = responder->asked()[0];
    QStringList months;
    for (const char* series : {"T", "P"})
        for (int m = 1; m <= 12; ++m)
            months << store::monthField(QLatin1String(series), m);
    EXPECT_EQ(told.text, QStringLiteral("Station 'NEW STATION' cannot be saved: Longitude, "
                                        "Elevation, Spr mo/dy 28, Spr mo/dy 32, Fall mo/dy 28, "
                                        "Fall mo/dy 32, ") +
                             months.join(QStringLiteral(", ")) +
                             QStringLiteral(" must have a value."));
    EXPECT_TRUE(told.details.contains(QStringLiteral("'Climate'"))); // the table's own words
    EXPECT_EQ(focusedField(), QStringLiteral("Longitude"));
    EXPECT_EQ(table().state(), store::EditState::Insert);
    EXPECT_TRUE(form->editor()->editMode());

    // A name another station has: said by its field.
    form->stationNameBox()->selectAll();
    QTest::keyClicks(form->stationNameBox(), QStringLiteral("cheyenne"));
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
        if (box->text().isEmpty() && !box->isReadOnly())
            QTest::keyClicks(box,
                             box->maxLength() == 5 ? QStringLiteral("00/00") : QStringLiteral("1"));
    responder->clear();
    EXPECT_FALSE(form->editor()->toggleEditMode());
    ASSERT_EQ(responder->asked().size(), 1u);
    EXPECT_EQ(responder->asked()[0].text,
              QStringLiteral("Station 'cheyenne' cannot be saved: another station already has "
                             "this Station Name."));
    EXPECT_EQ(QApplication::focusWidget(), form->stationNameBox());
    form->editor()->cancelAction()->trigger();
}

TEST_F(StationForm, FrostDatesTakeARealMonthAndDayOrNoDateAndRefuseTheRest) {
    open();
    ASSERT_TRUE(form->editor()->toggleEditMode());
    const QString station = current();
    auto* spring =
        qobject_cast<QLineEdit*>(dm->climateData().controlOf(QStringLiteral("Spr mo/dy 28")));
    ASSERT_NE(spring, nullptr);
    const QString before = current(QStringLiteral("Spr mo/dy 28"));
    const QPalette normal = spring->palette();

    for (const char* bad : {"13/45", "02/29", "04/31", "5/1", "00/15"}) {
        spring->selectAll();
        QTest::keyClicks(spring, QLatin1String(bad));
        EXPECT_EQ(spring->palette().color(QPalette::Base), QColor(Qt::red)) << bad;
        EXPECT_EQ(current(QStringLiteral("Spr mo/dy 28")), before) << bad; // not stored
    }
    spring->selectAll();
    QTest::keyClicks(spring, QStringLiteral("ab/cd"));
    EXPECT_FALSE(spring->text().contains(QLatin1Char('a'))); // letters are not even typed

    // Saving while a date is refused says so by the field and goes back to it.
    spring->selectAll();
    QTest::keyClicks(spring, QStringLiteral("13/45"));
    responder->clear();
    EXPECT_FALSE(form->editor()->toggleEditMode());
    ASSERT_EQ(responder->asked().size(), 1u);
    EXPECT_EQ(responder->asked()[0].text,
              QStringLiteral("Station '%1' cannot be saved: Spr mo/dy 28 must be corrected.")
                  .arg(station));
    EXPECT_EQ(QApplication::focusWidget(), spring);
    EXPECT_EQ(countWhere(QStringLiteral("Climate"), QStringLiteral("Spr mo/dy 28"),
                         QStringLiteral("13/45")),
              0);

    for (const char* good : {"02/28", "12/31", "00/00"}) {
        spring->selectAll();
        QTest::keyClicks(spring, QLatin1String(good));
        EXPECT_EQ(spring->palette().color(QPalette::Base), normal.color(QPalette::Base)) << good;
        EXPECT_EQ(current(QStringLiteral("Spr mo/dy 28")), QLatin1String(good));
    }
    ASSERT_TRUE(form->editor()->toggleEditMode());
    EXPECT_EQ(countWhere(QStringLiteral("Climate"), kName, station), 1);
    store::Table stored(QStringLiteral("Climate"));
    ASSERT_TRUE(stored.open());
    stored.setIndexName(QStringLiteral("StaNameIndex"));
    ASSERT_TRUE(stored.findKey({station}));
    EXPECT_EQ(stored.asString(QStringLiteral("Spr mo/dy 28")), QStringLiteral("00/00"));
}

TEST_F(StationForm, RemoveWHREntryClearsAndPostsInReadOnlyMode) {
    open();
    promptAnswers = {QStringLiteral("PHOENIX")};
    form->searchByName();
    ASSERT_FALSE(current(QStringLiteral("WHR Location")).isEmpty());
    form->removeWHREntry();
    EXPECT_EQ(table().state(), store::EditState::Browse);
    EXPECT_FALSE(dm->climateData().autoEdit());
    EXPECT_TRUE(current(QStringLiteral("WHR Location")).isEmpty());
    EXPECT_EQ(countWhere(QStringLiteral("Climate"), QStringLiteral("WHR Location"),
                         QStringLiteral("Phoenix AZ Airport (WBAN 23183)")),
              0);

    // In edit mode the form stays editable.
    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->removeWHREntry();
    EXPECT_TRUE(dm->climateData().autoEdit());
}

} // namespace kova::climedit::test
