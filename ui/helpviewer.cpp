#include "helpviewer.h"

#include "messages.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

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
    resize(820, 600);

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
    splitter->setSizes({220, 600});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    auto open = [this](QListWidgetItem* item) { openPage(item->data(kPageRole).toString()); };
    connect(contents_, &QListWidget::itemActivated, this, open);
    connect(contents_, &QListWidget::itemClicked, this, open);
    connect(results_, &QListWidget::itemActivated, this, open);
    connect(results_, &QListWidget::itemClicked, this, open);
    connect(findButton, &QPushButton::clicked, this, &HelpViewer::runSearch);
    connect(searchText_, &QLineEdit::returnPressed, this, &HelpViewer::runSearch);
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
}

void HelpViewer::openPage(const QString& page) {
    if (page.isEmpty() || !QFileInfo::exists(page)) {
        browser_->setHtml(QStringLiteral("<h2>Help</h2><p>No help is available for this "
                                         "program.</p>"));
        return;
    }
    browser_->setSource(QUrl(QStringLiteral("qrc") + page));
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
    if (theViewer())
        theViewer()->setHelpFolder(folderOf(helpFile));
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

HelpViewer* raisedViewer() {
    if (!theViewer()) {
        theViewer() = new HelpViewer;
        theViewer()->setAttribute(Qt::WA_DeleteOnClose);
        theViewer()->setHelpFolder(Help::folderOf(Help::helpFile()));
    }
    theViewer()->show();
    theViewer()->raise();
    theViewer()->activateWindow();
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

} // namespace kova::ui
