#include "ui/aboutbox.h"
#include "ui/helpviewer.h"
#include "ui/messages.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
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

    // Back and Forward walk the pages read.
    const QString context19021 = viewer->index()->pageForContext(19021);
    viewer->back();
    EXPECT_EQ(viewer->currentPage(), context19021);
    viewer->forward();
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

namespace {

// A modal window that asks for help through the window system, as a person pressing F1 does.
struct ModalEditor {
    QDialog window;
    QLineEdit* field = new QLineEdit(&window);

    ModalEditor() {
        Help::setContext(field, 14);
        Help::installF1(&window);
        window.setWindowModality(Qt::ApplicationModal);
        window.show();
        window.activateWindow();
        field->setFocus();
    }
    void pressF1() { QTest::keyClick(window.windowHandle(), Qt::Key_F1); }
};

// Types a word into the viewer's search box and presses Enter, through the window system (a
// blocked window never sees these keys); true when the viewer then lists what the word finds.
bool searchesThroughWindow(HelpViewer* viewer, const QString& word) {
    viewer->showSearch({});
    for (const QChar c : word)
        QTest::keyClick(viewer->windowHandle(), c.toLatin1());
    QTest::keyClick(viewer->windowHandle(), Qt::Key_Return);
    QStringList expected;
    for (const HelpTopic& topic : viewer->index()->search(word))
        expected << topic.title;
    return !expected.isEmpty() && viewer->searchResults() == expected;
}

} // namespace

TEST(HelpBesideModalWindows, TakesInputWhileTheModalWindowStaysOpen) {
    Help::setHelpFile(QStringLiteral("Kovaclim.Hlp"));
    auto editor = std::make_unique<ModalEditor>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor->window));
    editor->pressF1();

    HelpViewer* viewer = Help::viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(viewer));
    EXPECT_EQ(QApplication::activeModalWidget(), &editor->window); // the editor stays modal
    EXPECT_EQ(viewer->currentPage(), QStringLiteral(":/help/Kovaclim/stations.html"));
    EXPECT_TRUE(searchesThroughWindow(viewer, QStringLiteral("frost")));

    // A click on the contents list opens its page.
    auto* contents = viewer->findChild<QListWidget*>(QStringLiteral("contents"));
    ASSERT_NE(contents, nullptr);
    viewer->showContents();
    const QRect item = contents->visualItemRect(contents->item(3));
    QTest::mouseClick(viewer->windowHandle(), Qt::LeftButton, {},
                      contents->viewport()->mapTo(viewer, item.center()));
    EXPECT_EQ(viewer->currentPage(), contents->item(3)->data(Qt::UserRole).toString());

    // The viewer outlives the window that opened it and still takes input.
    editor.reset();
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(Help::viewer(), viewer);
    EXPECT_TRUE(searchesThroughWindow(viewer, QStringLiteral("import")));
    // It never keeps the program running once its last window closed.
    EXPECT_FALSE(viewer->testAttribute(Qt::WA_QuitOnClose));
    viewer->close();
}

TEST(HelpBesideModalWindows, AModalWindowOpenedLaterDoesNotBlockTheViewer) {
    Help::setHelpFile(QStringLiteral("Kovaclim.Hlp"));
    HelpViewer* viewer = Help::showContents();
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    ModalEditor editor;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor.window));
    QCoreApplication::processEvents();
    viewer->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    EXPECT_TRUE(searchesThroughWindow(viewer, QStringLiteral("county")));
    viewer->close();
}

TEST(HelpBesideModalWindows, HelpOfAQuestionIsUsableWhileTheQuestionIsAskedAgain) {
    Help::setHelpFile(QStringLiteral("Kovaclim.Hlp"));
    bool found = false;
    int asked = 0;
    // Presses Help in the first box; in the box asked again, uses the viewer, then says No.
    std::function<void()> answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(20, answer);
            return;
        }
        if (++asked == 1) {
            box->button(QMessageBox::Help)->click();
            QTimer::singleShot(20, answer);
            return;
        }
        HelpViewer* viewer = Help::viewer();
        if (viewer && QTest::qWaitForWindowExposed(viewer)) {
            viewer->activateWindow();
            if (QTest::qWaitForWindowActive(viewer))
                found = searchesThroughWindow(viewer, QStringLiteral("radiation"));
        }
        box->button(QMessageBox::No)->click();
    };
    QTimer::singleShot(20, answer);
    ResponderScope real(std::make_shared<DialogResponder>());
    const Message question{
        MessageKind::Confirmation, {}, QStringLiteral("Replace it?"), MessageButtons::YesNoHelp, 7};
    EXPECT_EQ(Messages::show(question), Answer::No);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(found);
    if (Help::viewer())
        Help::viewer()->close();
}

TEST(AboutBox, ShowsProgramNameAndVersion) {
    AboutBox about(QStringLiteral("Kova"), QStringLiteral("0.1.0"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("programName"))->text(),
              QStringLiteral("Kova"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("version"))->text(),
              QStringLiteral("Version 0.1.0"));
}
