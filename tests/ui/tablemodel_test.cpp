#include "grasstable.h"
#include "ui/datagrid.h"

#include <QAbstractItemModelTester>
#include <QtGlobal>

using namespace kova::ui;
using kova::store::EditState;

namespace {

const QString kName = QStringLiteral("Crop Curve Name");

// Counts the complaints of QAbstractItemModelTester (it reports through qWarning).
int g_modelWarnings = 0;
void countWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && message.contains(QLatin1String("FAIL")))
        ++g_modelWarnings;
}

struct Grid : kova::test::GrassTable {
    void SetUp() override {
        GrassTable::SetUp();
        g_modelWarnings = 0;
        previousHandler = qInstallMessageHandler(countWarnings);
    }
    void TearDown() override { qInstallMessageHandler(previousHandler); }

    QStringList shownNames(const TableModel& model) {
        QStringList names;
        for (int row = 0; row < model.rowCount(); ++row)
            names << model.data(model.index(row, 0)).toString();
        return names;
    }

    QtMessageHandler previousHandler = nullptr;
};

} // namespace

TEST_F(Grid, ModelPassesTheModelTesterThroughEveryKindOfChange) {
    TableModel model(&source, {{kName, {}, 0}, {QStringLiteral("Low Kc"), {}, 0}});
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    table.setIndexName(QStringLiteral("HWIndex"));
    table.setRange({QStringLiteral("HM")}, {QStringLiteral("HM")});
    table.cancelRange();
    table.last();
    ASSERT_TRUE(table.insert());
    table.setValue(kName, QStringLiteral("Zoysia"));
    ASSERT_TRUE(table.post());
    ASSERT_TRUE(table.edit());
    table.setValue(QStringLiteral("Low Kc"), 0.9);
    table.cancel();
    ASSERT_TRUE(table.remove());
    table.close();
    EXPECT_EQ(g_modelWarnings, 0);
}

TEST_F(Grid, ShowsTheTablesOrderRangeAndFilterLive) {
    TableModel model(&source, {{kName, QStringLiteral("Crop Curve"), 0}});
    EXPECT_EQ(shownNames(model),
              QStringList({"Alfalfa", "Bermuda", "Clover", "Fescue", "Timothy"}));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Crop Curve"));

    table.setIndexName(QStringLiteral("HWIndex"));
    table.setRange({QStringLiteral("HM")}, {QStringLiteral("HM")});
    EXPECT_EQ(shownNames(model), QStringList({"Alfalfa", "Timothy"}));

    table.cancelRange();
    table.setRecordFilter(
        [](const kova::store::Record& r) { return r.asBool(QStringLiteral("Hay")); });
    table.setFiltered(true);
    EXPECT_EQ(model.rowCount(), 3); // Alfalfa, Clover, Timothy
    table.setFiltered(false);
    EXPECT_EQ(model.rowCount(), 5);

    // A posted change shows at once, in its new place of the order.
    table.setIndexName(QString());
    table.first();
    ASSERT_TRUE(table.edit());
    table.setValue(kName, QStringLiteral("Vetch"));
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("Vetch")); // edit buffer
    ASSERT_TRUE(table.post());
    EXPECT_EQ(shownNames(model), QStringList({"Bermuda", "Clover", "Fescue", "Timothy", "Vetch"}));
}

TEST_F(Grid, APendingInsertShowsAsARowAtTheCursor) {
    TableModel model(&source, {{kName, {}, 0}});
    table.moveTo(2);
    ASSERT_TRUE(table.insert());
    EXPECT_EQ(model.rowCount(), 6);
    EXPECT_EQ(model.currentRow(), 2);
    EXPECT_EQ(model.data(model.index(2, 0)).toString(), QString());
    EXPECT_EQ(model.data(model.index(3, 0)).toString(), QStringLiteral("Clover"));
    table.cancel();
    EXPECT_EQ(model.rowCount(), 5);
}

TEST_F(Grid, SelectingARowMovesTheCursorAndTheGridFollowsIt) {
    DataGrid grid(&source, {{kName, {}, 120}});
    EXPECT_EQ(grid.currentIndex().row(), 0);
    grid.selectRow(3);
    EXPECT_EQ(table.recNo(), 3);
    EXPECT_EQ(table.asString(kName), QStringLiteral("Fescue"));

    table.last();
    EXPECT_EQ(grid.currentIndex().row(), 4);
    table.setIndexName(QStringLiteral("HWIndex"));
    table.setRange({QStringLiteral("AS")}, {QStringLiteral("AS")});
    EXPECT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(grid.currentIndex().row(), 0);
}

TEST_F(Grid, LeavingARowThatCannotBePostedKeepsTheSelection) {
    DataGrid grid(&source, {{kName, {}, 0}});
    ASSERT_TRUE(table.edit());
    table.setValue(kName, QStringLiteral("Bermuda")); // a duplicate of the primary key
    grid.selectRow(3);
    EXPECT_EQ(table.state(), EditState::Edit);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    ASSERT_EQ(answers->asked().size(), 1u);
    EXPECT_EQ(answers->asked()[0].text,
              QStringLiteral("The record cannot be saved: another record already has this "
                             "Crop Curve Name."));
    EXPECT_TRUE(answers->asked()[0].details.contains(QStringLiteral("Key violation")));
}

TEST_F(Grid, EditableGridWritesCellsUnderTheAutoEditSwitch) {
    DataGrid grid(&source, {{kName, {}, 0}, {QStringLiteral("Low Kc"), {}, 0}});
    grid.setEditable(true);
    TableModel* model = grid.tableModel();
    source.setAutoEdit(false);
    EXPECT_FALSE(model->flags(model->index(1, 1)).testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(model->setData(model->index(1, 1), 0.8));
    EXPECT_EQ(table.state(), EditState::Browse);

    source.setAutoEdit(true);
    EXPECT_TRUE(model->flags(model->index(1, 1)).testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(model->setData(model->index(1, 1), 0.8));
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_EQ(table.state(), EditState::Edit);
    grid.selectRow(2); // moving on posts
    EXPECT_EQ(table.state(), EditState::Browse);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("Bermuda"), QStringLiteral("Low Kc")).toDouble(), 0.8);
}
