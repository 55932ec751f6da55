#pragma once
// "Select ET Computation Method": the methods the station's weather data can compute, one of
// them preselected. The dialog has no Cancel: closing it in any way takes the method selected.

#include "main/job/etmethod.h"

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace kova::mainwin {

class ETMethodDlg : public QDialog {
    Q_OBJECT
public:
    ETMethodDlg(const job::MethodChoices& choices, QWidget* parent = nullptr);

    // 1 TR21, 2 radiation, 3 temperature, as the radios stand.
    int method() const;
    QRadioButton* tr21Radio() const { return tr21_; }
    QRadioButton* temperatureRadio() const { return temperature_; }
    QRadioButton* radiationRadio() const { return radiation_; }
    QPushButton* okButton() const { return ok_; }

private:
    QPushButton* ok_;
    QRadioButton* tr21_;
    QRadioButton* temperature_;
    QRadioButton* radiation_;
};

} // namespace kova::mainwin
