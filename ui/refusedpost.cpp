#include "refusedpost.h"

#include "store/table.h"
#include "store/writerefusal.h"

#include <algorithm>

namespace kova::ui {

QString failureText(const QString& what, const QString& technical) {
    const QString why = store::writeRefusalReason(technical);
    return why.isEmpty() ? what + QLatin1Char('.') : QStringLiteral("%1: %2.").arg(what, why);
}

QString rowSubject(const store::Table& table, const RowWords& words) {
    const QString name = words.nameField.isEmpty() ? QString() : table.asString(words.nameField);
    if (!name.isEmpty()) {
        const QString noun = words.noun.left(1).toUpper() + words.noun.mid(1);
        return QStringLiteral("%1 '%2'").arg(noun, name);
    }
    return (table.state() == store::EditState::Insert ? QStringLiteral("The new %1")
                                                      : QStringLiteral("The %1"))
        .arg(words.noun);
}

namespace {

QStringList inFieldOrder(const store::Table& table, QStringList fields) {
    std::sort(fields.begin(), fields.end(), [&table](const QString& a, const QString& b) {
        return table.def().fieldIndex(a) < table.def().fieldIndex(b);
    });
    return fields;
}

// "Station Name", "Station Name and County", "A, B and C"
QString andList(const QStringList& items) {
    if (items.size() < 2)
        return items.value(0);
    return QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")) +
           QStringLiteral(" and ") + items.last();
}

} // namespace

RefusedPost describeRefusedPost(const store::Table& table, const RowWords& words,
                                const QStringList& invalidFields) {
    const QString who = rowSubject(table, words);
    RefusedPost refused;
    if (!invalidFields.isEmpty()) {
        refused.fieldsToFix = inFieldOrder(table, invalidFields);
        refused.text = QStringLiteral("%1 cannot be saved: %2 must be corrected.")
                           .arg(who, refused.fieldsToFix.join(QStringLiteral(", ")));
        return refused;
    }
    return describeRefusal(table, words, table.postRefusal(), table.errorString());
}

RefusedPost describeRefusal(const store::Table& table, const RowWords& words,
                            const store::Table::PostRefusal& why, const QString& details) {
    const QString who = rowSubject(table, words);
    RefusedPost refused;
    refused.details = details;
    if (!why.missingFields.isEmpty()) {
        refused.fieldsToFix = why.missingFields;
        refused.text = QStringLiteral("%1 cannot be saved: %2 must have a value.")
                           .arg(who, why.missingFields.join(QStringLiteral(", ")));
    } else if (!why.duplicateKey.isEmpty()) {
        refused.fieldsToFix = why.duplicateKey;
        refused.text = QStringLiteral("%1 cannot be saved: another %2 already has this %3.")
                           .arg(who, words.noun, andList(why.duplicateKey));
    } else {
        refused.text = failureText(QStringLiteral("%1 cannot be saved").arg(who), refused.details);
    }
    return refused;
}

RefusedPost describeProblems(const store::Table& table, const RowWords& words,
                             const QStringList& problems, const QStringList& fields) {
    RefusedPost refused;
    refused.fieldsToFix = inFieldOrder(table, fields);
    refused.text = QStringLiteral("%1 cannot be saved: %2.")
                       .arg(rowSubject(table, words), problems.join(QStringLiteral("; ")));
    return refused;
}

} // namespace kova::ui
