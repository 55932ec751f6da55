#pragma once
// A report form: its paper, its data set and its bands. Build one, lay it out with
// layoutReport() (or export/preview it directly), and throw it away.
//
// Each page prints, from the top: page header, title (first page, or every page), column
// header; then group headers and detail bands, one detail band per row of the data set in the
// data set's order; after the last row the summary; the page footer sits at the bottom of
// every page. A band that does not fit in what is left of the page goes to the next page.

#include "band.h"

#include <QDate>
#include <QPageLayout>
#include <QString>
#include <memory>
#include <vector>

namespace kova::report {

class ReportDataSet;

enum class TotalKind { Count, Sum, Average, Minimum, Maximum };

class Report {
public:
    Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // --- paper ---------------------------------------------------------------------------
    // US Letter, portrait, 12.7 mm margins all round unless changed.
    void setPageLayout(const QPageLayout& layout) { layout_ = layout; }
    QPageLayout pageLayout() const { return layout_; }
    void setLandscape(bool landscape);
    // Width available to bands (between the left and right margins), in mm.
    qreal bodyWidth() const;

    void setDocumentName(const QString& name) { documentName_ = name; } // PDF, HTML, window
    QString documentName() const { return documentName_; }
    void setPrintDate(const QDate& date) { printDate_ = date; } // today unless set
    QDate printDate() const { return printDate_; }

    // --- data ----------------------------------------------------------------------------
    // Not owned. Without a data set the detail band prints once.
    void setDataSet(ReportDataSet* data) { data_ = data; }
    ReportDataSet* dataSet() const { return data_; }
    // An empty data set prints nothing at all unless this is set; then the report prints
    // once with its detail band once, without a row.
    void setPrintIfEmpty(bool on) { printIfEmpty_ = on; }
    bool printIfEmpty() const { return printIfEmpty_; }

    // A running total over the detail rows, read by Band::addTotal or PrintContext::total.
    // Count counts rows; the others skip null values of `field`.
    void addTotal(const QString& name, TotalKind kind, const QString& field = {});

    // --- bands ---------------------------------------------------------------------------
    Band& title() { return titleBand_; }
    void setTitleOnEveryPage(bool on) { titleOnEveryPage_ = on; }
    Band& pageHeader() { return pageHeader_; }
    Band& columnHeader() { return columnHeader_; }
    // Prints before the first row and again whenever `field` changes its value; a change of
    // an outer group (added earlier) reprints the inner ones too.
    Band& addGroupHeader(const QString& field);
    Band& detail() { return detail_; }
    Band& summary() { return summary_; }
    Band& pageFooter() { return pageFooter_; }

    // --- used by the engine ----------------------------------------------------------------
    struct Group {
        QString field;
        std::unique_ptr<Band> header;
    };
    struct Total {
        QString name;
        TotalKind kind;
        QString field;
    };
    const Band& title() const { return titleBand_; }
    bool titleOnEveryPage() const { return titleOnEveryPage_; }
    const Band& pageHeader() const { return pageHeader_; }
    const Band& columnHeader() const { return columnHeader_; }
    const std::vector<Group>& groups() const { return groups_; }
    const Band& detail() const { return detail_; }
    const Band& summary() const { return summary_; }
    const Band& pageFooter() const { return pageFooter_; }
    const std::vector<Total>& totals() const { return totals_; }

private:
    QPageLayout layout_;
    QString documentName_;
    QDate printDate_;
    ReportDataSet* data_ = nullptr;
    bool printIfEmpty_ = false;
    std::vector<Total> totals_;
    Band titleBand_;
    bool titleOnEveryPage_ = false;
    Band pageHeader_;
    Band columnHeader_;
    std::vector<Group> groups_;
    Band detail_;
    Band summary_;
    Band pageFooter_;
};

// Fixed-width columns side by side from a left edge, for tables of labels.
class Columns {
public:
    Columns(qreal left, std::initializer_list<qreal> widths);
    int count() const { return int(lefts_.size()); }
    qreal left(int column) const { return lefts_.at(size_t(column)); }
    qreal width(int column) const { return widths_.at(size_t(column)); }
    qreal right() const;
    QRectF rect(int column, qreal top, qreal height) const;

private:
    std::vector<qreal> lefts_;
    std::vector<qreal> widths_;
};

} // namespace kova::report
