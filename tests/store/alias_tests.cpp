// First run: the delivered database is copied, never modified, and the alias file written.

#include "store/alias.h"
#include "store/database.h"
#include "store/ddl.h"
#include "store/table.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kova::store;

namespace {

QByteArray digest(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

class FirstRun : public ::testing::Test {
protected:
    void SetUp() override {
        delivered = dir.path() + QStringLiteral("/delivered.sqlite");
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mk"));
            db.setDatabaseName(delivered);
            QString error;
            ASSERT_TRUE(db.open() && createSchema(db, &error));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("mk"));
        auto& r = AliasRegistry::instance();
        r.setAliasFile(dir.path() + QStringLiteral("/config/aliases.ini"));
        r.setUserDataDir(dir.path() + QStringLiteral("/userdata"));
        r.setDeliveredDatabase(delivered);
        Database::closeAll();
    }
    void TearDown() override {
        auto& r = AliasRegistry::instance();
        r.setAliasFile({});
        r.setUserDataDir({});
        r.setDeliveredDatabase({});
        Database::closeAll();
    }
    QTemporaryDir dir;
    QString delivered;
};

} // namespace

TEST_F(FirstRun, CopiesDeliveredDatabaseAndWritesAliasFile) {
    const QByteArray before = digest(delivered);
    {
        Table t(QStringLiteral("County"));
        ASSERT_TRUE(t.open()) << t.errorString().toStdString();
        ASSERT_TRUE(t.append());
        t.setValue(QStringLiteral("County"), QStringLiteral("Ada, ID"));
        ASSERT_TRUE(t.post());
    }
    EXPECT_EQ(digest(delivered), before) << "the delivered database is never written";
    const QString userDb = dir.path() + QStringLiteral("/userdata/Kova.sqlite");
    QSettings ini(dir.path() + QStringLiteral("/config/aliases.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Kova/Database")).toString(), userDb);

    // Later runs read the alias file; a lost alias file never overwrites the user's data.
    Database::closeAll();
    QFile::remove(dir.path() + QStringLiteral("/config/aliases.ini"));
    Table again(QStringLiteral("County"));
    ASSERT_TRUE(again.open());
    EXPECT_EQ(again.recordCount(), 1);
}

TEST_F(FirstRun, UnknownAliasAndMissingDeliveredDatabaseAreReported) {
    QString error;
    EXPECT_FALSE(AliasRegistry::instance().resolve(QStringLiteral("Other"), &error));
    EXPECT_TRUE(error.contains(QLatin1String("Other")));
    AliasRegistry::instance().setDeliveredDatabase(dir.path() + QStringLiteral("/missing"));
    QFile::remove(delivered);
    AliasRegistry::instance().setDeliveredDatabase(QStringLiteral("/nonexistent/Kova.sqlite"));
    Table t(QStringLiteral("County"));
    EXPECT_FALSE(t.open());
    EXPECT_TRUE(t.errorString().contains(QLatin1String("Kova")));
}
