// Field names in code: a name a table does not have is a fault that shows (never a silent
// blank), and every name the code spells out is a declared field of its table.

#include "fieldnamescan.h"
#include "store/table.h"
#include "tempdatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

using namespace kova::store;
using kova::test::FieldNameScanner;
using kova::test::TempDatabase;

namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

// A debug build stops at the unknown name; a release build reads on and says why.
#ifdef QT_NO_DEBUG
constexpr bool kStopsAtUnknownField = false;
#else
constexpr bool kStopsAtUnknownField = true;
#endif

class UnknownField : public ::testing::Test {
protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        ASSERT_TRUE(climate.open()) << text(climate.errorString());
        ASSERT_TRUE(climate.append());
        ASSERT_TRUE(climate.setValue(QStringLiteral("Station Name"), QStringLiteral("CHEYENNE")));
        ASSERT_TRUE(climate.setValue(QStringLiteral("Latitude"), 4109));
    }
    TempDatabase db{TempDatabase::Contents::EmptySchema};
    Table climate{QStringLiteral("Climate")};
};

TEST_F(UnknownField, TableReadsAndWritesNameTheField) {
    if (kStopsAtUnknownField) {
        EXPECT_DEATH(climate.asFloat(QStringLiteral("Lattitude")), "Lattitude");
        EXPECT_DEATH(climate.setValue(QStringLiteral("Elevaton"), 6126), "Elevaton");
        return;
    }
    EXPECT_TRUE(climate.value(QStringLiteral("Lattitude")).isNull());
    EXPECT_EQ(climate.asFloat(QStringLiteral("Lattitude")), 0.0);
    EXPECT_TRUE(climate.isNull(QStringLiteral("Lattitude")));
    EXPECT_NE(climate.errorString().indexOf(QStringLiteral("'Lattitude'")), -1)
        << text(climate.errorString());
    EXPECT_NE(climate.errorString().indexOf(QStringLiteral("Climate")), -1);

    EXPECT_FALSE(climate.setValue(QStringLiteral("Elevaton"), 6126));
    EXPECT_NE(climate.errorString().indexOf(QStringLiteral("'Elevaton'")), -1);
    // Declared names, in any letter case, still work after a bad one.
    EXPECT_EQ(climate.asFloat(QStringLiteral("latitude")), 4109.0);
    EXPECT_EQ(climate.asString(QStringLiteral("Station Name")), QStringLiteral("CHEYENNE"));
}

TEST_F(UnknownField, RecordReadsNameTheField) {
    const Record row = climate.record();
    if (kStopsAtUnknownField) {
        EXPECT_DEATH(row.asString(QStringLiteral("StationName")), "StationName");
        return;
    }
    EXPECT_TRUE(row.errorString().isEmpty());
    EXPECT_EQ(row.asString(QStringLiteral("StationName")), QString());
    EXPECT_NE(row.errorString().indexOf(QStringLiteral("'StationName'")), -1)
        << text(row.errorString());
    EXPECT_NE(row.errorString().indexOf(QStringLiteral("Climate")), -1);
    // A record of no row has no declaration: every field is blank, and that is no fault.
    const Record none;
    EXPECT_TRUE(none.isNull(QStringLiteral("Anything")));
    EXPECT_TRUE(none.errorString().isEmpty());
}

// --- the scan of the source tree ---------------------------------------------------------

QStringList scanned(const QString& code, int* checked = nullptr) {
    FieldNameScanner scanner;
    scanner.scan(QStringLiteral("x.cpp"), code);
    if (checked)
        *checked = scanner.checkedCalls();
    return scanner.problems();
}

TEST(FieldNameScan, FindsMisspeltNamesInEveryForm) {
    EXPECT_EQ(scanned(QStringLiteral("void f(const Record& r) {\n"
                                     "  r.asFloat(QStringLiteral(\"Elevaton\"));\n}")),
              QStringList{QStringLiteral("x.cpp:2: 'Elevaton' is not a field of any table")});
    // Letter case counts: code spells names as declared.
    EXPECT_EQ(scanned(QStringLiteral("t->asString(QLatin1String(\"station name\"));")).size(), 1);
    EXPECT_EQ(scanned(QStringLiteral("r.isNull(u\"Lattitude\"_s);")).size(), 1);
    // A constant of the file; a month series with a literal prefix (one problem per month).
    EXPECT_EQ(scanned(QStringLiteral("const QString kCounty = QStringLiteral(\"Countey\");\n"
                                     "x.asString(kCounty);"))
                  .size(),
              1);
    EXPECT_EQ(
        scanned(QStringLiteral("Table& wk = w;\n"
                               "wk.setValue(store::monthField(QStringLiteral(\"IRR\"), m), 0);"))
            .size(),
        12);
    EXPECT_EQ(
        scanned(QStringLiteral("r.asFloat(monthFirstField(m, QStringLiteral(\"KC\")));")).size(),
        12);
    // Data-aware controls, including the list fields of a lookup combo.
    EXPECT_EQ(
        scanned(QStringLiteral("new ui::DataNumericEdit(&src, QStringLiteral(\"Elevaton\"), p);"))
            .size(),
        1);
    EXPECT_EQ(scanned(QStringLiteral("new DataLookupCombo(&src, QStringLiteral(\"WHR Location\"), "
                                     "&sites, QStringLiteral(\"WHR Locaton\"), kShown);"))
                  .size(),
              1);
    EXPECT_EQ(scanned(QStringLiteral(
                          "new DataGrid(&src, {{QStringLiteral(\"Station Name\"), {}, 190},\n"
                          "  {QStringLiteral(\"Staton No\"), QStringLiteral(\"Sta No\"), 60}});"))
                  .size(),
              1);
}

TEST(FieldNameScan, ChecksAgainstTheTableTheCallIsOn) {
    // 'Crop Name' is a field, but not of Climate, nor of KovaJob reached through a record.
    const QStringList problems =
        scanned(QStringLiteral("Table climate(QStringLiteral(\"Climate\"), alias);\n"
                               "climate.asString(QStringLiteral(\"Crop Name\"));\n"
                               "Table* jobs = table(alias, QStringLiteral(\"KovaJob\"), {});\n"
                               "const Record job = jobs->record();\n"
                               "job.asString(QStringLiteral(\"Crop Name\"));\n"
                               "jobs->setValue(QStringLiteral(\"Job Name\"), name);\n"));
    EXPECT_EQ(problems,
              (QStringList{QStringLiteral("x.cpp:2: 'Crop Name' is not a field of Climate"),
                           QStringLiteral("x.cpp:5: 'Crop Name' is not a field of KovaJob")}));
}

TEST(FieldNameScan, LeavesOtherValueCallsAndComputedNamesAlone) {
    int checked = -1;
    EXPECT_TRUE(scanned(QStringLiteral("QSettings ini(file);\n"
                                       "ini.value(QStringLiteral(\"Driver\"));\n"
                                       "json.value(QLatin1String(\"title\"));\n"
                                       "ini.setValue(QStringLiteral(\"Database\"), target);\n"
                                       "r.asFloat(field);\n"
                                       "v.isNull();\n"),
                        &checked)
                    .isEmpty());
    EXPECT_EQ(checked, 0);
}

QString sourceRoot() {
    return QDir::cleanPath(kova::test::testSourceFile(QStringLiteral("..")));
}

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(FieldNameScan, EveryFieldNameInTheCodeIsDeclared) {
    FieldNameScanner scanner;
    const QDir root(sourceRoot());
    for (const char* folder :
         {"store", "calc", "report", "ui", "climedit", "cropedit", "main", "results", "tools"}) {
        QDirIterator it(root.filePath(QLatin1String(folder)), {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QString header;
            if (path.endsWith(QLatin1String(".cpp")))
                header = readAll(path.chopped(4) + QStringLiteral(".h"));
            scanner.scan(root.relativeFilePath(path), readAll(path), header);
        }
    }
    EXPECT_TRUE(scanner.problems().isEmpty()) << text(scanner.problems().join(u'\n'));
    // The scan must keep seeing the code's field names, not pass because it reads nothing.
    EXPECT_GE(scanner.checkedCalls(), 100);
}

} // namespace
