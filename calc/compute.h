#pragma once
// Compute: one crop of the job in work, on the current posted row of KovaWkCrop. Reads the
// station, weather site, curve and defaults rows through the store, runs the numerical core
// and writes the daily curve (ETKc) and the row's results back in one transaction.

#include "inputs.h"
#include "messages.h"
#include "reference.h"
#include "tkova.h"

#include <QString>

namespace kova::store {
class Table;
}

namespace kova::calc {

class Calculation {
public:
    explicit Calculation(CalcMessages& messages);

    // The process-wide calculation record and curve workspace of the program.
    TKova kova;
    TCropCurve curve;

    // Computes the crop on which `wkCrop` stands. False (with errorString()) only when a
    // table cannot be read or the results cannot be written; problems of the data are
    // reported through the messages and the calculation goes on.
    bool Compute(store::Table& wkCrop);
    QString errorString() const { return error_; }

    // Wind form of the radiation and temperature methods (the programs keep Driver).
    void setWindForm(WindForm form) { wind_ = form; }

    // The reference tables of the database behind `alias`, read once.
    const ReferenceTables* reference(const QString& alias);

    CalcMessages& messages() { return messages_; }

private:
    bool readInputs(const QString& alias, const store::Table& wkCrop, ComputeInputs* in);
    bool readStation(const QString& alias, int etIndex, ComputeInputs* in);
    bool readCurve(const QString& alias, ComputeInputs* in);
    bool readSettings(const QString& alias, ComputeInputs* in);
    bool writeBack(store::Table& wkCrop);
    bool fail(const QString& message);

    CalcMessages& messages_;
    WindForm wind_ = WindForm::Driver;
    QString referenceFile_;
    ReferenceTables reference_;
    QString error_;
};

} // namespace kova::calc
