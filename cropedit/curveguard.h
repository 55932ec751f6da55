#pragma once
// Saving and deleting the rows of a curve or crop type window so that no created crop loses
// its curve without a word. A row is saved only with a name no other row has (letter case
// ignored, as the calculation finds names) and with fields that agree; renaming a curve or a
// crop type that others use asks first, naming them, and Yes renames it in the created crops
// (a crop type: in its curves) in the same transaction as the row. The delete questions name
// what uses the row.

#include "cropedit/core/curveuse.h"
#include "ui/datasource.h"

#include <QObject>

namespace kova::cropedit {

struct RowProblems;

// Refuses a row without a name (it could never be chosen, whatever the table declares) or
// with fields that disagree, telling it as the table's own refusals are; true when refused.
bool refusedBeforeSave(ui::DataSource& source, const QString& nameField,
                       const RowProblems& problems);

class CurveGuard : public QObject {
    Q_OBJECT
public:
    // The window of a curve table (`curves`), or of the annual crop types (`curves` null).
    CurveGuard(ui::DataSource& source, const store::CurveTable* curves, QWidget* window);
    ~CurveGuard() override;

    // What deleting the current row affects, for the delete question; empty when nothing.
    QString deleteWarning() const;

private:
    ui::DataSource::PostOutcome post();
    bool findUsers(const QString& name, CurveUsers* users) const;
    bool refusedByChecks();
    ui::DataSource::PostOutcome postRenaming(const QString& from, const QString& to);
    QString what() const;

    ui::DataSource& source_;
    store::Table& table_;
    const store::CurveTable* curves_;
    QWidget* window_;
    QString nameField_;
    CurveUse use_;
};

} // namespace kova::cropedit
