#pragma once
// A job's new crop as a working crop row, built from a created crop of KovaCrop and the
// system and local defaults ("Add New Crop").

#include "inputs.h"
#include "messages.h"
#include "tkova.h"

#include "store/record.h"

#include <QString>
#include <QStringList>

namespace kova::store {
class Table;
}

namespace kova::calc {

// Irrigation types as the local defaults list them and, at the same positions, as the crop
// parameters dialog words them.
const QStringList& localIrrigationTypes();
const QStringList& dialogIrrigationTypes();

// Fraction of the surface wetted by an irrigation type of either list (1.0 for other texts).
double fractionWettedFor(const QString& irrigationType);

struct CreatedCrop { // the KovaCrop fields the new row uses
    QString CopName;
    QString BasCropType, BasCropCurveName;
    QString BCCropType, BCCropCurveName;
    int PlantMo = 0, PlantDay = 0, HarvestMo = 0, HarvestDay = 0;
};

struct CropDefaults { // SystemDefaults and LocalDefaults values the new row uses
    double SpringCarryoverPct = 0, FallCarryoverPct = 0;
    double NetDepth = 0;
    QString IrrigationType, Soil;
    int DaysWetDevelop = 0, DaysWetMature = 0;
    int Cut1Mo = 0, Cut1Day = 0, CutEndMo = 0, CutEndDay = 0, Cuttings = 0;
    double StressFactor = 0;
    bool Sensitive = false;
    double ASW = 0;
};

CreatedCrop createdCropFrom(const store::Record& kovaCrop);
CropDefaults cropDefaultsFrom(const store::Record& systemDefaults,
                              const store::Record& localDefaults);

// The curve of the crop for the job's ET method; no curve for a basal type outside the three.
struct CurveChoice {
    std::optional<int> CurveIndex;
    QString CurveName;
    QString CropCurveType;
};
CurveChoice curveChoiceFor(int etIndex, const CreatedCrop& crop);

// The inputs of the new working crop (crop number and job name are the caller's).
WorkingCrop newWorkingCrop(const CreatedCrop& crop, const CropDefaults& defaults, int etIndex);

enum class AddCropResult { Added, AlreadyIncluded, Failed };

// Appends the new row to KovaWkCrop and leaves it unposted for the crop parameters dialog.
// Sets CropName, raises CropCount (the row's 'Crop No') and sets CurveIndex when a curve is
// chosen. A crop already in the job (letter case ignored) is refused with its message.
AddCropResult appendNewWorkingCrop(store::Table& wkCrop, const CreatedCrop& crop,
                                   const CropDefaults& defaults, TKova& k, CalcMessages& messages,
                                   QString* error);

} // namespace kova::calc
