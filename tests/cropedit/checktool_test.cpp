// kovacrop-check as a user runs it: the created crops whose curves are gone, what uses a curve
// or a crop type, and bad input.

#include "qtprinting.h"
#include "tempdatabase.h"

#include "store/table.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status = -1;
    QString out, err;
};

struct CheckTool : ::testing::Test {
    ToolRun run(QStringList arguments) {
        QProcess tool;
        tool.start(QStringLiteral(KOVACROP_CHECK_PROGRAM),
                   arguments << QStringLiteral("--db") << db.file());
        ToolRun result;
        if (!tool.waitForFinished(60000))
            return result;
        result.status = tool.exitCode();
        result.out = QString::fromUtf8(tool.readAllStandardOutput());
        result.err = QString::fromUtf8(tool.readAllStandardError());
        return result;
    }
    kova::test::TempDatabase db;
};

} // namespace

TEST_F(CheckTool, TellsTheCreatedCropsWhoseCurvesAreGone) {
    ToolRun r = run({});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "0 created crops name curves that are not in their tables\n");

    kova::store::Table curves("CrpBCAnu");
    ASSERT_TRUE(curves.open());
    for (curves.first(); curves.asString("Crop Curve Name") != "Cotton";)
        ASSERT_TRUE(curves.next());
    ASSERT_TRUE(curves.remove());
    r = run({});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Cotton: BC TR21 curve 'Cotton' (Blaney Criddle Annual Crop)\n"
                     "1 created crops name curves that are not in their tables\n");
}

TEST_F(CheckTool, ListsWhatUsesACurveOrACropTypeAndRefusesBadInput) {
    ToolRun r = run({"--uses", "CrpAnNam", "corn (grain) am"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "created crop: Corn (grain)\nsaved job crops: 1\n");
    r = run({"--uses", "CrpAnTyp", "Corn (grain)"});
    EXPECT_TRUE(r.out.contains("curve: Corn (grain) HS\n"));
    EXPECT_TRUE(r.out.contains("created crop: Corn (grain) - humid\n"));

    r = run({"--uses", "Climate", "CHEYENNE"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("Climate is no curve table")) << r.err.toStdString();
    EXPECT_EQ(run({"--uses", "CrpAnNam"}).status, 2);
    EXPECT_EQ(run({"stray"}).status, 2);
}
