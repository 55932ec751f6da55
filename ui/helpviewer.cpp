#include "helpviewer.h"

#include "glyphs.h"
#include "messages.h"
#include "placement.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

namespace kova::ui {

namespace {

const QString kHelpRoot = QStringLiteral(":/help");
const char* const kContextProperty = "kovaHelpContext";
constexpr int kPageRole = Qt::UserRole;

QPointer<HelpViewer>& theViewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

QString& theHelpFile() {
    static QString file;
    return file;
}

void addTopics(QListWidget* list, const std::vector<HelpTopic>& topics) {
    list->clear();
    for (const HelpTopic& topic : topics) {
        auto* item = new QListWidgetItem(topic.title, list);
        item->setData(kPageRole, topic.page);
    }
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), tabs_(new QTabWidget), contents_(new QListWidget),
      searchText_(new QLineEdit), results_(new QListWidget), browser_(new QTextBrowser) {
    setWindowTitle(QStringLiteral("Help"));
    // Help never keeps the program running once its last window closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(860, 600);
    contents_->setObjectName(QStringLiteral("contents"));
    searchText_->setObjectName(QStringLiteral("searchText"));

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addWidget(searchText_);
    auto* findButton = new QPushButton(QStringLiteral("&Find"));
    searchLayout->addWidget(findButton);
    searchLayout->addWidget(results_);
    searchText_->setPlaceholderText(QStringLiteral("Type a word to look for"));

    tabs_->addTab(contents_, QStringLiteral("Contents"));
    tabs_->addTab(searchPage, QStringLiteral("Search"));

    browser_->setOpenLinks(true);
    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({280, 580});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(buildToolBar());
    layout->addWidget(splitter, 1);

    auto open = [this](QListWidgetItem* item) { openPage(item->data(kPageRole).toString()); };
    connect(contents_, &QListWidget::itemActivated, this, open);
    connect(contents_, &QListWidget::itemClicked, this, open);
    connect(results_, &QListWidget::itemActivated, this, open);
    connect(results_, &QListWidget::itemClicked, this, open);
    connect(findButton, &QPushButton::clicked, this, &HelpViewer::runSearch);
    // The Search tab is for typing: its box takes the keyboard when the tab is chosen.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tabs_->widget(tab)->isAncestorOf(searchText_))
            searchText_->setFocus();
    });
    connect(searchText_, &QLineEdit::returnPressed, this, &HelpViewer::runSearch);
}

QWidget* HelpViewer::buildToolBar() {
    auto* bar = new QToolBar;
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"),
                           this, &HelpViewer::back);
    back_->setObjectName(QStringLiteral("back"));
    back_->setShortcut(QKeySequence::Back);
    forward_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                              QStringLiteral("&Forward"), this, &HelpViewer::forward);
    forward_->setObjectName(QStringLiteral("forward"));
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    bar->addSeparator();
    bar->addAction(QStringLiteral("&Contents"), this, &HelpViewer::showContents);
    bar->addAction(QStringLiteral("&Search"), this, [this] { showSearch(searchText_->text()); });
    return bar;
}

void HelpViewer::back() {
    browser_->backward();
}

void HelpViewer::forward() {
    browser_->forward();
}

bool HelpViewer::setHelpFolder(const QString& folder) {
    QString error;
    index_ = folder.isEmpty() ? std::nullopt : HelpIndex::load(folder, &error);
    if (index_) {
        if (auto shared = HelpIndex::load(kHelpRoot + QStringLiteral("/shared"), &error))
            index_->merge(*shared);
        setWindowTitle(index_->title());
    }
    fillContents();
    return index_.has_value();
}

void HelpViewer::fillContents() {
    if (index_)
        addTopics(contents_, index_->topics());
    else
        contents_->clear();
    // The contents list is as wide as its longest title, so no title is cut.
    const int wanted = contents_->sizeHintForColumn(0) + 2 * contents_->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
    contents_->setMinimumWidth(std::min(wanted, 360));
}

void HelpViewer::openPage(const QString& page) {
    if (page.isEmpty() || !QFileInfo::exists(page)) {
        browser_->setHtml(QStringLiteral("<h2>Help</h2><p>No help is available for this "
                                         "program.</p>"));
        return;
    }
    browser_->setSource(QUrl(QStringLiteral("qrc") + page));
    // The contents list shows which page is open.
    for (int row = 0; row < contents_->count(); ++row)
        if (contents_->item(row)->data(kPageRole).toString() == page)
            contents_->setCurrentRow(row);
}

void HelpViewer::showContents() {
    tabs_->setCurrentIndex(0);
    openPage(index_ ? index_->contentsPage() : QString());
}

void HelpViewer::showContext(int context) {
    tabs_->setCurrentIndex(0);
    openPage(index_ ? index_->pageForContext(context) : QString());
}

void HelpViewer::showSearch(const QString& keyword) {
    tabs_->setCurrentIndex(1);
    searchText_->setText(keyword);
    runSearch();
    searchText_->setFocus();
}

void HelpViewer::runSearch() {
    addTopics(results_, index_ ? index_->search(searchText_->text()) : std::vector<HelpTopic>{});
    if (results_->count() > 0 && !searchText_->text().trimmed().isEmpty())
        openPage(results_->item(0)->data(kPageRole).toString());
}

void HelpViewer::followModalWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* owner = modal && modal != this ? modal->window()->windowHandle() : nullptr;
    winId(); // the window handle exists from here on
    if (windowHandle()->transientParent() != owner)
        windowHandle()->setTransientParent(owner);
}

bool HelpViewer::event(QEvent* event) {
    // A modal window opened while help is shown: help goes over to it and stays usable.
    if (event->type() == QEvent::WindowBlocked)
        QMetaObject::invokeMethod(this, &HelpViewer::followModalWindow, Qt::QueuedConnection);
    return QWidget::event(event);
}

void HelpViewer::present() {
    followModalWindow();
    QWindow* owner = windowHandle()->transientParent();
    // The window manager keeps a window in front of the one it was shown for; shown for
    // another window, it is shown again so that it comes in front of that one.
    if (isVisible() && shownFor_ != owner)
        hide();
    if (!placed_) {
        applyKeepOnScreen(this);
        placed_ = true;
    }
    shownFor_ = owner;
    show();
    raise();
    activateWindow();
}

QString HelpViewer::currentPage() const {
    const QUrl source = browser_->source();
    return source.isEmpty() ? QString() : QLatin1Char(':') + source.path();
}

QStringList HelpViewer::searchResults() const {
    QStringList titles;
    for (int row = 0; row < results_->count(); ++row)
        titles << results_->item(row)->text();
    return titles;
}

void Help::setHelpFile(const QString& helpFile) {
    theHelpFile() = helpFile;
    // The main window names its help file each time it is activated: an open viewer reloads
    // only when the program's help really changes.
    const QString folder = folderOf(helpFile);
    if (theViewer() && (!theViewer()->index() || theViewer()->index()->folder() != folder))
        theViewer()->setHelpFolder(folder);
    Messages::setHelpOpener([](int context) { showContext(context); });
}

QString Help::helpFile() {
    return theHelpFile();
}

QString Help::folderOf(const QString& helpFile) {
    // The old help file names carried Windows directories; only the base name counts.
    QString name = helpFile;
    name = name.mid(name.lastIndexOf(QLatin1Char('\\')) + 1);
    name = QFileInfo(name).completeBaseName();
    const QStringList folders = QDir(kHelpRoot).entryList(QDir::Dirs);
    for (const QString& folder : folders) {
        if (folder.compare(name, Qt::CaseInsensitive) == 0 && folder != QLatin1String("shared"))
            return kHelpRoot + QLatin1Char('/') + folder;
    }
    return {};
}

HelpViewer* Help::viewer() {
    return theViewer();
}

namespace {

// One viewer per program, made on first use; it goes with the program.
HelpViewer* raisedViewer() {
    if (!theViewer()) {
        theViewer() = new HelpViewer;
        theViewer()->setHelpFolder(Help::folderOf(Help::helpFile()));
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, theViewer(),
                         [] { delete theViewer(); });
    }
    theViewer()->present();
    return theViewer();
}

} // namespace

HelpViewer* Help::showContents() {
    HelpViewer* viewer = raisedViewer();
    viewer->showContents();
    return viewer;
}

HelpViewer* Help::showContext(int context) {
    HelpViewer* viewer = raisedViewer();
    viewer->showContext(context);
    return viewer;
}

HelpViewer* Help::showSearch(const QString& keyword) {
    HelpViewer* viewer = raisedViewer();
    viewer->showSearch(keyword);
    return viewer;
}

void Help::setContext(QWidget* widget, int context) {
    widget->setProperty(kContextProperty, context);
}

int Help::contextOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const int context = widget->property(kContextProperty).toInt();
        if (context != 0)
            return context;
    }
    return 0;
}

QMenu* Help::addMenu(QMenuBar* menuBar, std::function<void()> showAbout,
                     const QString& searchCaption) {
    QMenu* menu = menuBar->addMenu(QStringLiteral("&Help"));
    menu->addAction(QStringLiteral("&Contents"), menu, [] { showContents(); });
    menu->addAction(searchCaption, menu, [] { showSearch(); });
    menu->addAction(QStringLiteral("&About..."), menu, std::move(showAbout));
    return menu;
}

void Help::installF1(QWidget* window) {
    auto* shortcut = new QShortcut(QKeySequence::HelpContents, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [window] {
        const int context = contextOf(window->focusWidget());
        if (context != 0)
            showContext(context);
        else
            showContents();
    });
}

QPushButton* helpButton(int context) {
    auto* button = new QPushButton(glyph(QStringLiteral("Help")), {});
    button->setToolTip(QStringLiteral("Help"));
    button->setAutoDefault(false);
    Help::setContext(button, context);
    QObject::connect(button, &QPushButton::clicked, button,
                     [context] { Help::showContext(context); });
    return button;
}

} // namespace kova::ui
