#pragma once
// The saved jobs as the job list and "Remove Jobs" show them: in name order, with the name,
// date, location and planner of the one selected beside the list.

class QWidget;

namespace kova::store {
class Table;
}

namespace kova::ui {
class DataSource;
}

namespace kova::mainwin {

// Opens `jobs` (KovaJob) in name order; false, with a message, when it cannot be read.
bool openSavedJobs(store::Table& jobs, QWidget* parent);

QWidget* jobDetails(ui::DataSource& jobs, const char* nameCaption);

} // namespace kova::mainwin
