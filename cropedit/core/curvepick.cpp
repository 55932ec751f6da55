#include "curvepick.h"

#include "curveuse.h"
#include "humiditywind.h"

#include "store/curvetables.h"
#include "store/table.h"
#include "store/tablescan.h"

namespace kova::cropedit {

using store::EditState;
using store::kCurveNameField;

namespace {

const QString kBCType = QStringLiteral("BC Crop Type");
const QString kBCName = QStringLiteral("BC Crop Curve Name");
const QString kBasType = QStringLiteral("Bas Crop Type");
const QString kBasName = QStringLiteral("Bas Crop Curve Name");
const QString kCategory = QStringLiteral("Humidity/Wind");
const QString kCategoryIndex = QStringLiteral("HWIndex");

// The pickers' types follow the curve tables' order: the three basal tables, then the two
// TR21 tables.
constexpr int kFirstTR21Table = 3;

const store::CurveTable& tr21Table(int type) {
    return store::curveTables()[size_t(kFirstTR21Table + type)];
}

const store::CurveTable& basalTable(int type) {
    return store::curveTables()[size_t(type)];
}

int tr21TypeOf(const QString& text) {
    for (int type : {TR21Pick::Annual, TR21Pick::Perennial})
        if (tr21Table(type).typeText == text)
            return type;
    return -1;
}

int basalTypeOf(const QString& text) {
    for (int type = 0; type < 3; ++type)
        if (basalTable(type).typeText == text)
            return type;
    return -1;
}

} // namespace

// --- both pickers -----------------------------------------------------------------------------

CurvePick::CurvePick(store::Table& crop, QStringList fields, bool newCrop)
    : crop_(crop), fields_(std::move(fields)), newCrop_(newCrop),
      wasBrowsing_(crop.state() == EditState::Browse) {
    for (const QString& field : fields_)
        before_.push_back(crop_.value(field));
}

void CurvePick::startEdit() {
    if (crop_.state() == EditState::Browse && !crop_.isEmpty())
        crop_.edit();
}

void CurvePick::write(const QString& field, const QVariant& value) {
    startEdit();
    crop_.setValue(field, value);
}

QString CurvePick::cropValue(const QString& field) const {
    return crop_.asString(field);
}

void CurvePick::cancel() {
    if (newCrop_)
        return;
    if (wasBrowsing_) {
        crop_.cancel(); // the picker began the edit: nothing of it stays
        return;
    }
    // The row was already being changed: only the picker's own fields go back.
    for (size_t i = 0; i < before_.size(); ++i)
        if (crop_.value(fields_[int(i)]) != before_[i])
            crop_.setValue(fields_[int(i)], before_[i]);
}

bool CurvePick::lists(store::Table& listed, const QString& name) {
    for (const auto& row : store::TableScan::rows(listed, {kCurveNameField}))
        if (sameCurveName(row[0].toString(), name))
            return true;
    return false;
}

// --- TR21 ---------------------------------------------------------------------------------------

TR21Pick::TR21Pick(store::Table& crop, store::Table& annual, store::Table& perennial,
                   store::Table& lastUse, bool newCrop)
    : CurvePick(crop, {kBCType, kBCName}, newCrop), annual_(annual), perennial_(perennial),
      lastUse_(lastUse) {}

store::Table* TR21Pick::tableOf(int type) const {
    return type == Annual ? &annual_ : type == Perennial ? &perennial_ : nullptr;
}

void TR21Pick::showType(int type) {
    type_ = type;
    listed_ = tableOf(type);
    if (listed_)
        listed_->first();
}

QString TR21Pick::begin() {
    if (!newCrop())
        startEdit();
    lastUse_.first();
    if (!newCrop()) {
        const int type = tr21TypeOf(cropValue(kBCType));
        if (type < 0) {
            // The first type shows, and the crop keeps what it holds until a type is clicked.
            showType(Annual);
            return QStringLiteral("On activate BC Crop Type not found.");
        }
        chooseType(type);
        return {};
    }
    write(kBCName, lastUse_.value(QStringLiteral("BC Curve Name")));
    const int type = lastUse_.asInt(QStringLiteral("BC Type Index"));
    if (!lastUse_.isNull(QStringLiteral("BC Type Index")) && tableOf(type))
        chooseType(type);
    return {};
}

void TR21Pick::chooseType(int type) {
    if (!tableOf(type))
        return;
    write(kBCType, tr21Table(type).typeText);
    showType(type);
}

QString TR21Pick::checkChoice() const {
    const QString name = cropValue(kBCName);
    if (!listed_)
        return QStringLiteral("Choose the BC Kc Curve Type, then a curve from the list.");
    if (name.isEmpty())
        return QStringLiteral("Choose a BC Kc crop curve from the list.");
    if (!lists(*listed_, name))
        return QStringLiteral("The BC Kc crop curve '%1' is not one of the %2 curves. Choose a "
                              "curve from the list.")
            .arg(name, tr21Table(type_).typeText);
    return {};
}

// --- basal --------------------------------------------------------------------------------------

BasalPick::BasalPick(store::Table& crop, std::array<store::Table*, 3> curves, store::Table& lastUse,
                     bool newCrop)
    : CurvePick(crop, {kBasType, kCategory, kBasName}, newCrop), curves_(curves),
      lastUse_(lastUse) {}

QStringList BasalPick::begin() {
    if (!newCrop())
        startEdit();
    lastUse_.first();
    if (newCrop()) {
        const int category = lastUse_.isNull(QStringLiteral("Humidity/Wind Index"))
                                 ? -1
                                 : lastUse_.asInt(QStringLiteral("Humidity/Wind Index"));
        if (!categoryCode(category).isEmpty()) {
            write(kCategory, categoryCode(category));
            category_ = category;
        }
        write(kBasName, lastUse_.value(QStringLiteral("Basil Curve Name")));
        const int type = lastUse_.isNull(QStringLiteral("Basil Type Index"))
                             ? -1
                             : lastUse_.asInt(QStringLiteral("Basil Type Index"));
        if (type >= 0 && type < 3)
            chooseType(type);
        return {};
    }
    QStringList messages;
    const int category = cropedit::categoryIndex(cropValue(kCategory));
    if (category < 0)
        messages << QStringLiteral("On activate HumidityWind not found.");
    else
        chooseCategory(category);
    const int type = basalTypeOf(cropValue(kBasType));
    if (type < 0) {
        messages << QStringLiteral("On activate Bas Crop Type not found.");
        return messages;
    }
    chooseType(type);
    return messages;
}

void BasalPick::chooseType(int type) {
    if (type < 0 || type >= 3)
        return;
    type_ = type;
    write(kBasType, basalTable(type).typeText);
    list();
}

void BasalPick::chooseCategory(int category) {
    if (categoryCode(category).isEmpty())
        return;
    category_ = category;
    write(kCategory, categoryCode(category));
    list();
}

void BasalPick::list() {
    if (type_ < 0) {
        listed_ = nullptr;
        return;
    }
    listed_ = curves_[size_t(type_)];
    if (listed_->indexName() != kCategoryIndex)
        listed_->setIndexName(kCategoryIndex);
    const QString code = categoryCode(category_);
    listed_->setRange({code}, {code});
}

QString BasalPick::checkChoice() const {
    const QString name = cropValue(kBasName);
    if (name.isEmpty())
        return {};
    if (!listed_)
        return QStringLiteral("Choose the Kc Curve Type of the basal curve '%1'.").arg(name);
    if (!lists(*listed_, name))
        return QStringLiteral("The basal curve '%1' is not one of the %2 curves for %3. Choose "
                              "a curve from the list.")
            .arg(name, basalTable(type_).typeText.toLower(), categoryName(categoryCode(category_)));
    return {};
}

} // namespace kova::cropedit
