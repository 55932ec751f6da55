#pragma once
// The link between a store table and the controls bound to it. It carries the automatic-edit
// switch: while it is on, the first change typed into a bound control puts the row in edit;
// while it is off the controls are read-only unless the window itself started an edit.
// The table and its data source must outlive the controls bound to them.

#include "refusedpost.h"
#include "store/table.h"
#include "store/tablescan.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QVariant>
#include <functional>

class QWidget;

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

    // Posts a row in edit or insert; true when there was nothing to post. When the row cannot
    // be saved (the row stays in edit) one error box names every field to fix, in the words
    // set here, with the table's text in its details, and the first of those fields gets the
    // focus.
    bool post();

    // A window that saves its rows its own way (a rename the rows naming it follow, a check
    // of fields against each other) sets a routine that runs in place of the table's post.
    enum class PostOutcome {
        Posted,  // saved
        Refused, // the table refused: the refusal is told as for the table's own post
        Declined // not saved, and the routine has told the user why (or the user said No)
    };
    using PostRoutine = std::function<PostOutcome()>;
    void setPostRoutine(PostRoutine routine) { postRoutine_ = std::move(routine); }

    // Other orders and ranges, each after posting a row in edit (false when it cannot be):
    // the rows in the order of `indexName`, every row shown (selecting an index lifts any
    // range), the cursor on the first; or only the rows whose key is `key`.
    bool showInOrder(const QString& indexName);
    bool showKeyRange(const QString& indexName, const QVariant& key);
    void setRowWords(RowWords words) { words_ = std::move(words); }
    const RowWords& rowWords() const { return words_; }

    // Tells a refused post: one box, the focus on the first field to fix.
    void tellRefused(const RefusedPost& refused);

    // A table failure other than a refused post, in the user's words ("Station 'X' cannot be
    // deleted.") with the table's text in the box's details; `action` is "deleted", "changed"...
    void tellFailure(const QString& action);

    // The bound controls register here, so a refused post can put the focus on a field.
    void bindControl(const QString& field, QWidget* control);
    QWidget* controlOf(const QString& field) const;

signals:
    void autoEditChanged(bool on);
    void editableChanged(); // canModify() may have changed

private:
    QWidget* window() const; // of the controls bound here; nullptr when none

    store::Table* table_;
    bool autoEdit_ = true;
    QSet<QString> invalidFields_;
    RowWords words_;
    PostRoutine postRoutine_;
    QHash<QString, QPointer<QWidget>> controls_; // by field name in lower case
};

// Opens a table unless it is open; an error box naming the table when it cannot be.
bool openTable(store::Table& table);
// Closes a table, dropping a change that was not posted.
void closeTable(store::Table& table);

using store::TableScan;

} // namespace kova::ui
