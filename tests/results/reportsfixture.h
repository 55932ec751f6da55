#pragma once
// The results reports on a job of a private copy of the delivered database, driven as the
// main window drives the job; each report is written to PDF and read back as text.

#include "jobfixture.h"
#include "pdftext.h"

#include "results/reports/resultsreport.h"

#include "report/export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace kova::test {

class ReportsTest : public JobTest {
protected:
    results::ResultsSource source() {
        return {session.kova(), session.calculation().curve, session.alias()};
    }

    // The report as PDF text, with the layout kept; `pages` gets the page count.
    QString textOf(const results::ResultsReport& built, int* pages = nullptr) {
        const QString path = dir.filePath(QStringLiteral("report-%1.pdf").arg(++written));
        const auto result = report::exportReport(built.report, report::ExportFormat::Pdf, path);
        EXPECT_TRUE(result.ok) << result.error.toStdString();
        if (pages)
            *pages = pdfPageCount(path);
        // To look at them: KOVA_REPORT_DIR=/some/dir <test program>.
        const QString keep = qEnvironmentVariable("KOVA_REPORT_DIR");
        if (!keep.isEmpty())
            QFile::copy(path,
                        QDir(keep).filePath(
                            QString::fromLatin1(
                                ::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                            QFileInfo(path).fileName()));
        // The PDF keeps the font's ligatures ("ﬀ" in "effective"): read them as letters.
        return pdfText(path).normalized(QString::NormalizationForm_KC);
    }

    void openSampleJob() {
        dialogs.job = QStringLiteral("Cheyenne sample job");
        ASSERT_TRUE(session.getPrevJob()) << messageText();
    }
    // A new job at CHEYENNE computed by `method` (1 TR21, 2 radiation, 3 temperature).
    void startJobWith(int method, const QStringList& crops) {
        dialogs.method = method;
        startJob(QStringLiteral("Report job"));
        addCrops(crops);
    }
    // The crop parameters dialog on the current crop: `change` edits the row, OK computes.
    void editCrop(const std::function<void(store::Table&)>& change) {
        ASSERT_TRUE(session.openCropParameters());
        store::Table& wk = session.workingCrops();
        ASSERT_TRUE(wk.edit());
        change(wk);
        ASSERT_EQ(session.closeCropParameters(), job::CropCloseResult::Computed) << messageText();
    }
    void setSeason(int plantMo, int plantDay, int harvestMo, int harvestDay) {
        editCrop([&](store::Table& wk) {
            wk.setValue(QStringLiteral("Plant Mo"), plantMo);
            wk.setValue(QStringLiteral("Plant Day"), plantDay);
            wk.setValue(QStringLiteral("Harvest Mo"), harvestMo);
            wk.setValue(QStringLiteral("Harvest Day"), harvestDay);
            wk.setValue(QStringLiteral("Beg Dat"),
                        QStringLiteral("%1/%2").arg(plantMo).arg(plantDay));
            wk.setValue(QStringLiteral("End Dat"),
                        QStringLiteral("%1/%2").arg(harvestMo).arg(harvestDay));
        });
    }
    void setCarryOver(double begin, double end) {
        editCrop([&](store::Table& wk) {
            wk.setValue(QStringLiteral("Carry Beg"), begin);
            wk.setValue(QStringLiteral("Carry End"), end);
        });
    }
    void displayCrop(const QString& name) {
        ASSERT_TRUE(moveToCrop(name));
        ASSERT_TRUE(session.displayCrop()) << messageText();
    }

    QTemporaryDir dir;
    int written = 0;
};

// The first line of the text that begins with `start` (after blanks).
inline QString lineStarting(const QString& text, const QString& start) {
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.trimmed().startsWith(start))
            return line;
    return {};
}

// The numbers with two decimals on a line, in order.
inline QStringList numbersOn(const QString& line) {
    static const QRegularExpression number(QStringLiteral("-?\\d+\\.\\d\\d\\b"));
    QStringList found;
    for (auto it = number.globalMatch(line); it.hasNext();)
        found << it.next().captured();
    return found;
}

} // namespace kova::test
