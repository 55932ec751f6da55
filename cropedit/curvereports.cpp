#include "curvereports.h"

#include "program.h"

#include "report/format.h"
#include "report/printcontext.h"
#include "store/fieldnames.h"

namespace kova::cropedit {

using report::Band;
using report::boldStyle;
using report::Columns;
using report::plainStyle;
using report::TableColumn;

namespace {

const QString kName = QStringLiteral("Crop Curve Name");
const QString kNotes = QStringLiteral("Notes");
const QString kCurveCount = QStringLiteral("Total Number of Crop Curves:");
constexpr qreal kRow = report::kLineHeight;

std::unique_ptr<TableReport> titled(store::Table& table, const QString& title) {
    auto built = std::make_unique<TableReport>(table);
    report::addHeadingAndTitle(built->report, kReportHeading, title);
    return built;
}

// Rows of Kc values under their captions: `perRow` values a row, `columns` column 0 for
// the row captions.
qreal addKcRows(Band& band, const Columns& columns, qreal top, const QStringList& captions,
                const QStringList& fields, int perRow) {
    for (int first = 0; first < fields.size(); first += perRow, top += 2 * kRow) {
        for (int i = first; i < std::min<int>(first + perRow, int(fields.size())); ++i) {
            const int column = i - first + 1;
            band.addLabel(columns.rect(column, top, kRow), captions[i], boldStyle().right());
            band.addField(columns.rect(column, top + kRow, kRow), fields[i], plainStyle().right(),
                          report::format::fixed(3));
        }
        band.addLabel(columns.rect(0, top + kRow, kRow), QStringLiteral("Kc"), boldStyle());
    }
    return top;
}

QStringList fieldNames(const auto& fields) {
    QStringList names;
    for (const char* f : fields)
        names << QLatin1String(f);
    return names;
}

} // namespace

std::unique_ptr<TableReport> buildBCAnnualList(store::Table& curves) {
    auto built = titled(curves, QStringLiteral("List of All Blaney Criddle Annual Crop Curves"));
    QStringList captions;
    for (int i = 0; i <= 20; ++i)
        captions << QStringLiteral("%1%").arg(i * 5);
    const Columns columns(0, {20, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15});
    Band& detail = built->report.detail();
    report::addRowBlock(built->report, 2 + kRow + 4 * kRow + 2, kName);
    addKcRows(detail, columns, 2 + kRow, captions, fieldNames(store::kBCAnnualKcFields), 11);
    report::addRowCount(built->report, kCurveCount);
    return built;
}

std::unique_ptr<TableReport> buildBCPerennialList(store::Table& curves) {
    auto built = titled(curves, QStringLiteral("List of All Blaney Criddle Perennial Crop Curves"));
    // A month to a column: the 1st on one row, the 15th under it, December 31 at the end.
    const Columns columns(0, {16, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 16});
    Band& detail = built->report.detail();
    report::addRowBlock(built->report, 2 + kRow + 3 * kRow + 2, kName);
    const qreal top = 2 + kRow;
    for (int m = 1; m <= 12; ++m) {
        detail.addLabel(columns.rect(m, top, kRow), store::monthName(m), boldStyle().right());
        for (int half = 0; half < 2; ++half)
            detail.addField(columns.rect(m, top + (half + 1) * kRow, kRow),
                            QLatin1String(store::kBCPerennialKcFields[size_t(2 * (m - 1) + half)]),
                            plainStyle().right(), report::format::fixed(3));
    }
    detail.addLabel(columns.rect(13, top, kRow), QStringLiteral("Dec 31"), boldStyle().right());
    detail.addField(columns.rect(13, top + kRow, kRow),
                    QLatin1String(store::kBCPerennialKcFields.back()), plainStyle().right(),
                    report::format::fixed(3));
    detail.addLabel(columns.rect(0, top + kRow, kRow), QStringLiteral("Kc 1st"), boldStyle());
    detail.addLabel(columns.rect(0, top + 2 * kRow, kRow), QStringLiteral("Kc 15th"), boldStyle());
    report::addRowCount(built->report, kCurveCount);
    return built;
}

std::unique_ptr<TableReport> buildCropTypeList(store::Table& types) {
    auto built = titled(types, QStringLiteral("List of All Annual Crop Type Curves"));
    const auto fraction = report::format::fixed(3);
    const auto days = report::format::integer();
    report::addTable(built->report, Columns(0, {70, 22, 22, 22, 24, 24}),
                     {{QStringLiteral("Crop Type"), QStringLiteral("Crop Type")},
                      {QStringLiteral("Fs1"), QStringLiteral("Fs1"), fraction, true},
                      {QStringLiteral("Fs2"), QStringLiteral("Fs2"), fraction, true},
                      {QStringLiteral("Fs3"), QStringLiteral("Fs3"), fraction, true},
                      {QStringLiteral("Days Min."), QStringLiteral("DaysMin"), days, true},
                      {QStringLiteral("Days Max."), QStringLiteral("DaysMax"), days, true}});
    report::addRowCount(built->report, QStringLiteral("Total Number of Crop Types:"));
    return built;
}

std::unique_ptr<TableReport> buildFieldVegList(store::Table& curves) {
    auto built = titled(curves, QStringLiteral("List of All Field and Vegetable Crop Curves"));
    report::addTable(built->report, Columns(0, {70, 4, 70, 4, 30}),
                     {{QStringLiteral("Crop Curve Name"), kName},
                      {},
                      {QStringLiteral("Crop Type"), QStringLiteral("Crop Type")},
                      {},
                      {QStringLiteral("Humidity/Wind"), QStringLiteral("Climate/Wind")}});
    report::addRowCount(built->report, kCurveCount);
    return built;
}

std::unique_ptr<TableReport> buildFieldVegDetails(store::Table& curves) {
    auto built = titled(curves, QStringLiteral("Selected Field and Vegetable Crop Details"));
    const auto kc = report::format::fixed(2);
    report::addTable(built->report, Columns(0, {60, 3, 58, 3, 26, 20, 20}),
                     {{QStringLiteral("Crop Curve Name"), kName},
                      {},
                      {QStringLiteral("Crop Type"), QStringLiteral("Crop Type")},
                      {},
                      {QStringLiteral("Humidity/Wind"), QStringLiteral("Climate/Wind")},
                      {QStringLiteral("Kcp"), QStringLiteral("Kcp"), kc, true},
                      {QStringLiteral("Kcm"), QStringLiteral("Kcm"), kc, true}});
    report::addRowCount(built->report, kCurveCount);
    return built;
}

std::unique_ptr<TableReport> buildPerennialList(store::Table& curves) {
    auto built = std::make_unique<TableReport>(curves);
    // Names of up to 48 characters and two 30-character descriptions: across a landscape page.
    built->report.setLandscape(true);
    report::addHeadingAndTitle(built->report, kReportHeading,
                               QStringLiteral("List of All Perennial and Special Crop Curves"));
    report::addTable(
        built->report, Columns(0, {86, 3, 20, 3, 70, 3, 68}),
        {{QStringLiteral("Crop Curve Name"), kName},
         {},
         {QStringLiteral("Hum./Wind"), QStringLiteral("Humidity/Wind")},
         {},
         {QStringLiteral("Ground Cover"), QStringLiteral("Ground Cover")},
         {},
         {QStringLiteral("Growing Conditions"), QStringLiteral("Growing Conditions")}});
    report::addRowCount(built->report, kCurveCount);
    return built;
}

std::unique_ptr<TableReport> buildPerennialDetails(store::Table& curves) {
    auto built = titled(curves, QStringLiteral("Selected Perennial Crop Curves (Details)"));
    Band& detail = built->report.detail();
    report::addRowBlock(built->report, 2 + 6 * kRow + 3, kName);
    qreal top = 2 + kRow;
    report::addPair(detail, 0, top, 30, 20, QStringLiteral("Humidity/Wind:"),
                    QStringLiteral("Humidity/Wind"));
    report::addPair(detail, 54, top, 28, 108, QStringLiteral("Ground Cover:"),
                    QStringLiteral("Ground Cover"));
    top += kRow;
    report::addPair(detail, 54, top, 28, 108, QStringLiteral("Conditions:"),
                    QStringLiteral("Growing Conditions"));
    top += kRow;
    const Columns months(0, {22, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14});
    for (int m = 1; m <= 12; ++m) {
        detail.addLabel(months.rect(m, top, kRow), store::monthName(m), boldStyle().right());
        detail.addField(months.rect(m, top + kRow, kRow),
                        store::monthFirstField(m, QStringLiteral("Kc")), plainStyle().right(),
                        report::format::fixed(2));
    }
    detail.addLabel(months.rect(0, top + kRow, kRow), QStringLiteral("Basal Kc"), boldStyle());
    top += 2 * kRow;
    detail.addLabel({0, top, 22, kRow}, QStringLiteral("Notes:"), boldStyle().top());
    detail.addField({22, top, 168, kRow}, kNotes, plainStyle().wrapped().top());
    report::addRowCount(built->report, kCurveCount);
    return built;
}

std::unique_ptr<TableReport> buildGrassList(store::Table& curves) {
    auto built = titled(curves, QStringLiteral("List of All Grass and Forage Legume Crop Curves"));
    const auto kc = report::format::fixed(2);
    report::addTable(built->report, Columns(0, {70, 4, 30, 22, 22}),
                     {{QStringLiteral("Crop Curve Name"), kName},
                      {},
                      {QStringLiteral("Humidity/Wind"), QStringLiteral("Climate/Wind")},
                      {QStringLiteral("Low Kc"), QStringLiteral("Low Kc"), kc, true},
                      {QStringLiteral("High Kc"), QStringLiteral("High Kc"), kc, true}});
    report::addRowCount(built->report, kCurveCount);
    return built;
}

std::unique_ptr<TableReport> buildGrassDetails(store::Table& curves) {
    auto built = titled(curves, QStringLiteral("Selected Grass and Forage Legume Crops"));
    Band& detail = built->report.detail();
    report::addRowBlock(built->report, 2 + 5 * kRow + 3, kName);
    const auto kc = report::format::fixed(2);
    const auto whole = report::format::integer();
    qreal top = 2 + kRow;
    report::addPair(detail, 0, top, 30, 20, QStringLiteral("Humidity/Wind:"),
                    QStringLiteral("Climate/Wind"));
    report::addPair(detail, 54, top, 18, 20, QStringLiteral("Low Kc:"), QStringLiteral("Low Kc"),
                    kc);
    report::addPair(detail, 96, top, 18, 20, QStringLiteral("High Kc:"), QStringLiteral("High Kc"),
                    kc);
    detail.addComputed(
        {138, top, 52, kRow},
        [](const report::PrintContext& c) {
            return c.value(QStringLiteral("Hay")).toBool()
                       ? QStringLiteral("Hay (there are cuttings)")
                       : QStringLiteral("Pasture/seed (no cuttings)");
        },
        plainStyle());
    top += kRow;
    report::addPair(detail, 0, top, 52, 12, QStringLiteral("Pk % After Harvest (Alfalfa):"),
                    QStringLiteral("Pk % After Harvest (Alf)"), whole);
    report::addPair(detail, 66, top, 48, 12, QStringLiteral("Pk Days Before Harvest:"),
                    QStringLiteral("Pk Days Before Harvest"), whole);
    report::addPair(detail, 128, top, 46, 12, QStringLiteral("Pk Days After Harvest:"),
                    QStringLiteral("Pk Days After Harvest"), whole);
    top += kRow;
    detail.addLabel({0, top, 22, kRow}, QStringLiteral("Notes:"), boldStyle().top());
    detail.addField({22, top, 168, kRow}, kNotes, plainStyle().wrapped().top());
    report::addRowCount(built->report, kCurveCount);
    return built;
}

} // namespace kova::cropedit
