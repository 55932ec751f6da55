#include "cropreports.h"

#include "program.h"

#include "report/format.h"
#include "report/printcontext.h"

namespace kova::cropedit {

using report::Band;
using report::boldStyle;
using report::Columns;
using report::plainStyle;

namespace {
const QString kCropName = QStringLiteral("Cop Name");
const QString kCropCount = QStringLiteral("Total Number of Crops:");
constexpr qreal kRow = report::kLineHeight;

// "5/1" from a month and a day field; empty while either is.
report::TextSource monthDay(const QString& month, const QString& day) {
    return [month, day](const report::PrintContext& c) {
        const QVariant m = c.value(month);
        const QVariant d = c.value(day);
        return m.isNull() || d.isNull() ? QString()
                                        : QStringLiteral("%1/%2").arg(m.toInt()).arg(d.toInt());
    };
}
} // namespace

std::unique_ptr<report::TableReport> buildCropList(store::Table& crops) {
    auto built = std::make_unique<report::TableReport>(crops);
    report::addHeadingAndTitle(built->report, kReportHeading,
                               QStringLiteral("List of All Crop Items"));
    report::addTable(
        built->report, Columns(0, {66, 3, 70, 3, 48}),
        {{QStringLiteral("Crop Name"), kCropName},
         {},
         {QStringLiteral("Basal Kc Crop Curve"), QStringLiteral("Bas Crop Curve Name")},
         {},
         {QStringLiteral("BC TR21 Crop Curve"), QStringLiteral("BC Crop Curve Name")}});
    report::addRowCount(built->report, kCropCount);
    return built;
}

std::unique_ptr<report::TableReport> buildCropDetails(store::Table& crops) {
    auto built = std::make_unique<report::TableReport>(crops);
    report::Report& report = built->report;
    report::addHeadingAndTitle(report, kReportHeading,
                               QStringLiteral("Selected Local Crops, Details"));
    const auto whole = report::format::integer();
    report::addRowBlock(report, 2 + 7 * kRow + 3, kCropName, boldStyle().size(10));
    Band& detail = report.detail();
    qreal top = 2 + kRow + 1;
    report::addPair(detail, 0, top, 40, 56, QStringLiteral("Basal curve type:"),
                    QStringLiteral("Bas Crop Type"));
    report::addPair(detail, 100, top, 32, 58, QStringLiteral("Basal curve:"),
                    QStringLiteral("Bas Crop Curve Name"));
    top += kRow;
    report::addPair(detail, 0, top, 40, 56, QStringLiteral("Humidity/Wind:"),
                    QStringLiteral("Humidity/Wind"));
    top += kRow;
    report::addPair(detail, 0, top, 40, 56, QStringLiteral("BC TR21 curve type:"),
                    QStringLiteral("BC Crop Type"));
    report::addPair(detail, 100, top, 32, 58, QStringLiteral("BC TR21 curve:"),
                    QStringLiteral("BC Crop Curve Name"));
    top += kRow;
    detail.addLabel({0, top, 40, kRow}, QStringLiteral("Planting (mo/dy):"), boldStyle());
    detail.addComputed({40, top, 20, kRow},
                       monthDay(QStringLiteral("Plant Mo"), QStringLiteral("Plant Day")),
                       plainStyle());
    detail.addLabel({100, top, 32, kRow}, QStringLiteral("Harvest (mo/dy):"), boldStyle());
    detail.addComputed({132, top, 20, kRow},
                       monthDay(QStringLiteral("Harvest Mo"), QStringLiteral("Harvest Day")),
                       plainStyle());
    top += kRow;
    report::addPair(detail, 0, top, 40, 20, QStringLiteral("Min. grow days:"),
                    QStringLiteral("Min Grow Days"), whole);
    report::addPair(detail, 100, top, 32, 20, QStringLiteral("Max. grow days:"),
                    QStringLiteral("Max Grow Days"), whole);
    top += kRow;
    report::addPair(detail, 0, top, 40, 20, QStringLiteral("Spring av. temp. F:"),
                    QStringLiteral("Spring Av Temp"), whole);
    report::addPair(detail, 100, top, 32, 20, QStringLiteral("Fall av. temp. F:"),
                    QStringLiteral("Fall Av Temp"), whole);
    top += kRow;
    detail.addLabel({0, top, 40, kRow}, QStringLiteral("Comments:"), boldStyle().top());
    detail.addField({40, top, 150, kRow}, QStringLiteral("Notes"), plainStyle().wrapped().top());
    report::addRowCount(report, kCropCount);
    return built;
}

} // namespace kova::cropedit
