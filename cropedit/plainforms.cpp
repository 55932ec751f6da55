#include "plainforms.h"

#include "curvereports.h"
#include "datamodule.h"

#include "store/curvetables.h"
#include "store/fieldnames.h"

#include <functional>

namespace kova::cropedit {

namespace {

using Box = NavigatorFormSettings::Box;

const QString kKcPicture = QStringLiteral("#.###");
const QString kKcHint = QStringLiteral("Enter BC Kc value");

// The Kc boxes of a TR21 curve, one per stored field, labelled as `label` makes it.
template <size_t N>
std::vector<Box> kcBoxes(const std::array<const char*, N>& fields,
                         const std::function<QString(size_t i, const QString& field)>& label) {
    std::vector<Box> boxes;
    for (size_t i = 0; i < N; ++i) {
        const QString field = QLatin1String(fields[i]);
        boxes.push_back({label(i, field), field, kKcHint, kKcPicture});
    }
    return boxes;
}

NavigatorFormSettings bcAnnualSettings() {
    return {.caption = QStringLiteral("Review or Edit BC TR21 Kc Curves for Annual Crops"),
            .rowNoun = QStringLiteral("curve"),
            .nameField = store::kCurveNameField,
            .nameCaption = QStringLiteral("Crop Curve Name"),
            .nameHint = QStringLiteral("Enter unique crop curve name"),
            .groupTitle = QStringLiteral("Annual BC TR21 Kc Values"),
            // The labels count in steps of 5 %; the fields keep their stored spellings.
            .boxes = kcBoxes(
                store::kBCAnnualKcFields,
                [](size_t i, const QString&) { return QStringLiteral("%1% Kc").arg(i * 5); }),
            .columns = 3,
            .listCaption = QStringLiteral("&List"),
            .listHint = QStringLiteral("List of Curves"),
            .listReport = buildBCAnnualList,
            .helpContext = 12};
}

NavigatorFormSettings bcPerennialSettings() {
    return {.caption = QStringLiteral("Review or Edit BC TR21 Kc Curves for Perennial Crops"),
            .rowNoun = QStringLiteral("curve"),
            .nameField = store::kCurveNameField,
            .nameCaption = QStringLiteral("Crop Curve Name"),
            .nameHint = QStringLiteral("Enter crop curve name"),
            .groupTitle = QStringLiteral("Blaney Criddle Kc Values"),
            // "Jan 1 Kc" is labelled "Jan 1".
            .boxes = kcBoxes(store::kBCPerennialKcFields,
                             [](size_t, const QString& field) { return field.chopped(3); }),
            .columns = 2,
            .listCaption = QStringLiteral("List"),
            .listHint = QStringLiteral("BC Perennial Crop List Report"),
            .listReport = buildBCPerennialList,
            .helpContext = 13};
}

NavigatorFormSettings cropTypeSettings() {
    const QString fraction = QStringLiteral("#.###");
    const QString days = QStringLiteral("iii");
    const QString maturity = QStringLiteral("Days from planting until maturity");
    return {.caption = QStringLiteral("Annual Basal Crop Type DB Review or Edit"),
            .rowNoun = QStringLiteral("crop type"),
            .nameField = QStringLiteral("Crop Type"),
            .nameCaption = QStringLiteral("Crop Type"),
            .nameHint = QStringLiteral("Enter a unique crop type name"),
            .groupTitle = QStringLiteral("Season"),
            .boxes = {{QStringLiteral("Fs1"), QStringLiteral("Fs1"),
                       QStringLiteral("Fraction of season"), fraction},
                      {QStringLiteral("Fs2"), QStringLiteral("Fs2"),
                       QStringLiteral("Fraction of season"), fraction},
                      {QStringLiteral("Fs3"), QStringLiteral("Fs3"),
                       QStringLiteral("fraction of season"), fraction},
                      {QStringLiteral("Days Min."), QStringLiteral("DaysMin"), maturity, days},
                      {QStringLiteral("Days Max."), QStringLiteral("DaysMax"), maturity, days}},
            .columns = 3,
            .listCaption = QStringLiteral("List"),
            .listHint = QStringLiteral("Annual Crop Type List Report"),
            .listReport = buildCropTypeList,
            .helpContext = 9};
}

} // namespace

BCAnuForm::BCAnuForm(DataModule& dm, QWidget* parent)
    : NavigatorForm(dm.bcAnnualData(), store::curveTableNamed(QStringLiteral("CrpBCAnu")),
                    bcAnnualSettings(), parent) {}

BCPerenForm::BCPerenForm(DataModule& dm, QWidget* parent)
    : NavigatorForm(dm.bcPerenData(), store::curveTableNamed(QStringLiteral("CrpBCPer")),
                    bcPerennialSettings(), parent) {}

AnTypeForm::AnTypeForm(DataModule& dm, QWidget* parent)
    : NavigatorForm(dm.anTypeData(), nullptr, cropTypeSettings(), parent) {}

} // namespace kova::cropedit
