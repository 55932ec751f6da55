// kova-calc new-job: the same job the windows' path builds, stored only with --save, and every
// refusal one line with exit 2 and nothing stored; batch crop lists separated by ';'.

#include "jobfixture.h"

#include <QProcess>

using kova::test::dumpTable;
using kova::test::JobTest;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out, err;
};

class NewJobTool : public JobTest {
protected:
    ToolRun run(QStringList args) {
        args << "--db" << db.file();
        QProcess p;
        p.start(QStringLiteral(KOVA_CALC_BIN), args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    // A saved job's rows without what names or numbers them.
    QStringList storedJob(const QString& name) {
        QSqlQuery q(kova::store::Database::open(kova::store::kDefaultAlias, nullptr)->connection());
        QStringList rows;
        q.prepare("SELECT * FROM KovaJob WHERE \"Job Name\" = ?");
        q.addBindValue(name);
        q.exec();
        while (q.next())
            for (int i = 1; i < q.record().count(); ++i)
                rows << q.record().fieldName(i) + "=" + q.value(i).toString();
        q.prepare("SELECT * FROM KovaJobCrop WHERE \"Job Name\" = ? ORDER BY \"Crop Name\"");
        q.addBindValue(name);
        q.exec();
        while (q.next())
            for (int i = 2; i < q.record().count(); ++i)
                rows << q.record().fieldName(i) + "=" + q.value(i).toString();
        return rows;
    }
    void expectRefused(const QStringList& args, const QString& says) {
        const QStringList jobs = dumpTable("KovaJob"), crops = dumpTable("KovaJobCrop");
        const ToolRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString() << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(says)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(dumpTable("KovaJob"), jobs);
        EXPECT_EQ(dumpTable("KovaJobCrop"), crops);
    }
    static QStringList newJob(const QString& name, const QString& crops) {
        return {"new-job", name, "--station", "CHEYENNE", "--crops", crops, "--save"};
    }
};

TEST_F(NewJobTool, StoresTheJobTheWindowsWouldStore) {
    const ToolRun r =
        run({"new-job", "By tool", "--station", "CHEYENNE", "--crops",
             "Sugar beets;Alfalfa hay;Barley", "--location", "North field", "--planner",
             "R. Planner", "--date", "05/04/26", "--save", "--format", "json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("{\"job\":\"By tool\",\"station\":\"CHEYENNE\""));
    EXPECT_EQ(r.out.count("\"crop\":"), 3);

    startJob("By session", "CHEYENNE", "North field", "R. Planner");
    session.fieldTyped(kova::job::HeaderField::Date, "05/04/26");
    session.fieldLeft(kova::job::HeaderField::Date);
    addCrops({"Sugar beets", "Alfalfa hay", "Barley"});
    ASSERT_EQ(session.saveJob(), kova::job::SaveResult::Saved) << messageText();
    const QStringList byTool = storedJob("By tool");
    ASSERT_EQ(byTool.size(), 14 + 3 * 25);
    EXPECT_EQ(byTool, storedJob("By session"));
}

TEST_F(NewJobTool, WithoutSaveNothingIsStored) {
    const QStringList jobs = dumpTable("KovaJob"), crops = dumpTable("KovaJobCrop");
    const ToolRun r = run({"new-job", "Just looking", "--station", "CHEYENNE", "--crops", "Barley",
                           "--format", "csv"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Just looking,CHEYENNE,Blaney Criddle (TR21),Barley,1,May"));
    EXPECT_EQ(dumpTable("KovaJob"), jobs);
    EXPECT_EQ(dumpTable("KovaJobCrop"), crops);
}

TEST_F(NewJobTool, RefusalsStoreNothing) {
    expectRefused(newJob("CHEYENNE SAMPLE JOB", "Barley"),
                  "job name 'CHEYENNE SAMPLE JOB' is already used by a saved job");
    expectRefused({"new-job", "X", "--station", "NOWHERE", "--crops", "Barley", "--save"},
                  "unknown station 'NOWHERE'");
    expectRefused(newJob("X", "Barley;No such crop"), "unknown crop 'No such crop'");
    expectRefused(newJob("X", "Barley; Barley"),
                  "crop 'Barley': This crop has already been included. Select another crop");
    expectRefused({"new-job", "X", "--station", "NORTH PLATTE RGNL AP", "--crops", "Barley",
                   "--method", "RAD", "--save"},
                  "method RAD is not offered for station 'NORTH PLATTE RGNL AP' (allowed: TR21)");
    expectRefused({"new-job", "X", "--station", "CASPER NATRONA CO AP", "--crops", "Barley",
                   "--method", "TEMP", "--save"},
                  "(allowed: TR21, RAD)");
    sql("UPDATE SystemDefaults SET \"ET Method\" = 'RAD'");
    sql("INSERT INTO KovaCrop (\"Cop Name\", \"BC Crop Type\", \"BC Crop Curve Name\", "
        "\"Plant Mo\", \"Plant Day\", \"Harvest Mo\", \"Harvest Day\", Marked) VALUES "
        "('TR21 only', 'Blaney Criddle Annual Crop', 'Small Grains (spring)', 4, 1, 8, 1, 0)");
    expectRefused(newJob("X", "Barley;TR21 only"),
                  "crop 'TR21 only': This crop has no crop curve for the job's ET method");
    expectRefused(
        {"new-job", "X", "--station", "CHEYENNE", "--crops", "Barley", "--date", "2026-05-04"},
        "malformed date '2026-05-04'");
    const ToolRun r = run({"new-job", "Radiation by default", "--station", "CHEYENNE", "--crops",
                           "Barley", "--save"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("ET method: Radiation"));
}

TEST_F(NewJobTool, BatchCropListsMaySeparateBySemicolons) {
    sql("INSERT INTO KovaCrop (\"Cop Name\", \"Bas Crop Type\", \"Bas Crop Curve Name\", "
        "\"BC Crop Type\", \"BC Crop Curve Name\", \"Plant Mo\", \"Plant Day\", \"Harvest Mo\", "
        "\"Harvest Day\", Marked) SELECT 'Beans, dry', \"Bas Crop Type\", \"Bas Crop Curve "
        "Name\", \"BC Crop Type\", \"BC Crop Curve Name\", \"Plant Mo\", \"Plant Day\", "
        "\"Harvest Mo\", \"Harvest Day\", 0 FROM KovaCrop WHERE \"Cop Name\" = 'Dry beans'");
    ToolRun r = run({"batch", "--stations", "CHEYENNE", "--crops", "Beans, dry;Barley"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("CHEYENNE,\"Beans, dry\","));
    EXPECT_TRUE(r.out.contains("CHEYENNE,Barley,"));
    r = run({"batch", "--stations", "CHEYENNE", "--crops", "Oats,Barley"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count('\n'), 3);
}

} // namespace
