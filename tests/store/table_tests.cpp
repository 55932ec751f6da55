// Cursor semantics the calculation and the editors rely on: nearest-key lookups, ranges,
// filters, field rules and key checks at post.

#include "store/fieldnames.h"
#include "store/table.h"
#include "tempdatabase.h"

#include <gtest/gtest.h>

using namespace kova::store;
using kova::test::TempDatabase;

namespace {

struct Station {
    const char* name;
    const char* county;
    const char* number;
};

void addStation(Table& t, const Station& s, double latitude = 4100) {
    ASSERT_TRUE(t.append());
    ASSERT_TRUE(t.setValue(QStringLiteral("Station Name"), QString::fromUtf8(s.name)));
    ASSERT_TRUE(t.setValue(QStringLiteral("County"), QString::fromUtf8(s.county)));
    ASSERT_TRUE(t.setValue(QStringLiteral("Station No"), QString::fromUtf8(s.number)));
    for (const char* f : {"Latitude", "Longitude", "Elevation"})
        ASSERT_TRUE(t.setValue(QLatin1String(f), latitude));
    for (const char* f : {"Spr mo/dy 28", "Spr mo/dy 32", "Fall mo/dy 28", "Fall mo/dy 32"})
        ASSERT_TRUE(t.setValue(QLatin1String(f), QStringLiteral("00/00")));
    for (int m = 1; m <= 12; ++m) {
        ASSERT_TRUE(t.setValue(monthField(QStringLiteral("T"), m), 50.0));
        ASSERT_TRUE(t.setValue(monthField(QStringLiteral("P"), m), 1.0));
    }
    ASSERT_TRUE(t.post()) << t.errorString().toStdString();
}

QStringList walk(Table& t, const QString& field) {
    QStringList out;
    for (t.first(); !t.eof(); t.next())
        out << t.asString(field);
    return out;
}

class ClimateTable : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(climate.open()) << climate.errorString().toStdString();
        for (const Station& s :
             {Station{"CHEYENNE", "Laramie, WY", "24018"},
              Station{"casper", "Natrona, WY", "24089"}, Station{"BOISE", "Ada, ID", "24131"},
              Station{"O'NEILL", "O'Brien, IA", "99999"},
              Station{"LANDER", "Fremont, WY", "24021"}})
            addStation(climate, s);
    }
    TempDatabase db{TempDatabase::Contents::EmptySchema};
    Table climate{QStringLiteral("Climate.DB")};
};

} // namespace

TEST_F(ClimateTable, NearestKeyBeforeInsideAndPastTheEnd) {
    climate.setIndexName(QStringLiteral("StaNameIndex"));
    climate.findNearest({QStringLiteral("A")});
    EXPECT_EQ(climate.asString(QStringLiteral("Station Name")), QStringLiteral("BOISE"));
    climate.findNearest({QStringLiteral("CAT")});
    EXPECT_EQ(climate.asString(QStringLiteral("Station Name")), QStringLiteral("CHEYENNE"));
    climate.findNearest({QStringLiteral("Lander")}); // exact match, other case
    EXPECT_EQ(climate.asString(QStringLiteral("Station Name")), QStringLiteral("LANDER"));
    climate.findNearest({QStringLiteral("ZZZ")});
    EXPECT_EQ(climate.asString(QStringLiteral("Station Name")), QStringLiteral("O'NEILL"));
}

TEST_F(ClimateTable, CaseInsensitiveIndexFoldsCaseExactSearchDoesNotMatchOtherKeys) {
    climate.setIndexName(QStringLiteral("StaNameIndex"));
    EXPECT_EQ(walk(climate, QStringLiteral("Station Name")),
              (QStringList{"BOISE", "casper", "CHEYENNE", "LANDER", "O'NEILL"}));
    EXPECT_TRUE(climate.findKey({QStringLiteral("CASPER")}));
    EXPECT_EQ(climate.asString(QStringLiteral("County")), QStringLiteral("Natrona, WY"));
    EXPECT_FALSE(climate.findKey({QStringLiteral("CASP")}));
    EXPECT_EQ(climate.asString(QStringLiteral("Station Name")), QStringLiteral("casper"))
        << "a failed search leaves the cursor where it was";

    // The primary key is case-sensitive: upper case sorts before lower case.
    climate.setIndexName(QString());
    EXPECT_EQ(walk(climate, QStringLiteral("Station Name")).last(), QStringLiteral("casper"));
}

TEST_F(ClimateTable, RangeOnCountyIndexCombinesWithFilter) {
    climate.setIndexName(QStringLiteral("CountyIndex"));
    climate.setRange({QStringLiteral("fremont, wy")}, {QStringLiteral("Natrona, WY")});
    EXPECT_EQ(climate.recordCount(), 3);
    EXPECT_EQ(walk(climate, QStringLiteral("County")),
              (QStringList{"Fremont, WY", "Laramie, WY", "Natrona, WY"}));
    ASSERT_TRUE(climate.setFilter(QStringLiteral("Station No <> '24018'")));
    climate.setFiltered(true);
    EXPECT_EQ(walk(climate, QStringLiteral("Station Name")), (QStringList{"LANDER", "casper"}));
    climate.cancelRange();
    EXPECT_EQ(climate.recordCount(), 4);
}

TEST_F(ClimateTable, FilterExpressionWithApostropheAndCallback) {
    ASSERT_TRUE(climate.setFilter(QStringLiteral("County = 'O'Brien, IA'")));
    climate.setFiltered(true);
    EXPECT_EQ(walk(climate, QStringLiteral("Station Name")), QStringList{"O'NEILL"});

    ASSERT_TRUE(climate.setFilter(QStringLiteral("County = 'Laramie, WY'")));
    EXPECT_EQ(walk(climate, QStringLiteral("Station Name")), QStringList{"CHEYENNE"});

    climate.setFilter(QString());
    climate.setRecordFilter([](const Record& r) {
        return r.asString(QStringLiteral("County")).endsWith(QLatin1String("WY"));
    });
    EXPECT_EQ(climate.recordCount(), 3);
    // A row posted while filtered that the filter rejects disappears from view.
    climate.first();
    ASSERT_TRUE(climate.edit());
    ASSERT_TRUE(climate.setValue(QStringLiteral("County"), QStringLiteral("Ada, ID")));
    ASSERT_TRUE(climate.post());
    EXPECT_EQ(climate.recordCount(), 2);
    climate.setFiltered(false);
    EXPECT_EQ(climate.recordCount(), 5);
}

TEST_F(ClimateTable, PostRefusesDuplicateNameInAnotherCountyAndKeepsTheRowInEdit) {
    ASSERT_TRUE(climate.append());
    climate.setValue(QStringLiteral("Station Name"), QStringLiteral("Cheyenne"));
    climate.setValue(QStringLiteral("County"), QStringLiteral("Other, NE"));
    for (const char* f : {"Latitude", "Longitude", "Elevation"})
        climate.setValue(QLatin1String(f), 1);
    for (const char* f : {"Spr mo/dy 28", "Spr mo/dy 32", "Fall mo/dy 28", "Fall mo/dy 32"})
        climate.setValue(QLatin1String(f), QStringLiteral("00/00"));
    for (int m = 1; m <= 12; ++m) {
        climate.setValue(monthField(QStringLiteral("T"), m), 1);
        climate.setValue(monthField(QStringLiteral("P"), m), 1);
    }
    EXPECT_FALSE(climate.post());
    EXPECT_TRUE(climate.errorString().contains(QLatin1String("Station Name")));
    EXPECT_TRUE(climate.errorString().contains(QLatin1String("Climate")));
    EXPECT_EQ(climate.state(), EditState::Insert);
    climate.setValue(QStringLiteral("Station Name"), QStringLiteral("CHEYENNE 2"));
    EXPECT_TRUE(climate.post()) << climate.errorString().toStdString();
    EXPECT_EQ(climate.recordCount(), 6);
}

TEST_F(ClimateTable, PostRefusesMissingRequiredField) {
    climate.first();
    ASSERT_TRUE(climate.edit());
    ASSERT_TRUE(climate.setValue(QStringLiteral("T Jul"), QString()));
    EXPECT_FALSE(climate.post());
    EXPECT_TRUE(climate.errorString().contains(QLatin1String("'T Jul'")));
    EXPECT_EQ(climate.state(), EditState::Edit);
    climate.cancel();
    EXPECT_DOUBLE_EQ(climate.asFloat(QStringLiteral("T Jul")), 50.0);
}

TEST_F(ClimateTable, ARefusedPostNamesEveryMissingFieldAtOnce) {
    ASSERT_TRUE(climate.append());
    climate.setValue(QStringLiteral("Station Name"), QStringLiteral("NEW STATION"));
    climate.setValue(QStringLiteral("County"), QStringLiteral("Laramie, WY"));
    for (const char* f : {"Latitude", "Longitude", "Elevation"})
        climate.setValue(QLatin1String(f), 1);
    for (const char* f : {"Spr mo/dy 28", "Spr mo/dy 32", "Fall mo/dy 28"})
        climate.setValue(QLatin1String(f), QStringLiteral("00/00"));
    climate.setValue(monthField(QStringLiteral("T"), 1), 20);
    EXPECT_FALSE(climate.post());

    QStringList missing{QStringLiteral("Fall mo/dy 32")};
    for (int m = 2; m <= 12; ++m)
        missing << monthField(QStringLiteral("T"), m);
    for (int m = 1; m <= 12; ++m)
        missing << monthField(QStringLiteral("P"), m);
    std::sort(missing.begin(), missing.end(), [&](const QString& a, const QString& b) {
        return climate.def().fieldIndex(a) < climate.def().fieldIndex(b);
    });
    EXPECT_EQ(climate.postRefusal().missingFields, missing); // in declaration order
    EXPECT_TRUE(climate.postRefusal().duplicateKey.isEmpty());
    for (const QString& field : missing) // the technical text names them all too
        EXPECT_TRUE(climate.errorString().contains(QLatin1Char('\'') + field + QLatin1Char('\'')))
            << field.toStdString();
    EXPECT_TRUE(climate.errorString().contains(QLatin1String("Climate")));
    EXPECT_EQ(climate.state(), EditState::Insert);

    // Filled in, the row goes; a duplicate name is then told by its key fields.
    for (const QString& field : missing)
        climate.setValue(field, field.startsWith(QLatin1Char('F')) ? QVariant("00/00") : 1);
    climate.setValue(QStringLiteral("Station Name"), QStringLiteral("cheyenne"));
    EXPECT_FALSE(climate.post());
    EXPECT_TRUE(climate.postRefusal().missingFields.isEmpty());
    EXPECT_EQ(climate.postRefusal().duplicateKey, QStringList{QStringLiteral("Station Name")});
    climate.setValue(QStringLiteral("Station Name"), QStringLiteral("NEW STATION"));
    EXPECT_TRUE(climate.post()) << climate.errorString().toStdString();
    EXPECT_TRUE(climate.postRefusal().missingFields.isEmpty());
}

TEST_F(ClimateTable, FieldRulesTruncateTextCheckRangesAndProtectAutoInc) {
    climate.first();
    const int site = climate.asInt(QStringLiteral("TP Site No"));
    EXPECT_GT(site, 0);
    ASSERT_TRUE(climate.edit());
    const QString longName = QStringLiteral("A STATION NAME OF THIRTY-SIX CHARS!");
    ASSERT_TRUE(climate.setValue(QStringLiteral("Station Name"), longName + QLatin1Char('X')));
    EXPECT_EQ(climate.asString(QStringLiteral("Station Name")), longName.left(35));
    EXPECT_FALSE(climate.setValue(QStringLiteral("TP Site No"), 7));
    EXPECT_FALSE(climate.setValue(QStringLiteral("Latitude"), QStringLiteral("41 N")));
    ASSERT_TRUE(climate.post());
    EXPECT_EQ(climate.asInt(QStringLiteral("TP Site No")), site);

    Table job(QStringLiteral("KovaJob.db"));
    ASSERT_TRUE(job.open());
    ASSERT_TRUE(job.append());
    ASSERT_TRUE(job.setValue(QStringLiteral("Weather Station"), longName));
    EXPECT_EQ(job.asString(QStringLiteral("Weather Station")).size(), 30);
    EXPECT_FALSE(job.setValue(QStringLiteral("No of Crops"), 40000));
    EXPECT_FALSE(job.setValue(QStringLiteral("No of Crops"), 2.5));
    EXPECT_TRUE(job.setValue(QStringLiteral("No of Crops"), QStringLiteral("3")));
}

TEST_F(ClimateTable, AutoIncNumbersNewRowsAndDeleteMovesToNext) {
    climate.setIndexName(QStringLiteral("StaNameIndex"));
    climate.findKey({QStringLiteral("CHEYENNE")});
    ASSERT_TRUE(climate.remove());
    EXPECT_EQ(climate.asString(QStringLiteral("Station Name")), QStringLiteral("LANDER"));
    addStation(climate, {"NEW", "Ada, ID", "1"});
    EXPECT_EQ(climate.asInt(QStringLiteral("TP Site No")), 6) << "numbers are never reused";
}

TEST_F(ClimateTable, MarkAllTouchesRowsHiddenByRangeAndFilter) {
    climate.setIndexName(QStringLiteral("CountyIndex"));
    climate.setRange({QStringLiteral("Ada, ID")}, {QStringLiteral("Ada, ID")});
    ASSERT_TRUE(climate.setFilter(QStringLiteral("Station No = '24131'")));
    climate.setFiltered(true);
    QString error;
    ASSERT_TRUE(
        climate.database()->execUpdate(QStringLiteral("Update Climate Set Marked=:NewValue"),
                                       {{QStringLiteral("NewValue"), QStringLiteral("T")}}, &error))
        << error.toStdString();
    Table all(QStringLiteral("Climate"));
    ASSERT_TRUE(all.open());
    int marked = 0;
    for (all.first(); !all.eof(); all.next())
        marked += all.asBool(QStringLiteral("Marked")) ? 1 : 0;
    EXPECT_EQ(marked, 5);

    // The marked-only filter of the editors.
    all.setRecordFilter([](const Record& r) { return r.asBool(QStringLiteral("Marked")); });
    all.setFiltered(true);
    EXPECT_EQ(all.recordCount(), 5);
    ASSERT_TRUE(climate.database()->execUpdate(
        QStringLiteral("Update Climate Set Marked = :NewValue"),
        {{QStringLiteral("NewValue"), QStringLiteral("F")}}, &error));
    EXPECT_EQ(all.recordCount(), 0) << "other cursors see the update";
}

TEST_F(ClimateTable, RolledBackTransactionLeavesTableAsBefore) {
    {
        Transaction tx(*climate.database());
        ASSERT_TRUE(tx.ok());
        ASSERT_TRUE(climate.emptyTable());
        addStation(climate, {"ONLY", "Ada, ID", "1"});
        EXPECT_EQ(climate.recordCount(), 1);
    } // no commit
    EXPECT_EQ(climate.recordCount(), 5);
    EXPECT_EQ(walk(climate, QStringLiteral("Station Name")).size(), 5);
}

// Every posted new row is the current row, wherever it sorts and however often the cursor's
// row list has to grow on the way (it grows at 1, 2, 3, 5, ... rows).
TEST(NewRows, APostedRowIsCurrentWhereverItSorts) {
    TempDatabase db{TempDatabase::Contents::EmptySchema};
    Table t{QStringLiteral("Climate")};
    t.setIndexName(QStringLiteral("StaNameIndex"));
    ASSERT_TRUE(t.open());
    const char* names[] = {"M", "B", "T", "D", "Z", "A", "X", "C", "Y"};
    for (const char* name : names) {
        addStation(t, {name, "Laramie, WY", "1"});
        EXPECT_EQ(t.asString(QStringLiteral("Station Name")), QLatin1String(name));
    }
}

TEST_F(ClimateTable, NavigationFlags) {
    climate.first();
    EXPECT_TRUE(climate.bof());
    EXPECT_FALSE(climate.eof());
    int n = 1;
    while (climate.next())
        ++n;
    EXPECT_EQ(n, 5);
    EXPECT_TRUE(climate.eof());
    EXPECT_EQ(climate.recNo(), 4);
    climate.last();
    EXPECT_TRUE(climate.prior());
    EXPECT_FALSE(climate.bof());
    climate.setIndexName(QStringLiteral("CountyIndex"));
    climate.setRange({QStringLiteral("X")}, {QStringLiteral("Y")});
    EXPECT_TRUE(climate.eof() && climate.bof());
    EXPECT_EQ(climate.recNo(), -1);
}

TEST(TableNames, OpenByFileNameWithOrWithoutExtensionAnyCase) {
    TempDatabase db{TempDatabase::Contents::EmptySchema};
    for (const char* name : {"KovaWkCrop.DB", "kovawkcrop", "KOVAWKCROP.db"}) {
        Table t{QLatin1String(name)};
        ASSERT_TRUE(t.open()) << name;
        EXPECT_EQ(t.tableName(), QStringLiteral("KovaWkCrop"));
    }
    Table unknown{QStringLiteral("NoSuch.DB")};
    EXPECT_FALSE(unknown.open());
    Table badIndex{QStringLiteral("Climate")};
    badIndex.setIndexName(QStringLiteral("NoSuchIndex"));
    EXPECT_FALSE(badIndex.open());
    EXPECT_TRUE(badIndex.errorString().contains(QLatin1String("NoSuchIndex")));
}

TEST(TableNames, IrregularTr21FieldsReadAndWrite) {
    TempDatabase db{TempDatabase::Contents::EmptySchema};
    Table t{QStringLiteral("CrpBCAnu.DB")};
    ASSERT_TRUE(t.open());
    ASSERT_TRUE(t.append());
    t.setValue(QStringLiteral("Crop Curve Name"), QStringLiteral("Corn"));
    for (size_t i = 0; i < kBCAnnualKcFields.size(); ++i)
        ASSERT_TRUE(t.setValue(QLatin1String(kBCAnnualKcFields[i]), 0.05 * static_cast<double>(i)));
    ASSERT_TRUE(t.post()) << t.errorString().toStdString();
    EXPECT_DOUBLE_EQ(t.asFloat(QStringLiteral("35 % Kc")), 0.35);
    EXPECT_DOUBLE_EQ(t.asFloat(QStringLiteral("100%Kc")), 1.0);
}
