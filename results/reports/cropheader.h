#pragma once
// The header of a single-crop report's detail band: the job, the site and the crop's
// settings, each report with its own items and forms, and the crop's curve kind deciding
// which settings print.

#include "report/band.h"

#include "calc/tkova.h"

namespace kova::results {

enum class CropHeaderKind {
    Summary, // "Crop Data Summary": the site in full, the dates as stored, the cuttings
    Details, // "Crop Data Details": no county, planner or cuttings; dates as month/day numbers
    Curves,  // "Crop ET and Kc Curves": job, crop and settings, the cuttings
    Bars,    // "Monthly Crop Water Requirements": job, crop and settings
};

// Adds the header at the top of `band`; returns where it ends (mm from the band's top).
qreal addCropHeader(report::Band& band, const calc::TKova& kova, CropHeaderKind kind);

} // namespace kova::results
