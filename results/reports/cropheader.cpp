#include "cropheader.h"

#include "reportparts.h"

#include "results/output/cropsummary.h"

namespace kova::results {

using calc::TKova;
using report::Band;
using report::Condition;
using report::PrintContext;

namespace {

constexpr qreal kNameLine = 7;
constexpr qreal kRightHalf = 100;

using Read = std::function<QString(const TKova&)>;

class HeaderWriter {
public:
    HeaderWriter(Band& band, const TKova& k) : band_(band), k_(k) {}

    qreal top() const { return top_; }
    void nextLine(qreal height = kLine) { top_ += height; }

    qreal item(qreal left, const QString& caption, const Read& read, qreal valueWidth = 40,
               const QString& unit = {}, Condition printIf = {},
               const report::TextStyle& style = plainText()) {
        return addItem(band_, {left, top_, valueWidth}, {caption, fromKova(k_, read), unit},
                       std::move(printIf), style);
    }
    // A caption alone; returns where a value after it goes.
    qreal caption(qreal left, const QString& text) {
        const qreal width = captionWidthMm(text);
        band_.addLabel({left, top_, width, kLine}, text, boldText());
        return left + width;
    }

    Condition fieldSettings() const {
        return [&k = k_](const PrintContext&) {
            return headerItems(k.CurveIndex, k.Hay).fieldSettings;
        };
    }
    Condition cuttings() const {
        return [&k = k_](const PrintContext&) { return headerItems(k.CurveIndex, k.Hay).cuttings; };
    }

private:
    Band& band_;
    const TKova& k_;
    qreal top_ = 0;
};

Read text(QString TKova::*member) {
    return [member](const TKova& k) { return k.*member; };
}
Read number(double TKova::*member) {
    return [member](const TKova& k) { return general(k.*member); };
}
Read whole(int TKova::*member) {
    return [member](const TKova& k) { return integer(k.*member); };
}
Read monthDay(int TKova::*month, int TKova::*day) {
    return
        [month, day](const TKova& k) { return QStringLiteral("%1/%2").arg(k.*month).arg(k.*day); };
}

void jobAndCrop(HeaderWriter& w) {
    w.item(0, QStringLiteral("Job:"), text(&TKova::JobName), 85, {}, {}, largeText());
    w.item(kRightHalf, QStringLiteral("Crop:"), text(&TKova::CropName), 75, {}, {}, largeText());
    w.nextLine(kNameLine + 1);
}

void station(HeaderWriter& w) {
    w.item(0, QStringLiteral("Latitude:"), number(&TKova::Latitude), 16);
    w.item(40, QStringLiteral("Longitude:"), number(&TKova::Longitude), 16);
    w.item(82, QStringLiteral("Elevation:"), number(&TKova::Elevation), 12,
           QStringLiteral("feet above sea level"));
    w.nextLine();
}

void methodAndCurve(HeaderWriter& w) {
    w.item(0, QStringLiteral("Computation Method:"), text(&TKova::ETMethodText), 55);
    w.item(kRightHalf, QStringLiteral("Crop Curve:"), text(&TKova::CurveType), 70);
    w.nextLine();
}

void netIrrigation(HeaderWriter& w, qreal left) {
    w.item(left, QStringLiteral("Net irrigation application:"), number(&TKova::NetIrr), 10,
           QStringLiteral("inches"));
}

// "Begin: 1.5 inches" and "End: 0.5 inches" after the caption.
void carryOver(HeaderWriter& w) {
    w.caption(0, QStringLiteral("Estimated carryover moisture used at season:"));
    w.item(86, QStringLiteral("Begin:"), number(&TKova::CarryBeg), 10, QStringLiteral("inches"));
    w.item(130, QStringLiteral("End:"), number(&TKova::CarryEnd), 10, QStringLiteral("inches"));
    w.nextLine();
}

// The chart reports' form: "Begin: 1.5 inches     End: 0.5 inches".
void carryOverOnOneLabel(HeaderWriter& w) {
    w.caption(0, QStringLiteral("Estimated carryover moisture used at season:"));
    const qreal end = w.item(86, QStringLiteral("Begin:"), number(&TKova::CarryBeg), 10,
                             QStringLiteral("inches     End:"));
    w.item(end + 1, QString(), number(&TKova::CarryEnd), 10, QStringLiteral("inches"));
    w.nextLine();
}

void wetting(HeaderWriter& w) {
    w.item(0, QStringLiteral("Wetting (Development): "), whole(&TKova::DaysWetDeveloped), 8,
           QStringLiteral("days"), w.fieldSettings());
    w.item(70, QStringLiteral("(Mature):"), whole(&TKova::DaysWetMature), 8, QStringLiteral("days"),
           w.fieldSettings());
    w.nextLine();
}

void cuttingItems(HeaderWriter& w) {
    w.item(0, QStringLiteral("Number of Cuttings:"), whole(&TKova::Cuttings), 10, {}, w.cuttings());
    w.item(60, QStringLiteral("1st cut:"), text(&TKova::Cut1Text), 18, {}, w.cuttings());
    w.item(110, QStringLiteral("Last Cut:"), text(&TKova::CutEndText), 18, {}, w.cuttings());
    w.nextLine();
}

Read stressFactor() {
    return [](const TKova& k) { return fixed2(k.StressFactor); };
}

// From the station's position to the wetting intervals, the season's dates as `begin` and
// `end` give them: the part the two single-crop reports share.
void siteAndSettings(HeaderWriter& w, const Read& begin, const Read& end) {
    station(w);
    methodAndCurve(w);
    netIrrigation(w, 0);
    w.nextLine();
    carryOver(w);
    w.item(0, QStringLiteral("Begin Growth:"), begin, 20);
    w.item(50, QStringLiteral("End Growth:"), end, 20);
    w.item(kRightHalf, QStringLiteral("Irrigation Type:"), text(&TKova::IrrigationType), 60, {},
           w.fieldSettings());
    w.nextLine();
    w.item(0, QStringLiteral("Surface Soil:"), text(&TKova::Soil), 45, {}, w.fieldSettings());
    w.item(kRightHalf, QStringLiteral("Water stress factor:"), stressFactor(), 15, {},
           w.fieldSettings());
    w.nextLine();
    wetting(w);
}

// The dates as stored ('Beg Dat', 'End Dat'), the county, the planner and the cuttings.
void summaryHeader(HeaderWriter& w) {
    jobAndCrop(w);
    w.item(0, QStringLiteral("Location:"), text(&TKova::Location), 60);
    w.item(82, QStringLiteral("County:"), text(&TKova::County), 45);
    w.item(148, QStringLiteral("By:"), text(&TKova::Planner), 36);
    w.nextLine();
    w.item(0, QStringLiteral("Date:"), text(&TKova::JobDate), 30);
    w.item(50, QStringLiteral("Weather Station:"), text(&TKova::StationName), 65);
    w.item(148, QStringLiteral("Sta No:"), text(&TKova::StationNo), 25);
    w.nextLine();
    siteAndSettings(w, text(&TKova::BegDateText), text(&TKova::EndDateText));
    cuttingItems(w);
}

// The dates as month and day numbers; no county, planner or cuttings.
void detailsHeader(HeaderWriter& w) {
    jobAndCrop(w);
    w.item(0, QStringLiteral("Location:"), text(&TKova::Location), 80);
    w.item(kRightHalf, QStringLiteral("Date:"), text(&TKova::JobDate), 30);
    w.nextLine();
    w.item(0, QStringLiteral("Weather Station:"), text(&TKova::StationName), 70);
    w.item(kRightHalf, QStringLiteral("Sta No:"), text(&TKova::StationNo), 25);
    w.nextLine();
    siteAndSettings(w, monthDay(&TKova::PlantMo, &TKova::PlantDay),
                    monthDay(&TKova::HarvestMo, &TKova::HarvestDay));
}

// The curve report prints the caption "Irrigation Type:" for every crop, only its value
// follows the curve kind; the bar report treats both alike.
void chartHeader(HeaderWriter& w, CropHeaderKind kind) {
    jobAndCrop(w);
    w.item(0, QStringLiteral("Location:"), text(&TKova::Location), 80);
    w.item(kRightHalf, QStringLiteral("Date:"), text(&TKova::JobDate), 30);
    w.nextLine();
    methodAndCurve(w);
    w.item(0, QStringLiteral("Begin Growth:"), monthDay(&TKova::PlantMo, &TKova::PlantDay), 14);
    w.item(45, QStringLiteral("End Growth:"), monthDay(&TKova::HarvestMo, &TKova::HarvestDay), 14);
    netIrrigation(w, kRightHalf);
    w.nextLine();
    const QString irrigationType = QStringLiteral("Irrigation Type:");
    if (kind == CropHeaderKind::Curves) {
        w.item(w.caption(0, irrigationType), QString(), text(&TKova::IrrigationType), 60, {},
               w.fieldSettings());
    } else {
        w.item(0, irrigationType, text(&TKova::IrrigationType), 60, {}, w.fieldSettings());
    }
    w.item(kRightHalf, QStringLiteral("Surface Soil:"), text(&TKova::Soil), 45, {},
           w.fieldSettings());
    w.nextLine();
    carryOverOnOneLabel(w);
    wetting(w);
    if (kind == CropHeaderKind::Curves)
        cuttingItems(w);
}

} // namespace

qreal addCropHeader(Band& band, const TKova& kova, CropHeaderKind kind) {
    HeaderWriter w(band, kova);
    switch (kind) {
    case CropHeaderKind::Summary:
        summaryHeader(w);
        break;
    case CropHeaderKind::Details:
        detailsHeader(w);
        break;
    case CropHeaderKind::Curves:
    case CropHeaderKind::Bars:
        chartHeader(w, kind);
        break;
    }
    return w.top();
}

} // namespace kova::results
