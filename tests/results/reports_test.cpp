// Every results report rendered headless and read back from PDF: titles, captions, the rows
// of the month tables, the footnotes by case, the items each curve kind prints, the job
// reports' bands and pages.

#include "reportsfixture.h"

#include "results/reports/chartreports.h"
#include "results/reports/cropreports.h"
#include "results/reports/jobreports.h"

#include "calc/cropcolumns.h"
#include "report/layout.h"

namespace kova::test {

namespace {

using results::buildCropDetailsReport;
using results::buildCropSummaryReport;

QString two(double value) {
    return QString::number(value, 'f', 2);
}

QStringList twoDecimals(const calc::Monthly& series) {
    QStringList out;
    for (int m = 1; m <= 12; ++m)
        out << two(series[size_t(m)]);
    return out;
}

const QStringList kFieldSettings = {
    "Irrigation Type:", "Surface Soil:", "Wetting (Development):", "Water stress factor:"};
const QStringList kCuttingItems = {"Number of Cuttings:", "1st cut:", "Last Cut:"};

void expectAll(const QString& text, const QStringList& pieces, bool present) {
    for (const QString& piece : pieces)
        EXPECT_EQ(text.contains(piece), present) << piece.toStdString();
}

TEST_F(ReportsTest, CropSummaryPrintsTwelveMonthsBlankPeaksOutsideTheSeasonAndFootnotesByCase) {
    startJobWith(1, {"Corn (grain)"}); // TR21
    setSeason(4, 10, 9, 20);
    setCarryOver(0, 0);
    QString text = textOf(*buildCropSummaryReport(source()));
    expectAll(text,
              {"Kova", "Crop Data Summary", "Report job", "Corn (grain)", "CHEYENNE", "Laramie, WY",
               "feet above sea level", "Blaney Criddle (TR21)", "Reqirements"},
              true);
    EXPECT_TRUE(lineStarting(text, "Begin Growth:").contains("4/10"));
    const calc::TKova& k = kova();
    // Every month prints, zeros outside the season; April and September have no peak.
    EXPECT_EQ(numbersOn(lineStarting(text, "January")),
              QStringList({"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(numbersOn(lineStarting(text, "April")).size(), 6);
    EXPECT_EQ(numbersOn(lineStarting(text, "September")).size(), 6);
    const QStringList july = numbersOn(lineStarting(text, "July"));
    ASSERT_EQ(july.size(), 7);
    EXPECT_EQ(july.front(), two(k.ETMonth[7]));
    EXPECT_EQ(july.back(), two(k.PeakET[7]));
    EXPECT_EQ(numbersOn(lineStarting(text, "TOTAL")),
              QStringList({two(k.ETTotal), two(k.EP80Total), two(k.NI80Total), two(k.EP50Total),
                           two(k.NI50Total)}));
    // A TR21 curve prints none of the field settings; zero carry-over leaves out note (2).
    expectAll(text, kFieldSettings, false);
    expectAll(text, kCuttingItems, false);
    EXPECT_TRUE(text.contains("(1) For 80 percent occurrence, growing season effective"));
    EXPECT_FALSE(text.contains("(2) Net irrigation requirements"));
    EXPECT_TRUE(text.contains("(3) ET Evapotranspiration) is adjusted upwards 10% per 1000"));

    setCarryOver(0.1, 0);
    sql("UPDATE SystemDefaults SET \"Elevation Correction\" = 0");
    text = textOf(*buildCropSummaryReport(source()));
    EXPECT_TRUE(text.contains("(2) Net irrigation requirements is adjusted for carryover"));
    EXPECT_TRUE(text.contains("(3) ET(Evapotranspiration) not adjusted for elevation."));
}

TEST_F(ReportsTest, OtherMethodsPrintFootnoteOneOnlyAndTheFieldSettingsOfTheirCurve) {
    openSampleJob(); // radiation
    displayCrop("Corn (grain)");
    setCarryOver(0, 0);
    const QString text = textOf(*buildCropSummaryReport(source()));
    EXPECT_TRUE(text.contains("(1) For 80 percent occurrence"));
    EXPECT_FALSE(text.contains("(2) Net irrigation"));
    EXPECT_FALSE(text.contains("(3) ET"));
    expectAll(text, kFieldSettings, true);
    EXPECT_TRUE(lineStarting(text, "Surface Soil:").contains("Silt Loam"));
    expectAll(text, kCuttingItems, false);
}

TEST_F(ReportsTest, HayCuttingsPrintOnlyForAGrassCropCutForHay) {
    openSampleJob();
    displayCrop("Alfalfa hay");
    ASSERT_TRUE(kova().Hay);
    QString text = textOf(*buildCropSummaryReport(source()));
    expectAll(text, kCuttingItems, true);
    EXPECT_TRUE(lineStarting(text, "Number of Cuttings:").contains(kova().Cut1Text));
    expectAll(textOf(*results::buildCurvesReport(source())), kCuttingItems, true);
    // The details report never prints them.
    expectAll(textOf(*buildCropDetailsReport(source())), kCuttingItems, false);

    startJobWith(2, {"Pasture"});
    ASSERT_EQ(kova().CurveIndex, calc::kCurveGrass);
    ASSERT_FALSE(kova().Hay);
    text = textOf(*buildCropSummaryReport(source()));
    expectAll(text, kCuttingItems, false);
    expectAll(text, kFieldSettings, true);
}

TEST_F(ReportsTest, CropDetailsPrintsTheDatesAsNumbersAndTotalsTheCarryOverUsed) {
    openSampleJob();
    displayCrop("Corn (grain)");
    // A short season with more carry-over than it can use.
    setSeason(5, 1, 6, 15);
    setCarryOver(9, 0.5);
    // A season text stored in another form: the summary prints it, the details the numbers.
    store::Table& wk = session.workingCrops();
    ASSERT_TRUE(wk.edit());
    wk.setValue(QStringLiteral("Beg Dat"), QStringLiteral("05/01"));
    ASSERT_TRUE(session.calculation().Compute(wk));
    EXPECT_TRUE(
        lineStarting(textOf(*buildCropSummaryReport(source())), "Begin Growth:").contains("05/01"));
    int pages = 0;
    const QString text = textOf(*buildCropDetailsReport(source()), &pages);
    EXPECT_EQ(pages, 1);
    expectAll(text, {"Crop Data Details", "Pagr:", "deg. F", "Carryover", "Factor"}, true);
    expectAll(text, {"County:", "By:"}, false);
    EXPECT_TRUE(lineStarting(text, "Begin Growth:").contains("5/1"));
    EXPECT_FALSE(lineStarting(text, "Begin Growth:").contains("05/01"));

    const calc::TKova& k = kova();
    QStringList may = numbersOn(lineStarting(text, "May"));
    ASSERT_EQ(may.size(), 9);
    EXPECT_EQ(may[0], two(k.Temp[5]));
    EXPECT_EQ(may[7], two(k.Kc[5]));
    double used80 = 0, used50 = 0;
    for (int m = 1; m <= 12; ++m) {
        used80 += k.CarryUsed80[size_t(m)];
        used50 += k.CarryUsed50[size_t(m)];
    }
    ASSERT_LT(used50, k.CarryBeg + k.CarryEnd);
    EXPECT_EQ(numbersOn(lineStarting(text, "TOTAL")),
              QStringList({two(k.AnnualPrecip), two(k.EP80Total), two(k.EP50Total), two(used80),
                           two(used50)}));
}

TEST_F(ReportsTest, JobSummaryPrintsTheStationOnceAndEachCropWithTheValuesOfTheCropComputedLast) {
    openSampleJob();
    displayCrop("Barley");
    const calc::TKova& k = kova();
    int pages = 0;
    const QString text = textOf(*results::buildJobSummaryReport(k, session.workingCrops()), &pages);
    EXPECT_EQ(text.count("Normal Year Kova"), pages);
    EXPECT_EQ(text.count("Laramie County, WY"), pages);
    EXPECT_EQ(text.count("Computation method:"), 1);
    EXPECT_EQ(text.count("Mean Temperature (F)"), 1);
    EXPECT_TRUE(lineStarting(text, "Mean Temperature (F)").contains("69.4"));
    EXPECT_EQ(numbersOn(lineStarting(text, "Total Precipitation (In)")).back(), "15.94");
    EXPECT_EQ(numbersOn(lineStarting(text, "Effective Precip. (In)")), twoDecimals(k.EP50)
                                                                           << two(k.EP50Total));
    // One band per crop in the table's order; cuttings for the hay crop only.
    int at = -1;
    for (const char* crop : {"Alfalfa hay", "Barley", "Corn (grain)", "Dry beans", "Sugar beets"}) {
        const int next = text.indexOf(QString::fromLatin1(crop));
        EXPECT_GT(next, at) << crop;
        at = next;
    }
    EXPECT_EQ(text.count("Mo. Net Irrig. Req. (In)"), 5);
    for (const QString& line : text.split('\n')) {
        if (line.contains("Mo. Net Irrig. Req. (In)")) {
            EXPECT_EQ(numbersOn(line).size(), 13) << line.toStdString();
        }
    }
    EXPECT_EQ(text.count("Cuttings (Hay)"), 1);
    EXPECT_TRUE(text.contains("Page:"));
}

TEST_F(ReportsTest, ThirtyCropsBreakPagesBetweenBandsAndNamesAreEscapedInHtml) {
    openSampleJob();
    store::Table& wk = session.workingCrops();
    ASSERT_TRUE(moveToCrop("Barley"));
    calc::WorkingCrop crop = calc::workingCropFrom(wk.record());
    for (int i = 1; i <= 25; ++i) {
        crop.CropName = QStringLiteral("O'Brien \"N%1\" & <Sons>").arg(i, 2, 10, QLatin1Char('0'));
        QString error;
        ASSERT_TRUE(wk.append());
        ASSERT_TRUE(calc::writeWorkingCrop(crop, wk, &error)) << error.toStdString();
        ASSERT_TRUE(wk.post()) << wk.errorString().toStdString();
    }
    ASSERT_EQ(wk.recordCount(), 30);
    const auto built = results::buildJobSummaryReport(kova(), wk);
    const report::ReportDocument document = report::layoutReport(built->report);
    ASSERT_GT(document.pageCount(), 4);
    int bands = 0;
    for (int page = 0; page < document.pageCount(); ++page) {
        const QStringList texts = document.page(page).texts();
        EXPECT_TRUE(texts.contains("Normal Year Kova")) << page;
        // Every band whole on its page: as many requirement rows as crop headings.
        EXPECT_EQ(texts.count("Mo. Net Irrig. Req. (In)"),
                  texts.count("Peak Daily Irr. Req. (In)"));
        EXPECT_EQ(texts.count("Net irrigation application:"), texts.count("Begin growth:"));
        bands += int(texts.count("Mo. Net Irrig. Req. (In)"));
    }
    EXPECT_EQ(bands, 30);

    const QString html = dir.filePath("job.html");
    ASSERT_TRUE(report::exportReport(built->report, report::ExportFormat::Html, html).ok);
    QFile file(html);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(page.contains("&amp; &lt;Sons&gt;"));
    EXPECT_FALSE(page.contains("<Sons>"));
}

TEST_F(ReportsTest, JobListPrintsEverySavedJobAndNothingWithoutOne) {
    const QString text = textOf(*results::buildJobListReport(session.alias()));
    expectAll(text,
              {"Kova Program", "List of Available Jobs", "Job:", "Cheyenne sample job",
               "Laramie, WY", "Laramie County, WY", "12/08/26", "Weather Station:", "CHEYENNE",
               "24018", "Page:"},
              true);
    sql("DELETE FROM KovaJobCrop");
    sql("DELETE FROM KovaJob");
    const auto empty = results::buildJobListReport(session.alias());
    EXPECT_TRUE(empty->error.isEmpty());
    EXPECT_EQ(report::layoutReport(empty->report).pageCount(), 0);
}

TEST_F(ReportsTest, ChartReportsPrintTheirHeaderAndBothChartsOnOnePage) {
    startJobWith(1, {"Corn (grain)"});
    int pages = 0;
    const auto curves = results::buildCurvesReport(source());
    EXPECT_EQ(curves->exportFormats, report::imageExportFormats());
    QString text = textOf(*curves, &pages);
    EXPECT_EQ(pages, 1);
    expectAll(text,
              {"Crop ET and Kc Curves", "Job:", "Crop:", "Corn (grain)", "Blaney Criddle (TR21)",
               "Begin Growth:", "Net irrigation application:",
               "Estimated carryover moisture used at season:", "Evapotranspiration Chart",
               "Crop Coefficient Chart", "ETc (Crop)", "Kcb (Basil)", "5/1 Start grow",
               "9/28 End grow", "Page:"},
              true);
    EXPECT_TRUE(
        lineStarting(text, "Estimated carryover").contains(QRegularExpression("inches +End:")));
    // A TR21 crop: the caption "Irrigation Type:" alone, no soil or wetting.
    EXPECT_TRUE(text.contains("Irrigation Type:"));
    expectAll(text, {"Surface Soil:", "Wetting (Development):", "Sprinklers"}, false);

    const auto water = results::buildWaterReport(source());
    EXPECT_EQ(water->exportFormats, report::imageExportFormats());
    text = textOf(*water, &pages);
    EXPECT_EQ(pages, 1);
    expectAll(text,
              {"Monthly Crop Water Requirements", "Normal Year (50% chance)",
               "Dry Year (80% chance)", "Carryover Used", "Effective Precipitation",
               "Irrigation Required", "Month", "inches"},
              true);
    expectAll(text, {"Irrigation Type:", "Surface Soil:", "Wetting (Development):"}, false);
}

TEST_F(ReportsTest, CropsWithoutETOrWithAOneDaySeasonPrintEveryReport) {
    openSampleJob();
    displayCrop("Corn (grain)");
    editCrop([](store::Table& wk) { wk.setValue(QStringLiteral("Curve Index"), QVariant()); });
    ASSERT_EQ(kova().ETTotal, 0.0);
    const auto summary = buildCropSummaryReport(source());
    EXPECT_EQ(numbersOn(lineStarting(textOf(*summary), "TOTAL")).front(), "0.00");
    displayCrop("Barley");
    setSeason(5, 1, 5, 1);
    for (const auto& built :
         {buildCropSummaryReport(source()), buildCropDetailsReport(source()),
          results::buildCurvesReport(source()), results::buildWaterReport(source())}) {
        int pages = 0;
        textOf(*built, &pages);
        EXPECT_EQ(pages, 1);
    }
}

} // namespace

} // namespace kova::test
