#pragma once
// "Save Job?": asked before unsaved work is dropped. "OK" saves the job, "No" (or closing the
// prompt) goes on without saving.

#include <QDialog>

class QPushButton;

namespace kova::mainwin {

class SaveForm : public QDialog {
    Q_OBJECT
public:
    explicit SaveForm(const QString& jobName, QWidget* parent = nullptr);
    QPushButton* okButton() const { return ok_; }
    QPushButton* noButton() const { return no_; }

private:
    QPushButton* ok_;
    QPushButton* no_;
};

} // namespace kova::mainwin
