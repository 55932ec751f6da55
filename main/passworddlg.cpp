#include "passworddlg.h"

#include "main/job/defaults.h"
#include "main/job/jobfeedback.h"
#include "ui/helpviewer.h"
#include "ui/labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::mainwin {

namespace {

constexpr int kPasswordHelp = 26;

} // namespace

PasswordDlg::PasswordDlg(const QString& storedPassword, QWidget* parent)
    : QDialog(parent), stored_(storedPassword) {
    setWindowTitle(QStringLiteral("Password Dialog"));
    entry_ = new QLineEdit;
    entry_->setEchoMode(QLineEdit::Password);
    // Each typed character shows as "*", whatever the style's own mask character.
    entry_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    entry_->setToolTip(QStringLiteral("Enter password"));
    ui::Help::setContext(entry_, kPasswordHelp);
    wrong_ = ui::bold(new QLabel(job::text::kWrongPassword));
    wrong_->hide();

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &PasswordDlg::tryPassword);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter password:")));
    layout->addWidget(entry_);
    layout->addWidget(wrong_);
    layout->addLayout(buttons);
    ui::Help::installF1(this);
    setMinimumWidth(300);
}

void PasswordDlg::tryPassword() {
    if (job::passwordAccepted(entry_->text(), stored_)) {
        wrong_->hide();
        accept();
        return;
    }
    wrong_->show();
    entry_->clear();
    entry_->setFocus();
}

} // namespace kova::mainwin
