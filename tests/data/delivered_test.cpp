// The database built into the build tree holds every declared table, row for row what the
// delivered CSV files hold, and a sample job filled as the program would fill it.

#include "csvreader.h"
#include "datadircopy.h"
#include "store/ddl.h"
#include "store/schema.h"
#include "tempdatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>
#include <gtest/gtest.h>

using kova::store::allTables;
using kova::store::quoteIdentifier;

namespace {

class DeliveredDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(QFile::exists(kova::test::deliveredDatabaseFile()));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection());
        db.setDatabaseName(kova::test::deliveredDatabaseFile());
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        ASSERT_TRUE(db.open());
    }
    static void TearDownTestSuite() {
        QSqlDatabase::database(connection(), false).close();
        QSqlDatabase::removeDatabase(connection());
    }
    static QString connection() { return QStringLiteral("delivered-test"); }
    static QSqlDatabase db() { return QSqlDatabase::database(connection(), false); }

    static int rowCount(const QString& table) {
        QSqlQuery q(db());
        q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoteIdentifier(table)));
        return q.next() ? q.value(0).toInt() : -1;
    }

    // The one row of a table (or the first), by field name.
    static QSqlRecord firstRow(const QString& table, const QString& where = QString()) {
        QSqlQuery q(db());
        q.exec(QStringLiteral("SELECT * FROM %1 %2 ORDER BY rowid")
                   .arg(quoteIdentifier(table), where));
        return q.next() ? q.record() : QSqlRecord();
    }
};

int csvRowCount(const QString& table) {
    const QString path = QDir(kova::test::sourceDataDir()).filePath(table + QStringLiteral(".csv"));
    if (!QFile::exists(path))
        return 0;
    const auto csv = kova::dbbuild::readCsvFile(path);
    return csv.problem ? -1 : static_cast<int>(csv.records.size()) - 1;
}

} // namespace

TEST_F(DeliveredDatabase, HoldsEveryDeclaredTableWithItsFieldsAndRows) {
    for (const auto& def : allTables()) {
        SCOPED_TRACE(def.name.toStdString());
        const QSqlRecord columns = db().record(def.name);
        ASSERT_EQ(columns.count(), static_cast<int>(def.fields.size()));
        for (int i = 0; i < columns.count(); ++i)
            EXPECT_EQ(columns.fieldName(i), def.fields[static_cast<size_t>(i)].name);
        EXPECT_EQ(rowCount(def.name), csvRowCount(def.name));
    }
    // Work tables start empty; the reference and settings tables are filled.
    EXPECT_EQ(rowCount(QStringLiteral("KovaWkCrop")), 0);
    EXPECT_EQ(rowCount(QStringLiteral("ETKc")), 0);
    for (const char* table : {"SystemDefaults", "LocalDefaults", "CrpLastUse", "Report"})
        EXPECT_EQ(rowCount(QLatin1String(table)), 1) << table;
}

// Every cell of the climate files arrives as written: text unchanged, numbers to the last
// digit, empty cells empty.
TEST_F(DeliveredDatabase, ClimateTablesHoldTheirFilesCellForCell) {
    for (const char* name : {"Climate", "County", "ClimWHR"}) {
        const QString table = QLatin1String(name);
        SCOPED_TRACE(name);
        const auto csv = kova::dbbuild::readCsvFile(
            QDir(kova::test::sourceDataDir()).filePath(table + QStringLiteral(".csv")));
        ASSERT_FALSE(csv.problem.has_value());
        const auto* def = kova::store::findTable(table);
        const QStringList header = csv.records.front().cells;
        QSqlQuery rows(db());
        rows.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(quoteIdentifier(table)));
        for (size_t r = 1; r < csv.records.size(); ++r) {
            ASSERT_TRUE(rows.next()) << "line " << csv.records[r].line;
            for (int c = 0; c < header.size(); ++c) {
                const QString text = csv.records[r].cells[c];
                const QVariant stored = rows.value(header[c]);
                const std::string where = QStringLiteral("line %1, %2")
                                              .arg(csv.records[r].line)
                                              .arg(header[c])
                                              .toStdString();
                if (text.isEmpty())
                    EXPECT_TRUE(stored.isNull()) << where;
                else if (def->field(header[c])->type == kova::store::FieldType::Float)
                    EXPECT_EQ(stored.toDouble(), text.toDouble()) << where;
                else if (def->field(header[c])->type == kova::store::FieldType::Boolean)
                    EXPECT_EQ(stored.toBool(), text == QStringLiteral("true")) << where;
                else
                    EXPECT_EQ(stored.toString(), text) << where;
            }
        }
        EXPECT_FALSE(rows.next()) << "more rows than lines";
    }
}

// Real values that look odd are delivered as they are: a 32 F freeze pair in the next January,
// a spring date after the fall one, a two-decimal mean, a site without a sunshine record.
TEST_F(DeliveredDatabase, OddRealValuesStayAsMeasured) {
    auto station = [](const char* name) {
        return firstRow(QStringLiteral("Climate"),
                        QStringLiteral("WHERE \"Station Name\" = '%1'").arg(QLatin1String(name)));
    };
    const QSqlRecord needles = station("NEEDLES AP");
    EXPECT_EQ(needles.value(QStringLiteral("Spr mo/dy 32")).toString(), QStringLiteral("01/06"));
    EXPECT_EQ(needles.value(QStringLiteral("Fall mo/dy 32")).toString(), QStringLiteral("01/02"));
    EXPECT_DOUBLE_EQ(needles.value(QStringLiteral("T Jan")).toDouble(), 54.25);
    const QSqlRecord mugu = station("POINT MUGU NF");
    EXPECT_EQ(mugu.value(QStringLiteral("Spr mo/dy 32")).toString(), QStringLiteral("12/29"));
    EXPECT_EQ(mugu.value(QStringLiteral("Fall mo/dy 32")).toString(), QStringLiteral("12/24"));
    const QSqlRecord casper = firstRow(QStringLiteral("ClimWHR"),
                                       QStringLiteral("WHERE \"WHR Location\" LIKE 'Casper%'"));
    EXPECT_TRUE(casper.value(QStringLiteral("NR Jul")).isNull());
    EXPECT_FALSE(casper.value(QStringLiteral("RS Jul")).isNull());
}

TEST_F(DeliveredDatabase, KeepsTextAsWrittenAndNumbersAutoIncFields) {
    const QSqlRecord flagstaff =
        firstRow(QStringLiteral("Climate"), QStringLiteral("WHERE \"Station Name\" = "
                                                           "'FLAGSTAFF PULLIAM AP'"));
    EXPECT_EQ(flagstaff.value(QStringLiteral("Station No")).toString(), QStringLiteral("03103"));
    EXPECT_EQ(flagstaff.value(QStringLiteral("TP Site No")).toInt(), 1);
    EXPECT_TRUE(flagstaff.value(QStringLiteral("WHR Location")).isNull());
    EXPECT_EQ(flagstaff.value(QStringLiteral("Marked")).toInt(), 0);

    QSqlQuery numbers(db());
    numbers.exec(QStringLiteral("SELECT \"Job Crop No\" FROM \"KovaJobCrop\" ORDER BY 1"));
    QList<int> jobCropNumbers;
    while (numbers.next())
        jobCropNumbers << numbers.value(0).toInt();
    EXPECT_EQ(jobCropNumbers, QList<int>({1, 2, 3, 4, 5}));
}

// The sample job holds what choosing CHEYENNE and adding its crops with the delivered
// defaults leaves in a saved job.
TEST_F(DeliveredDatabase, SampleJobFollowsItsStationAndTheDefaults) {
    const QSqlRecord job = firstRow(QStringLiteral("KovaJob"));
    const QString station = job.value(QStringLiteral("Weather Station")).toString();
    const QSqlRecord climate =
        firstRow(QStringLiteral("Climate"),
                 QStringLiteral("WHERE substr(\"Station Name\", 1, 30) = '%1'").arg(station));
    ASSERT_FALSE(climate.isEmpty());
    EXPECT_EQ(job.value(QStringLiteral("County")), climate.value(QStringLiteral("County")));
    EXPECT_EQ(job.value(QStringLiteral("StationNo")), climate.value(QStringLiteral("Station No")));
    EXPECT_EQ(job.value(QStringLiteral("Elevation")), climate.value(QStringLiteral("Elevation")));

    double p = 0;
    for (const char* month :
         {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"})
        p += climate.value(QStringLiteral("P ") + QLatin1String(month)).toDouble();
    const double ratio50 = 0.774261 + 0.0200712 * p - 0.000741843 * p * p +
                           1.27653e-05 * std::pow(p, 3) - 1.01543e-07 * std::pow(p, 4) +
                           3.01104e-10 * std::pow(p, 5);
    const double ratio80 = 0.415008 + 0.0295972 * p - 0.000779763 * p * p +
                           9.05045e-06 * std::pow(p, 3) - 3.72727e-08 * std::pow(p, 4);
    EXPECT_NEAR(job.value(QStringLiteral("EffPcpFact50")).toDouble(), ratio50, 1e-12);
    EXPECT_NEAR(job.value(QStringLiteral("EffPcpFact80")).toDouble(), ratio80, 1e-12);

    const QSqlRecord sys = firstRow(QStringLiteral("SystemDefaults"));
    const QSqlRecord local = firstRow(QStringLiteral("LocalDefaults"));
    const double net = local.value(QStringLiteral("Net Depth of Irrigation")).toDouble();
    QSqlQuery crops(db());
    crops.exec(QStringLiteral("SELECT * FROM \"KovaJobCrop\""));
    int count = 0;
    while (crops.next()) {
        ++count;
        const QSqlRecord crop = crops.record();
        SCOPED_TRACE(crop.value(QStringLiteral("Crop Name")).toString().toStdString());
        EXPECT_DOUBLE_EQ(crop.value(QStringLiteral("Carry Beg")).toDouble(),
                         sys.value(QStringLiteral("Spring Carryover %")).toDouble() * net * 0.01);
        EXPECT_DOUBLE_EQ(crop.value(QStringLiteral("Carry End")).toDouble(),
                         sys.value(QStringLiteral("Fall Carryover %")).toDouble() * net * 0.01);
        EXPECT_EQ(crop.value(QStringLiteral("Soil")),
                  local.value(QStringLiteral("Surface Soil Type")));
        EXPECT_EQ(crop.value(QStringLiteral("Irrigation Type")),
                  local.value(QStringLiteral("Type of Irrigation")));
        EXPECT_EQ(crop.value(QStringLiteral("Cuttings")),
                  local.value(QStringLiteral("Hay Cuttings Number")));
        EXPECT_TRUE(crop.value(QStringLiteral("Wetting")).isNull()) << "a save leaves it out";

        const QSqlRecord created =
            firstRow(QStringLiteral("KovaCrop"),
                     QStringLiteral("WHERE \"Cop Name\" = '%1'")
                         .arg(crop.value(QStringLiteral("Crop Name")).toString()));
        EXPECT_EQ(crop.value(QStringLiteral("Plant Mo")),
                  created.value(QStringLiteral("Plant Mo")));
        EXPECT_EQ(crop.value(QStringLiteral("Harv Day")),
                  created.value(QStringLiteral("Harvest Day")));
        // A job of ET method 2 (Radiation) uses the basal curves.
        EXPECT_EQ(crop.value(QStringLiteral("Curve Name")),
                  created.value(QStringLiteral("Bas Crop Curve Name")));
        EXPECT_EQ(crop.value(QStringLiteral("Crop Curve Type")),
                  created.value(QStringLiteral("Bas Crop Type")));
    }
    EXPECT_EQ(count, job.value(QStringLiteral("No of Crops")).toInt());
    EXPECT_EQ(job.value(QStringLiteral("ETIndex")).toInt(), 2);
}

TEST(DeliveredSchema, CreatesEveryIndexTheProgramsNameAndEnforcesUniqueness) {
    kova::test::TempDatabase temp(kova::test::TempDatabase::Contents::EmptySchema);
    const auto* climate = kova::store::findTable(QStringLiteral("Climate.DB"));
    ASSERT_NE(climate, nullptr);
    const auto* byName = climate->index(QStringLiteral("StaNameIndex"));
    ASSERT_NE(byName, nullptr);
    EXPECT_TRUE(byName->unique && byName->caseInsensitive);
    EXPECT_EQ(climate->primaryKey()->name, QStringLiteral("ClmTableIndex1"));

    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("schema-test"));
    db.setDatabaseName(temp.file());
    ASSERT_TRUE(db.open());
    {
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral(
            "INSERT INTO \"KovaCrop\" (\"Cop Name\", \"BC Crop Type\") VALUES ('Corn', 'x')")));
        EXPECT_FALSE(q.exec(QStringLiteral(
            "INSERT INTO \"KovaCrop\" (\"Cop Name\", \"BC Crop Type\") VALUES ('CORN', 'x')")))
            << "created crop names are unique whatever their letter case";
        ASSERT_TRUE(q.exec(
            QStringLiteral("INSERT INTO \"KovaWkCrop\" (\"Crop Name\", \"Job Name\", \"Crop No\") "
                           "VALUES ('Corn', 'J', 1), ('Corn', 'J', 2)")))
            << "work crops differ by their number";
        EXPECT_FALSE(q.exec(
            QStringLiteral("INSERT INTO \"KovaWkCrop\" (\"Crop Name\", \"Job Name\", \"Crop No\") "
                           "VALUES ('Corn', 'J', 1)")));
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("schema-test"));
}
