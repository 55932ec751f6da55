#include "curveguard.h"

#include "cropedit/core/rowchecks.h"
#include "ui/messages.h"
#include "ui/refusedpost.h"

#include <QWidget>

namespace kova::cropedit {

using Outcome = ui::DataSource::PostOutcome;
using store::EditState;

CurveGuard::CurveGuard(ui::DataSource& source, const store::CurveTable* curves, QWidget* window)
    : QObject(window), source_(source), table_(*source.table()), curves_(curves), window_(window),
      nameField_(curves ? store::kCurveNameField : QStringLiteral("Crop Type")),
      use_(source.table()->database() ? source.table()->database()->alias()
                                      : store::kDefaultAlias) {
    source_.setPostRoutine([this] { return post(); });
}

CurveGuard::~CurveGuard() {
    source_.setPostRoutine({}); // the data source outlives the window
}

QString CurveGuard::what() const {
    return curves_ ? QStringLiteral("curve") : QStringLiteral("crop type");
}

bool CurveGuard::findUsers(const QString& name, CurveUsers* users) const {
    QString error;
    const bool found = curves_ ? use_.findCurveUsers(*curves_, name, users, &error)
                               : use_.findCropTypeUsers(name, users, &error);
    if (!found)
        ui::Messages::error(
            QStringLiteral("The crops that use the %1 '%2' cannot be read.").arg(what(), name),
            error, window_);
    return found;
}

QString CurveGuard::deleteWarning() const {
    if (table_.state() == EditState::Insert)
        return {}; // nothing stored yet
    const QString stored = table_.state() == EditState::Edit
                               ? storedValue(table_, nameField_).toString()
                               : table_.asString(nameField_);
    CurveUsers users;
    if (stored.isEmpty() || !findUsers(stored, &users))
        return {};
    return cropedit::deleteWarning(users, what());
}

bool refusedBeforeSave(ui::DataSource& source, const QString& nameField,
                       const RowProblems& problems) {
    store::Table& table = *source.table();
    if (table.asString(nameField).isEmpty()) {
        store::Table::PostRefusal missing;
        missing.missingFields = QStringList{nameField};
        source.tellRefused(ui::describeRefusal(table, source.rowWords(), missing));
        return true;
    }
    if (problems.any()) {
        source.tellRefused(
            ui::describeProblems(table, source.rowWords(), problems.problems, problems.fields));
        return true;
    }
    return false;
}

bool CurveGuard::refusedByChecks() {
    if (refusedBeforeSave(source_, nameField_,
                          curves_ ? RowProblems{} : cropTypeProblems(table_.record())))
        return true;
    bool taken = false;
    QString error;
    if (!nameTakenByAnother(table_, nameField_, &taken, &error)) {
        ui::Messages::error(ui::rowSubject(table_, source_.rowWords()) +
                                QStringLiteral(" cannot be saved."),
                            error, window_);
        return true;
    }
    if (taken) {
        store::Table::PostRefusal duplicate;
        duplicate.duplicateKey = QStringList{nameField_};
        const QString details =
            QStringLiteral("%1: another row holds '%2' in '%3' (letter case ignored).")
                .arg(table_.database()->describeTable(table_.tableName()),
                     table_.asString(nameField_), nameField_);
        source_.tellRefused(ui::describeRefusal(table_, source_.rowWords(), duplicate, details));
    }
    return taken;
}

Outcome CurveGuard::post() {
    if (refusedByChecks())
        return Outcome::Declined;
    const QString from =
        table_.state() == EditState::Edit ? storedValue(table_, nameField_).toString() : QString();
    const QString to = table_.asString(nameField_);
    if (from.isEmpty() || from == to)
        return table_.post() ? Outcome::Posted : Outcome::Refused;
    return postRenaming(from, to);
}

Outcome CurveGuard::postRenaming(const QString& from, const QString& to) {
    CurveUsers users;
    if (!findUsers(from, &users))
        return Outcome::Declined;
    if (!users.any())
        return table_.post() ? Outcome::Posted : Outcome::Refused;
    const QString question = QStringLiteral("Rename the %1 '%2' to '%3'?").arg(what(), from, to);
    if (!ui::Messages::confirmDestructive(question, from, renameWarning(users, what(), from, to),
                                          window_))
        return Outcome::Declined; // the row stays in edit with what was typed
    store::Database& db = *table_.database();
    store::Transaction tx(db);
    QString error = tx.error();
    const bool renamed = tx.ok() && (curves_ ? use_.renameCurve(*curves_, from, to, &error)
                                             : use_.renameCropType(from, to, &error));
    if (!renamed) {
        const QString what =
            ui::rowSubject(table_, source_.rowWords()) + QStringLiteral(" cannot be renamed");
        ui::Messages::error(ui::failureText(what, error), error, window_);
        return Outcome::Declined;
    }
    if (!table_.post())
        return Outcome::Refused; // the renamed crops go back with the transaction
    if (!tx.commit()) {
        ui::Messages::error(ui::failureText(ui::rowSubject(table_, source_.rowWords()) +
                                                QStringLiteral(" cannot be saved"),
                                            tx.error()),
                            tx.error(), window_);
        return Outcome::Declined;
    }
    return Outcome::Posted;
}

} // namespace kova::cropedit
