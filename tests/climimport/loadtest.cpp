// Continue of the county selection: counties and stations into `County` and `Climate`, the
// add and replace flows with their questions, and the single transaction that leaves both
// tables as they were when anything fails.

#include "countyfixture.h"
#include "stationrows.h"
#include "tempdatabase.h"

#include "climedit/import/climateloader.h"
#include "climedit/import/climatescan.h"
#include "climedit/import/stationrecord.h"
#include "store/table.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kova::climimport;
using namespace kova::climimport::test;
using kova::store::Table;

namespace {

const QString kLaramie = QStringLiteral("Laramie, WY");
const QString kMaricopa = QStringLiteral("Maricopa, AZ");
const QString kLosAngeles = QStringLiteral("Los Angeles, CA");

// Every row of a table as text, in primary-key order: "exactly as before" means equal dumps.
QStringList dump(const QString& tableName) {
    Table table(tableName);
    if (!table.open())
        return {QStringLiteral("cannot open ") + table.errorString()};
    QStringList rows;
    for (table.first(); !table.eof(); table.next()) {
        QStringList values;
        for (const QVariant& v : table.record().values())
            values << v.toString();
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList stationNames(const QString& county = {}) {
    Table table(QStringLiteral("Climate"));
    table.open();
    QStringList names;
    for (table.first(); !table.eof(); table.next())
        if (county.isEmpty() || table.asString(QStringLiteral("County")) == county)
            names << table.asString(QStringLiteral("Station Name"));
    names.sort();
    return names;
}

// "NAME=WHR Location", with " (marked)" for marked rows, in name order.
QStringList weatherSites() {
    Table table(QStringLiteral("Climate"));
    table.open();
    QStringList sites;
    for (table.first(); !table.eof(); table.next())
        sites << table.asString(QStringLiteral("Station Name")) + QLatin1Char('=') +
                     table.asString(QStringLiteral("WHR Location")) +
                     (table.asBool(QStringLiteral("Marked")) ? QStringLiteral(" (marked)")
                                                             : QString());
    sites.sort();
    return sites;
}

void addStation(const QString& name, const QString& county, const QString& weatherSite = {}) {
    QString error;
    ASSERT_TRUE(kova::test::addStation({name, county, true, weatherSite}, &error))
        << error.toStdString();
}

class LoadTest : public ::testing::Test {
protected:
    ScanResult scan(const QStringList& examples) {
        for (const QString& name : examples)
            dirs.copyExample(name);
        return ClimateScan(dirs.work(), numbers, log).run(dirs.countyDir());
    }
    LoadResult load(const QStringList& counties, bool addMode) {
        ClimateLoader loader(dirs.work(), log, answerer);
        loader.setProgress([this](int done, int total, const QString& county) {
            progress << QStringLiteral("%1/%2 %3").arg(done).arg(total).arg(county);
        });
        return loader.load(counties, addMode);
    }
    void writeStationFile(const QByteArray& text) {
        QFile file(dirs.work().stationFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    kova::test::TempDatabase database{kova::test::TempDatabase::Contents::EmptySchema};
    ImportDirs dirs;
    RunningNumber numbers;
    MessageLog log;
    ScriptedAnswerer answerer;
    QStringList progress;
};

TEST_F(LoadTest, LoadedStationCarriesEveryValueOfItsRecord) {
    scan({QStringLiteral("56021.txt")});
    const LoadResult result = load({kLaramie}, true);
    ASSERT_EQ(result.outcome, LoadOutcome::Loaded) << log.texts().join('|').toStdString();
    EXPECT_EQ(result.stations, 1);
    Table climate(QStringLiteral("Climate"));
    ASSERT_TRUE(climate.open());
    ASSERT_EQ(climate.recordCount(), 1);
    climate.first();
    EXPECT_EQ(climate.asString(QStringLiteral("Station Name")), QStringLiteral("CHEYENNE"));
    EXPECT_EQ(climate.asString(QStringLiteral("County")), kLaramie);
    EXPECT_EQ(climate.asString(QStringLiteral("Station No")), QStringLiteral("WY24018"));
    EXPECT_DOUBLE_EQ(climate.asFloat(QStringLiteral("Latitude")), 4109);
    EXPECT_DOUBLE_EQ(climate.asFloat(QStringLiteral("Longitude")), 10448);
    EXPECT_DOUBLE_EQ(climate.asFloat(QStringLiteral("Elevation")), 6128);
    EXPECT_DOUBLE_EQ(climate.asFloat(QStringLiteral("T Jan")), 28.8);
    EXPECT_DOUBLE_EQ(climate.asFloat(QStringLiteral("T Dec")), 27.7);
    EXPECT_DOUBLE_EQ(climate.asFloat(QStringLiteral("P Jan")), 0.33);
    EXPECT_DOUBLE_EQ(climate.asFloat(QStringLiteral("P Dec")), 0.49);
    EXPECT_EQ(climate.asString(QStringLiteral("Spr mo/dy 28")), QStringLiteral("05/02"));
    EXPECT_EQ(climate.asString(QStringLiteral("Fall mo/dy 28")), QStringLiteral("10/11"));
    EXPECT_EQ(climate.asString(QStringLiteral("Spr mo/dy 32")), QStringLiteral("05/12"));
    EXPECT_EQ(climate.asString(QStringLiteral("Fall mo/dy 32")), QStringLiteral("10/01"));
    EXPECT_EQ(dump(QStringLiteral("County")), QStringList{kLaramie});
    EXPECT_EQ(progress, QStringList{QStringLiteral("1/1 Laramie, WY")});
}

TEST_F(LoadTest, ReplaceModeEmptiesBothTablesAndLoadsOnlyTheSelection) {
    addStation(QStringLiteral("OLD STATION"), QStringLiteral("Old, XX"));
    scan({QStringLiteral("56021.txt"), QStringLiteral("06037.txt")});
    const LoadResult result = load({kLosAngeles}, false);
    ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_TRUE(answerer.questions.isEmpty());
    EXPECT_EQ(dump(QStringLiteral("County")), QStringList{kLosAngeles});
    EXPECT_EQ(stationNames(), (QStringList{QStringLiteral("LONG BEACH DAUGHERTY FLD"),
                                           QStringLiteral("LOS ANGELES DWTN USC CAMPUS")}));
}

TEST_F(LoadTest, AddModeAsksAboutAnExistingCountyAndYesReplacesItsStations) {
    addStation(QStringLiteral("OLD CHEYENNE"), kLaramie);
    addStation(QStringLiteral("OLD STATION"), QStringLiteral("Old, XX"));
    scan({QStringLiteral("56021.txt"), QStringLiteral("04013.txt")});
    answerer = ScriptedAnswerer({true});
    const LoadResult result = load({kLaramie, kMaricopa}, true);
    ASSERT_EQ(result.outcome, LoadOutcome::Loaded) << log.texts().join('|').toStdString();
    EXPECT_EQ(answerer.questions, QStringList{QStringLiteral(
                                      "There is already a county named Laramie, WY. Replace it?")});
    EXPECT_EQ(stationNames(kLaramie), QStringList{QStringLiteral("CHEYENNE")});
    EXPECT_EQ(stationNames(kMaricopa), QStringList{QStringLiteral("PHOENIX SKY HARBOR INTL AP")});
    EXPECT_EQ(stationNames(QStringLiteral("Old, XX")), QStringList{QStringLiteral("OLD STATION")});
    EXPECT_EQ(dump(QStringLiteral("County")).size(), 3);
}

TEST_F(LoadTest, AddModeNoKeepsTheCountyAsItIsAndLoadsTheOthers) {
    addStation(QStringLiteral("OLD CHEYENNE"), kLaramie);
    scan({QStringLiteral("56021.txt"), QStringLiteral("04013.txt")});
    answerer = ScriptedAnswerer({false});
    const LoadResult result = load({kLaramie, kMaricopa}, true);
    ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(result.counties, QStringList{kMaricopa});
    EXPECT_EQ(stationNames(kLaramie), QStringList{QStringLiteral("OLD CHEYENNE")});
    EXPECT_EQ(stationNames(kMaricopa), QStringList{QStringLiteral("PHOENIX SKY HARBOR INTL AP")});
}

TEST_F(LoadTest, NoForTheOnlyCountyOrAnEmptySelectionChangesNothing) {
    addStation(QStringLiteral("OLD CHEYENNE"), kLaramie);
    scan({QStringLiteral("56021.txt")});
    const QStringList climateBefore = dump(QStringLiteral("Climate"));
    const QStringList countyBefore = dump(QStringLiteral("County"));

    answerer = ScriptedAnswerer({false});
    EXPECT_EQ(load({kLaramie}, true).outcome, LoadOutcome::NoCounties);
    EXPECT_EQ(load({}, false).outcome, LoadOutcome::NoCounties); // never wipes by accident
    ASSERT_EQ(log.messages().size(), 2u);
    EXPECT_EQ(log.messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(log.messages()[0].text, QStringLiteral("There are no selected counties!"));
    EXPECT_EQ(dump(QStringLiteral("Climate")), climateBefore);
    EXPECT_EQ(dump(QStringLiteral("County")), countyBefore);
}

TEST_F(LoadTest, ReplaceModeWithNoStationOfTheSelectionStillEmptiesTheTables) {
    addStation(QStringLiteral("OLD STATION"), QStringLiteral("Old, XX"));
    writeStationFile({});
    EXPECT_EQ(load({kLaramie}, false).outcome, LoadOutcome::Loaded);
    EXPECT_TRUE(stationNames().isEmpty());
    EXPECT_EQ(dump(QStringLiteral("County")), QStringList{kLaramie});
}

// A station imported again under its name keeps the weather site chosen for it (and starts
// unmarked like every imported station); the name compares as the name index does.
TEST_F(LoadTest, ReimportedStationsKeepTheirWeatherSites) {
    const QString dodgeCitySite = QStringLiteral("Dodge City KS Airport (WBAN 13985)");
    addStation(QStringLiteral("CHEYENNE"), kLaramie, QStringLiteral("Cheyenne WHR"));
    addStation(QStringLiteral("Dodge City"), QStringLiteral("Ford, KS"), dodgeCitySite);
    addStation(QStringLiteral("GONE"), QStringLiteral("Ford, KS"), QStringLiteral("Gone WHR"));
    addStation(QStringLiteral("PHOENIX SKY HARBOR INTL AP"), QStringLiteral("Old, AZ"),
               QStringLiteral("Phoenix WHR"));
    scan({QStringLiteral("56021.txt"), QStringLiteral("20057.txt"), QStringLiteral("04013.txt")});

    answerer = ScriptedAnswerer({true});
    const LoadResult added = load({QStringLiteral("Ford, KS")}, true);
    ASSERT_EQ(added.outcome, LoadOutcome::Loaded) << log.texts().join('|').toStdString();
    EXPECT_EQ(weatherSites(), (QStringList{QStringLiteral("CHEYENNE=Cheyenne WHR (marked)"),
                                           QStringLiteral("DODGE CITY=") + dodgeCitySite,
                                           QStringLiteral("PHOENIX SKY HARBOR INTL AP=Phoenix "
                                                          "WHR (marked)")}));

    // Replace mode: every station goes, and each one imported again keeps its site.
    const LoadResult replaced = load({kLaramie, kMaricopa}, false);
    ASSERT_EQ(replaced.outcome, LoadOutcome::Loaded) << log.texts().join('|').toStdString();
    EXPECT_EQ(weatherSites(),
              (QStringList{QStringLiteral("CHEYENNE=Cheyenne WHR"),
                           QStringLiteral("PHOENIX SKY HARBOR INTL AP=Phoenix WHR")}));
}

// A station without a name could never be posted: it is left out when converted, so the
// other stations of the import still load.
TEST_F(LoadTest, AStationWithoutANameIsLeftOutAndTheOthersLoad) {
    QList<QByteArray> lines = linesOf(exampleFile(QStringLiteral("56021.txt")));
    lines[0].replace("CHEYENNE", "");
    dirs.writeCountyFile(QStringLiteral("56021.txt"), joinLines(lines));
    const ScanResult scanned = scan({QStringLiteral("56013.txt")});
    EXPECT_EQ(log.texts(),
              QStringList{QStringLiteral("Invalid values ? aborting Sta : Station Name (must "
                                         "have a value)\n")});
    const LoadResult result = load(scanned.counties, true);
    EXPECT_EQ(result.outcome, LoadOutcome::Loaded) << log.texts().join('|').toStdString();
    EXPECT_EQ(result.stations, 1);
}

TEST_F(LoadTest, RecordsOfCountiesNotSelectedAreSkipped) {
    scan({QStringLiteral("56021.txt"), QStringLiteral("06037.txt"), QStringLiteral("04013.txt")});
    const LoadResult result = load({kMaricopa, kLaramie}, true);
    EXPECT_EQ(result.stations, 2);
    EXPECT_EQ(stationNames(), (QStringList{QStringLiteral("CHEYENNE"),
                                           QStringLiteral("PHOENIX SKY HARBOR INTL AP")}));
}

// A load that fails part way leaves `Climate` and `County` exactly as they were, in both modes.
struct BrokenWorkFile {
    const char* what;
    QByteArray secondRecord;
    const char* message;
};

class LoadRollbackTest : public LoadTest, public ::testing::WithParamInterface<BrokenWorkFile> {};

const QByteArray kGoodRecord = "#1 Laramie, WY|CHEYENNE|WY24018 \n"
                               "4109 10448 6128 \n"
                               "1 2 3 4 5 6 7 8 9 10 11 12 \n"
                               "1 2 3 4 5 6 7 8 9 10 11 12 \n"
                               "05/02 10/11 05/12 10/01 \n\n";

TEST_P(LoadRollbackTest, BothModesLeaveTheTablesAsBefore) {
    addStation(QStringLiteral("OLD CHEYENNE"), kLaramie);
    addStation(QStringLiteral("OLD STATION"), QStringLiteral("Old, XX"));
    const QStringList climateBefore = dump(QStringLiteral("Climate"));
    const QStringList countyBefore = dump(QStringLiteral("County"));
    writeStationFile(kGoodRecord + GetParam().secondRecord);

    for (bool addMode : {false, true}) {
        log.clear();
        answerer = ScriptedAnswerer({true});
        EXPECT_EQ(load({kLaramie}, addMode).outcome, LoadOutcome::Failed);
        ASSERT_FALSE(log.messages().empty());
        EXPECT_EQ(log.messages().back().kind, MessageKind::Error);
        if (*GetParam().message) {
            EXPECT_EQ(log.messages().back().text.toStdString(), GetParam().message);
        }
        EXPECT_EQ(dump(QStringLiteral("Climate")), climateBefore) << "add mode " << addMode;
        EXPECT_EQ(dump(QStringLiteral("County")), countyBefore) << "add mode " << addMode;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryLine, LoadRollbackTest,
    ::testing::Values(
        BrokenWorkFile{"header", "#2 Laramie, WY CHEYENNE 2\n", "1 End of file or error"},
        BrokenWorkFile{"location", "#2 Laramie, WY|B|WY1 \n", "2 End of file or error"},
        BrokenWorkFile{"temperature", "#2 Laramie, WY|B|WY1 \n1 2 3 \n1 2 3\n",
                       "3 End of file or error"},
        BrokenWorkFile{"precipitation",
                       "#2 Laramie, WY|B|WY1 \n1 2 3 \n" +
                           QByteArray("1 2 3 4 5 6 7 8 9 10 11 12 \n"),
                       "4 End of file or error"},
        BrokenWorkFile{"dates",
                       "#2 Laramie, WY|B|WY1 \n1 2 3 \n1 2 3 4 5 6 7 8 9 10 11 12 \n"
                       "1 2 3 4 5 6 7 8 9 10 11 12 \n05/02 10/11\n",
                       "6 End of file or error"},
        // The same station name twice: the table refuses the second row.
        BrokenWorkFile{"duplicate", kGoodRecord, ""}),
    [](const ::testing::TestParamInfo<BrokenWorkFile>& info) {
        return std::string(info.param.what);
    });

TEST_F(LoadTest, ControlCharactersOfAnEditedWorkFileAreBlanked) {
    QByteArray record = kGoodRecord;
    record.replace("CHEYENNE", "CHEY\xc2\x9b"
                               "ENNE\x1b");
    writeStationFile(record);
    dirs.work().noteStationWritten(kLaramie);
    ASSERT_EQ(load({kLaramie}, true).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(stationNames(), QStringList{QStringLiteral("CHEY ENNE ")});
}

TEST_F(LoadTest, MissingWorkFileIsReportedAndChangesNothing) {
    addStation(QStringLiteral("OLD STATION"), QStringLiteral("Old, XX"));
    const QStringList climateBefore = dump(QStringLiteral("Climate"));
    QFile::remove(dirs.work().stationFile());
    EXPECT_EQ(load({kLaramie}, false).outcome, LoadOutcome::Failed);
    EXPECT_EQ(log.texts().last(), QStringLiteral("Can't open TmpTP.txt file for reading"));
    EXPECT_EQ(dump(QStringLiteral("Climate")), climateBefore);
    EXPECT_EQ(dump(QStringLiteral("County")), QStringList{QStringLiteral("Old, XX")});
}

TEST_F(LoadTest, ApostropheCountyLoadsAndFilters) {
    QList<QByteArray> lines = linesOf(exampleFile(QStringLiteral("56021.txt")));
    lines[0] = "WEATHER RECORDS Station : PRIMGHAR, IA136800  1981-2010";
    lines[2] = "  State FIPS/County(FIPS): 19141    County Name: O'Brien";
    dirs.writeCountyFile(QStringLiteral("19141.txt"), joinLines(lines));
    const ScanResult scanned = ClimateScan(dirs.work(), numbers, log).run(dirs.countyDir());
    const QString obrien = QStringLiteral("O'Brien, IA");
    ASSERT_EQ(scanned.counties, QStringList{obrien});
    ASSERT_EQ(load({obrien}, true).outcome, LoadOutcome::Loaded);

    Table climate(QStringLiteral("Climate"));
    ASSERT_TRUE(climate.open());
    ASSERT_TRUE(climate.setFilter(QStringLiteral("County = 'O'Brien, IA'")));
    climate.setFiltered(true);
    EXPECT_EQ(climate.recordCount(), 1);
    EXPECT_EQ(climate.asString(QStringLiteral("Station No")), QStringLiteral("IA136800"));

    // A second import asks about it by its exact name.
    answerer = ScriptedAnswerer({true});
    ASSERT_EQ(load({obrien}, true).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(answerer.questions.size(), 1);
    EXPECT_EQ(stationNames(obrien), QStringList{QStringLiteral("PRIMGHAR")});
}

TEST_F(LoadTest, OverlongNamesAreCutToTheirFieldsAndRecognisedNextTime) {
    QList<QByteArray> lines = linesOf(exampleFile(QStringLiteral("56021.txt")));
    lines[0] = "WEATHER RECORDS Station : A STATION NAME FAR LONGER THAN ITS FIELD, WY240181234  x";
    lines[2] = "  State FIPS/County(FIPS): 56021    County Name: Laramie And Some Very Long Tail";
    dirs.writeCountyFile(QStringLiteral("56021.txt"), joinLines(lines));
    ClimateScan(dirs.work(), numbers, log).run(dirs.countyDir());
    const QString county = QStringLiteral("Laramie And Some Very Long Tail, WY");
    ASSERT_EQ(load({county}, true).outcome, LoadOutcome::Loaded)
        << log.texts().join('|').toStdString();
    Table climate(QStringLiteral("Climate"));
    ASSERT_TRUE(climate.open());
    climate.first();
    EXPECT_EQ(climate.asString(QStringLiteral("Station Name")),
              QStringLiteral("A STATION NAME FAR LONGER THAN ITS FIELD").left(35));
    EXPECT_EQ(climate.asString(QStringLiteral("County")), county.left(25));
    EXPECT_EQ(climate.asString(QStringLiteral("Station No")), QStringLiteral("WY240181"));
    EXPECT_EQ(dump(QStringLiteral("County")), QStringList{county.left(25)});

    answerer = ScriptedAnswerer({true});
    ASSERT_EQ(load({county}, true).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(answerer.questions.size(), 1);
    EXPECT_EQ(stationNames().size(), 1);
}

} // namespace
