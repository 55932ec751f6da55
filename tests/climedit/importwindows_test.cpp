// The import windows: directory choice, add mode, county selection and Continue, driven with
// the example county files on private databases.

#include "boxkeys.h"
#include "climeditfixture.h"

#include "climedit/climdbform.h"
#include "climedit/mainform.h"
#include "climedit/selcoform.h"
#include "climedit/seldirform.h"
#include "store/table.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

namespace kova::climedit::test {

namespace {

const QString kSelCo = QStringLiteral("kova::climedit::SelCoForm");
const QString kStations = QStringLiteral("kova::climedit::ClimDBForm");
const QString kReplaceQuestion =
    QStringLiteral("The entire existing climate database will be deleted. Is that what you want?");

QStringList itemsOf(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// Runs the import windows with the county files `files` from tests/data/county, working in a
// private directory so the work files land there.
struct ImportWindows : ClimEditFixture {
    explicit ImportWindows(Contents contents = Contents::Delivered) : ClimEditFixture(contents) {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(workDir_.path());
    }
    ~ImportWindows() override { QDir::setCurrent(previousDir_); }

    void useFiles(const QStringList& files) {
        for (const QString& name : files)
            ASSERT_TRUE(
                QFile::copy(kova::test::testSourceFile(QStringLiteral("data/county/") + name),
                            counties_.filePath(name)));
    }
    std::unique_ptr<SelDirForm> openDirectoryWindow() {
        auto window = std::make_unique<SelDirForm>(*dm);
        window->show();
        window->setDirectory(counties_.path());
        return window;
    }
    // The county selection gets `select` moved over (all with ">>" when empty) and Continue.
    void selectAndContinue(const QStringList& select = {}) {
        onNextDialog([this, select](QDialog& dialog) {
            auto& selection = static_cast<SelCoForm&>(dialog);
            available = itemsOf(selection.availableList());
            if (select.isEmpty()) {
                selection.moveAll();
            } else {
                for (int row = 0; row < selection.availableList()->count(); ++row)
                    selection.availableList()->item(row)->setSelected(
                        select.contains(selection.availableList()->item(row)->text()));
                selection.moveSelected();
            }
            selection.continueImport();
            return dialog.result();
        });
    }
    // The station form at the end of the import: what it shows is kept.
    void expectStationForm() {
        onNextDialog([this](QDialog&) {
            stationsShown = dm->clmTable().recordCount();
            return int(QDialog::Rejected);
        });
    }

    QStringList available;
    int stationsShown = -1;

private:
    QTemporaryDir workDir_;
    QTemporaryDir counties_;
    QString previousDir_;
};

struct EmptyImport : ImportWindows {
    EmptyImport() : ImportWindows(Contents::EmptySchema) {}
};

} // namespace

TEST_F(EmptyImport, ImportsTheExampleFilesAndEndsInTheStationForm) {
    useFiles({QStringLiteral("04013.txt"), QStringLiteral("06037.txt"), QStringLiteral("16069.txt"),
              QStringLiteral("20057.txt"), QStringLiteral("56013.txt"),
              QStringLiteral("56021.txt")});
    auto window = openDirectoryWindow();
    EXPECT_EQ(window->listedFiles().size(), 6);
    EXPECT_EQ(window->maskText(), QStringLiteral("?????.txt"));
    EXPECT_TRUE(window->addBox()->isChecked());
    EXPECT_TRUE(dm->addMode());

    selectAndContinue();
    expectStationForm();
    window->startScan();

    EXPECT_EQ(dialogsShown, (QStringList{kSelCo, kStations}));
    // The file with an "N" before its first "W" gives no county; no county is listed twice.
    EXPECT_EQ(available,
              (QStringList{QStringLiteral("Maricopa, AZ"), QStringLiteral("Los Angeles, CA"),
                           QStringLiteral("Ford, KS"), QStringLiteral("Fremont, WY"),
                           QStringLiteral("Laramie, WY")}));
    EXPECT_EQ(stationsShown, 6);
    EXPECT_EQ(rowCount(QStringLiteral("Climate")), 6);
    EXPECT_EQ(rowCount(QStringLiteral("County")), 5);
    EXPECT_EQ(countWhere(QStringLiteral("Climate"), QStringLiteral("Fall mo/dy 28"),
                         QStringLiteral("00/00")) > 0,
              true);
    EXPECT_TRUE(dm->importChain());
    EXPECT_TRUE(window->imported()); // closing the station form ended the import windows
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(ImportWindows, AddModeAsksBeforeReplacingACountyAndNoForTheOnlyOneChangesNothing) {
    useFiles({QStringLiteral("56021.txt")});
    const int before = rowCount(QStringLiteral("Climate"));
    auto window = openDirectoryWindow();

    selectAndContinue(); // the question is answered No by the empty script
    window->startScan();
    EXPECT_EQ(
        messageTexts(),
        (QStringList{QStringLiteral("There is already a county named Laramie, WY. Replace it?"),
                     QStringLiteral("There are no selected counties!")}));
    EXPECT_TRUE(responder->asked()[0].destructive); // No is the default button
    EXPECT_EQ(dialogsShown, QStringList{kSelCo});
    EXPECT_EQ(rowCount(QStringLiteral("Climate")), before);
    EXPECT_FALSE(window->imported());

    responder->clear();
    responder->queue(ui::Answer::Yes);
    selectAndContinue();
    expectStationForm();
    window->startScan();
    EXPECT_EQ(rowCount(QStringLiteral("Climate")), before); // one Laramie station for another
    EXPECT_EQ(countWhere(QStringLiteral("Climate"), QStringLiteral("County"),
                         QStringLiteral("Laramie, WY")),
              1);
    EXPECT_EQ(countWhere(QStringLiteral("County"), QStringLiteral("County"),
                         QStringLiteral("Laramie, WY")),
              1);
    EXPECT_TRUE(window->imported());
}

TEST_F(ImportWindows, UncheckingAddModeAsksAndReplaceModeKeepsOnlyTheSelectedCounties) {
    useFiles(
        {QStringLiteral("06037.txt"), QStringLiteral("20057.txt"), QStringLiteral("56021.txt")});
    auto window = openDirectoryWindow();

    {
        // The real box: Enter answers No.
        ui::ResponderScope realBoxes(std::make_shared<ui::DialogResponder>());
        kova::test::KeyOnNextBox enter(Qt::Key_Return);
        window->setAddToExisting(false);
        ASSERT_TRUE(enter.seen().has_value());
        EXPECT_EQ(enter.seen()->text, kReplaceQuestion);
        EXPECT_EQ(enter.seen()->defaultButton, QMessageBox::No);
        EXPECT_TRUE(window->addBox()->isChecked());
    }
    window->setAddToExisting(false); // answered No
    EXPECT_EQ(messageTexts(), QStringList{kReplaceQuestion});
    EXPECT_TRUE(window->addBox()->isChecked());
    EXPECT_TRUE(dm->addMode());

    responder->queue(ui::Answer::Yes);
    window->setAddToExisting(false);
    EXPECT_FALSE(window->addBox()->isChecked());
    EXPECT_FALSE(dm->addMode());

    selectAndContinue({QStringLiteral("Los Angeles, CA"), QStringLiteral("Ford, KS")});
    expectStationForm();
    window->startScan();
    EXPECT_EQ(stationsShown, 3);
    EXPECT_EQ(rowCount(QStringLiteral("Climate")), 3);
    EXPECT_EQ(rowCount(QStringLiteral("County")), 2);
    EXPECT_EQ(countWhere(QStringLiteral("County"), QStringLiteral("County"),
                         QStringLiteral("Laramie, WY")),
              0);

    // The next time the window opens it is in add mode again.
    auto again = openDirectoryWindow();
    EXPECT_TRUE(again->addBox()->isChecked());
    EXPECT_TRUE(dm->addMode());
}

TEST_F(ImportWindows, CountyButtonsMoveHighlightedOrAllCountiesAndEnableWhatCanMove) {
    climimport::WorkFiles work(scratch.path());
    SelCoForm selection(
        *dm, work, {QStringLiteral("A, AA"), QStringLiteral("B, BB"), QStringLiteral("C, CC")});
    EXPECT_TRUE(selection.moveButton()->isEnabled());
    EXPECT_FALSE(selection.removeButton()->isEnabled());
    EXPECT_FALSE(selection.progressBar()->isVisible());

    selection.availableList()->item(1)->setSelected(true);
    selection.moveSelected();
    EXPECT_EQ(itemsOf(selection.selectedList()), QStringList{QStringLiteral("B, BB")});
    EXPECT_EQ(itemsOf(selection.availableList()),
              (QStringList{QStringLiteral("A, AA"), QStringLiteral("C, CC")}));
    EXPECT_TRUE(selection.removeButton()->isEnabled());

    selection.moveAll();
    EXPECT_EQ(
        itemsOf(selection.selectedList()),
        (QStringList{QStringLiteral("B, BB"), QStringLiteral("A, AA"), QStringLiteral("C, CC")}));
    EXPECT_FALSE(selection.moveButton()->isEnabled());
    EXPECT_FALSE(selection.moveAllButton()->isEnabled());
    EXPECT_TRUE(selection.removeAllButton()->isEnabled());

    selection.selectedList()->item(2)->setSelected(true);
    selection.removeSelected();
    EXPECT_EQ(itemsOf(selection.availableList()), QStringList{QStringLiteral("C, CC")});
    selection.removeAll();
    EXPECT_EQ(
        itemsOf(selection.availableList()),
        (QStringList{QStringLiteral("C, CC"), QStringLiteral("B, BB"), QStringLiteral("A, AA")}));
    EXPECT_FALSE(selection.removeButton()->isEnabled());
    EXPECT_FALSE(selection.removeAllButton()->isEnabled());
    EXPECT_TRUE(selection.moveAllButton()->isEnabled());
}

TEST_F(ImportWindows, MainWindowOpensEachWindowAndOnlyItsOwnStationFormLeavesTheChain) {
    MainForm window(*dm);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kova Climate database program (KovaClim)"));
    EXPECT_EQ(window.importButton()->text(),
              QStringLiteral("New or add to Climate (Temperature/Precipitation] DB"));
    EXPECT_EQ(window.climateButton()->text(),
              QStringLiteral("Edit Climate [Temperature/Precipitation] DB"));
    EXPECT_EQ(window.whrButton()->text(), QStringLiteral("Edit Wind/Humidity/Radiation DB"));

    dm->setImportChain(true);
    window.climateButton()->click();
    EXPECT_FALSE(dm->importChain());
    window.whrButton()->click();
    window.importButton()->click();
    EXPECT_EQ(dialogsShown, (QStringList{kStations, QStringLiteral("kova::climedit::WHRForm"),
                                         QStringLiteral("kova::climedit::SelDirForm")}));
    // Every window closed its tables behind it.
    EXPECT_FALSE(dm->clmTable().isOpen());
    EXPECT_FALSE(dm->whrTable().isOpen());
}

namespace {

bool shows(QTreeView* tree, const QModelIndex& index) {
    return index.isValid() && tree->viewport()->rect().intersects(tree->visualRect(index));
}

} // namespace

TEST_F(ImportWindows, TheDirectoryTreeHoldsStillAndKeepsTheChosenFolderInView) {
    QTemporaryDir base;
    ASSERT_TRUE(QDir(base.path()).mkdir(QStringLiteral("zz counties")));
    const QString chosen = QDir(base.path()).filePath(QStringLiteral("zz counties"));
    QTemporaryDir elsewhere;
    SelDirForm window(*dm);
    auto* tree = window.findChild<QTreeView*>();
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    window.show();
    window.setDirectory(chosen);
    // Shown once its parent is read, and kept in view while the folders above it are read.
    for (QDir dir(base.path());; dir.cdUp()) {
        const QString path = dir.absolutePath();
        ASSERT_TRUE(QTest::qWaitFor([&] { return loaded.contains(QVariantList{path}); }, 5000));
        if (dir.isRoot())
            break;
    }
    QTest::qWait(100); // the model sorts what it read
    EXPECT_TRUE(shows(tree, tree->currentIndex()));
    EXPECT_EQ(model->filePath(tree->currentIndex()), chosen);

    // Opening another folder of the tree leaves the tree where the user put it.
    tree->verticalScrollBar()->setValue(0);
    ASSERT_FALSE(shows(tree, tree->currentIndex()));
    loaded.clear();
    ASSERT_TRUE(QDir(elsewhere.path()).mkdir(QStringLiteral("inner")));
    const QModelIndex other = model->index(elsewhere.path());
    tree->expand(other);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return loaded.contains(QVariantList{elsewhere.path()}); }, 5000));
    QTest::qWait(50);

    EXPECT_EQ(tree->verticalScrollBar()->value(), 0);

    // Folders appearing above the chosen one do not push it out of view.
    tree->collapse(other);
    tree->scrollTo(tree->currentIndex());
    ASSERT_TRUE(shows(tree, tree->currentIndex()));
    for (int i = 0; i < 60; ++i)
        QDir(base.path()).mkdir(QStringLiteral("aa %1").arg(i, 2, 10, QLatin1Char('0')));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return model->rowCount(model->index(base.path())) == 61; }, 5000));
    QTest::qWait(50);
    EXPECT_TRUE(shows(tree, tree->currentIndex()));
    EXPECT_EQ(model->filePath(tree->currentIndex()), chosen);
}

} // namespace kova::climedit::test
