#pragma once
// Compute: one crop of the job in work, on the current posted row of KovaWkCrop. Reads the
// station, weather site, curve and defaults rows through the store, runs the numerical core,
// forms the daily ET of the season, and writes the daily rows (ETKc) and the row's results
// back in one transaction.

#include "inputs.h"
#include "messages.h"
#include "reference.h"
#include "replacedinputs.h"
#include "tkova.h"

#include <QString>
#include <map>
#include <memory>
#include <vector>

namespace kova::store {
class Database;
class Table;
} // namespace kova::store

namespace kova::calc {

class Calculation {
public:
    explicit Calculation(CalcMessages& messages);
    ~Calculation();
    Calculation(const Calculation&) = delete;
    Calculation& operator=(const Calculation&) = delete;

    // The process-wide calculation record and curve workspace of the program.
    TKova kova;
    TCropCurve curve;

    // Computes the crop on which `wkCrop` stands. False (with errorString()) only when a
    // table cannot be read or the results cannot be written; problems of the data are
    // reported through the messages and the calculation goes on.
    bool Compute(store::Table& wkCrop);
    QString errorString() const { return error_; }
    // The inputs the last computation had to replace (named in its warning).
    const std::vector<ReplacedInput>& replacedInputs() const { return replaced_; }

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
    // The tables Compute reads stay open between computations while nothing changed them.
    store::Table* table(const QString& alias, const QString& name, const QString& index);
    void checkOpenTables(store::Database& db);
    static qint64 dataVersion(store::Database& db);

    CalcMessages& messages_;
    WindForm wind_ = WindForm::Driver;
    QString referenceFile_;
    ReferenceTables reference_;
    QString error_;
    std::vector<ReplacedInput> replaced_;
    std::map<QString, std::unique_ptr<store::Table>> openTables_;
    QString tablesFile_;
    qint64 tablesVersion_ = -1;
};

} // namespace kova::calc
