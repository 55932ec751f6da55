// kova-calc report as a script runs it: every kind, the formats by extension, the pages of a
// picture, the same document as the program's preview, exit 2 on what cannot be done, and
// the other commands without any window system.

#include "reportsfixture.h"

#include "results/reports/cropreports.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace kova::test {

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out, err;
};

class ReportTool : public ReportsTest {
protected:
    // Without a display: the tool must choose the offscreen platform itself.
    ToolRun run(QStringList args, const QString& platform = {}) {
        args << QStringLiteral("--db") << db.file();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!platform.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KOVA_CALC_BIN), args);
        p.waitForFinished(120000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    ToolRun report(const QString& kind, const QString& out, const QString& crop = {}) {
        QStringList args{"report", "Cheyenne sample job", "--kind", kind, "--out", out};
        if (!crop.isEmpty())
            args << "--crop" << crop;
        return run(args);
    }
    QString file(const QString& name) const { return out.filePath(name); }
    void expectRefused(const ToolRun& r, const QString& says) {
        EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(says)) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }

    QTemporaryDir out;
    QTemporaryDir runtime;
};

TEST_F(ReportTool, EveryKindWritesItsDocumentInTheFormatOfItsExtension) {
    struct Case {
        const char* kind;
        const char* crop;
        const char* name;
        const char* title;
    };
    for (const Case& c : {Case{"summary", "Barley", "summary.pdf", "Crop Data Summary"},
                          Case{"details", "Corn (grain)", "details.pdf", "Crop Data Details"},
                          Case{"job-summary", "", "job.pdf", "Normal Year Kova"},
                          Case{"job-list", "", "jobs.pdf", "List of Available Jobs"}}) {
        const ToolRun r = report(c.kind, file(c.name), c.crop);
        ASSERT_EQ(r.exitCode, 0) << c.kind << r.err.toStdString();
        EXPECT_EQ(r.out, file(c.name) + '\n');
        EXPECT_TRUE(pdfText(file(c.name)).contains(c.title)) << c.kind;
    }
    // One page of a picture is the file named; HTML, SVG, JPEG and BMP by their extension.
    ASSERT_EQ(report("curves", file("curves.png"), "Corn (grain)").exitCode, 0);
    EXPECT_TRUE(QFile::exists(file("curves.png")));
    EXPECT_EQ(report("bars", file("bars.svg"), "Barley").out, file("bars.svg") + '\n');
    EXPECT_EQ(report("bars", file("bars.JPG"), "Barley").exitCode, 0);
    EXPECT_EQ(report("summary", file("summary.bmp"), "Barley").exitCode, 0);
    ASSERT_EQ(report("summary", file("summary.html"), "Alfalfa hay").exitCode, 0);
    QFile html(file("summary.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(html.readAll()).contains("Alfalfa hay"));
    // A picture of more pages is one file a page.
    const ToolRun pages = report("job-summary", file("job.png"));
    ASSERT_EQ(pages.exitCode, 0);
    EXPECT_EQ(pages.out, file("job-1.png") + '\n' + file("job-2.png") + '\n');
    // The list of jobs needs no job.
    EXPECT_EQ(run({"report", "--kind", "job-list", "--out", file("all.svg")}).exitCode, 0);
}

TEST_F(ReportTool, WritesWhatTheProgramsPreviewShows) {
    ASSERT_EQ(report("summary", file("tool.pdf"), "Dry beans").exitCode, 0);
    openSampleJob();
    displayCrop("Dry beans");
    EXPECT_EQ(pdfText(file("tool.pdf")).normalized(QString::NormalizationForm_KC),
              textOf(*results::buildCropSummaryReport(source())));
}

TEST_F(ReportTool, RefusesWhatItCannotDoWithOneLineAndStatusTwo) {
    expectRefused(report("summary", file("x.pdf"), "Oats"),
                  "unknown crop 'Oats' in job 'Cheyenne sample job'");
    expectRefused(run({"report", "No such job", "--kind", "summary", "--crop", "Barley", "--out",
                       file("x.pdf")}),
                  "unknown job 'No such job'");
    expectRefused(report("everything", file("x.pdf"), "Barley"),
                  "unknown report kind 'everything'");
    expectRefused(report("curves", file("x.pdf"), "Barley"), "cannot be exported as PDF");
    expectRefused(report("summary", file("x"), "Barley"), "needs an extension");
    expectRefused(report("summary", file("x.doc"), "Barley"), "\".doc\"");
    expectRefused(report("summary", file("x.pdf")), "needs --crop NAME");
    expectRefused(report("bars", "/nonexistent/dir/bars.png", "Barley"),
                  "Cannot write the file \"/nonexistent/dir/bars.png\".");
    expectRefused(report("summary", "/nonexistent/dir/s.pdf", "Barley"), "Cannot write the file");
    sql("DELETE FROM KovaJobCrop");
    sql("DELETE FROM KovaJob");
    expectRefused(run({"report", "--kind", "job-list", "--out", file("none.pdf")}),
                  "There is nothing to print.");
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}

TEST_F(ReportTool, OnlyReportStartsAWindowSystem) {
    // A platform that does not exist stops any program that starts one.
    EXPECT_EQ(run({"job", "Cheyenne sample job"}, "no-such-platform").exitCode, 0);
    EXPECT_NE(
        run({"report", "--kind", "job-list", "--out", file("l.pdf")}, "no-such-platform").exitCode,
        0);
    EXPECT_EQ(run({"report", "--kind", "job-list", "--out", file("l.pdf")}).exitCode, 0);
}

} // namespace

} // namespace kova::test
