#pragma once
// Rows of the store turned into the plain inputs of the numerical core, and the delivered
// reference tables read into memory.

#include "inputs.h"
#include "reference.h"

#include "store/record.h"

#include <QString>

namespace kova::calc {

StationClimate stationFrom(const store::Record& climate);
WhrSite whrFrom(const store::Record& whr);
SystemSettings settingsFrom(const store::Record& systemDefaults);

BasalAnnualCurve basalAnnualFrom(const store::Record& crpAnNam, const store::Record& crpAnTyp);
BasalPerennialCurve basalPerennialFrom(const store::Record& crpPeren);
GrassCurve grassFrom(const store::Record& crpForag);
TR21AnnualCurve tr21AnnualFrom(const store::Record& crpBCAnu);
TR21PerennialCurve tr21PerennialFrom(const store::Record& crpBCPer);

// MoPctDay, PcpChance and WetSoil of the database behind `alias`, in key order.
bool readReferenceTables(const QString& alias, ReferenceTables* out, QString* error);

// The curve table, its index and builder kind for a 'Curve Index' (0..4); empty otherwise.
struct CurveTable {
    QString table;
    QString index;
};
std::optional<CurveTable> curveTableOf(int curveIndex);

} // namespace kova::calc
