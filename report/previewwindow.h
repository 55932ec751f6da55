#pragma once
// The print preview of a laid-out report: page navigation, zoom, printing and export. Every
// dialog it would open (printer choice, export file, failure message) goes through a
// replaceable responder, so programs get the usual dialogs and tests answer them directly.

#include "document.h"
#include "export.h"
#include "tablereport.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPrinter;
class QScrollArea;

namespace kova::ui {
class DataSource;
}

namespace kova::report {

class Report;
class PageView;

// The export dialog's answer: the file name as typed and the format of the filter chosen.
struct ExportChoice {
    ExportFormat format;
    QString path;
};

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the printer dialog; true when the user chose to print.
    using PrintDialogResponder = std::function<bool(QPrinter& printer, int pageCount)>;
    // Asks for the export format and file; nothing when the user cancelled.
    using ExportDialogResponder =
        std::function<std::optional<ExportChoice>(const QList<ExportFormat>& formats)>;
    // Tells the user that printing or exporting failed.
    using MessageResponder = std::function<void(const QString& text)>;

    explicit PreviewWindow(ReportDocument document, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    void setExportFormats(const QList<ExportFormat>& formats) { exportFormats_ = formats; }
    QList<ExportFormat> exportFormats() const { return exportFormats_; }
    void setPrintDialogResponder(PrintDialogResponder responder);
    void setExportDialogResponder(ExportDialogResponder responder);
    void setMessageResponder(MessageResponder responder);
    // Shows a "Help" button that calls `handler` (the program opens its help page).
    void setHelpHandler(std::function<void()> handler);

    const ReportDocument& document() const { return document_; }
    int currentPage() const { return current_; } // 0-based
    QString pageCaption() const;                 // "Page 2 of 5"
    qreal zoom() const { return zoom_; }         // 1.0 shows the page at its real size

public slots:
    void firstPage();
    void priorPage();
    void nextPage();
    void lastPage();
    void goToPage(int index);
    void zoomIn();
    void zoomOut();
    void setZoom(qreal zoom);
    void fitWidth();
    void fitPage();
    bool print();
    bool exportPages();

private:
    QAction* addCommand(const QString& text, const QString& name, const QKeySequence& key,
                        void (PreviewWindow::*slot)());
    void buildToolBar();
    void updateCommands();
    QSizeF viewportSizeMm() const;

    ReportDocument document_;
    QList<ExportFormat> exportFormats_ = allExportFormats();
    PrintDialogResponder printDialog_;
    ExportDialogResponder exportDialog_;
    MessageResponder message_;
    std::function<void()> help_;
    int current_ = 0;
    qreal zoom_ = 1.0;

    QScrollArea* scroll_ = nullptr;
    PageView* view_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QAction* first_ = nullptr;
    QAction* prior_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    QAction* print_ = nullptr;
    QAction* export_ = nullptr;
    QAction* helpAction_ = nullptr;
};

// Lays the report out and shows its preview modally, maximized. Returns the number of pages
// (0: the report printed nothing and no window was shown).
int previewReport(const Report& report, QWidget* parent = nullptr,
                  const QList<ExportFormat>& exportFormats = allExportFormats());

// How previewReport shows its window; the default runs it modally. Tests of windows that open
// reports put a presenter here that looks at the preview and returns. Returns the one before.
using PreviewPresenter = std::function<void(PreviewWindow& preview)>;
PreviewPresenter setPreviewPresenter(PreviewPresenter presenter);

// How the programs show a report: the busy cursor while its pages are laid out, then the
// preview; "There is nothing to print." when the report prints no page.
void showReport(const Report& report, QWidget* parent,
                const QList<ExportFormat>& exportFormats = allExportFormats());

// How an editor window prints a report over the table it edits: a row in edit is posted
// first (nothing is printed when it cannot be), then the report is built over the table as it
// shows it and shown. The marked-rows form ("Print All Marked") prints the marked rows only
// and puts the table's filter back afterwards.
using TableReportBuilder = std::function<std::unique_ptr<TableReport>(store::Table& table)>;
void printTableReport(ui::DataSource& source, const TableReportBuilder& build, QWidget* parent);
void printMarkedRows(ui::DataSource& source, const TableReportBuilder& build, QWidget* parent);

// The "&File" menu of an editor window: its reports in order, then "Close".
struct ReportCommand {
    QString caption;
    TableReportBuilder build;
    bool markedOnly = false; // "Print All Marked"
};
QMenu* addFileMenu(QMenuBar* menuBar, QWidget* window, ui::DataSource& source,
                   const std::vector<ReportCommand>& reports);

} // namespace kova::report
