#include "layout.h"

#include "dataset.h"
#include "printcontext.h"
#include "report.h"

#include <limits>

namespace kova::report {

QVariant PrintContext::value(const QString& field) const {
    return hasRow_ && data_ ? data_->value(field) : QVariant();
}

namespace {

// Rounding of millimetre sums must not push a band that fits exactly to the next page.
constexpr qreal kFitToleranceMm = 0.01;

class RunningTotal {
public:
    explicit RunningTotal(const Report::Total& total) : total_(total) {}

    void add(const QVariant& value) {
        ++rows_;
        if (total_.field.isEmpty() || value.isNull())
            return;
        const double v = value.toDouble();
        sum_ += v;
        min_ = std::min(min_, v);
        max_ = std::max(max_, v);
        ++values_;
    }

    const QString& name() const { return total_.name; }
    const QString& field() const { return total_.field; }

    double result() const {
        switch (total_.kind) {
        case TotalKind::Count:
            return rows_;
        case TotalKind::Sum:
            return sum_;
        case TotalKind::Average:
            return values_ ? sum_ / values_ : 0;
        case TotalKind::Minimum:
            return values_ ? min_ : 0;
        case TotalKind::Maximum:
            return values_ ? max_ : 0;
        }
        return 0;
    }

private:
    Report::Total total_;
    int rows_ = 0;
    int values_ = 0;
    double sum_ = 0;
    double min_ = std::numeric_limits<double>::max();
    double max_ = std::numeric_limits<double>::lowest();
};

// Hands the data set back to its owner on every way out, exceptions included.
class WalkGuard {
public:
    explicit WalkGuard(ReportDataSet* data) : data_(data) {
        if (data_)
            data_->beginReport();
    }
    ~WalkGuard() {
        if (data_)
            data_->endReport();
    }
    WalkGuard(const WalkGuard&) = delete;
    WalkGuard& operator=(const WalkGuard&) = delete;

private:
    ReportDataSet* data_;
};

} // namespace

class Layouter {
public:
    explicit Layouter(const Report& report)
        : report_(report), document_(report.pageLayout(), report.documentName()),
          paintRect_(report.pageLayout().paintRect(QPageLayout::Millimeter)) {
        context_.data_ = report.dataSet();
        context_.printDate_ = report.printDate();
        for (const Report::Total& total : report.totals())
            totals_.emplace_back(total);
    }

    ReportDocument run() {
        ReportDataSet* data = report_.dataSet();
        WalkGuard guard(data);
        if (data)
            data->first();
        const bool hasRows = data && !data->eof();
        if (data && !hasRows && !report_.printIfEmpty())
            return std::move(document_);

        startPage();
        if (hasRows) {
            walkRows(*data);
        } else {
            ++context_.rowNumber_;
            printBody(report_.detail());
        }
        context_.hasRow_ = false;
        printBody(report_.summary());
        closePage();
        fillInPageCount();
        return std::move(document_);
    }

private:
    void walkRows(ReportDataSet& data) {
        const auto& groups = report_.groups();
        std::vector<QVariant> groupValues(groups.size());
        bool firstRow = true;
        for (; !data.eof(); data.next()) {
            context_.hasRow_ = true;
            ++context_.rowNumber_;
            accumulate();
            size_t changed = firstRow ? 0 : groups.size();
            for (size_t i = 0; i < groups.size() && changed == groups.size(); ++i)
                if (data.value(groups[i].field) != groupValues[i])
                    changed = i;
            for (size_t i = changed; i < groups.size(); ++i) {
                groupValues[i] = data.value(groups[i].field);
                printBody(*groups[i].header, heightBelowGroup(i));
            }
            printBody(report_.detail());
            firstRow = false;
        }
    }

    // A group header keeps its inner headers and the first detail band on its page.
    qreal heightBelowGroup(size_t group) const {
        qreal height = report_.detail().heightFor(context_);
        for (size_t i = group + 1; i < report_.groups().size(); ++i)
            height += report_.groups()[i].header->heightFor(context_);
        return height;
    }

    void accumulate() {
        for (RunningTotal& total : totals_) {
            total.add(total.field().isEmpty() ? QVariant() : context_.value(total.field()));
            context_.totals_[total.name()] = total.result();
        }
    }

    void startPage() {
        page_ = &document_.addPage();
        ++context_.pageNumber_;
        y_ = paintRect_.top();
        printAtPageTop(report_.pageHeader());
        if (context_.pageNumber_ == 1 || report_.titleOnEveryPage())
            printAtPageTop(report_.title());
        printAtPageTop(report_.columnHeader());
        bodyTop_ = y_;
        footerHeight_ =
            report_.pageFooter().isUsed() ? report_.pageFooter().heightFor(context_) : 0;
    }

    void closePage() {
        const Band& footer = report_.pageFooter();
        if (!footer.isUsed() || !footer.runBeforePrint(context_))
            return;
        footer.placeOn(*page_, QPointF(paintRect_.left(), bodyBottom()), context_);
    }

    void printAtPageTop(const Band& band) {
        if (!band.isUsed() || !band.runBeforePrint(context_))
            return;
        band.placeOn(*page_, QPointF(paintRect_.left(), y_), context_);
        y_ += band.heightFor(context_);
    }

    // A band that does not fit goes to a new page, unless the page holds no body band yet:
    // a band taller than a whole page prints (cut off) rather than never.
    void printBody(const Band& band, qreal keepWithHeight = 0) {
        if (!band.isUsed() || !band.runBeforePrint(context_))
            return;
        const qreal height = band.heightFor(context_);
        if (y_ + height + keepWithHeight > bodyBottom() + kFitToleranceMm && y_ > bodyTop_) {
            closePage();
            startPage();
        }
        band.placeOn(*page_, QPointF(paintRect_.left(), y_), context_);
        y_ += height;
    }

    qreal bodyBottom() const { return paintRect_.bottom() - footerHeight_; }

    void fillInPageCount() {
        const QString count = QString::number(document_.pageCount());
        for (int i = 0; i < document_.pageCount(); ++i)
            for (PageItem& item : document_.page(i).items())
                item.text.replace(pageCountPlaceholder(), count);
    }

    const Report& report_;
    ReportDocument document_;
    const QRectF paintRect_;
    PrintContext context_;
    std::vector<RunningTotal> totals_;
    Page* page_ = nullptr;
    qreal y_ = 0;
    qreal bodyTop_ = 0;
    qreal footerHeight_ = 0;
};

ReportDocument layoutReport(const Report& report) {
    return Layouter(report).run();
}

} // namespace kova::report
