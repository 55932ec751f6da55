#include "jobdetails.h"

#include "store/table.h"
#include "ui/datacontrols.h"
#include "ui/labels.h"
#include "ui/messages.h"

#include <QFormLayout>
#include <QLabel>

namespace kova::mainwin {

bool openSavedJobs(store::Table& jobs, QWidget* parent) {
    jobs.setIndexName(QStringLiteral("JobNameIndex"));
    if (jobs.open())
        return true;
    ui::Messages::error(QStringLiteral("The saved jobs cannot be listed."), jobs.errorString(),
                        parent);
    return false;
}

QWidget* jobDetails(ui::DataSource& jobs, const char* nameCaption) {
    auto* details = new QWidget;
    auto* form = new QFormLayout(details);
    form->setContentsMargins(0, 0, 0, 0);
    auto* name = new ui::DataLabel(&jobs, QStringLiteral("Job Name"));
    name->setTextFormat(Qt::PlainText);
    form->addRow(QLatin1String(nameCaption), ui::bold(name));
    const std::pair<const char*, QString> rows[] = {
        {"Date", QStringLiteral("Job Date")},
        {"Job Location", QStringLiteral("Location")},
        {"Job Planner", QStringLiteral("Planner")},
    };
    for (const auto& [caption, field] : rows) {
        auto* value = new ui::DataLabel(&jobs, field);
        value->setTextFormat(Qt::PlainText);
        form->addRow(QLatin1String(caption), value);
    }
    return details;
}

} // namespace kova::mainwin
