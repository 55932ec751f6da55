#pragma once
// The name, date, location and planner of the saved job a list stands on, beside the list of
// the job list and of "Remove Jobs".

class QWidget;

namespace kova::ui {
class DataSource;
}

namespace kova::mainwin {

QWidget* jobDetails(ui::DataSource& jobs, const char* nameCaption);

} // namespace kova::mainwin
