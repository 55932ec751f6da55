#include "etmethoddlg.h"

#include "ui/helpviewer.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kova::mainwin {

namespace {

constexpr int kDialogHelp = 7;
constexpr int kMethodGroupHelp = 19010;

QRadioButton* radio(const QString& caption, const job::MethodRadio& state, QLayout* layout) {
    auto* button = new QRadioButton(caption);
    button->setEnabled(state.enabled);
    button->setChecked(state.selected);
    layout->addWidget(button);
    return button;
}

} // namespace

ETMethodDlg::ETMethodDlg(const job::MethodChoices& choices, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Select ET Computation Method"));
    auto* group = new QGroupBox(QStringLiteral("ET Computation Method"));
    group->setToolTip(QStringLiteral("Select method"));
    ui::Help::setContext(group, kMethodGroupHelp);
    auto* radios = new QVBoxLayout(group);
    tr21_ = radio(QStringLiteral("Blaney Criddle (TR21)"), choices.tr21, radios);
    temperature_ = radio(QStringLiteral("Temperature (FAO BC)"), choices.temperature, radios);
    radiation_ = radio(QStringLiteral("Radiation"), choices.radiation, radios);

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* bar = new QHBoxLayout;
    bar->addWidget(ok_);
    bar->addStretch();
    bar->addWidget(ui::helpButton(kDialogHelp));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(new QLabel(QStringLiteral("Select one of these ET computation methods")));
    layout->addWidget(group);
    ui::Help::setContext(this, kDialogHelp);
    ui::Help::installF1(this);
    // Wide enough for the title bar to show the whole caption.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 140);
}

int ETMethodDlg::method() const {
    const job::MethodChoices shown{{tr21_->isEnabled(), tr21_->isChecked()},
                                   {temperature_->isEnabled(), temperature_->isChecked()},
                                   {radiation_->isEnabled(), radiation_->isChecked()}};
    return job::chosenMethod(shown);
}

} // namespace kova::mainwin
