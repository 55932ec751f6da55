// kova-calc as a user runs it: exit codes, the three formats, and that the database given
// is never changed.

#include "tempdatabase.h"

#include "store/table.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out, err;
};

class ToolTest : public ::testing::Test {
protected:
    kova::test::TempDatabase db;

    ToolRun run(QStringList args, bool withDb = true) {
        if (withDb)
            args << QStringLiteral("--db") << db.file();
        QProcess p;
        p.start(QStringLiteral(KOVA_CALC_BIN), args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QByteArray checksum() {
        QFile f(db.file());
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    void expectBadInput(const QStringList& args, const QString& says) {
        const ToolRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(says)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        // The private copy the tool computes in is its own business, never the user's.
        EXPECT_FALSE(r.err.contains(QStringLiteral("/kova-calc-"))) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(QStringLiteral("KovaCalcPrivate"))) << r.err.toStdString();
    }
    // Sets one field of the row whose `keyField` is `key`, in the user's database.
    void setField(const QString& table, const QString& keyField, const QString& key,
                  const QString& field, const QVariant& value) {
        kova::store::Table t(table);
        ASSERT_TRUE(t.open());
        for (t.first(); !t.eof() && t.asString(keyField) != key; t.next()) {
        }
        ASSERT_TRUE(t.edit());
        ASSERT_TRUE(t.setValue(field, value));
        ASSERT_TRUE(t.post()) << t.errorString().toStdString();
    }
    QStringList cropWith(const QString& option, const QString& value) {
        return {QStringLiteral("crop"),
                QStringLiteral("--station"),
                QStringLiteral("CHEYENNE"),
                QStringLiteral("--crop"),
                QStringLiteral("Alfalfa hay"),
                option,
                value};
    }
};

TEST_F(ToolTest, HelpDocumentsEveryOption) {
    const ToolRun r = run({QStringLiteral("--help")}, false);
    EXPECT_EQ(r.exitCode, 0);
    for (const char* option :
         {"--db",      "--format",    "--published-wind", "--station",  "--stations",
          "--crop",    "--crops",     "--method",         "--plant",    "--harvest",
          "--net-irr", "--carry-beg", "--carry-end",      "--soil",     "--irrigation",
          "--stress",  "--cuttings",  "--first-cut",      "--last-cut", "job NAME",
          "batch"})
        EXPECT_TRUE(r.out.contains(QString::fromLatin1(option))) << option;
}

TEST_F(ToolTest, BadInputGivesOneLineAndStatusTwo) {
    expectBadInput({QStringLiteral("job"), QStringLiteral("No such job")},
                   QStringLiteral("unknown job"));
    expectBadInput({QStringLiteral("crop"), QStringLiteral("--station"), QStringLiteral("NOWHERE"),
                    QStringLiteral("--crop"), QStringLiteral("Barley")},
                   QStringLiteral("unknown station"));
    expectBadInput({QStringLiteral("crop"), QStringLiteral("--station"), QStringLiteral("CHEYENNE"),
                    QStringLiteral("--crop"), QStringLiteral("barley")},
                   QStringLiteral("unknown crop"));
    expectBadInput({QStringLiteral("crop"), QStringLiteral("--station"), QStringLiteral("CHEYENNE"),
                    QStringLiteral("--crop"), QStringLiteral("Barley"), QStringLiteral("--plant"),
                    QStringLiteral("2/30")},
                   QStringLiteral("malformed date"));
    expectBadInput({QStringLiteral("batch"), QStringLiteral("--method"), QStringLiteral("PM")},
                   QStringLiteral("unknown ET method"));
    expectBadInput({QStringLiteral("frobnicate")}, QStringLiteral("unknown command"));
    const ToolRun missing = run({QStringLiteral("batch"), QStringLiteral("--db"),
                                 db.dir() + QStringLiteral("/missing.sqlite")},
                                false);
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("does not exist")));
}

TEST_F(ToolTest, CropDatesOutOfRangeStopWithStatusTwo) {
    setField(QStringLiteral("KovaJobCrop"), QStringLiteral("Crop Name"), QStringLiteral("Barley"),
             QStringLiteral("Harv Mo"), 13);
    expectBadInput({QStringLiteral("job"), QStringLiteral("Cheyenne sample job")},
                   QStringLiteral("\"Barley\""));
    setField(QStringLiteral("KovaCrop"), QStringLiteral("Cop Name"), QStringLiteral("Dry beans"),
             QStringLiteral("Plant Day"), 99);
    expectBadInput({QStringLiteral("crop"), QStringLiteral("--station"), QStringLiteral("CHEYENNE"),
                    QStringLiteral("--crop"), QStringLiteral("Dry beans")},
                   QStringLiteral("'Plant Day': 99"));
    expectBadInput(
        {QStringLiteral("batch"), QStringLiteral("--crops"), QStringLiteral("Barley,Dry beans")},
        QStringLiteral("\"Dry beans\""));
    // A date given on the command line replaces the damaged one.
    EXPECT_EQ(run({QStringLiteral("crop"), QStringLiteral("--station"), QStringLiteral("CHEYENNE"),
                   QStringLiteral("--crop"), QStringLiteral("Dry beans"), QStringLiteral("--plant"),
                   QStringLiteral("6/1")})
                  .exitCode,
              0);
}

// Every number must be finite and within the range of the field it fills; every list option
// one of its list.
TEST_F(ToolTest, NumberAndListOptionsOutsideTheirFieldsAreRefused) {
    const std::vector<std::pair<const char*, const char*>> refused = {
        {"--net-irr", "nan"},      {"--net-irr", "inf"},
        {"--net-irr", "0"},        {"--net-irr", "10.5"},
        {"--carry-beg", "1e308"},  {"--carry-beg", "-0.5"},
        {"--carry-end", "10"},     {"--stress", "-inf"},
        {"--stress", "1.01"},      {"--cuttings", "nan"},
        {"--cuttings", "13"},      {"--cuttings", "2.5"},
        {"--cuttings", "0"},       {"--soil", "Loam"},
        {"--irrigation", "Flood"}, {"--irrigation", "trickle irrigation"}};
    for (const auto& [option, value] : refused)
        expectBadInput(cropWith(QString::fromLatin1(option), QString::fromLatin1(value)),
                       QString::fromLatin1(option));
}

TEST_F(ToolTest, BothWordingsOfAnIrrigationTypeAreAccepted) {
    for (const char* type : {"Furrows- Small application depth", "Furrow- Small application depth",
                             "Sprinklers- above canopy", "Spinklers- above canopy"}) {
        const ToolRun r = run(cropWith(QStringLiteral("--irrigation"), QString::fromLatin1(type)) +
                              QStringList{QStringLiteral("--net-irr"), QStringLiteral("10"),
                                          QStringLiteral("--stress"), QStringLiteral("0")});
        EXPECT_EQ(r.exitCode, 0) << type << r.err.toStdString();
    }
}

TEST_F(ToolTest, AnEmptyDatabaseOrOneWithoutATableIsBadInputNamingTheFile) {
    const QString empty = db.dir() + QStringLiteral("/empty.sqlite");
    {
        QFile f(empty);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ToolRun r = run({QStringLiteral("batch"), QStringLiteral("--db"), empty}, false);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(empty)) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("/kova-calc-"))) << r.err.toStdString();

    {
        QSqlDatabase sql =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("drop-table"));
        sql.setDatabaseName(db.file());
        ASSERT_TRUE(sql.open());
        ASSERT_TRUE(QSqlQuery(sql).exec(QStringLiteral("DROP TABLE KovaWkCrop")));
        sql.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("drop-table"));
    r = run({QStringLiteral("job"), QStringLiteral("Cheyenne sample job")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(r.err.contains(db.file())) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("KovaWkCrop"))) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("/kova-calc-"))) << r.err.toStdString();
}

TEST_F(ToolTest, JobAsJsonHasEveryCropWithTwelveMonthArraysAndExactNumbers) {
    const QByteArray before = checksum();
    const ToolRun r = run({QStringLiteral("job"), QStringLiteral("Cheyenne sample job"),
                           QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject job = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(job[QStringLiteral("job")].toString(), QStringLiteral("Cheyenne sample job"));
    EXPECT_EQ(job[QStringLiteral("et_method")].toString(), QStringLiteral("Radiation"));
    const QJsonArray crops = job[QStringLiteral("crops")].toArray();
    ASSERT_EQ(crops.size(), 5);
    for (const QJsonValue& c : crops) {
        const QJsonObject crop = c.toObject();
        for (const char* key : {"kc", "eto_rate", "etc_rate", "eto_adjacent", "et_month", "ep50",
                                "ep80", "ni50", "ni80", "carry_used50", "carry_used80", "peak_et"})
            EXPECT_EQ(crop[QString::fromLatin1(key)].toArray().size(), 12) << key;
        double sum = 0;
        for (const QJsonValue& v : crop[QStringLiteral("ni50")].toArray())
            sum += v.toDouble();
        EXPECT_NEAR(crop[QStringLiteral("totals")].toObject()[QStringLiteral("ni50")].toDouble(),
                    sum, 1e-9);
        EXPECT_TRUE(crop[QStringLiteral("messages")].isArray());
    }
    // Shortest round-trip text: reading a number back and printing it again gives the text.
    const QString etText =
        r.out.section(QStringLiteral("\"et\":"), 1, 1).section(QLatin1Char(','), 0, 0);
    EXPECT_EQ(QString::number(etText.toDouble(), 'g', QLocale::FloatingPointShortest), etText);
    EXPECT_GT(etText.size(), 8);   // not rounded to a few digits
    EXPECT_EQ(checksum(), before); // the saved job and working rows are untouched
}

TEST_F(ToolTest, CropWithOverridesAsTableAndCsv) {
    const QStringList args = {
        QStringLiteral("crop"),      QStringLiteral("--station"),    QStringLiteral("CHEYENNE"),
        QStringLiteral("--crop"),    QStringLiteral("Corn (grain)"), QStringLiteral("--method"),
        QStringLiteral("RAD"),       QStringLiteral("--plant"),      QStringLiteral("5/15"),
        QStringLiteral("--net-irr"), QStringLiteral("2.5")};
    const ToolRun table = run(args);
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    EXPECT_TRUE(table.out.contains(QStringLiteral("Season 5/15 - 9/28")));
    EXPECT_TRUE(table.out.contains(QStringLiteral("Total")));
    EXPECT_EQ(table.out.count(QStringLiteral("\nJul ")), 1);
    const ToolRun csv =
        run(QStringList(args) << QStringLiteral("--format") << QStringLiteral("csv"));
    ASSERT_EQ(csv.exitCode, 0);
    const QStringList lines = csv.out.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1 + 13);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("job,station,et_method,crop")));
    EXPECT_TRUE(lines[13].contains(QStringLiteral(",Total,")));
}

TEST_F(ToolTest, BatchWritesOneCsvLinePerStationAndCrop) {
    const ToolRun r =
        run({QStringLiteral("batch"), QStringLiteral("--stations"),
             QStringLiteral("CHEYENNE,FLAGSTAFF PULLIAM AP"), QStringLiteral("--crops"),
             QStringLiteral("Corn (grain),Alfalfa hay,Barley")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1 + 6);
    EXPECT_EQ(lines[0],
              QStringLiteral("station,crop,et_method,et,ep50,ep80,ni50,ni80,peak_month,messages"));
    EXPECT_TRUE(
        lines[1].startsWith(QStringLiteral("CHEYENNE,Corn (grain),Blaney Criddle (TR21),")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("6 of 6 crops computed")));
    const ToolRun published =
        run({QStringLiteral("batch"), QStringLiteral("--stations"), QStringLiteral("CHEYENNE"),
             QStringLiteral("--crops"), QStringLiteral("Corn (grain)"), QStringLiteral("--method"),
             QStringLiteral("RAD"), QStringLiteral("--published-wind"), QStringLiteral("--format"),
             QStringLiteral("json")});
    ASSERT_EQ(published.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(published.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_GT(
        rows[0].toObject()[QStringLiteral("totals")].toObject()[QStringLiteral("et")].toDouble(),
        28.95); // higher than with the programs' wind form
}

} // namespace
