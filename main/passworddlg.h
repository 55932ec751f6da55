#pragma once
// "Password Dialog": opens the system defaults for editing when the text typed is the stored
// password or the master password, letter for letter. A wrong entry says so and is emptied for
// another try; "Cancel" leaves the defaults locked.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kova::mainwin {

class PasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDlg(const QString& storedPassword, QWidget* parent = nullptr);
    QLineEdit* entry() const { return entry_; }
    QLabel* wrongPassword() const { return wrong_; }
    QPushButton* okButton() const { return ok_; }

private:
    void tryPassword();

    QString stored_;
    QLineEdit* entry_;
    QLabel* wrong_;
    QPushButton* ok_;
};

} // namespace kova::mainwin
