#pragma once
// The three plain editing windows: the TR21 curves of annual crops (Kc at every 5 % of the
// season), of perennial crops (Kc on the 1st and 15th of each month and on December 31), and
// the annual crop types of the basal field and vegetable curves.

#include "navigatorform.h"

namespace kova::cropedit {

class DataModule;

class BCAnuForm : public NavigatorForm {
    Q_OBJECT
public:
    explicit BCAnuForm(DataModule& dm, QWidget* parent = nullptr);
};

class BCPerenForm : public NavigatorForm {
    Q_OBJECT
public:
    explicit BCPerenForm(DataModule& dm, QWidget* parent = nullptr);
};

class AnTypeForm : public NavigatorForm {
    Q_OBJECT
public:
    explicit AnTypeForm(DataModule& dm, QWidget* parent = nullptr);
};

} // namespace kova::cropedit
