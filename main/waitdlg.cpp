#include "waitdlg.h"

#include "ui/labels.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kova::mainwin {

WaitDlg::WaitDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Loading...."));
    setModal(false);
    // It only shows progress: the window that loads keeps the keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);
    jobName_ = ui::bold(new QLabel);
    jobName_->setTextFormat(Qt::PlainText);
    auto* job = new QHBoxLayout;
    job->addWidget(new QLabel(QStringLiteral("Job:")));
    job->addWidget(jobName_, 1);
    bar_ = new QProgressBar;
    bar_->setRange(0, 100);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(job);
    layout->addWidget(new QLabel(QStringLiteral("Please wait ....")));
    layout->addWidget(bar_);
    setMinimumWidth(320);
}

void WaitDlg::showProgress(const QString& jobName, int percent) {
    if (!isVisible() || jobName_->text() != jobName) {
        jobName_->setText(jobName);
        bar_->setValue(0);
        show();
    }
    bar_->setValue(percent);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString WaitDlg::jobName() const {
    return jobName_->text();
}

} // namespace kova::mainwin
