// The report walks a table of the database as the table shows it: in its index order, under
// its range and filter, and leaves its cursor where it was.
#include "report/layout.h"
#include "report/report.h"
#include "report/tabledataset.h"
#include "store/table.h"
#include "tempdatabase.h"

#include <gtest/gtest.h>

using namespace kova::report;
using kova::store::Table;

namespace {

class TableDataSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        jobs.setIndexName("JobNameIndex");
        ASSERT_TRUE(jobs.open()) << jobs.errorString().toStdString();
        for (const auto& [name, county] : {std::pair{"Delta", "Adams"},
                                           {"alpha", "Adams"},
                                           {"Charlie", "Boone"},
                                           {"Bravo", "Adams"}})
            addJob(name, county);
    }

    void addJob(const QString& name, const QString& county) {
        ASSERT_TRUE(jobs.append());
        ASSERT_TRUE(jobs.setValue("Job Name", name));
        ASSERT_TRUE(jobs.setValue("County", county));
        ASSERT_TRUE(jobs.post()) << jobs.errorString().toStdString();
    }

    QStringList printedJobs() {
        TableDataSet data(jobs);
        Report report;
        report.setDataSet(&data);
        report.detail().addField({0, 0, 60, 5}, "Job Name");
        const ReportDocument document = layoutReport(report);
        QStringList names;
        for (int i = 0; i < document.pageCount(); ++i)
            names << document.page(i).texts();
        return names;
    }

    kova::test::TempDatabase database{kova::test::TempDatabase::Contents::EmptySchema};
    Table jobs{"KovaJob"};
};

} // namespace

TEST_F(TableDataSetTest, WalksTheRowsInIndexOrderUnderTheFilter) {
    EXPECT_EQ(printedJobs(), (QStringList{"alpha", "Bravo", "Charlie", "Delta"}));

    ASSERT_TRUE(jobs.setFilter("County = 'Adams'"));
    jobs.setFiltered(true);
    EXPECT_EQ(printedJobs(), (QStringList{"alpha", "Bravo", "Delta"}));

    jobs.setFiltered(false);
    jobs.setRange({"B"}, {"Cz"});
    EXPECT_EQ(printedJobs(), (QStringList{"Bravo", "Charlie"}));
}

TEST_F(TableDataSetTest, LeavesTheCursorOnTheRowItWasOn) {
    ASSERT_TRUE(jobs.findKey({"Charlie"}));
    printedJobs();
    EXPECT_EQ(jobs.asString("Job Name"), "Charlie");
    EXPECT_FALSE(jobs.eof());
}

TEST_F(TableDataSetTest, EmptyTablePrintsNothing) {
    ASSERT_TRUE(jobs.emptyTable());
    EXPECT_TRUE(printedJobs().isEmpty());
}
