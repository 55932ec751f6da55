#pragma once
// "Loading....": shown without waiting while a saved job is read back and its crops are
// computed, with the job's name and a bar of 0 to 100.

#include <QDialog>

class QLabel;
class QProgressBar;

namespace kova::mainwin {

class WaitDlg : public QDialog {
    Q_OBJECT
public:
    explicit WaitDlg(QWidget* parent = nullptr);

    // Shown at 0 with the job's name, then advanced; painted at once, since the load gives
    // the event loop no time.
    void showProgress(const QString& jobName, int percent);
    QProgressBar* bar() const { return bar_; }
    QString jobName() const;

private:
    QLabel* jobName_;
    QProgressBar* bar_;
};

} // namespace kova::mainwin
