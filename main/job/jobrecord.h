#pragma once
// The job in work as the calculation record holds it: its state, clearing it, its header
// texts held to their stored widths, and the station chosen for it.

#include "calc/inputs.h"
#include "calc/tkova.h"

#include <QString>

namespace kova::job {

// `JobState` of the record.
inline constexpr int kNothingToSave = 0;
inline constexpr int kNewJob = 1;     // never stored
inline constexpr int kChangedJob = 2; // stored, changed since it was stored or loaded

// Any change of the job: a stored job becomes changed; a new job stays new.
void markChanged(calc::TKova& k);

// Every job, station and crop member back to its starting value; the crop name, curve kind,
// season flags and hay mark keep theirs.
void clearJobRecord(calc::TKova& k);

// The header texts of a job, each stored in its 'KovaJob' field.
enum class HeaderText { JobName, Location, Planner, JobDate };
// The stored width: entries take no more, and a name is checked as it will be stored.
int widthOf(HeaderText field);
QString cutToWidth(HeaderText field, const QString& text);

// The station chosen for the job: its identity, position, monthly climate and their sum, and
// the effective precipitation ratios of its annual precipitation.
void copyStation(const calc::StationClimate& station, calc::TKova& k);

} // namespace kova::job
