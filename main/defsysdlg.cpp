#include "defsysdlg.h"

#include "passworddlg.h"

#include "ui/datacontrols.h"
#include "ui/helpviewer.h"
#include "ui/labels.h"
#include "ui/messages.h"
#include "ui/modal.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::mainwin {

namespace {

constexpr int kSystemDefaultsHelp = 19026;
constexpr int kHelpButtonTopic = 26;
const QString kCaption = QStringLiteral("System Default Values");

} // namespace

DefSysDlg::DefSysDlg(const QString& alias, QWidget* parent)
    : QDialog(parent), defaults_(QStringLiteral("SystemDefaults"), alias) {
    setWindowTitle(kCaption);
    if (!defaults_.open())
        ui::Messages::error(QStringLiteral("The system defaults cannot be read."),
                            defaults_.errorString(), parent);
    source_.setAutoEdit(false);

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    ok_->setToolTip(QStringLiteral("Save changes and return to main"));
    edit_ = new QPushButton(QStringLiteral("Edit Data"));
    edit_->setToolTip(QStringLiteral("Edit data (password required)"));
    edit_->setAutoDefault(false);
    edit_->setEnabled(defaults_.isOpen() && !defaults_.isEmpty());
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &DefSysDlg::save);
    connect(edit_, &QPushButton::clicked, this, &DefSysDlg::editData);
    connect(cancel, &QPushButton::clicked, this, &DefSysDlg::reject);
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {ok_, edit_, cancel})
        bar->addWidget(b);
    bar->addStretch();
    bar->addWidget(ui::helpButton(kHelpButtonTopic));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(ui::bold(new QLabel(QStringLiteral("DEFAULT VALUES"))));
    layout->addWidget(new QLabel(QStringLiteral("Enter values compatable with the region")));
    layout->addWidget(buildValues());
    note_ = ui::bold(new QLabel(QStringLiteral("Editing these system values require a password:")));
    layout->addWidget(note_);
    layout->addStretch();
    ui::Help::setContext(this, kSystemDefaultsHelp);
    ui::Help::installF1(this);
    setEditMode(false);
}

QWidget* DefSysDlg::buildValues() {
    auto* values = new QWidget;
    auto* layout = new QVBoxLayout(values);
    layout->setContentsMargins(0, 0, 0, 0);
    method_ = new ui::DataRadioGroup(
        &source_, QStringLiteral("ET Method"), QStringLiteral("Primary ET Computation Method"),
        {QStringLiteral("Radiation Method (Doorenbos and Pruitt, et al.)"),
         QStringLiteral("Temperature Method (FAO-Blaney Criddle)"),
         QStringLiteral("Blaney Criddle TR21 Method (Orvell)"),
         QStringLiteral("Any of above 3 methods")},
        {QStringLiteral("RAD"), QStringLiteral("TEMP"), QStringLiteral("TR21"),
         QStringLiteral("ANY")});
    elevation_ = new ui::DataRadioGroup(
        &source_, QStringLiteral("Elevation Correction"), QStringLiteral("Elevation Correction"),
        {QStringLiteral("Yes - Use Correction"), QStringLiteral("No -  Don't Use Correction")},
        {QStringLiteral("True"), QStringLiteral("False")});
    peak_ = new ui::DataRadioGroup(
        &source_, QStringLiteral("Peak ET Method"),
        QStringLiteral("Peak ET  Computation Procedure"),
        {QStringLiteral("Blaney Criddle TR21 Procedure"),
         // "&&" shows one "&" (a single one would mark an access key).
         QStringLiteral("Doorenbos  Pruitt curve No 1.. Arid && Semi Arid, clear weather"),
         QStringLiteral("Doorenbos  Pruitt curve No 2.. Mid-continent, variable clouds, 0.4\" "
                        "av ET"),
         QStringLiteral("Doorenbos  Pruitt curve No 3.. Mid-continent, variable clouds, 0.2\" "
                        "av ET"),
         QStringLiteral("Doorenbos  Pruitt curve No 4.. Mid-cont., sub humid, highly variable "
                        "clouds")},
        {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
         QStringLiteral("4")});
    for (QWidget* group : {static_cast<QWidget*>(method_), static_cast<QWidget*>(elevation_),
                           static_cast<QWidget*>(peak_)})
        layout->addWidget(group);

    spring_ = new ui::DataNumericEdit(&source_, QStringLiteral("Spring Carryover %"),
                                      QStringLiteral("##.##"));
    fall_ = new ui::DataNumericEdit(&source_, QStringLiteral("Fall Carryover %"),
                                    QStringLiteral("##.##"));
    for (QWidget* entry : {static_cast<QWidget*>(spring_), static_cast<QWidget*>(fall_)})
        entry->setMaximumWidth(80);
    password_ = new ui::DataTextEdit(&source_, QStringLiteral("Password"));
    passwordCaption_ = new QLabel(QStringLiteral("Password (Change?)"));
    auto* entries = new QFormLayout;
    entries->addRow(QStringLiteral("Spring Carryover Percentage"),
                    ui::withUnit(spring_, QStringLiteral("%")));
    entries->addRow(QStringLiteral("Fall Carryover Percentage"),
                    ui::withUnit(fall_, QStringLiteral("%")));
    entries->addRow(passwordCaption_, password_);
    layout->addLayout(entries);
    return values;
}

void DefSysDlg::setEditMode(bool on) {
    editMode_ = on;
    for (QWidget* control :
         std::initializer_list<QWidget*>{method_, elevation_, peak_, spring_, fall_})
        control->setEnabled(on);
    passwordCaption_->setVisible(on);
    password_->setVisible(on);
    note_->setVisible(!on);
    edit_->setEnabled(!on && defaults_.isOpen() && !defaults_.isEmpty());
}

void DefSysDlg::editData() {
    PasswordDlg password(defaults_.asString(QStringLiteral("Password")), this);
    if (ui::showModal(password) != QDialog::Accepted)
        return;
    if (!defaults_.edit()) {
        source_.tellFailure(QStringLiteral("changed"));
        return;
    }
    setWindowTitle(QStringLiteral("System Defaults (EDIT MODE)"));
    setEditMode(true);
}

void DefSysDlg::save() {
    // A refused row stays in edit with its message, so it can be corrected or cancelled.
    if (editMode_ && !source_.post())
        return;
    setWindowTitle(QStringLiteral("System Default Values)"));
    setEditMode(false);
    defaults_.close();
    accept();
}

void DefSysDlg::reject() {
    defaults_.cancel();
    setWindowTitle(QStringLiteral("System Default Values)"));
    setEditMode(false);
    defaults_.close();
    QDialog::reject();
}

} // namespace kova::mainwin
