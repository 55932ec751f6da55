// The builder refuses faulty delivered data with FILE:LINE: field 'NAME': message and never
// leaves a half-built database behind.

#include "datadircopy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using kova::test::DataDirCopy;

namespace {

const QString kClimate = QStringLiteral("Climate.csv");
constexpr int kFlagstaffLine = 2; // FLAGSTAFF PULLIAM AP,"Coconino, AZ",03103,,3509,...

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST(DatabaseBuilder, BuildsTheUnchangedData) {
    DataDirCopy data;
    EXPECT_EQ(data.build(), QStringList());
    EXPECT_TRUE(QFile::exists(data.outFile()));
}

TEST(DatabaseBuilder, HeaderMustNameEveryFieldExactly) {
    DataDirCopy data;
    data.editLine(kClimate, 1, QStringLiteral(",Elevation,"), QStringLiteral(",elevation,"));
    data.editLine(QStringLiteral("County.csv"), 1, QStringLiteral("County"),
                  QStringLiteral("County,County"));
    EXPECT_EQ(data.build(),
              QStringList({QStringLiteral("Climate.csv:1: field 'elevation': is not a field of "
                                          "table Climate"),
                           QStringLiteral("Climate.csv:1: field 'Elevation': is missing from the "
                                          "header"),
                           QStringLiteral("County.csv:1: field 'County': is named twice in the "
                                          "header")}));
}

TEST(DatabaseBuilder, AutoIncFieldsAreLeftToTheTable) {
    DataDirCopy data;
    QStringList lines = data.lines(QStringLiteral("KovaJobCrop.csv"));
    for (int i = 0; i < lines.size(); ++i)
        lines[i].prepend(i == 0 ? QStringLiteral("Job Crop No,") : QString::number(i) + ',');
    data.writeLines(QStringLiteral("KovaJobCrop.csv"), lines);
    EXPECT_EQ(data.build(), QStringList(QStringLiteral(
                                "KovaJobCrop.csv:1: field 'Job Crop No': is numbered by the "
                                "table; leave it out of the file")));
}

TEST(DatabaseBuilder, CellsMustFitTheirFields) {
    DataDirCopy data;
    data.editLine(kClimate, kFlagstaffLine, QStringLiteral(",3509,"), QStringLiteral(",35o9,"));
    data.editLine(kClimate, kFlagstaffLine, QStringLiteral("05/20"), QStringLiteral("05/201"));
    data.editLine(kClimate, kFlagstaffLine + 1, QStringLiteral(",false"), QStringLiteral(",F"));
    data.editLine(QStringLiteral("Report.csv"), 2, QStringLiteral("1"), QStringLiteral("40000"));
    data.appendLine(QStringLiteral("Report.csv"), QStringLiteral("2,3"));
    EXPECT_EQ(
        data.build(),
        QStringList({QStringLiteral("Climate.csv:2: field 'Latitude': '35o9' is not a number"),
                     QStringLiteral("Climate.csv:2: field 'Spr mo/dy 28': 6 characters do not "
                                    "fit its width of 5"),
                     QStringLiteral("Climate.csv:3: field 'Marked': 'F' is not true or false"),
                     QStringLiteral("Report.csv:2: field 'Temp': 40000 is outside the Smallint "
                                    "range -32768 to 32767"),
                     QStringLiteral("Report.csv:3: 2 cells where the header names 1 fields")}));
}

TEST(DatabaseBuilder, ValuesMustKeepTheDeclaredRangesAndDateRule) {
    DataDirCopy data;
    data.editLine(kClimate, kFlagstaffLine, QStringLiteral(",3509,"), QStringLiteral(",-3509,"));
    data.editLine(kClimate, kFlagstaffLine, QStringLiteral("10/09"), QStringLiteral("10/32"));
    data.editLine(kClimate, kFlagstaffLine, QStringLiteral(",29.9,"), QStringLiteral(",299,"));
    data.editLine(QStringLiteral("ClimWHR.csv"), 2, QStringLiteral(",0.58,"),
                  QStringLiteral(",58,"));
    EXPECT_EQ(data.build(),
              QStringList({QStringLiteral("Climate.csv:2: field 'Latitude': -3509 is outside the "
                                          "valid range 0 to 9059"),
                           QStringLiteral("Climate.csv:2: field 'Fall mo/dy 28': '10/32' is not a "
                                          "month/day of the year (MM/DD) or 00/00"),
                           QStringLiteral("Climate.csv:2: field 'T Jan': 299 is outside the valid "
                                          "range -80 to 130"),
                           QStringLiteral("ClimWHR.csv:2: field 'NR Jan': 58 is outside the valid "
                                          "range 0 to 1")}));
}

TEST(DatabaseBuilder, RequiredFieldsMustBeFilled) {
    DataDirCopy data;
    data.editLine(kClimate, kFlagstaffLine, QStringLiteral("\"Coconino, AZ\""), QString());
    // A created crop needs its TR21 curve, not its basal one.
    data.editLine(QStringLiteral("KovaCrop.csv"), 2, QStringLiteral("Corn (grain) AM"), QString());
    data.editLine(QStringLiteral("KovaCrop.csv"), 3, QStringLiteral(",Corn (grain),"),
                  QStringLiteral(",,"));
    EXPECT_EQ(data.build(),
              QStringList({QStringLiteral("Climate.csv:2: field 'County': required field is "
                                          "empty"),
                           QStringLiteral("KovaCrop.csv:3: field 'BC Crop Curve Name': required "
                                          "field is empty")}));
}

TEST(DatabaseBuilder, UniqueKeysRefuseRepeatedRows) {
    DataDirCopy data;
    const QStringList climate = data.lines(kClimate);
    // Same station name in other letters and another county: still the same station name.
    QString twin = climate[kFlagstaffLine - 1];
    twin.replace(QStringLiteral("FLAGSTAFF PULLIAM AP,\"Coconino, AZ\""),
                 QStringLiteral("Flagstaff Pulliam AP,\"Mohave, AZ\""));
    data.appendLine(kClimate, twin);
    data.appendLine(QStringLiteral("County.csv"), QStringLiteral("\"Mohave, AZ\""));
    data.appendLine(QStringLiteral("CrpBCAnu.csv"), data.lines(QStringLiteral("CrpBCAnu.csv"))[1]);
    const int twinLine = static_cast<int>(climate.size()) + 1;
    const int bcLine = static_cast<int>(data.lines(QStringLiteral("CrpBCAnu.csv")).size());
    EXPECT_EQ(data.build(),
              QStringList({QStringLiteral("Climate.csv:%1: field 'Station Name': repeats the key "
                                          "of line 2 (unique index 'StaNameIndex')")
                               .arg(twinLine),
                           QStringLiteral("CrpBCAnu.csv:%1: field 'Crop Curve Name': repeats "
                                          "the key of line 2 (unique index 'Primary')")
                               .arg(bcLine)}));
}

TEST(DatabaseBuilder, FailureLeavesNoNewFileAndKeepsTheOldOne) {
    DataDirCopy data;
    data.editLine(QStringLiteral("Report.csv"), 2, QStringLiteral("1"), QStringLiteral("x"));
    ASSERT_EQ(data.build().size(), 1);
    const QDir outDir = QFileInfo(data.outFile()).dir();
    EXPECT_TRUE(outDir.entryList(QDir::Files).isEmpty()) << "no database, no temporary file";

    QFile old(data.outFile());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous build");
    old.close();
    ASSERT_EQ(data.build().size(), 1);
    EXPECT_EQ(readAll(data.outFile()), QStringLiteral("previous build"));
    EXPECT_EQ(outDir.entryList(QDir::Files).size(), 1);
}

TEST(DatabaseBuilder, CommandLineReportsOnStderrWithExitStatus) {
    DataDirCopy data;
    auto run = [&] {
        QProcess tool;
        tool.start(QStringLiteral(KOVA_DBBUILD_EXE), {QStringLiteral("--data"), data.path(),
                                                      QStringLiteral("--out"), data.outFile()});
        EXPECT_TRUE(tool.waitForFinished(60000));
        return std::make_pair(tool.exitCode(), QString::fromUtf8(tool.readAllStandardError()));
    };
    const auto good = run();
    EXPECT_EQ(good.first, 0);
    EXPECT_EQ(good.second, QString());

    QFile::remove(data.outFile());
    data.editLine(kClimate, kFlagstaffLine, QStringLiteral(",7003,"), QStringLiteral(",7O03,"));
    const auto bad = run();
    EXPECT_EQ(bad.first, 1);
    EXPECT_EQ(bad.second,
              QStringLiteral("Climate.csv:2: field 'Elevation': '7O03' is not a number\n"));
    EXPECT_FALSE(QFile::exists(data.outFile()));
}
