#pragma once
// Whole regions at once: every table the calculation reads, loaded once into memory, and one
// crop of one station computed from them with no SQL per crop. A created crop is added to a
// one-crop job at the station with the delivered defaults, as "Add New Crop" then "OK" would.

#include "inputs.h"
#include "messages.h"
#include "newcrop.h"
#include "reference.h"
#include "tkova.h"

#include <QString>
#include <map>
#include <vector>

namespace kova::calc {

// Rows keyed by name as the case-insensitive name indexes order them; a missing name takes
// the nearest row (the first not less, else the last), as the table cursor would.
template <class Row> class NamedRows {
public:
    void add(const QString& name, Row row) {
        rows_.insert_or_assign(name.toCaseFolded(), Entry{name, std::move(row)});
    }
    bool empty() const { return rows_.empty(); }
    size_t size() const { return rows_.size(); }
    // The nearest row and its stored name; nullptr when there are no rows.
    const Row* nearest(const QString& name, QString* foundName) const {
        if (rows_.empty())
            return nullptr;
        auto it = rows_.lower_bound(name.toCaseFolded());
        if (it == rows_.end())
            it = std::prev(rows_.end());
        *foundName = it->second.name;
        return &it->second.row;
    }

private:
    struct Entry {
        QString name;
        Row row;
    };
    std::map<QString, Entry> rows_;
};

struct BatchData {
    std::vector<StationClimate> stations; // in station name order
    NamedRows<WhrSite> whr;
    std::vector<CreatedCrop> crops;          // in crop name order
    NamedRows<BasalAnnualCurve> basalAnnual; // joined with its crop type
    NamedRows<BasalPerennialCurve> basalPerennial;
    NamedRows<GrassCurve> grass;
    NamedRows<TR21AnnualCurve> tr21Annual;
    NamedRows<TR21PerennialCurve> tr21Perennial;
    CropDefaults defaults;
    SystemSettings settings;
    ReferenceTables reference;

    static bool load(const QString& alias, BatchData* out, QString* error);

    const StationClimate* findStation(const QString& name) const; // exact, letter case ignored
    const CreatedCrop* findCrop(const QString& name) const;       // exact letters and case
};

struct StationCropResult {
    double ETTotal = 0, EP50Total = 0, EP80Total = 0, NI50Total = 0, NI80Total = 0;
    int peakMonth = 0; // month of the highest peak ET, 0 when the crop has none
};

// The inputs of one crop at one station from the loaded rows (nearest rows with a warning
// where a curve or weather site is missing).
ComputeInputs stationCropInputs(const BatchData& data, const StationClimate& station,
                                const CreatedCrop& crop, int etIndex, CalcMessages& messages);

// Computes one crop at one station into `k` and `curve`.
StationCropResult computeStationCrop(const BatchData& data, const StationClimate& station,
                                     const CreatedCrop& crop, int etIndex, WindForm wind, TKova& k,
                                     TCropCurve& curve, CalcMessages& messages);

} // namespace kova::calc
