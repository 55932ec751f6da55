#pragma once
// What a window says when a row cannot be saved: one message in the user's words that names
// every field to fix ("Station 'X' cannot be saved: T Jan, T Feb must have a value."), with
// the table's own text kept for the box's details. Data sources show it for every refused
// post, so every editor window says it the same way.

#include "store/table.h"

#include <QString>
#include <QStringList>

namespace kova::ui {

// How the user calls the rows of a table: "station", and the field that names one.
struct RowWords {
    QString noun = QStringLiteral("record");
    QString nameField;
};

struct RefusedPost {
    QString text;            // the user's words
    QString details;         // the table's text
    QStringList fieldsToFix; // in the table's field order; the first gets the focus
};

// "Station 'CHEYENNE'", or "The new station" / "The station" while the row has no name.
QString rowSubject(const store::Table& table, const RowWords& words);

// A failure in the user's words: `what` ("Station 'X' cannot be deleted") and, when the
// table's text tells, why ("... : the database is read-only."), ended with a full stop.
QString failureText(const QString& what, const QString& technical);

// `invalidFields`: boxes holding text that is not a valid value (the row was not posted);
// otherwise the table's last refused post is described.
RefusedPost describeRefusedPost(const store::Table& table, const RowWords& words,
                                const QStringList& invalidFields = {});
// A refusal found by a window's own checks in the table's terms (a name another row holds),
// said as the table's own refusals are.
RefusedPost describeRefusal(const store::Table& table, const RowWords& words,
                            const store::Table::PostRefusal& why, const QString& details = {});
// Fields that disagree with each other: "Crop 'X' cannot be saved: Plant Day 30 is past the
// end of month 2 (28 days)."
RefusedPost describeProblems(const store::Table& table, const RowWords& words,
                             const QStringList& problems, const QStringList& fields);

} // namespace kova::ui
