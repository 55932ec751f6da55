#include "saveform.h"

#include "ui/helpviewer.h"
#include "ui/labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::mainwin {

namespace {

constexpr int kSaveHelp = 22;

} // namespace

SaveForm::SaveForm(const QString& jobName, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Save Job?"));
    auto* job = new QHBoxLayout;
    job->addWidget(new QLabel(QStringLiteral("Job: ")));
    QLabel* name = ui::bold(new QLabel(jobName));
    name->setObjectName(QStringLiteral("jobName"));
    name->setTextFormat(Qt::PlainText);
    job->addWidget(name, 1);

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    ok_->setToolTip(QStringLiteral("Save the current job"));
    no_ = new QPushButton(QStringLiteral("No"));
    no_->setToolTip(QStringLiteral("Dont save this job"));
    no_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(no_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(no_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ui::bold(new QLabel(QStringLiteral("Do you wish to save the current Job?"))));
    layout->addLayout(job);
    layout->addLayout(buttons);
    ui::Help::setContext(this, kSaveHelp);
    ui::Help::installF1(this);
}

} // namespace kova::mainwin
