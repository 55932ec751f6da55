#pragma once
// The link between a store table and the controls bound to it. It carries the automatic-edit
// switch: while it is on, the first change typed into a bound control puts the row in edit;
// while it is off the controls are read-only unless the window itself started an edit.
// The table and its data source must outlive the controls bound to them.

#include "store/table.h"

#include <QObject>
#include <QSet>
#include <QVariant>

namespace kova::ui {

// How a field value reads on screen: numbers in their shortest general form (up to 15
// significant digits), logicals as "True"/"False", text as stored.
QString fieldText(const QVariant& value);

class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(store::Table* table, QObject* parent = nullptr);

    store::Table* table() const { return table_; }

    bool autoEdit() const { return autoEdit_; }
    void setAutoEdit(bool on);

    // Whether a bound control may change the current row now.
    bool canModify() const;
    // Puts the row in edit if the switch allows it; false (silently) when it does not, false
    // with an error box when the table refuses.
    bool startEdit();
    // Starts the edit and writes one field; an error box and false when the table refuses.
    bool writeField(const QString& field, const QVariant& value);

    // Bound controls holding text that is not a valid value report it here, so a post does
    // not silently store the old value while the screen shows another.
    void setEntryInvalid(const QString& field, bool invalid);
    bool hasInvalidEntries() const { return !invalidFields_.isEmpty(); }

    // Posts a row in edit or insert; an error box and false on failure (the row stays in
    // edit). True when there was nothing to post.
    bool post();

signals:
    void autoEditChanged(bool on);
    void editableChanged(); // canModify() may have changed

private:
    store::Table* table_;
    bool autoEdit_ = true;
    QSet<QString> invalidFields_;
};

// Walks every visible row of a table without telling its listeners, and puts the cursor back
// where it was. Only while the table is browsing: moving off a row in edit would post it.
class TableScan {
public:
    // Values of the named fields, one vector per visible row in the table's order.
    static std::vector<std::vector<QVariant>> rows(store::Table& table, const QStringList& fields);
};

} // namespace kova::ui
