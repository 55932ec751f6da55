#include "removejobsdlg.h"

#include "jobdetails.h"

#include "main/job/jobsession.h"
#include "ui/datagrid.h"
#include "ui/helpviewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::mainwin {

namespace {

constexpr int kRemoveJobsHelp = 19023;
constexpr int kHelpButtonTopic = 23;

std::vector<ui::GridColumn> everyField(const store::TableDef& table) {
    std::vector<ui::GridColumn> columns;
    for (const store::FieldDef& field : table.fields)
        columns.push_back({field.name, field.name, ui::GridColumn::kFieldWidth});
    return columns;
}

QPushButton* button(const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

RemoveJobsDlg::RemoveJobsDlg(job::JobSession& session, QWidget* parent)
    : QDialog(parent), session_(session), jobs_(QStringLiteral("KovaJob"), session.alias()) {
    setWindowTitle(QStringLiteral("Remove Jobs"));
    openSavedJobs(jobs_, parent);
    source_.setAutoEdit(false);

    auto* back = button(QStringLiteral("&Return"), QStringLiteral("Return to main"));
    delete_ = button(QStringLiteral("&Delete"), QStringLiteral("Delete selected job"));
    delete_->setDefault(true);
    auto* cancel = button(QStringLiteral("Cancel"), {});
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(delete_, &QPushButton::clicked, this, &RemoveJobsDlg::deleteSelectedJob);
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {back, delete_, cancel})
        bar->addWidget(b);
    bar->addStretch();
    bar->addWidget(ui::helpButton(kHelpButtonTopic));

    grid_ = new ui::DataGrid(&source_, everyField(jobs_.def()));
    grid_->setToolTip(QStringLiteral("Select job to delete"));
    connect(grid_, &QAbstractItemView::doubleClicked, this, &RemoveJobsDlg::deleteSelectedJob);
    auto* details = new QVBoxLayout;
    details->addWidget(new QLabel(QStringLiteral("Select a  Job to Remove")));
    QWidget* shown = jobDetails(source_, "Job Name");
    // Room for a whole name, so the list does not move as the selection changes.
    shown->setFixedWidth(fontMetrics().horizontalAdvance(QString(32, QLatin1Char('n'))));
    details->addWidget(shown);
    details->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(grid_, 1);
    body->addLayout(details);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(body, 1);
    ui::Help::setContext(this, kRemoveJobsHelp);
    ui::Help::installF1(this);
    resize(900, 420);
    showDeletable();
}

void RemoveJobsDlg::deleteSelectedJob() {
    if (!delete_->isEnabled())
        return;
    const QString name = jobs_.asString(QStringLiteral("Job Name"));
    if (session_.removeJob(name))
        jobs_.refresh();
    showDeletable();
}

// An empty job table has nothing to delete.
void RemoveJobsDlg::showDeletable() {
    delete_->setEnabled(jobs_.isOpen() && !jobs_.isEmpty());
}

} // namespace kova::mainwin
