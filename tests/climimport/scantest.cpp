// The scan of a directory: which files are read, the county list for the selection, the work
// file started afresh, progress, and the message of a file that cannot be converted.

#include "countyfixture.h"

#include "climedit/import/climatescan.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace kova::climimport;
using namespace kova::climimport::test;

namespace {

class ScanTest : public ::testing::Test {
protected:
    ScanResult scan() {
        ClimateScan scanner(dirs.work(), numbers, log);
        scanner.setProgress([this](int done, int total, const QString& file) {
            progress << QStringLiteral("%1/%2 %3").arg(done).arg(total).arg(file);
        });
        return scanner.run(dirs.countyDir());
    }

    ImportDirs dirs;
    RunningNumber numbers;
    MessageLog log;
    QStringList progress;
};

TEST_F(ScanTest, OnlyFiveDigitFilesAreReadInNameOrder) {
    dirs.copyExample(QStringLiteral("56021.txt"));
    dirs.copyExample(QStringLiteral("04013.txt"));
    dirs.copyExample(QStringLiteral("56013.txt"), QStringLiteral("abcde.txt"));
    dirs.copyExample(QStringLiteral("56013.txt"), QStringLiteral("5601.txt"));
    dirs.copyExample(QStringLiteral("56013.txt"), QStringLiteral("560133.txt"));
    dirs.copyExample(QStringLiteral("56013.txt"), QStringLiteral("56013.dat"));
    EXPECT_EQ(countyFileNames(dirs.countyDir()),
              (QStringList{QStringLiteral("04013.txt"), QStringLiteral("56021.txt")}));
    const ScanResult result = scan();
    EXPECT_EQ(result.files, 2);
    EXPECT_EQ(result.counties,
              (QStringList{QStringLiteral("Maricopa, AZ"), QStringLiteral("Laramie, WY")}));
    EXPECT_EQ(progress,
              (QStringList{QStringLiteral("1/2 04013.txt"), QStringLiteral("2/2 56021.txt")}));
}

TEST_F(ScanTest, CountiesAreListedOnceWhateverTheirOrder) {
    dirs.copyExample(QStringLiteral("56021.txt"));
    dirs.copyExample(QStringLiteral("56021.txt"), QStringLiteral("56022.txt"));
    dirs.copyExample(QStringLiteral("06037.txt"), QStringLiteral("56030.txt"));
    dirs.copyExample(QStringLiteral("56021.txt"), QStringLiteral("56040.txt"));
    dirs.copyExample(QStringLiteral("16069.txt"));
    const ScanResult result = scan();
    EXPECT_EQ(result.files, 5);
    EXPECT_EQ(result.stations, 5);
    EXPECT_EQ(result.counties,
              (QStringList{QStringLiteral("Laramie, WY"), QStringLiteral("Los Angeles, CA")}));
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(ScanTest, EveryScanStartsAFreshWorkFile) {
    dirs.copyExample(QStringLiteral("56021.txt"));
    scan();
    const ScanResult again = scan();
    EXPECT_EQ(again.stations, 1);
    EXPECT_EQ(dirs.stationFileText().count('#'), 1);
    EXPECT_TRUE(dirs.stationFileText().startsWith("#2 ")); // numbers run on over the program run
}

TEST_F(ScanTest, AFileThatCannotBeConvertedIsReportedAndTheScanGoesOn) {
    dirs.copyExample(QStringLiteral("56021.txt"));
    dirs.copyExample(QStringLiteral("56013.txt"));
    WorkFiles nowhere(dirs.countyDir() + QStringLiteral("/no/such/dir"));
    ClimateScan scanner(nowhere, numbers, log);
    const ScanResult result = scanner.run(dirs.countyDir());
    EXPECT_EQ(result.files, 2);
    EXPECT_EQ(log.texts(), (QStringList{QStringLiteral("Can't open output TXT file."),
                                        QStringLiteral("Text search function error No 1"),
                                        QStringLiteral("Can't open output TXT file."),
                                        QStringLiteral("Text search function error No 1")}));
    EXPECT_TRUE(result.counties.isEmpty());
}

TEST_F(ScanTest, AnEmptyDirectoryGivesNoCounty) {
    const ScanResult result = scan();
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.files, 0);
    EXPECT_TRUE(result.counties.isEmpty());
}

TEST(WorkFilesLocation, BothFilesInAFreshDirectoryOfTheirOwn) {
    QString error;
    const auto work = WorkFiles::locate(&error);
    ASSERT_TRUE(work.has_value()) << error.toStdString();
    EXPECT_TRUE(QDir(work->directory()).isEmpty());
    EXPECT_EQ(work->stationFile(), work->directory() + QStringLiteral("/TmpTP.txt"));
    EXPECT_EQ(work->copyFile(), work->directory() + QStringLiteral("/Tmp2.txt"));
}

} // namespace
