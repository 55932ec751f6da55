// Failures of the database behind the alias, transactions and two writers at once.

#include "store/database.h"
#include "store/table.h"
#include "tempdatabase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <thread>

using namespace kova::store;
using kova::test::TempDatabase;

namespace {

void pointAliasAt(const QString& file) {
    Database::closeAll();
    AliasTarget t;
    t.databaseFile = file;
    AliasRegistry::instance().define(kDefaultAlias, t);
}

int countRows(const QString& table) {
    Table t(table);
    return t.open() ? t.recordCount() : -1;
}

} // namespace

TEST(DatabaseErrors, EachNamesAliasFileAndTable) {
    QTemporaryDir dir;
    const QString missing = dir.path() + QStringLiteral("/none.sqlite");
    pointAliasAt(missing);
    Table t(QStringLiteral("Climate"));
    EXPECT_FALSE(t.open());
    EXPECT_TRUE(t.errorString().contains(QLatin1String("Kova")));
    EXPECT_TRUE(t.errorString().contains(missing));
    EXPECT_FALSE(QFile::exists(missing)) << "opening never creates a database";

    const QString corrupt = dir.path() + QStringLiteral("/corrupt.sqlite");
    {
        QFile f(corrupt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    pointAliasAt(corrupt);
    EXPECT_FALSE(t.open());
    EXPECT_TRUE(t.errorString().contains(corrupt));
    QFile f(corrupt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(4096, 'x')) << "a corrupt file is left untouched";

    const QString empty = dir.path() + QStringLiteral("/empty.sqlite");
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mk"));
        db.setDatabaseName(empty);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE other (x)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mk"));
    pointAliasAt(empty);
    EXPECT_FALSE(t.open());
    EXPECT_TRUE(t.errorString().contains(QLatin1String("'Climate'")));
    EXPECT_TRUE(t.errorString().contains(empty));
    AliasRegistry::instance().undefine(kDefaultAlias);
    Database::closeAll();
}

TEST(DatabaseErrors, ReadOnlyFileRefusesWritesWithAMessage) {
    TempDatabase db{TempDatabase::Contents::EmptySchema};
    QFile::setPermissions(db.file(), QFile::ReadOwner | QFile::ReadGroup);
    if (QFileInfo(db.file()).isWritable())
        GTEST_SKIP() << "running as a user that can write read-only files";
    Database::closeAll();
    Table t(QStringLiteral("County"));
    ASSERT_TRUE(t.open()) << t.errorString().toStdString();
    ASSERT_TRUE(t.append());
    t.setValue(QStringLiteral("County"), QStringLiteral("Ada, ID"));
    EXPECT_FALSE(t.post());
    EXPECT_TRUE(t.errorString().contains(QLatin1String("read-only")));
}

TEST(Transactions, NestedRollbackKeepsOuterWork) {
    TempDatabase db{TempDatabase::Contents::EmptySchema};
    Table t(QStringLiteral("County"));
    ASSERT_TRUE(t.open());
    Transaction outer(*t.database());
    t.append();
    t.setValue(QStringLiteral("County"), QStringLiteral("Ada, ID"));
    ASSERT_TRUE(t.post());
    {
        Transaction inner(*t.database());
        t.append();
        t.setValue(QStringLiteral("County"), QStringLiteral("Elko, NV"));
        ASSERT_TRUE(t.post());
    }
    EXPECT_EQ(t.recordCount(), 1);
    ASSERT_TRUE(outer.commit());
    EXPECT_EQ(countRows(QStringLiteral("County")), 1);
}

TEST(Transactions, SecondWriterWaitsInsteadOfFailing) {
    TempDatabase db{TempDatabase::Contents::EmptySchema};
    Table t(QStringLiteral("County"));
    ASSERT_TRUE(t.open());
    Transaction tx(*t.database());
    ASSERT_TRUE(tx.ok());
    t.append();
    t.setValue(QStringLiteral("County"), QStringLiteral("First, WY"));
    ASSERT_TRUE(t.post());

    // Another program: its own connection, in its own thread.
    bool otherOk = false;
    std::thread other([&] {
        {
            QSqlDatabase c =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            c.setDatabaseName(db.file());
            c.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
            if (c.open()) {
                QSqlQuery q(c);
                otherOk =
                    q.exec(QStringLiteral("INSERT INTO County (County) VALUES ('Second, WY')"));
            }
            c.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    });
    QThread::msleep(300);
    ASSERT_TRUE(tx.commit());
    other.join();
    EXPECT_TRUE(otherOk);
    t.refresh();
    EXPECT_EQ(t.recordCount(), 2);
}

TEST(PrivateTables, EachConnectionKeepsItsOwnRowsAndSharesTheRest) {
    TempDatabase db{TempDatabase::Contents::EmptySchema};
    AliasTarget target;
    target.databaseFile = db.file();
    AliasRegistry::instance().define(QStringLiteral("Other"), target);
    QString error;
    auto mine = Database::open(kDefaultAlias, &error);
    auto other = Database::open(QStringLiteral("Other"), &error);
    ASSERT_TRUE(mine && other && mine != other) << error.toStdString();

    Table before(QStringLiteral("County"));
    ASSERT_TRUE(before.open() && before.append());
    before.setValue(QStringLiteral("County"), QStringLiteral("Shared, WY"));
    ASSERT_TRUE(before.post());

    const QStringList working = {QStringLiteral("KovaWkCrop.DB"), QStringLiteral("ETKc")};
    ASSERT_TRUE(mine->makePrivate(working, &error)) << error.toStdString();
    ASSERT_TRUE(other->makePrivate(working, &error)) << error.toStdString();
    ASSERT_TRUE(mine->makePrivate(working, &error)) << "a second call changes nothing";
    EXPECT_TRUE(mine->isPrivate(QStringLiteral("kovawkcrop")));
    EXPECT_FALSE(mine->isPrivate(QStringLiteral("County")));

    auto addCrop = [](const QString& alias, const QString& crop) {
        Table t(QStringLiteral("KovaWkCrop"), alias);
        ASSERT_TRUE(t.open() && t.append());
        t.setValue(QStringLiteral("Crop Name"), crop);
        t.setValue(QStringLiteral("Job Name"), QStringLiteral("Job"));
        t.setValue(QStringLiteral("Crop No"), 1);
        ASSERT_TRUE(t.post()) << t.errorString().toStdString();
    };
    addCrop(kDefaultAlias, QStringLiteral("Mine"));
    addCrop(QStringLiteral("Other"), QStringLiteral("Theirs"));
    addCrop(QStringLiteral("Other"), QStringLiteral("Mine")); // no clash with my row's key

    Table theirs(QStringLiteral("KovaWkCrop"), QStringLiteral("Other"));
    ASSERT_TRUE(theirs.open());
    EXPECT_EQ(theirs.recordCount(), 2);
    ASSERT_TRUE(theirs.emptyTable());
    Table own(QStringLiteral("KovaWkCrop"));
    ASSERT_TRUE(own.open());
    ASSERT_EQ(own.recordCount(), 1);
    EXPECT_EQ(own.asString(QStringLiteral("Crop Name")), QStringLiteral("Mine"));

    Table county(QStringLiteral("County"), QStringLiteral("Other"));
    ASSERT_TRUE(county.open());
    EXPECT_EQ(county.recordCount(), 1) << "other tables stay shared";
    AliasRegistry::instance().undefine(QStringLiteral("Other"));
}
