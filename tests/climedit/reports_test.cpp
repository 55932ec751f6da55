// The five climate reports, printed from their forms into PDF and read back as text.

#include "climeditfixture.h"

#include "climedit/climdbform.h"
#include "climedit/whrform.h"
#include "store/table.h"
#include "ui/managededitor.h"

#include <QAction>
#include <QRegularExpression>

namespace kova::climedit::test {

namespace {

// "Caption:" followed by the number, whatever the spacing of the text layout.
bool showsTotal(const QString& text, const QString& caption, int total) {
    return text.contains(QRegularExpression(QRegularExpression::escape(caption) +
                                            QStringLiteral("\\s+%1\\b").arg(total)));
}

void markStations(const QStringList& names) {
    store::Table climate(QStringLiteral("Climate"));
    climate.setIndexName(QStringLiteral("StaNameIndex"));
    ASSERT_TRUE(climate.open());
    for (const QString& name : names) {
        ASSERT_TRUE(climate.findKey({name}));
        ASSERT_TRUE(climate.edit());
        climate.setValue(QStringLiteral("Marked"), true);
        ASSERT_TRUE(climate.post());
    }
}

struct Reports : ClimEditFixture {};

} // namespace

TEST_F(Reports, StationListsByCountyAndByStationCountEveryStationShown) {
    const int stations = rowCount(QStringLiteral("Climate"));
    ClimDBForm form(*dm);
    form.show();
    form.printListByCounty();
    form.printListByStation();
    ASSERT_EQ(reportFiles.size(), 2);
    EXPECT_EQ(dm->clmTable().indexName(), QStringLiteral("StaNameIndex")); // put back

    const QString byCounty = reportText(0);
    for (const char* text : {"Kova Climate Database", "Station List, By County",
                             "County: Laramie, WY", "Wind, Humidity & Rad. Sta. Loc.", "CHEYENNE",
                             "Cheyenne WY Airport (WBAN 24018)", "Page 1"})
        EXPECT_TRUE(byCounty.contains(QLatin1String(text))) << text;
    EXPECT_TRUE(showsTotal(byCounty, QStringLiteral("TOTAL NUMBER OF STATIONS:"), stations));
    // Grouped in county order: Ada before Yellowstone.
    EXPECT_LT(byCounty.indexOf(QStringLiteral("County: Ada, ID")),
              byCounty.indexOf(QStringLiteral("County: Yellowstone, MT")));

    const QString list = reportText(1);
    EXPECT_TRUE(list.contains(QStringLiteral("List of All Stations")));
    EXPECT_TRUE(showsTotal(list, QStringLiteral("Total Number of Stations:"), stations));
    EXPECT_LT(list.indexOf(QStringLiteral("ALAMOSA")), list.indexOf(QStringLiteral("YAKIMA")));
}

TEST_F(Reports, PrintAllMarkedPrintsOnlyMarkedStationsAndPutsTheViewBack) {
    markStations({QStringLiteral("CHEYENNE"), QStringLiteral("DODGE CITY")});
    ClimDBForm form(*dm);
    form.show();
    const int shown = dm->clmTable().recordCount();
    form.printAllMarked();
    ASSERT_EQ(reportFiles.size(), 1);
    const QString text = reportText(0);
    EXPECT_TRUE(text.contains(QStringLiteral("Selected Station Details")));
    EXPECT_TRUE(text.contains(QStringLiteral("CHEYENNE")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ford, KS")));
    EXPECT_FALSE(text.contains(QStringLiteral("PHOENIX")));
    EXPECT_TRUE(showsTotal(text, QStringLiteral("Total Number of Stations:"), 2));
    EXPECT_EQ(dm->clmTable().recordCount(), shown);

    // With "Show Only Marked" on, the view stays filtered after the report.
    form.editor()->showMarkedAction()->trigger();
    form.printAllMarked();
    EXPECT_EQ(dm->clmTable().recordCount(), 2);
}

TEST_F(Reports, WHRReportsListTheSitesAndTheMarkedDetails) {
    const int sites = rowCount(QStringLiteral("ClimWHR"));
    WHRForm form(*dm);
    form.show();
    form.editor()->clearAllMarksAction()->trigger();
    form.printAllMarked(); // nothing marked: nothing to print, and the user is told
    EXPECT_TRUE(reportFiles.isEmpty());
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("There is nothing to print.")});

    form.printLocationList();
    dm->whrTable().first();
    const QString site = dm->whrTable().asString(QStringLiteral("WHR Location"));
    form.editor()->markAction()->trigger();
    form.printAllMarked();
    ASSERT_EQ(reportFiles.size(), 2);

    const QString list = reportText(0);
    EXPECT_TRUE(list.contains(QStringLiteral("Kova: Wind, Humidity and Radiation Database")));
    EXPECT_TRUE(list.contains(QStringLiteral("List of Data Source Locations")));
    EXPECT_TRUE(showsTotal(list, QStringLiteral("Total Number of Locations:"), sites));

    const QString details = reportText(1);
    EXPECT_TRUE(details.contains(QStringLiteral("Selected Stations, Details")));
    EXPECT_TRUE(details.contains(site));
    EXPECT_TRUE(showsTotal(details, QStringLiteral("Total Number of Locations:"), 1));
    EXPECT_EQ(dm->whrTable().recordCount(), sites);
}

} // namespace kova::climedit::test
