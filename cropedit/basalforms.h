#pragma once
// The three basal Kc curve windows: field and vegetable crops (a crop type of `CrpAnTyp`, Kcp
// and Kcm), perennial and specialty crops (ground cover, growing conditions, a Kc for every
// month), and grasses and forage legumes (low and high Kc, peaks around a cutting, hay or
// pasture).

#include "basalcurveform.h"

class QLabel;
class QPushButton;

namespace kova::ui {
class DataLookupCombo;
class DataNumericEdit;
} // namespace kova::ui

namespace kova::cropedit {

class DataModule;

class BasFieldVegForm : public BasalCurveForm {
    Q_OBJECT
public:
    explicit BasFieldVegForm(DataModule& dm, QWidget* parent = nullptr);

    ui::DataLookupCombo* cropTypeBox() const { return cropType_; }
    ui::DataNumericEdit* kcpBox() const { return kcp_; }
    ui::DataNumericEdit* kcmBox() const { return kcm_; }
    // The crop type's values as shown: Fs1, Fs2, Fs3, Days Min., Days Max.
    QStringList cropTypeValues() const;
    QPushButton* cropTypeOk() const { return ok_; }

private:
    QWidget* buildCropTypeGroup();
    QWidget* buildConditionsGroup();
    void showCropType();

    DataModule& dm_;
    ui::DataLookupCombo* cropType_ = nullptr;
    ui::DataNumericEdit* kcp_ = nullptr;
    ui::DataNumericEdit* kcm_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::vector<QLabel*> typeValues_;
};

class BasPerenForm : public BasalCurveForm {
    Q_OBJECT
public:
    explicit BasPerenForm(DataModule& dm, QWidget* parent = nullptr);

    QLineEdit* groundCoverBox() const { return groundCover_; }
    ui::DataNumericEdit* monthBox(int month) const { return months_.at(size_t(month - 1)); }

private:
    QWidget* buildMonths();
    QLineEdit* groundCover_ = nullptr;
    std::vector<ui::DataNumericEdit*> months_;
};

class BasGrassForm : public BasalCurveForm {
    Q_OBJECT
public:
    explicit BasGrassForm(DataModule& dm, QWidget* parent = nullptr);

    ui::DataNumericEdit* lowKcBox() const { return lowKc_; }
    ui::DataRadioGroup* hayGroup() const { return hay_; }

private:
    ui::DataNumericEdit* lowKc_ = nullptr;
    ui::DataRadioGroup* hay_ = nullptr;
};

} // namespace kova::cropedit
