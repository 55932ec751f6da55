#pragma once
// The columns of a working crop, each declared once: its field in KovaWkCrop, its field in
// KovaJobCrop where a saved job keeps it, the WorkingCrop member it fills and the crop member
// of TKova that a computation copies it into. Reading and writing a working row, and copying
// crops between a saved job and the job in work, all walk this one list.

#include "inputs.h"
#include "tkova.h"

#include "store/record.h"

#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace kova::store {
class Table;
}

namespace kova::calc {

template <class T> struct CropMember {
    T WorkingCrop::*crop = nullptr;
    // The TKova crop member filled from it; nullptr when TKova has none or a rule of the
    // computation sets it (the dates, which are checked first).
    T TKova::*kova = nullptr;
};

using CropColumnMember = std::variant<CropMember<QString>, CropMember<int>, CropMember<double>,
                                      CropMember<bool>, CropMember<std::optional<int>>>;

// How a column travels between KovaWkCrop and KovaJobCrop.
enum class SavedCopy {
    None,     // a saved job does not keep it
    Both,     // saving and reopening copy it as it is
    OnReopen, // reopening copies it; saving sets the saved field by its own rule
};

struct CropColumn {
    const char* working; // field of KovaWkCrop
    const char* saved;   // field of KovaJobCrop; nullptr with SavedCopy::None
    SavedCopy copy;
    CropColumnMember member;
};

const std::vector<CropColumn>& cropColumns();

// The KovaWkCrop field of a WorkingCrop member ('Plant Mo' for &WorkingCrop::PlantMo).
template <class T> QString workingFieldOf(T WorkingCrop::*member) {
    for (const CropColumn& c : cropColumns())
        if (const auto* m = std::get_if<CropMember<T>>(&c.member); m && m->crop == member)
            return QString::fromLatin1(c.working);
    return {};
}

// The KovaJobCrop field of a KovaWkCrop field ('Harvest Mo' -> 'Harv Mo'); empty when a saved
// job does not keep it.
QString savedFieldOf(const QString& workingField);

WorkingCrop workingCropFrom(const store::Record& wkCrop);

// Writes every column of `crop` into the working row being edited or appended.
bool writeWorkingCrop(const WorkingCrop& crop, store::Table& wkCrop, QString* error);

// The crop members of TKova that have a column of their own.
void copyCropMembers(const WorkingCrop& crop, TKova& k);

// Saving a job: fills the KovaJobCrop row being appended from a working row. 'Job Name' is
// the job's name; 'Job Crop No' is numbered by the table.
bool copyToSavedCrop(const store::Record& working, const QString& jobName, store::Table& savedCrop,
                     QString* error);

// Reopening a job: fills the KovaWkCrop row being appended from a saved crop: its columns,
// 'Crop No' from 'Job Crop No', 'Beg Dat' and 'End Dat' formed from its dates, and the job's
// 'ET Index'.
bool copyToWorkingCrop(const store::Record& saved, int etIndex, store::Table& working,
                       QString* error);

// A date as the rows and results show it: plain numbers, "5/1".
QString monthDayText(int month, int day);

} // namespace kova::calc
