#include "csvreader.h"

#include <gtest/gtest.h>

using kova::dbbuild::parseCsv;

namespace {

QStringList cells(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

} // namespace

TEST(CsvReader, QuotedCellsKeepCommasQuotesAndLineBreaks) {
    const auto csv = parseCsv(QStringLiteral("Name,Notes\r\n"
                                             "\"Ada, ID\",\"say \"\"hi\"\"\"\r\n"
                                             "plain,\"two\r\nlines\"\r\n"
                                             "last,\"\"\r\n"),
                              QStringLiteral("t.csv"));
    ASSERT_FALSE(csv.problem);
    ASSERT_EQ(csv.records.size(), 4u);
    EXPECT_EQ(csv.records[1].cells, cells({"Ada, ID", "say \"hi\""}));
    EXPECT_EQ(csv.records[2].cells, cells({"plain", "two\nlines"}));
    EXPECT_EQ(csv.records[3].cells, cells({"last", ""}));
    // A cell spanning two lines moves the following records down a line.
    EXPECT_EQ(csv.records[2].line, 3);
    EXPECT_EQ(csv.records[3].line, 5);
}

TEST(CsvReader, EmptyCellsAndLinesAndMissingFinalBreak) {
    const auto csv = parseCsv(QStringLiteral("a,b,c\n\n,,\n1,2,"), QStringLiteral("t.csv"));
    ASSERT_FALSE(csv.problem);
    ASSERT_EQ(csv.records.size(), 3u);
    EXPECT_EQ(csv.records[1].cells, cells({"", "", ""}));
    EXPECT_EQ(csv.records[1].line, 3);
    EXPECT_EQ(csv.records[2].cells, cells({"1", "2", ""}));
    EXPECT_EQ(csv.records[2].line, 4);
}

TEST(CsvReader, MalformedQuotesNameTheLine) {
    const auto open =
        parseCsv(QStringLiteral("a,b\n1,2\n3,\"never closed\n4,5\n"), QStringLiteral("t.csv"));
    ASSERT_TRUE(open.problem);
    EXPECT_EQ(open.problem->text(), QStringLiteral("t.csv:3: quoted cell is not closed"));

    const auto trailing = parseCsv(QStringLiteral("a,b\n\"x\"y,2\n"), QStringLiteral("t.csv"));
    ASSERT_TRUE(trailing.problem);
    EXPECT_EQ(trailing.problem->text(),
              QStringLiteral("t.csv:2: text after the closing quote of a cell"));
}
