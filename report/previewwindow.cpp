#include "previewwindow.h"

#include "layout.h"
#include "report.h"
#include "units.h"

#include "ui/busycursor.h"
#include "ui/datasource.h"
#include "ui/messages.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace kova::report {

namespace {

constexpr qreal kZoomStep = 1.25;
constexpr qreal kMinZoom = 0.25;
constexpr qreal kMaxZoom = 4.0;
constexpr int kPaperMarginPx = 12; // grey space around the paper

bool runPrintDialog(QPrinter& printer, int pageCount, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pageCount);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<ExportChoice> runExportDialog(const QList<ExportFormat>& formats, QWidget* parent) {
    QStringList filters;
    for (ExportFormat format : formats)
        filters << formatFilter(format);
    QString selected = filters.value(0);
    const QString path =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Export Report"), QString(),
                                     filters.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty())
        return std::nullopt;
    return ExportChoice{formats.value(int(filters.indexOf(selected)), formats.value(0)), path};
}

PreviewPresenter& presenter() {
    static PreviewPresenter current = [](PreviewWindow& preview) { preview.exec(); };
    return current;
}

} // namespace

// The current page on grey, at the window's zoom.
class PageView : public QWidget {
public:
    explicit PageView(const ReportDocument& document) : document_(document) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void show(int page, qreal zoom) {
        page_ = page;
        zoom_ = zoom;
        const QSizeF paper = document_.pageSizeMm() * pixelsPerMm();
        setFixedSize(paper.toSize() + QSize(2 * kPaperMarginPx, 2 * kPaperMarginPx));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        if (page_ < 0 || page_ >= document_.pageCount())
            return;
        painter.translate(kPaperMarginPx, kPaperMarginPx);
        const QSizeF paper = document_.pageSizeMm() * pixelsPerMm();
        painter.fillRect(QRectF(QPointF(3, 3), paper), QColor(60, 60, 60)); // shadow
        document_.paintPage(page_, painter, pixelsPerMm());
    }

private:
    qreal pixelsPerMm() const { return zoom_ * dotsPerMm(logicalDpiX()); }

    const ReportDocument& document_;
    int page_ = 0;
    qreal zoom_ = 1.0;
};

PreviewWindow::PreviewWindow(ReportDocument document, QWidget* parent)
    : QDialog(parent), document_(std::move(document)) {
    setWindowTitle(document_.title().isEmpty()
                       ? QStringLiteral("Print Preview")
                       : QStringLiteral("Print Preview - %1").arg(document_.title()));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowState(windowState() | Qt::WindowMaximized);
    setCursor(Qt::ArrowCursor);
    // The caller may be showing the busy cursor while it builds the report; the preview is for
    // reading.
    ui::showArrowWhileShown(*this);

    printDialog_ = [this](QPrinter& printer, int pageCount) {
        return runPrintDialog(printer, pageCount, this);
    };
    exportDialog_ = [this](const QList<ExportFormat>& formats) {
        return runExportDialog(formats, this);
    };
    message_ = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };

    scroll_ = new QScrollArea;
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new PageView(document_);
    scroll_->setWidget(view_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    layout->addWidget(scroll_, 1);
    goToPage(0);
}

PreviewWindow::~PreviewWindow() = default;

QAction* PreviewWindow::addCommand(const QString& text, const QString& name,
                                   const QKeySequence& key, void (PreviewWindow::*slot)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void PreviewWindow::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    first_ = addCommand(QStringLiteral("First"), QStringLiteral("firstPage"),
                        QKeySequence(Qt::CTRL | Qt::Key_Home), &PreviewWindow::firstPage);
    prior_ = addCommand(QStringLiteral("Prior"), QStringLiteral("priorPage"),
                        QKeySequence(Qt::Key_PageUp), &PreviewWindow::priorPage);
    next_ = addCommand(QStringLiteral("Next"), QStringLiteral("nextPage"),
                       QKeySequence(Qt::Key_PageDown), &PreviewWindow::nextPage);
    last_ = addCommand(QStringLiteral("Last"), QStringLiteral("lastPage"),
                       QKeySequence(Qt::CTRL | Qt::Key_End), &PreviewWindow::lastPage);
    bar->addActions({first_, prior_, next_, last_});
    pageLabel_ = new QLabel;
    pageLabel_->setObjectName(QStringLiteral("pageLabel"));
    pageLabel_->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(pageLabel_);
    bar->addSeparator();
    bar->addAction(addCommand(QStringLiteral("Zoom In"), QStringLiteral("zoomIn"),
                              QKeySequence::ZoomIn, &PreviewWindow::zoomIn));
    bar->addAction(addCommand(QStringLiteral("Zoom Out"), QStringLiteral("zoomOut"),
                              QKeySequence::ZoomOut, &PreviewWindow::zoomOut));
    bar->addAction(addCommand(QStringLiteral("Fit Width"), QStringLiteral("fitWidth"), {},
                              &PreviewWindow::fitWidth));
    bar->addAction(addCommand(QStringLiteral("Whole Page"), QStringLiteral("fitPage"), {},
                              &PreviewWindow::fitPage));
    bar->addSeparator();
    print_ = new QAction(QStringLiteral("Print..."), this);
    print_->setObjectName(QStringLiteral("print"));
    print_->setShortcut(QKeySequence::Print);
    connect(print_, &QAction::triggered, this, [this] { print(); });
    export_ = new QAction(QStringLiteral("Export..."), this);
    export_->setObjectName(QStringLiteral("export"));
    connect(export_, &QAction::triggered, this, [this] { exportPages(); });
    bar->addActions({print_, export_});
    helpAction_ = new QAction(QStringLiteral("Help"), this);
    helpAction_->setObjectName(QStringLiteral("help"));
    helpAction_->setShortcut(QKeySequence::HelpContents);
    helpAction_->setVisible(false);
    connect(helpAction_, &QAction::triggered, this, [this] {
        if (help_)
            help_();
    });
    bar->addAction(helpAction_);
    bar->addSeparator();
    auto* close = new QAction(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QAction::triggered, this, &QDialog::accept);
    bar->addAction(close);
    layout()->addWidget(bar);
}

void PreviewWindow::setPrintDialogResponder(PrintDialogResponder responder) {
    printDialog_ = std::move(responder);
}

void PreviewWindow::setExportDialogResponder(ExportDialogResponder responder) {
    exportDialog_ = std::move(responder);
}

void PreviewWindow::setMessageResponder(MessageResponder responder) {
    message_ = std::move(responder);
}

void PreviewWindow::setHelpHandler(std::function<void()> handler) {
    help_ = std::move(handler);
    helpAction_->setVisible(bool(help_));
}

QString PreviewWindow::pageCaption() const {
    const int count = document_.pageCount();
    return QStringLiteral("Page %1 of %2").arg(count ? current_ + 1 : 0).arg(count);
}

void PreviewWindow::firstPage() {
    goToPage(0);
}
void PreviewWindow::priorPage() {
    goToPage(current_ - 1);
}
void PreviewWindow::nextPage() {
    goToPage(current_ + 1);
}
void PreviewWindow::lastPage() {
    goToPage(document_.pageCount() - 1);
}

void PreviewWindow::goToPage(int index) {
    current_ = std::clamp(index, 0, std::max(0, document_.pageCount() - 1));
    view_->show(current_, zoom_);
    scroll_->verticalScrollBar()->setValue(0);
    updateCommands();
}

void PreviewWindow::zoomIn() {
    setZoom(zoom_ * kZoomStep);
}
void PreviewWindow::zoomOut() {
    setZoom(zoom_ / kZoomStep);
}

void PreviewWindow::setZoom(qreal zoom) {
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    view_->show(current_, zoom_);
}

QSizeF PreviewWindow::viewportSizeMm() const {
    const QSize viewport =
        scroll_->viewport()->size() - QSize(2 * kPaperMarginPx + 4, 2 * kPaperMarginPx + 4);
    return QSizeF(viewport) / dotsPerMm(view_->logicalDpiX());
}

void PreviewWindow::fitWidth() {
    setZoom(viewportSizeMm().width() / document_.pageSizeMm().width());
}

void PreviewWindow::fitPage() {
    const QSizeF available = viewportSizeMm();
    const QSizeF paper = document_.pageSizeMm();
    setZoom(std::min(available.width() / paper.width(), available.height() / paper.height()));
}

void PreviewWindow::updateCommands() {
    const int count = document_.pageCount();
    pageLabel_->setText(pageCaption());
    first_->setEnabled(current_ > 0);
    prior_->setEnabled(current_ > 0);
    next_->setEnabled(current_ < count - 1);
    last_->setEnabled(current_ < count - 1);
    print_->setEnabled(count > 0);
    export_->setEnabled(count > 0 && !exportFormats_.isEmpty());
}

bool PreviewWindow::print() {
    if (document_.pageCount() == 0)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document_.pageLayout());
    if (!printDialog_(printer, document_.pageCount()))
        return false;
    if (printDocument(document_, printer))
        return true;
    message_(QStringLiteral("The report could not be printed."));
    return false;
}

bool PreviewWindow::exportPages() {
    if (document_.pageCount() == 0 || exportFormats_.isEmpty())
        return false;
    const std::optional<ExportChoice> choice = exportDialog_(exportFormats_);
    if (!choice)
        return false;
    const ExportFile file = exportFileFor(choice->path, choice->format, exportFormats_);
    if (!file.error.isEmpty()) {
        message_(file.error);
        return false;
    }
    const ExportResult result = exportDocument(document_, file.format, file.path);
    if (!result.ok)
        message_(result.error);
    return result.ok;
}

int previewReport(const Report& report, QWidget* parent, const QList<ExportFormat>& exportFormats) {
    ReportDocument document = layoutReport(report);
    const int pages = document.pageCount();
    if (pages == 0)
        return 0;
    PreviewWindow preview(std::move(document), parent);
    preview.setExportFormats(exportFormats);
    presenter()(preview);
    return pages;
}

PreviewPresenter setPreviewPresenter(PreviewPresenter replacement) {
    PreviewPresenter previous = std::move(presenter());
    presenter() = std::move(replacement);
    return previous;
}

void showReport(const Report& report, QWidget* parent, const QList<ExportFormat>& exportFormats) {
    int pages = 0;
    {
        const ui::BusyCursor busy;
        pages = previewReport(report, parent, exportFormats);
    }
    if (pages == 0)
        ui::Messages::information(QStringLiteral("There is nothing to print."), parent);
}

void printTableReport(ui::DataSource& source, const TableReportBuilder& build, QWidget* parent) {
    if (!source.post())
        return;
    const auto built = build(*source.table());
    showReport(built->report, parent);
}

void printMarkedRows(ui::DataSource& source, const TableReportBuilder& build, QWidget* parent) {
    if (!source.post())
        return;
    store::Table& table = *source.table();
    withMarkedRowsOnly(table, [&] {
        const auto built = build(table);
        showReport(built->report, parent);
    });
}

QMenu* addFileMenu(QMenuBar* menuBar, QWidget* window, ui::DataSource& source,
                   const std::vector<ReportCommand>& reports) {
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    for (const ReportCommand& command : reports)
        file->addAction(command.caption, file, [window, &source, command] {
            if (command.markedOnly)
                printMarkedRows(source, command.build, window);
            else
                printTableReport(source, command.build, window);
        });
    file->addSeparator();
    file->addAction(QStringLiteral("Close"), window, &QWidget::close);
    return file;
}

} // namespace kova::report
