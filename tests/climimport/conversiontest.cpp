// Conversion of county files into the work file "TmpTP.txt", record by record, with every
// abort message and the damaged inputs a county file can bring.

#include "countyfixture.h"

#include "climedit/import/countyfileconverter.h"
#include "climedit/import/sectionparser.h"
#include "climedit/import/stationfilereader.h"
#include "climedit/import/stationrecord.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace kova::climimport;
using namespace kova::climimport::test;

namespace {

const QByteArray kCheyenneRecord =
    "#1 Laramie, WY|CHEYENNE|WY24018 \n"
    "4109 10448 6128 \n"
    "28.8  29.6  35.9  42.8  52.4  62.1  69.4  67.6  58.2  46.3  35.3  27.7  \n"
    "0.33  0.47  1.05  1.78  2.34  2.34  2.19  1.95  1.48  0.93  0.59  0.49  \n"
    "05/02 10/11 05/12 10/01 \n"
    "\n";

class ConversionTest : public ::testing::Test {
protected:
    FileConversion convert(const QString& name, const QByteArray& text) {
        return converter.convert(dirs.writeCountyFile(name, text));
    }
    FileConversion convertExample(const QString& name) {
        return converter.convert(dirs.copyExample(name));
    }
    // The Cheyenne file with line `index` replaced (or, with `keep`, cut after `keep` lines).
    QByteArray cheyenneWithLine(qsizetype index, const QByteArray& line) {
        QList<QByteArray> lines = linesOf(exampleFile(QStringLiteral("56021.txt")));
        lines[index] = line;
        return joinLines(lines);
    }
    QByteArray cheyenneCutAfter(qsizetype keep) {
        return joinLines(linesOf(exampleFile(QStringLiteral("56021.txt"))).mid(0, keep));
    }
    QList<QByteArray> recordLines() { return linesOf(dirs.stationFileText()); }

    ImportDirs dirs;
    RunningNumber numbers;
    MessageLog log;
    CountyFileConverter converter{dirs.work(), numbers, log};
};

TEST_F(ConversionTest, OneStationFileGivesTheRecordInTheWorkFileLayout) {
    const FileConversion result = convertExample(QStringLiteral("56021.txt"));
    EXPECT_EQ(result.code, 2); // the file ends after its form-feed line
    EXPECT_EQ(result.counties, QStringList{QStringLiteral("Laramie, WY")});
    EXPECT_EQ(dirs.stationFileText(), kCheyenneRecord);
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(ConversionTest, EitherLineEndGivesTheSameRecordWithoutCarriageReturns) {
    const QByteArray lfOnly = joinLines(linesOf(exampleFile(QStringLiteral("56021.txt"))), "\n");
    convert(QStringLiteral("56021.txt"), lfOnly);
    EXPECT_EQ(dirs.stationFileText(), kCheyenneRecord);

    ImportDirs crlf;
    RunningNumber n;
    CountyFileConverter(crlf.work(), n, log).convert(crlf.copyExample(QStringLiteral("56021.txt")));
    EXPECT_FALSE(crlf.stationFileText().contains('\r'));
    EXPECT_EQ(crlf.stationFileText(), kCheyenneRecord);
}

TEST_F(ConversionTest, TwelveThirtyOneBecomesNoDateAndBlanksBecomeZeros) {
    convertExample(QStringLiteral("04013.txt"));
    const auto lines = recordLines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "#1 Maricopa, AZ|PHOENIX SKY HARBOR INTL AP|AZ23183 ");
    EXPECT_EQ(lines[1], "3326 11200 1107 ");
    EXPECT_TRUE(lines[2].startsWith("56.4  ")) << lines[2].constData();
    EXPECT_TRUE(lines[3].startsWith("0.91  ")) << lines[3].constData();
    EXPECT_EQ(lines[4], "01/01 00/00 01/05 01/03 ");
}

TEST_F(ConversionTest, LongitudeUnderOneHundredAndLeadingZeroElevation) {
    convertExample(QStringLiteral("20057.txt"));
    const auto lines = recordLines();
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], "#1 Ford, KS|DODGE CITY|KS13985 ");
    EXPECT_EQ(lines[1], "3746 9958 2590 ");
    EXPECT_EQ(lines[4], "04/11 10/28 04/21 10/20 ");
}

TEST_F(ConversionTest, SeveralStationsBlankAndDashDatesAndASilentlySkippedStation) {
    const FileConversion result = convertExample(QStringLiteral("06037.txt"));
    EXPECT_EQ(result.counties.size(), 2);
    EXPECT_TRUE(log.messages().empty()) << log.texts().join('|').toStdString();
    const auto lines = recordLines();
    ASSERT_EQ(lines.size(), 12); // two records of six lines
    EXPECT_EQ(lines[0], "#1 Los Angeles, CA|LONG BEACH DAUGHERTY FLD|CA23129 ");
    EXPECT_EQ(lines[4], "00/00 00/00 00/00 00/00 ");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "#2 Los Angeles, CA|LOS ANGELES DWTN USC CAMPUS|CA93134 ");
    EXPECT_TRUE(lines[8].startsWith("58.0  ")) << lines[8].constData();
    EXPECT_TRUE(lines[8].endsWith("57.6  ")) << lines[8].constData();
    EXPECT_TRUE(lines[9].endsWith("2.33  ")) << lines[9].constData();
    EXPECT_EQ(lines[10], "00/00 00/00 00/00 00/00 ");
}

TEST_F(ConversionTest, AnNBeforeTheFirstWAddsNothing) {
    const FileConversion result = convertExample(QStringLiteral("16069.txt"));
    EXPECT_EQ(result.code, 3);
    EXPECT_TRUE(result.counties.isEmpty());
    EXPECT_TRUE(dirs.stationFileText().isEmpty());
}

TEST_F(ConversionTest, EmptyAndBinaryFilesGiveNoRecordAndNoCrash) {
    EXPECT_EQ(convert(QStringLiteral("00001.txt"), {}).code, 3);
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 37 + 11) % 256);
    binary.replace('N', 'x');
    const FileConversion result = convert(QStringLiteral("00002.txt"), binary);
    EXPECT_NE(result.code, 1);
    EXPECT_TRUE(result.counties.isEmpty());
    EXPECT_TRUE(dirs.stationFileText().isEmpty());
}

TEST_F(ConversionTest, RunningNumbersContinueFromFileToFile) {
    convertExample(QStringLiteral("56021.txt"));
    convertExample(QStringLiteral("06037.txt"));
    convertExample(QStringLiteral("56013.txt"));
    const auto lines = recordLines();
    QList<QByteArray> headers;
    for (const QByteArray& line : lines)
        if (line.startsWith('#'))
            headers << line.left(3);
    EXPECT_EQ(headers, (QList<QByteArray>{"#1 ", "#2 ", "#3 ", "#4 "}));
}

TEST_F(ConversionTest, NegativeMonthlyMeanIsAValueNotAMissingMonth) {
    const QByteArray cold = "  January    10.2   -25.0   -10.5     0.33";
    convert(QStringLiteral("02185.txt"), cheyenneWithLine(15, cold));
    const auto lines = recordLines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[2].startsWith("-10.5 29.6  ")) << lines[2].constData();
}

// Each broken part of a section gives its own message naming the station, no record, and the
// conversion goes on. Lines of the Cheyenne file: 0 station, 1 location, 2 county, 15..26
// months, 47 "50 percent".
struct AbortCase {
    const char* what;
    int line; // line replaced by `text`, or -1
    const char* text;
    int keep; // lines kept when the file is cut, or -1
    const char* message;
};

AbortCase replaced(const char* what, int line, const char* text, const char* message) {
    return {what, line, text, -1, message};
}
AbortCase cut(const char* what, int keep, const char* message) {
    return {what, -1, "", keep, message};
}

class ConversionAbortTest : public ConversionTest,
                            public ::testing::WithParamInterface<AbortCase> {};

TEST_P(ConversionAbortTest, ReportsTheMessageAndWritesNoRecord) {
    const AbortCase& c = GetParam();
    const QByteArray file =
        c.line >= 0 ? cheyenneWithLine(c.line, c.text) : cheyenneCutAfter(c.keep);
    const FileConversion result = convert(QStringLiteral("56021.txt"), file);
    EXPECT_NE(result.code, 1);
    EXPECT_TRUE(result.counties.isEmpty());
    EXPECT_TRUE(dirs.stationFileText().isEmpty());
    ASSERT_EQ(log.messages().size(), 1u);
    EXPECT_EQ(log.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(log.messages()[0].text.toStdString(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMessage, ConversionAbortTest,
    ::testing::Values(
        replaced("no latitude line", 1, "  Somewhere", "Latitude ? aborting Sta CHEYENNE\n"),
        replaced("latitude without digits", 1,
                 "  Latitude: ab.c      Longitude: 10448        Elevation: 06128",
                 "Latitude ? aborting Sta CHEYENNE\n"),
        replaced("location line too short", 1, "  Latitude: 4109",
                 "Longitude ? aborting Sta CHEYENNE\n"),
        cut("file ends after the station line", 1, "Longitude ? aborting Sta CHEYENNE\n"),
        cut("file ends after the location", 2, "State ? aborting Sta CHEYENNE\n"),
        replaced("no county line", 2, "  County: Laramie", "County ? aborting Sta CHEYENNE\n"),
        replaced("county line too short", 2, "  State FIPS/County(FIPS): 56021",
                 "County ? aborting Sta CHEYENNE\n"),
        cut("file ends before January", 10, "Can't find January ? aborting Sta CHEYENNE\n"),
        cut("file ends among the months", 20,
            "Temperature & Precipitation ? aborting Sta CHEYENNE\n"),
        replaced("month line shorter than the precipitation column", 18,
                 "  April      54.9    30.8    42.8",
                 "Temperature & Precipitation ? aborting Sta CHEYENNE\n"),
        replaced("letters where the temperature belongs", 18,
                 "  April      54.9    30.8    4x.8     1.78",
                 "Temperature & Precipitation ? aborting Sta CHEYENNE\n"),
        cut("file ends before the 50 percent block", 40,
            "Can't get to 50% ? aborting Sta CHEYENNE\n"),
        cut("file ends right before the 50 percent line", 47,
            "Can't finish data ? at Sta CHEYENNE"),
        replaced("no 50 percent line", 47, "  90 percent",
                 "Can't get 208F & 32F ? aborting Sta CHEYENNE/n"),
        replaced("a spring date that is no date", 47,
                 "  50 percent *)           -   to   -       5/?2 to 10/11     5/12 to 10/ 1",
                 "Can't get 208F & 32F ? aborting Sta CHEYENNE/n")),
    [](const ::testing::TestParamInfo<AbortCase>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

// A value outside its field's valid values aborts the station with every such field named,
// whatever its size, and the next file is converted as usual.
struct OutOfRangeCase {
    const char* what;
    int line;
    const char* text;
    const char* message;
};

class OutOfRangeTest : public ConversionTest,
                       public ::testing::WithParamInterface<OutOfRangeCase> {};

TEST_P(OutOfRangeTest, AbortsTheStationAndTheImportGoesOn) {
    const OutOfRangeCase& c = GetParam();
    convert(QStringLiteral("56021.txt"), cheyenneWithLine(c.line, c.text));
    EXPECT_TRUE(dirs.stationFileText().isEmpty()) << dirs.stationFileText().constData();
    EXPECT_EQ(log.texts(), QStringList{QString::fromUtf8(c.message)});

    EXPECT_EQ(convertExample(QStringLiteral("20057.txt")).counties,
              QStringList{QStringLiteral("Ford, KS")});
    EXPECT_TRUE(dirs.stationFileText().startsWith("#1 Ford, KS|DODGE CITY|"));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCheckedField, OutOfRangeTest,
    ::testing::Values(
        OutOfRangeCase{"huge_december_temperature", 26,
                       "  December   38.2    17.3    9e99     0.49",
                       "Invalid values ? aborting Sta CHEYENNE: T Dec 9e99 (valid -80 to "
                       "130)\n"},
        OutOfRangeCase{"huge_january_temperature", 15, "  January    39.5    18.0    1e60     0.33",
                       "Invalid values ? aborting Sta CHEYENNE: T Jan 1e60 (valid -80 to "
                       "130)\n"},
        // 99.996 would be written as 100.00.
        OutOfRangeCase{"precipitation_rounded_past_its_limit", 20,
                       "  June       75.3    48.9    62.1   99.996",
                       "Invalid values ? aborting Sta CHEYENNE: P Jun 99.996 (valid 0 to "
                       "99.99)\n"},
        OutOfRangeCase{"location", 1,
                       "  Latitude: 9999      Longitude: 10448        Elevation: 99999",
                       "Invalid values ? aborting Sta CHEYENNE: Latitude 9999 (valid 0 to "
                       "9059); Elevation 99999 (valid -1000 to 29000)\n"},
        OutOfRangeCase{"frost_dates", 47,
                       "  50 percent *)           -   to   -      13/45 to 10/11     5/12 to  2/30",
                       "Invalid values ? aborting Sta CHEYENNE: Spr mo/dy 28 13/45 (valid "
                       "MM/DD or 00/00); Fall mo/dy 32 02/30 (valid MM/DD or 00/00)\n"}),
    [](const ::testing::TestParamInfo<OutOfRangeCase>& info) {
        return std::string(info.param.what);
    });

TEST(StationRecordLayout, AnyValueReadsBackAsWritten) {
    StationRecord station;
    station.county = QStringLiteral("C, XX");
    station.name = QStringLiteral("N");
    station.temperature.fill(1e300);
    station.temperature[11] = -7.26;
    station.precipitation.fill(0.126);
    station.frostDates.fill(QStringLiteral("00/00"));
    const QList<QByteArray> lines = linesOf(formatStationRecord(station));
    ASSERT_EQ(lines.size(), 6);
    const auto temperatures = parseNumbers(lines[2], 12);
    ASSERT_TRUE(temperatures.has_value()) << lines[2].constData();
    EXPECT_EQ(std::count(temperatures->begin(), temperatures->end(), 1e300), 11);
    EXPECT_EQ(temperatures->back(), -7.3);
    EXPECT_EQ(lines[3], QByteArray("0.13  ").repeated(12));
}

TEST_F(ConversionTest, ABrokenStationDoesNotStopTheNextOneOfTheFile) {
    QList<QByteArray> lines = linesOf(exampleFile(QStringLiteral("06037.txt")));
    lines[1] = "  Latitude is missing here";
    convert(QStringLiteral("06037.txt"), joinLines(lines));
    EXPECT_EQ(log.texts(),
              QStringList{QStringLiteral("Latitude ? aborting Sta LONG BEACH DAUGHERTY FLD\n")});
    const auto records = recordLines();
    ASSERT_FALSE(records.isEmpty());
    EXPECT_EQ(records[0], "#1 Los Angeles, CA|LOS ANGELES DWTN USC CAMPUS|CA93134 ");
}

TEST_F(ConversionTest, FileOpenFailuresGiveTheirMessagesAndCodeOne) {
    EXPECT_EQ(converter.convert(dirs.countyDir() + QStringLiteral("/99999.txt")).code, 1);
    EXPECT_EQ(log.texts(), QStringList{QStringLiteral("Can't open input FName TXT file.")});

    log.clear();
    WorkFiles nowhere(dirs.countyDir() + QStringLiteral("/no/such/dir"));
    CountyFileConverter lost(nowhere, numbers, log);
    EXPECT_EQ(lost.convert(dirs.copyExample(QStringLiteral("56021.txt"))).code, 1);
    EXPECT_EQ(log.texts(), QStringList{QStringLiteral("Can't open output TXT file.")});

    log.clear();
    ASSERT_TRUE(QDir().mkpath(dirs.work().copyFile())); // a directory where Tmp2.txt belongs
    EXPECT_EQ(convertExample(QStringLiteral("56021.txt")).code, 1);
    EXPECT_EQ(log.texts(), QStringList{QStringLiteral("Can't open Tmp2 TXT file.")});
    EXPECT_TRUE(dirs.stationFileText().isEmpty());
}

TEST(FrostDateCell, ConventionsOfTheSourceTables) {
    EXPECT_EQ(frostDateFromCell(" 5/ 2", false), QStringLiteral("05/02"));
    EXPECT_EQ(frostDateFromCell("10/11", true), QStringLiteral("10/11"));
    EXPECT_EQ(frostDateFromCell("12/31", true), QStringLiteral("00/00"));
    EXPECT_EQ(frostDateFromCell("     ", false), QStringLiteral("00/00"));
    EXPECT_EQ(frostDateFromCell("", true), QStringLiteral("00/00")); // line ended before it
    EXPECT_EQ(frostDateFromCell("  -  ", false), QStringLiteral("00/00"));
    EXPECT_EQ(frostDateFromCell(">12/1", true), QStringLiteral("00/00"));
    EXPECT_EQ(frostDateFromCell(" none", true), QStringLiteral("00/00"));
    EXPECT_EQ(frostDateFromCell(" none", false), std::nullopt);
    EXPECT_EQ(frostDateFromCell(" 5/2", false), std::nullopt); // cut by the line end
}

TEST(FixedColumns, DigitsStopAtTheLineEndAndNumbersMustBeWhole) {
    EXPECT_EQ(digitsInColumns("  Latitude: 4109      Longitude", 11, 17), 4109);
    EXPECT_EQ(digitsInColumns("  Latitude: 41", 11, 17), 41);
    EXPECT_EQ(digitsInColumns("  Latitude:", 11, 17), std::nullopt);
    EXPECT_EQ(numberInColumns("  January    39.5    18.0    28.8     0.33", 28, 32), 28.8);
    EXPECT_EQ(numberInColumns("  January    39.5    18.0   -----", 28, 32), std::nullopt);
    EXPECT_EQ(numberInColumns("  January    39.5    18.0    2 .8", 28, 32), std::nullopt);
}

// Found by fuzzing: a control character next to the station number became a blank that the
// work file's reader then dropped, so the record read back differently from what was
// written, and one before it put a blank into the county's state code.
TEST_F(ConversionTest, AControlCharacterBesideTheStationNumberIsNoPartOfIt) {
    QList<QByteArray> lines = linesOf(exampleFile(QStringLiteral("04013.txt")));
    lines[0].replace("AZ23183", QByteArray("\x01"
                                           "AZ23183\0",
                                           9));
    convert(QStringLiteral("04013.txt"), joinLines(lines));
    EXPECT_EQ(recordLines().value(0), "#1 Maricopa, AZ|PHOENIX SKY HARBOR INTL AP|AZ23183 ");
}

TEST(SourceText, NoControlCharacterOrSeparatorReachesAStoredText) {
    EXPECT_EQ(sourceText("LARAMIE\r"), QStringLiteral("LARAMIE "));
    EXPECT_EQ(sourceText("A|B"), QStringLiteral("A B"));
    EXPECT_EQ(sourceText("Do\xc3\xb1"
                         "a Ana"),
              QStringLiteral("Do\u00f1a Ana"));
    EXPECT_EQ(sourceText("Do\xf1"
                         "a Ana"),
              QStringLiteral("Do\u00f1a Ana")); // Latin-1
    // C1 controls (a terminal's escape introducer U+009B among them), in either encoding.
    EXPECT_EQ(sourceText("A\xc2\x9b"
                         "31mB\xc2\x85"
                         "C\x7f"),
              QStringLiteral("A 31mB C "));
    EXPECT_EQ(sourceText("A\x9b"
                         "31mB\x80\x9f"),
              QStringLiteral("A 31mB  "));
}

TEST_F(ConversionTest, NoControlCharacterReachesTheRecordFromAnyText) {
    QList<QByteArray> lines = linesOf(exampleFile(QStringLiteral("56021.txt")));
    lines[0] = "WEATHER RECORDS Station : CHEY\xc2\x9b"
               "2JENNE, WY24\x1b"
               "018  1981-2010";
    lines[2] = "  State FIPS/County(FIPS): 56021    County Name: Lara\xc2\x9dmie";
    convert(QStringLiteral("56021.txt"), joinLines(lines));
    EXPECT_TRUE(dirs.stationFileText().startsWith("#1 Lara mie, WY|CHEY 2JENNE|WY24 018 \n"))
        << dirs.stationFileText().constData();
}

} // namespace
