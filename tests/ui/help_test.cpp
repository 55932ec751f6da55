#include "ui/aboutbox.h"
#include "ui/helpviewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace kova::ui;

namespace {

// Every help context number the programs' windows, buttons and fields name.
const std::map<QString, std::set<int>> kContexts = {
    {QStringLiteral("Kovamain"),
     {1,     7,     9,     10,    11,    12,    13,    14,    15,    17,    18,
      19010, 19012, 19013, 19014, 19015, 19016, 19021, 19023, 19024, 19026, 19027,
      19029, 20,    21,    22,    23,    24,    26,    27,    29,    30,    39}},
    {QStringLiteral("Kovaclim"), {6, 7, 8, 10, 14}},
    {QStringLiteral("Kovacrop"), {7, 8, 9, 10, 11, 12, 13, 14, 15}},
};

QString readPage(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

HelpIndex loadIndex(const QString& program) {
    QString error;
    auto index = HelpIndex::load(Help::folderOf(program + QStringLiteral(".Hlp")), &error);
    EXPECT_TRUE(index.has_value()) << error.toStdString();
    return index.value_or(HelpIndex{});
}

} // namespace

TEST(HelpFiles, EveryNamedContextOpensAPageOfItsOwn) {
    for (const auto& [program, contexts] : kContexts) {
        const HelpIndex index = loadIndex(program);
        for (int context : contexts) {
            EXPECT_TRUE(index.hasContext(context)) << program.toStdString() << " " << context;
            EXPECT_FALSE(readPage(index.pageForContext(context)).isEmpty())
                << program.toStdString() << " " << context;
        }
    }
}

TEST(HelpFiles, PagesAreWrittenAndTheirLinksResolve) {
    const QRegularExpression link(QStringLiteral("href='([^']+)'"));
    for (const auto& [program, contexts] : kContexts) {
        const HelpIndex index = loadIndex(program);
        std::vector<QString> pages{index.contentsPage()};
        for (const HelpTopic& topic : index.topics())
            pages.push_back(topic.page);
        for (const QString& page : pages) {
            const QString html = readPage(page);
            ASSERT_GT(html.size(), 300) << page.toStdString();
            EXPECT_FALSE(html.contains(QStringLiteral("TODO"), Qt::CaseInsensitive));
            EXPECT_FALSE(html.contains(QStringLiteral("placeholder"), Qt::CaseInsensitive));
            for (const auto& m : link.globalMatch(html)) {
                const QString target =
                    QDir::cleanPath(QFileInfo(page).path() + '/' + m.captured(1));
                EXPECT_TRUE(QFile::exists(target))
                    << page.toStdString() << " -> " << m.captured(1).toStdString();
            }
        }
    }
}

TEST(HelpFiles, HelpFileNamesMapToTheirFolders) {
    EXPECT_EQ(Help::folderOf(QStringLiteral("c:\\Program Files\\Kova\\Kovamain.Hlp")),
              QStringLiteral(":/help/Kovamain"));
    EXPECT_EQ(Help::folderOf(QStringLiteral("Kovaclim.Hlp")), QStringLiteral(":/help/Kovaclim"));
    EXPECT_EQ(Help::folderOf(QStringLiteral("KOVACROP.HLP")), QStringLiteral(":/help/Kovacrop"));
    EXPECT_TRUE(Help::folderOf(QStringLiteral("Other.Hlp")).isEmpty());
    EXPECT_TRUE(Help::folderOf(QStringLiteral("shared")).isEmpty());
}

TEST(HelpViewer, OpensAtContextsContentsAndSearch) {
    Help::setHelpFile(QStringLiteral("Kovamain.Hlp"));
    HelpViewer* viewer = Help::showContext(20);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->currentPage(), QStringLiteral(":/help/Kovamain/results.html"));

    // A number nobody named opens the contents, not an error.
    Help::showContext(4242);
    EXPECT_EQ(viewer->currentPage(), QStringLiteral(":/help/Kovamain/contents.html"));

    Help::showContext(19021);
    Help::showContents();
    EXPECT_EQ(viewer->currentPage(), QStringLiteral(":/help/Kovamain/contents.html"));

    // The search covers the program's pages and the shared ones.
    Help::showSearch(QStringLiteral("carryover"));
    EXPECT_TRUE(viewer->searchResults().contains(QStringLiteral("Crop data")));
    Help::showSearch(QStringLiteral("Goto Edit"));
    EXPECT_EQ(viewer->currentPage(), QStringLiteral(":/help/shared/editing.html"));

    // Switching programs switches the pages.
    Help::setHelpFile(QStringLiteral("Kovacrop.Hlp"));
    Help::showContext(15);
    EXPECT_EQ(viewer->currentPage(), QStringLiteral(":/help/Kovacrop/tr21picker.html"));
    viewer->close();
}

TEST(HelpViewer, AProgramWithoutHelpSaysSo) {
    HelpViewer viewer;
    EXPECT_FALSE(viewer.setHelpFolder(Help::folderOf(QStringLiteral("Nothing.Hlp"))));
    viewer.showContext(14);
    viewer.showSearch(QStringLiteral("x"));
    EXPECT_TRUE(viewer.searchResults().isEmpty());
}

TEST(HelpContext, WidgetsInheritTheirParentsContext) {
    QWidget dialog;
    auto* group = new QWidget(&dialog);
    auto* field = new QWidget(group);
    Help::setContext(&dialog, 30);
    Help::setContext(group, 19013);
    EXPECT_EQ(Help::contextOf(field), 19013);
    EXPECT_EQ(Help::contextOf(&dialog), 30);
    EXPECT_EQ(Help::contextOf(nullptr), 0);
}

TEST(HelpContext, F1OpensTheContextOfTheFocusedControl) {
    Help::setHelpFile(QStringLiteral("Kovamain.Hlp"));
    QWidget dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* depth = new QLineEdit;
    auto* plain = new QLineEdit;
    layout->addWidget(depth);
    layout->addWidget(plain);
    Help::setContext(depth, 13);
    Help::installF1(&dialog);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    depth->setFocus();
    QTest::keyClick(depth, Qt::Key_F1);
    ASSERT_NE(Help::viewer(), nullptr);
    EXPECT_EQ(Help::viewer()->currentPage(), QStringLiteral(":/help/Kovamain/cropparams.html"));
    dialog.activateWindow();
    plain->setFocus();
    QTest::keyClick(plain, Qt::Key_F1); // no context: the contents
    EXPECT_EQ(Help::viewer()->currentPage(), QStringLiteral(":/help/Kovamain/contents.html"));
    Help::viewer()->close();
}

TEST(AboutBox, ShowsProgramNameAndVersion) {
    AboutBox about(QStringLiteral("Kova"), QStringLiteral("0.1.0"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("programName"))->text(),
              QStringLiteral("Kova"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("version"))->text(),
              QStringLiteral("Version 0.1.0"));
}
