#include "basalforms.h"

#include "curvereports.h"
#include "curvewindows.h"
#include "datamodule.h"

#include "store/fieldnames.h"
#include "ui/datacontrols.h"
#include "ui/hint.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::cropedit {

namespace {

const QString kKcPicture = QStringLiteral("#.##");
const QString kNotes = QStringLiteral("Notes");

ui::DataMemo* notesMemo(ui::DataSource& source, const QString& hint) {
    auto* memo = new ui::DataMemo(&source, kNotes);
    ui::setHint(memo, hint);
    memo->setFixedHeight(60);
    return memo;
}

QWidget* captioned(const QString& caption, QWidget* box) {
    auto* group = new QWidget;
    auto* row = new QVBoxLayout(group);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(caption));
    row->addWidget(box);
    return group;
}

BasalCurveFormSettings fieldVegSettings() {
    return {.caption =
                QStringLiteral("Review or Edit Basal Kc Curves for Field and Vegetable Crops"),
            .table = QStringLiteral("CrpAnNam"),
            .nameHint = QStringLiteral("Enter a unique crop curve name"),
            .categoryTitle = QStringLiteral("Condition Selection"),
            .listCaption = QStringLiteral("Print Curve Name List"),
            .listReport = buildFieldVegList,
            .markedReport = buildFieldVegDetails,
            .helpContext = 8};
}

BasalCurveFormSettings perennialSettings() {
    return {.caption =
                QStringLiteral("Review or Edit Basal Kc Curves for Perennial and Specialty Crops"),
            .table = QStringLiteral("CrpPeren"),
            .nameHint = QStringLiteral("Enter a unique name descriptive of the crop"),
            .categoryTitle = QStringLiteral("Humidity/Wind condition selection"),
            .listCaption = QStringLiteral("Print Crop Curve  List"),
            .listReport = buildPerennialList,
            .markedReport = buildPerennialDetails,
            .helpContext = 10};
}

BasalCurveFormSettings grassSettings() {
    return {.caption = QStringLiteral("Review or Edit Basal Kc Curves for Grass Crops"),
            .table = QStringLiteral("CrpForag"),
            .nameHint = QStringLiteral("Enter a unique crop curve name"),
            .categoryTitle = QStringLiteral("Humidity/Wind condition selection"),
            .listCaption = QStringLiteral("Print Crop Curve List"),
            .listReport = buildGrassList,
            .markedReport = buildGrassDetails,
            .helpContext = 11};
}

} // namespace

// --- field and vegetable crops ------------------------------------------------------------------

BasFieldVegForm::BasFieldVegForm(DataModule& dm, QWidget* parent)
    : BasalCurveForm(dm.basFldVegData(), fieldVegSettings(), parent), dm_(dm) {
    auto* fields = new QVBoxLayout;
    QWidget* conditions = buildConditionsGroup();
    fields->addWidget(buildCropTypeGroup());
    fields->addWidget(conditions);
    auto* notes = notesMemo(source(), QStringLiteral("Enter notes"));
    fields->addWidget(captioned(QStringLiteral("Notes"), notes));
    fields->addStretch(1);
    finish(fields, kcp_);
    // Name, category, Kcp, Kcm, crop type, notes.
    setTabOrder(nameBox(), categoryGroup());
    setTabOrder(categoryGroup(), kcp_);
    setTabOrder(kcp_, kcm_);
    setTabOrder(kcm_, cropType_);
    setTabOrder(cropType_, notes);

    store::Table& curves = *source().table();
    connect(&curves, &store::Table::currentChanged, this, &BasFieldVegForm::showCropType);
    connect(&curves, &store::Table::fieldChanged, this, [this](const QString& field) {
        if (field == QLatin1String("Crop Type"))
            showCropType();
    });
    showCropType();
    resize(900, 620);
}

QWidget* BasFieldVegForm::buildCropTypeGroup() {
    auto* group = new QGroupBox(QStringLiteral("Crop Type Data"));
    auto* grid = new QGridLayout(group);
    const QString typeField = QStringLiteral("Crop Type");
    cropType_ = new ui::DataLookupCombo(&source(), typeField, &dm_.anType(), typeField, typeField);
    ui::setHint(cropType_, QStringLiteral("Select crop type from list"));
    cropType_->setMinimumContentsLength(24);
    grid->addWidget(cropType_, 0, 0, 1, 5);
    ok_ = new QPushButton(QStringLiteral("OK"));
    ui::setHint(ok_, QStringLiteral("Post selection"));
    ok_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, [this] { source().post(); });
    grid->addWidget(ok_, 0, 5);
    const char* const captions[] = {"Fs1", "Fs2", "Fs3", "Days Min.", "Days Max."};
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(new QLabel(QLatin1String(captions[i])), 1, i, Qt::AlignHCenter);
        auto* value = new QLabel;
        value->setFrameShape(QFrame::StyledPanel);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(56);
        grid->addWidget(value, 2, i);
        typeValues_.push_back(value);
    }
    return group;
}

QWidget* BasFieldVegForm::buildConditionsGroup() {
    auto* group = new QGroupBox(QStringLiteral("Humidity/Wind conditions"));
    auto* grid = new QGridLayout(group);
    kcp_ = numberBox(source(), QStringLiteral("Kcp"), kKcPicture, QStringLiteral("Enter Kcp"));
    kcm_ = numberBox(source(), QStringLiteral("Kcm"), kKcPicture, QStringLiteral("Enter Kcm"));
    grid->addWidget(new QLabel(QStringLiteral("Kcp")), 0, 0);
    grid->addWidget(kcp_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Kcm")), 1, 0);
    grid->addWidget(kcm_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Wind/Humidity")), 2, 0);
    grid->addWidget(new ui::DataLabel(&source(), QStringLiteral("Climate/Wind")), 2, 1);
    grid->addWidget(categoryGroup(), 0, 2, 4, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

void BasFieldVegForm::showCropType() {
    // The crop type's season values; blanks while the curve names no crop type of the list.
    store::Table& types = dm_.anType();
    const QString type = source().table()->asString(QStringLiteral("Crop Type"));
    const bool found = types.isOpen() && types.state() == store::EditState::Browse &&
                       !type.isEmpty() && types.findKey({type});
    const char* const fields[] = {"Fs1", "Fs2", "Fs3", "DaysMin", "DaysMax"};
    for (int i = 0; i < 5; ++i)
        typeValues_[size_t(i)]->setText(found ? ui::fieldText(types.value(QLatin1String(fields[i])))
                                              : QString());
}

QStringList BasFieldVegForm::cropTypeValues() const {
    QStringList values;
    for (const QLabel* label : typeValues_)
        values << label->text();
    return values;
}

// --- perennial and specialty crops --------------------------------------------------------------

BasPerenForm::BasPerenForm(DataModule& dm, QWidget* parent)
    : BasalCurveForm(dm.basPerenData(), perennialSettings(), parent) {
    // Created crops and jobs keep 40 characters of a curve name: a longer one would name no
    // curve once it is cut.
    nameBox()->setMaxLength(40);
    auto* fields = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    auto* current = new QVBoxLayout;
    current->addWidget(new QLabel(QStringLiteral("Humidity/\nWind")));
    current->addWidget(new ui::DataLabel(&source(), QStringLiteral("Humidity/Wind")));
    current->addStretch();
    top->addLayout(current);
    top->addWidget(categoryGroup(), 1);
    fields->addLayout(top);

    auto* descriptions = new QFormLayout;
    groundCover_ = new ui::DataTextEdit(&source(), QStringLiteral("Ground Cover"));
    ui::setHint(groundCover_, QStringLiteral("Enter ground cover description"));
    auto* conditions = new ui::DataTextEdit(&source(), QStringLiteral("Growing Conditions"));
    ui::setHint(conditions, QStringLiteral("Enter growing conditions description"));
    descriptions->addRow(QStringLiteral("Ground cover"), groundCover_);
    descriptions->addRow(QStringLiteral("Growing Conditions"), conditions);
    fields->addLayout(descriptions);
    fields->addWidget(buildMonths());
    fields->addWidget(
        captioned(QStringLiteral("Notes"),
                  notesMemo(source(), QStringLiteral("Enter notes about crop curve"))));
    fields->addStretch(1);
    finish(fields, groundCover_);
    resize(900, 660);
}

QWidget* BasPerenForm::buildMonths() {
    // Two blocks of six months side by side, each under the headings; Enter walks January to
    // December.
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    const char* const names[] = {"January",   "February", "March",    "April",
                                 "May",       "June",     "July",     "August",
                                 "September", "October",  "November", "December"};
    for (int block = 0; block < 2; ++block) {
        const int column = block * 3;
        grid->addWidget(new QLabel(QStringLiteral("Crop")), 0, column);
        auto* heading = new QLabel(QStringLiteral("Basal Kc\nValue"));
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column + 1);
    }
    for (int m = 1; m <= 12; ++m) {
        const int block = (m - 1) / 6;
        const int row = (m - 1) % 6 + 1;
        auto* edit = numberBox(source(), store::monthFirstField(m, QStringLiteral("Kc")),
                               kKcPicture, QStringLiteral("Enter montly basil Kc"));
        grid->addWidget(new QLabel(QLatin1String(names[m - 1])), row, block * 3);
        grid->addWidget(edit, row, block * 3 + 1);
        months_.push_back(edit);
    }
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(5, 1);
    return box;
}

// --- grasses and forage legumes ---------------------------------------------------------------

BasGrassForm::BasGrassForm(DataModule& dm, QWidget* parent)
    : BasalCurveForm(dm.basGrassData(), grassSettings(), parent) {
    auto* fields = new QVBoxLayout;
    fields->addWidget(categoryGroup());
    auto* values = new QFormLayout;
    lowKc_ = numberBox(source(), QStringLiteral("Low Kc"), kKcPicture,
                       QStringLiteral("Enter low Kc value"));
    values->addRow(QStringLiteral("Low Kc"), lowKc_);
    values->addRow(QStringLiteral("High Kc"),
                   numberBox(source(), QStringLiteral("High Kc"), kKcPicture,
                             QStringLiteral("Enter High Kc value")));
    values->addRow(QStringLiteral("PK % After Harvest (Alfalfa)"),
                   numberBox(source(), QStringLiteral("Pk % After Harvest (Alf)"),
                             QStringLiteral("iii"), QStringLiteral("Enter % peak (Alfalfa)")));
    values->addRow(QStringLiteral("Pk Days Before Harvest (Grass)"),
                   numberBox(source(), QStringLiteral("Pk Days Before Harvest"),
                             QStringLiteral("iii"), QStringLiteral("Enter peak days (grass)")));
    fields->addLayout(values);
    hay_ = new ui::DataRadioGroup(
        &source(), QStringLiteral("Hay"), QStringLiteral("Set to  Hay or Pasture"),
        {QStringLiteral("Hay (There are cuttings)"), QStringLiteral("Pasture/Seed (No cuttings)")},
        {QStringLiteral("True"), QStringLiteral("False")});
    fields->addWidget(hay_);
    fields->addWidget(
        captioned(QStringLiteral("Notes"),
                  notesMemo(source(), QStringLiteral("Enter notes about crop curve"))));
    fields->addStretch(1);
    finish(fields, lowKc_);
    setTabOrder(nameBox(), categoryGroup());
    resize(880, 620);
}

} // namespace kova::cropedit
