#include "plainforms.h"

#include "curvereports.h"
#include "datamodule.h"

#include "store/curvetables.h"
#include "store/fieldnames.h"

namespace kova::cropedit {

namespace {

using Box = NavigatorFormSettings::Box;

const QString kKcPicture = QStringLiteral("#.###");
const QString kKcHint = QStringLiteral("Enter BC Kc value");

NavigatorFormSettings bcAnnualSettings() {
    NavigatorFormSettings s;
    s.caption = QStringLiteral("Review or Edit BC TR21 Kc Curves for Annual Crops");
    s.rowNoun = QStringLiteral("curve");
    s.nameField = store::kCurveNameField;
    s.nameCaption = QStringLiteral("Crop Curve Name");
    s.nameHint = QStringLiteral("Enter unique crop curve name");
    s.groupTitle = QStringLiteral("Annual BC TR21 Kc Values");
    // The labels count in steps of 5 %; the fields keep their stored spellings.
    for (size_t i = 0; i < store::kBCAnnualKcFields.size(); ++i)
        s.boxes.push_back({QStringLiteral("%1% Kc").arg(i * 5),
                           QLatin1String(store::kBCAnnualKcFields[i]), kKcHint, kKcPicture});
    s.columns = 3;
    s.listCaption = QStringLiteral("&List");
    s.listHint = QStringLiteral("List of Curves");
    s.listReport = buildBCAnnualList;
    s.helpContext = 12;
    return s;
}

NavigatorFormSettings bcPerennialSettings() {
    NavigatorFormSettings s;
    s.caption = QStringLiteral("Review or Edit BC TR21 Kc Curves for Perennial Crops");
    s.rowNoun = QStringLiteral("curve");
    s.nameField = store::kCurveNameField;
    s.nameCaption = QStringLiteral("Crop Curve Name");
    s.nameHint = QStringLiteral("Enter crop curve name");
    s.groupTitle = QStringLiteral("Blaney Criddle Kc Values");
    for (const char* field : store::kBCPerennialKcFields) {
        QString label = QLatin1String(field);
        label.chop(3); // "Jan 1 Kc" is labelled "Jan 1"
        s.boxes.push_back({label, QLatin1String(field), kKcHint, kKcPicture});
    }
    s.columns = 2;
    s.listCaption = QStringLiteral("List");
    s.listHint = QStringLiteral("BC Perennial Crop List Report");
    s.listReport = buildBCPerennialList;
    s.helpContext = 13;
    return s;
}

NavigatorFormSettings cropTypeSettings() {
    NavigatorFormSettings s;
    s.caption = QStringLiteral("Annual Basal Crop Type DB Review or Edit");
    s.rowNoun = QStringLiteral("crop type");
    s.nameField = QStringLiteral("Crop Type");
    s.nameCaption = QStringLiteral("Crop Type");
    s.nameHint = QStringLiteral("Enter a unique crop type name");
    s.groupTitle = QStringLiteral("Season");
    const QString fraction = QStringLiteral("#.###");
    const QString days = QStringLiteral("iii");
    const QString maturity = QStringLiteral("Days from planting until maturity");
    s.boxes = {{QStringLiteral("Fs1"), QStringLiteral("Fs1"), QStringLiteral("Fraction of season"),
                fraction},
               {QStringLiteral("Fs2"), QStringLiteral("Fs2"), QStringLiteral("Fraction of season"),
                fraction},
               {QStringLiteral("Fs3"), QStringLiteral("Fs3"), QStringLiteral("fraction of season"),
                fraction},
               {QStringLiteral("Days Min."), QStringLiteral("DaysMin"), maturity, days},
               {QStringLiteral("Days Max."), QStringLiteral("DaysMax"), maturity, days}};
    s.columns = 3;
    s.listCaption = QStringLiteral("List");
    s.listHint = QStringLiteral("Annual Crop Type List Report");
    s.listReport = buildCropTypeList;
    s.helpContext = 9;
    return s;
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
