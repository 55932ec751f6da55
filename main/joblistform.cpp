#include "joblistform.h"

#include "jobdetails.h"

#include "ui/datagrid.h"
#include "ui/helpviewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::mainwin {

namespace {

constexpr int kJobListHelp = 19024;
const QString kJobName = QStringLiteral("Job Name");

} // namespace

JobListForm::JobListForm(const QString& alias, QWidget* parent)
    : QDialog(parent), jobs_(QStringLiteral("KovaJob"), alias) {
    setWindowTitle(QStringLiteral("Select Existing Job to View or Edit"));
    openSavedJobs(jobs_, parent);
    source_.setAutoEdit(false);
    grid_ = new ui::DataGrid(&source_, {{kJobName, kJobName, ui::GridColumn::kFieldWidth, true}});
    grid_->horizontalHeader()->hide();

    auto* list = new QVBoxLayout;
    list->addWidget(new QLabel(QStringLiteral("Select a Job")));
    list->addWidget(grid_, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(list, 1);
    body->addWidget(jobDetails(source_, "JobName"), 0, Qt::AlignTop);

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    ok_->setToolTip(QStringLiteral("Select job and continue"));
    ok_->setEnabled(jobs_.isOpen() && !jobs_.isEmpty());
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &QAbstractItemView::doubleClicked, this, [this] {
        if (ok_->isEnabled())
            accept();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    ui::Help::setContext(this, kJobListHelp);
    ui::Help::installF1(this);
    resize(620, 400);
}

QString JobListForm::selectedJob() const {
    return jobs_.isOpen() && !jobs_.isEmpty() ? jobs_.asString(kJobName) : QString();
}

bool JobListForm::selectJob(const QString& jobName) {
    return jobs_.isOpen() && jobs_.findKey({jobName}) && jobs_.asString(kJobName) == jobName;
}

} // namespace kova::mainwin
