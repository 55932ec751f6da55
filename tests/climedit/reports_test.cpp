// The five climate reports, printed from their forms into PDF and read back as text.

#include "climeditfixture.h"
#include "pdftext.h"

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

// Every delivered station: each county heads its group once, a county that runs onto the next
// page is named again there, and the details keep the stored digits and dates.
TEST_F(Reports, LongListsNameTheirCountyOnEveryPage) {
    ClimDBForm form(*dm);
    form.show();
    form.editor()->markAllAction()->trigger();
    form.printListByCounty();
    form.printAllMarked();
    ASSERT_EQ(reportFiles.size(), 2);

    const int pages = reportPages(0);
    ASSERT_GT(pages, 1);
    int continued = 0;
    for (int page = 2; page <= pages; ++page) {
        QStringList lines;
        for (const QString& line : kova::test::pdfPageText(reportFiles[0], page).split('\n'))
            if (!line.trimmed().isEmpty())
                lines << line.trimmed();
        ASSERT_GE(lines.size(), 3) << "page " << page;
        // Page heading, column heading, then a county or the total: never a bare station.
        EXPECT_TRUE(lines[2].startsWith(QStringLiteral("County:")) ||
                    lines[2].startsWith(QStringLiteral("TOTAL NUMBER OF STATIONS:")))
            << "page " << page << ": " << lines[2].toStdString();
        continued += lines[2].endsWith(QStringLiteral("(continued)"));
    }
    EXPECT_GT(continued, 0) << "the delivered list splits a county across pages";

    // Compatibility form: the PDF may hold "ff" as one ligature glyph ("Scotts Bluff").
    const QString byCounty = reportText(0).normalized(QString::NormalizationForm_KC);
    store::Table counties(QStringLiteral("County"));
    ASSERT_TRUE(counties.open());
    for (counties.first(); !counties.eof(); counties.next()) {
        const QString name = counties.asString(QStringLiteral("County"));
        const QRegularExpression heading(QStringLiteral("^[ \\t]*County:[ \\t]+%1[ \\t]*$")
                                             .arg(QRegularExpression::escape(name)),
                                         QRegularExpression::MultilineOption);
        EXPECT_EQ(byCounty.count(heading), 1) << name.toStdString();
    }

    for (int page = 1; page <= reportPages(1); ++page) {
        const QString text = kova::test::pdfPageText(reportFiles[1], page);
        if (!text.contains(QStringLiteral("NEEDLES AP")))
            continue;
        EXPECT_TRUE(text.contains(QStringLiteral("54.25"))) << "a two-decimal mean";
        EXPECT_TRUE(text.contains(QStringLiteral("01/06"))) << "a freeze in the next January";
    }
    EXPECT_TRUE(showsTotal(reportText(1), QStringLiteral("Total Number of Stations:"),
                           rowCount(QStringLiteral("Climate"))));
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
