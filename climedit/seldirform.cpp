#include "seldirform.h"

#include "datamodule.h"
#include "importboxes.h"
#include "selcoform.h"

#include "climedit/import/climatescan.h"
#include "ui/busycursor.h"
#include "ui/helpviewer.h"
#include "ui/messages.h"
#include "ui/modal.h"
#include "ui/placement.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace kova::climedit {

namespace {
const QString kMask = QStringLiteral("?????.txt");
constexpr int kHelpContext = 7;
} // namespace

SelDirForm::SelDirForm(DataModule& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setWindowTitle(
        QStringLiteral("Select Directory Containing Temperature & Precipitation Text Files"));
    // The work files live in the directory the program works in when this window is made.
    workFiles_ = climimport::WorkFiles::locate(&workError_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral(
        "Select the directory containing county temperature and precipitation text files.")));
    layout->addWidget(new QLabel(QStringLiteral("The text files look like this:  56012.txt.  Only "
                                                "files with 5 digits will be selected by the "
                                                "program.")));
    layout->addWidget(buildBrowser(), 1);

    progress_ = new QProgressBar;
    progress_->setRange(0, 100);
    progress_->setValue(0);
    layout->addWidget(progress_);
    addBox_ = new QCheckBox(QStringLiteral("Add to existing Climate DB"));
    addBox_->setChecked(true);
    connect(addBox_, &QCheckBox::clicked, this, &SelDirForm::addBoxClicked);
    layout->addWidget(addBox_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::accepted, this, &SelDirForm::startScan);
    connect(buttons, &QDialogButtonBox::rejected, this, &SelDirForm::cancel);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { ui::Help::showContext(kHelpContext); });
    layout->addWidget(buttons);
    ui::Help::setContext(this, kHelpContext);
    ui::Help::installF1(this);

    setDirectory(QDir::currentPath());
    resize(760, 520);
}

QWidget* SelDirForm::buildBrowser() {
    auto* browser = new QWidget;
    auto* grid = new QGridLayout(browser);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Select directory here")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Text Files in selected directory")), 0, 1);

    dirModel_ = new QFileSystemModel(this);
    dirModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    dirModel_->setRootPath(QDir::rootPath());
    dirTree_ = new QTreeView;
    dirTree_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    dirTree_->setModel(dirModel_);
    for (int column = 1; column < dirModel_->columnCount(); ++column)
        dirTree_->hideColumn(column);
    dirTree_->header()->hide();
    connect(dirTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    setDirectory(dirModel_->filePath(current));
            });
    // The tree fills in the background; show the chosen directory once its parent is read.
    // Folders read or changed elsewhere (the temporary folder) never move the tree, and rows
    // that come or go above the chosen directory do not push it out of view.
    connect(dirModel_, &QFileSystemModel::directoryLoaded, this, &SelDirForm::revealDirectory);
    for (auto about :
         {&QAbstractItemModel::rowsAboutToBeInserted, &QAbstractItemModel::rowsAboutToBeRemoved})
        connect(dirModel_, about, this, &SelDirForm::holdDirectoryInPlace);
    connect(dirModel_, &QAbstractItemModel::layoutAboutToBeChanged, this,
            &SelDirForm::holdDirectoryInPlace);
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(dirModel_, changed, this, &SelDirForm::keepDirectoryInView);
    connect(dirModel_, &QAbstractItemModel::layoutChanged, this, &SelDirForm::keepDirectoryInView);
    grid->addWidget(dirTree_, 1, 0, 2, 1);

    mask_ = new QLineEdit(kMask);
    mask_->setReadOnly(true);
    grid->addWidget(mask_, 1, 1);
    files_ = new QListWidget;
    connect(files_, &QListWidget::itemDoubleClicked, this, &SelDirForm::startScan);
    grid->addWidget(files_, 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(2, 1);
    return browser;
}

QString SelDirForm::maskText() const {
    return mask_->text();
}

void SelDirForm::setDirectory(const QString& path) {
    directory_ = QDir(path).absolutePath();
    files_->clear();
    files_->addItems(QDir(directory_).entryList({kMask}, QDir::Files, QDir::Name));
    revealPending_ = true;
    showDirectoryInTree();
}

void SelDirForm::revealDirectory(const QString& loaded) {
    // Only the chosen directory's own parent settles where it shows.
    if (revealPending_ && QFileInfo(directory_).absolutePath() == QDir(loaded).absolutePath()) {
        showDirectoryInTree();
        revealPending_ = false;
    }
}

void SelDirForm::showDirectoryInTree() {
    const QModelIndex index = dirModel_->index(directory_);
    if (!index.isValid())
        return;
    if (dirTree_->currentIndex() != index)
        dirTree_->setCurrentIndex(index);
    dirTree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void SelDirForm::holdDirectoryInPlace() {
    dirTree_->doItemsLayout(); // rows may have come since the tree last laid them out
    const QRect shown = dirTree_->visualRect(dirTree_->currentIndex());
    heldTop_ = shown.isValid() && dirTree_->viewport()->rect().intersects(shown)
                   ? std::optional<int>(shown.top())
                   : std::nullopt;
}

void SelDirForm::keepDirectoryInView() {
    // The chosen directory stays where it was on screen; rows come and go around it.
    if (!heldTop_)
        return;
    dirTree_->doItemsLayout();
    const int moved = dirTree_->visualRect(dirTree_->currentIndex()).top() - *heldTop_;
    if (moved != 0)
        dirTree_->verticalScrollBar()->setValue(dirTree_->verticalScrollBar()->value() + moved);
}

QStringList SelDirForm::listedFiles() const {
    QStringList names;
    for (int i = 0; i < files_->count(); ++i)
        names << files_->item(i)->text();
    return names;
}

void SelDirForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Each import starts in add mode.
    dm_.setAddMode(true);
    addBox_->setChecked(true);
    ui::applyKeepOnScreen(this);
    addBox_->setFocus();
}

void SelDirForm::setAddToExisting(bool checked) {
    addBox_->setChecked(checked);
    addBoxClicked(checked);
}

void SelDirForm::addBoxClicked(bool checked) {
    dm_.setAddMode(checked);
    if (checked)
        return;
    if (!ui::Messages::confirmDestructive(QStringLiteral("The entire existing climate database "
                                                         "will be deleted. Is that what you want?"),
                                          {}, {}, this)) {
        addBox_->setChecked(true);
        dm_.setAddMode(true);
    }
}

void SelDirForm::cancel() {
    dm_.closeClimateTables();
    reject();
}

void SelDirForm::startScan() {
    if (!workFiles_) {
        ui::Messages::error(workError_, this);
        return;
    }
    progress_->setValue(0);
    BoxMessages messages(this);
    climimport::ScanResult scanned;
    {
        const ui::BusyCursor busy;
        climimport::ClimateScan scan(*workFiles_, climimport::RunningNumber::programRun(),
                                     messages);
        scan.setProgress([this](int done, int total, const QString&) {
            progress_->setValue(total > 0 ? done * 100 / total : 100);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        scanned = scan.run(directory_);
    }
    if (!scanned.started)
        return;
    progress_->setValue(100);
    SelCoForm selection(dm_, *workFiles_, scanned.counties, this);
    ui::showModal(selection);
    if (selection.imported()) {
        imported_ = true;
        accept();
    }
}

} // namespace kova::climedit
