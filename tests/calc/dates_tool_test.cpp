// kova-calc dates as a script runs it: the JSON object and its keys, the tool's messages as
// results, "Re-Calculate" with given values, and bad arguments.

#include "growthdatesfixtures.h"
#include "tempdatabase.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QStringList kAllKeys = {"default_plant", "default_harvest", "begin_temp", "end_temp",
                              "min_grow_days", "max_grow_days",   "grow_days",  "spring",
                              "fall",          "available_days",  "harvest",    "message"};

struct DatesRun {
    int exitCode = -1;
    QString out, err;
    QJsonObject json;
    QStringList keys; // in the order printed
};

class DatesCommand : public ::testing::Test {
protected:
    kova::test::TempDatabase db;

    DatesRun run(const QString& station, const QString& crop, QStringList more = {}) {
        QStringList args = {"dates", "--station", station, "--crop", crop, "--db", db.file()};
        args += more;
        if (!more.contains("--format"))
            args << "--format"
                 << "json";
        QProcess p;
        p.start(QStringLiteral(KOVA_CALC_BIN), args);
        p.waitForFinished(60000);
        DatesRun r{p.exitCode(),
                   QString::fromUtf8(p.readAllStandardOutput()),
                   QString::fromUtf8(p.readAllStandardError()),
                   {},
                   {}};
        r.json = QJsonDocument::fromJson(r.out.toUtf8()).object();
        for (const QString& key : kAllKeys)
            if (r.json.contains(key))
                r.keys << key;
        std::sort(r.keys.begin(), r.keys.end(), [&](const QString& a, const QString& b) {
            return r.out.indexOf('"' + a + '"') < r.out.indexOf('"' + b + '"');
        });
        return r;
    }
    void expectBadInput(const QString& station, const QString& crop, const QStringList& more,
                        const QString& says) {
        const DatesRun r = run(station, crop, more);
        EXPECT_EQ(r.exitCode, 2) << more.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(says)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
};

TEST_F(DatesCommand, PrintsWhatTheToolShowsAsAStableObject) {
    // Cheyenne: June 62.1 and May 52.4 put 55 F on May 23; October 46.3 and September 58.2 put
    // 50 F on October 6; 150 grow days from May 23 end on October 20, 14 more than available.
    const DatesRun r = run("CHEYENNE", "Corn (grain)");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.keys, kAllKeys);
    EXPECT_EQ(r.json.size(), kAllKeys.size());
    EXPECT_EQ(r.json["default_plant"].toString(), "5/1");
    EXPECT_EQ(r.json["default_harvest"].toString(), "9/28");
    EXPECT_EQ(r.json["begin_temp"].toDouble(), 55);
    EXPECT_EQ(r.json["end_temp"].toDouble(), 50);
    EXPECT_EQ(r.json["min_grow_days"].toInt(), 150);
    EXPECT_EQ(r.json["max_grow_days"].toInt(), 170);
    EXPECT_EQ(r.json["grow_days"].toInt(), 150);
    EXPECT_EQ(r.json["spring"].toString(), "5/23");
    EXPECT_EQ(r.json["fall"].toString(), "10/6");
    EXPECT_EQ(r.json["available_days"].toInt(), 136);
    EXPECT_EQ(r.json["harvest"].toString(), "10/20");
    EXPECT_EQ(r.json["message"].toString(), "Growing period too long for temperatures used.");

    const DatesRun none = run("CHEYENNE", "Barley");
    EXPECT_EQ(none.keys, kAllKeys);
    EXPECT_EQ(none.json["message"].toString(), "");

    const DatesRun table = run("CHEYENNE", "Corn (grain)", {"--format", "table"});
    EXPECT_EQ(table.exitCode, 0);
    for (const char* line :
         {"Default planting date:", "Temperature based end date:  10/6",
          "Available grow days:         136", "Harvest date:                10/20"})
        EXPECT_TRUE(table.out.contains(line)) << line << "\n" << table.out.toStdString();
}

TEST_F(DatesCommand, AMessageEndingTheToolLeavesTheLaterValuesOut) {
    struct Case {
        const char* station;
        const char* crop;
        QStringList keys;
        const char* message;
    };
    const QStringList defaults = {"default_plant", "default_harvest", "message"};
    const QStringList throughGrowDays = {"default_plant", "default_harvest", "begin_temp",
                                         "end_temp",      "min_grow_days",   "max_grow_days",
                                         "grow_days",     "message"};
    const Case cases[] = {
        {"NEEDLES AP", "Barley", defaults,
         "It's too warm!  This procedure won't work. Enter start and end growth dates directly."},
        {"CHEYENNE", "Winter wheat", defaults,
         "Temperature criteria not available. Can't use this method. Enter growth dates "
         "directly."},
        {"CHEYENNE", "Cotton", throughGrowDays,
         "This procedure will not work for given begin growth temperature. Enter dates directly"},
        {"GALVESTON", "Alfalfa hay", throughGrowDays,
         "This procedure will not work for given planting temperature. Temperature too low. "
         "Enter dates directly"}};
    for (const Case& c : cases) {
        const DatesRun r = run(c.station, c.crop);
        EXPECT_EQ(r.exitCode, 0) << c.crop << r.err.toStdString();
        EXPECT_EQ(r.keys, c.keys) << c.crop << r.out.toStdString();
        EXPECT_EQ(r.json["message"].toString(), c.message);
    }
    // A window closed by its message is not re-calculated.
    const DatesRun closed = run("CHEYENNE", "Cotton", {"--begin-temp", "50"});
    EXPECT_EQ(closed.json["begin_temp"].toDouble(), 65);
}

TEST_F(DatesCommand, ReCalculatesWithTheValuesGiven) {
    const DatesRun r = run("CHEYENNE", "Corn (grain)",
                           {"--grow-days", "120", "--begin-temp", "52.4", "--end-temp", "46.3"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.json["begin_temp"].toDouble(), 52.4);
    EXPECT_EQ(r.json["end_temp"].toDouble(), 46.3);
    EXPECT_EQ(r.json["min_grow_days"].toInt(), 150); // the database's values stay
    EXPECT_EQ(r.json["grow_days"].toInt(), 120);
    EXPECT_EQ(r.json["spring"].toString(), "5/15"); // right on May's and October's means
    EXPECT_EQ(r.json["fall"].toString(), "10/15");
    EXPECT_EQ(r.json["available_days"].toInt(), 153);
    EXPECT_EQ(r.json["harvest"].toString(), "9/12");
    EXPECT_EQ(r.json["message"].toString(), "");

    // A crop without grow days takes the fall date as its harvest, and has no entry for them.
    const DatesRun alfalfa = run("CHEYENNE", "Alfalfa hay", {"--begin-temp", "45"});
    EXPECT_EQ(alfalfa.json["grow_days"].toInt(), 1);
    EXPECT_EQ(alfalfa.json["harvest"].toString(), alfalfa.json["fall"].toString());
    expectBadInput("CHEYENNE", "Alfalfa hay", {"--grow-days", "100"}, "--grow-days");
}

TEST_F(DatesCommand, TheMethodDecidesWhereGrowDaysComeFrom) {
    giveCornOwnMinGrowDays();
    EXPECT_EQ(run("CHEYENNE", "Corn (grain)").json["min_grow_days"].toInt(), 99);
    EXPECT_EQ(run("CHEYENNE", "Corn (grain)", {"--method", "RAD"}).json["min_grow_days"].toInt(),
              150); // basal annual curve: its crop type
}

TEST_F(DatesCommand, BadArgumentsNameTheOption) {
    expectBadInput("NOWHERE", "Barley", {}, "unknown station");
    expectBadInput("CHEYENNE", "barley", {}, "unknown crop");
    expectBadInput("CHEYENNE", "Barley", {"--method", "PM"}, "unknown ET method");
    expectBadInput("CHEYENNE", "Barley", {"--format", "csv"}, "--format");
    for (const char* days : {"0", "366", "1.5", "abc", "-3"})
        expectBadInput("CHEYENNE", "Barley", {"--grow-days", days}, "--grow-days");
    for (const char* temperature : {"nan", "inf", "-inf", "131", "-81", "warm"})
        expectBadInput("CHEYENNE", "Barley", {"--begin-temp", temperature}, "--begin-temp");
    expectBadInput("CHEYENNE", "Barley", {"--end-temp", "1e3"}, "--end-temp");
    {
        // A crop "Add New Crop" refuses for the method has no dates to show.
        kova::store::Table crops(QStringLiteral("KovaCrop"));
        crops.setIndexName(QStringLiteral("CropNameIndex"));
        ASSERT_TRUE(crops.open());
        ASSERT_TRUE(crops.findKey({QStringLiteral("Barley")}));
        ASSERT_TRUE(crops.edit());
        ASSERT_TRUE(crops.setValue(QStringLiteral("Bas Crop Curve Name"), QVariant()));
        ASSERT_TRUE(crops.post());
    }
    expectBadInput("CHEYENNE", "Barley", {"--method", "RAD"}, "no crop curve for the ET method");
    EXPECT_EQ(run("CHEYENNE", "Barley").json["message"].toString(), "") << "TR21 still has one";

    QProcess p;
    p.start(QStringLiteral(KOVA_CALC_BIN), {"dates", "--station", "CHEYENNE", "--db", db.file()});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains("--crop"));

    p.start(QStringLiteral(KOVA_CALC_BIN), {"--help"});
    p.waitForFinished(60000);
    const QString help = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* item : {"dates ", "--grow-days", "--begin-temp", "--end-temp"})
        EXPECT_TRUE(help.contains(item)) << item;
}

} // namespace
