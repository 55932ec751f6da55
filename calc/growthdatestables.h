#pragma once
// The rows the growth-date tool reads, and OK's write-back into the crop being edited.

#include "growthdates.h"

#include "store/record.h"

#include <QString>

namespace kova::store {
class Table;
}

namespace kova::calc {

FrostDates frostDatesFrom(const store::Record& climate);
// 'Spring Av Temp' ... 'Max Grow Days' of a created crop (the crop type's days are not set).
GrowthCriteria growthCriteriaFrom(const store::Record& kovaCrop);

struct DateToolInputs {
    FrostDates station;
    GrowthCriteria crop;
};

// "Compute Dates for Site" and the tool's opening, as the tables are searched: the station
// nearest to StationName, the created crop nearest to CropName and, for a basal annual crop
// (CurveIndex 0), the crop type of its basal curve. An empty table gives empty values.
bool readDateToolInputs(const QString& alias, const TKova& k, DateToolInputs* out, QString* error);

// OK: the spring and selected harvest dates into the record and into 'Plant Mo', 'Plant Day',
// 'Harvest Mo' and 'Harvest Day' of the working row `wkCrop` stands on (put into edit unless
// it is being edited or inserted; the crop parameters dialog posts it). False with `error`
// when the row refuses a value, or when the tool found no dates (nothing changed).
bool writeAcceptedDates(const CompPHDates& tool, TKova& k, store::Table& wkCrop, QString* error);

} // namespace kova::calc
