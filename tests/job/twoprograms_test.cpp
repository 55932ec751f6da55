// Two programs on one database file: each keeps the crops of its job in work and its daily
// curve to itself; saved jobs are shared.

#include "jobfixture.h"

#include <QProcess>

using kova::test::JobTest;

namespace {

class OtherProgram {
public:
    explicit OtherProgram(const QString& file) {
        process_.start(QStringLiteral(KOVA_JOB_HELPER), {file});
        process_.waitForStarted(10000);
        ready = readLine() == "ready";
    }
    ~OtherProgram() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    QString ask(const char* command) {
        process_.write(command);
        process_.write("\n");
        process_.waitForBytesWritten(5000);
        return readLine();
    }
    int quit() {
        process_.write("quit\n");
        process_.waitForFinished(10000);
        return process_.exitCode();
    }
    bool ready = false;

private:
    QString readLine() {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(20000))
                return QStringLiteral("(no answer)");
        return QString::fromUtf8(process_.readLine()).trimmed();
    }
    QProcess process_;
};

class TwoPrograms : public JobTest {
protected:
    int rows(const QString& table) {
        kova::store::Table t(table);
        return t.open() ? t.recordCount() : -1;
    }
};

TEST_F(TwoPrograms, NeitherSeesChangesNorEmptiesTheOthersWorkingRows) {
    OtherProgram other(db.file());
    ASSERT_TRUE(other.ready);
    const QString otherRows = other.ask("rows");
    EXPECT_TRUE(otherRows.startsWith("5 ")) << otherRows.toStdString();
    EXPECT_EQ(rows("KovaWkCrop"), 0) << "the other program's crops are not this one's";

    // This program starts, works on its own job, computes, cancels: all on its own rows.
    kova::job::JobMessageLog messages2;
    kova::test::ScriptedDialogs dialogs2;
    kova::job::JobSession restarted(messages2, dialogs2);
    ASSERT_TRUE(restarted.start());
    startJob("From here");
    addCrops({"Barley", "Oats"});
    EXPECT_EQ(rows("KovaWkCrop"), 2);
    EXPECT_EQ(other.ask("rows"), otherRows);
    ASSERT_EQ(session.saveJob(), kova::job::SaveResult::Saved);
    EXPECT_TRUE(other.ask("jobs").split('|').contains("From here")) << "saved jobs are shared";
    ASSERT_TRUE(session.cancelJob());
    EXPECT_EQ(rows("KovaWkCrop"), 0);
    EXPECT_EQ(other.ask("rows"), otherRows);

    startJob("Still here");
    addCrops({"Potatoes"});
    const int etkc = rows("ETKc");
    EXPECT_EQ(other.quit(), 0);
    EXPECT_EQ(rows("KovaWkCrop"), 1) << "leaving the other program empties only its rows";
    EXPECT_EQ(rows("ETKc"), etkc);
}

} // namespace
