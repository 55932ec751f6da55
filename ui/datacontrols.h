#pragma once
// Data-aware controls: each shows one field of the current row of a DataSource's table and
// follows the row, and writes what the user changes into the row (starting the edit when the
// automatic-edit switch allows). While the row cannot be changed the control is read-only.

#include "datasource.h"
#include "entrylook.h"
#include "numericfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <functional>

class QButtonGroup;

namespace kova::ui {

// The binding shared by every control: refreshes the control when the row, its state or the
// field changes, and writes user changes through the data source.
class FieldLink : public QObject {
    Q_OBJECT
public:
    using Show = std::function<void(const QVariant& value)>;
    using SetEditable = std::function<void(bool editable)>;

    FieldLink(QWidget* control, DataSource* source, const QString& field, Show show,
              SetEditable setEditable);

    DataSource* source() const { return source_; }
    QString field() const { return field_; }
    QVariant value() const;
    // Writes a change made by the user; false when the row cannot take it (the control is
    // then refreshed back to the row's value).
    bool write(const QVariant& value);
    // Writes what the user typed when it is a valid value. A refused entry never reaches the
    // row: the row keeps the value last shown, so a post made elsewhere cannot store a
    // half-typed value, and the data source refuses to post until the entry is corrected.
    void writeEntry(const QVariant& value, bool valid);
    void refresh();

private:
    DataSource* source_;
    QString field_;
    Show show_;
    SetEditable setEditable_;
    bool writing_ = false;
    QVariant shownValue_; // the row's value as last shown
};

// A text box. A field declared with a rule (the "MM/DD" frost dates) takes only what the rule
// allows: other characters cannot be typed, and text that breaks the rule shows red and is
// refused like a bad number.
class DataTextEdit : public QLineEdit {
    Q_OBJECT
public:
    DataTextEdit(DataSource* source, const QString& field, QWidget* parent = nullptr);
    FieldLink* link() const { return link_; }
    // Empty text is valid (a blank; required fields are checked at post).
    bool isValid() const;

private:
    void userEdited(const QString& typed);
    const store::FieldDef* rule_ = nullptr; // the declaration, when it carries a rule
    EntryLook look_{this};
    FieldLink* link_ = nullptr;
};

class DataNumericEdit : public NumericField {
    Q_OBJECT
public:
    DataNumericEdit(DataSource* source, const QString& field, const QString& picture,
                    QWidget* parent = nullptr);
    FieldLink* link() const { return link_; }

private:
    FieldLink* link_ = nullptr;
};

class DataCheckBox : public QCheckBox {
    Q_OBJECT
public:
    DataCheckBox(DataSource* source, const QString& field, const QString& caption,
                 QWidget* parent = nullptr);
    FieldLink* link() const { return link_; }

private:
    FieldLink* link_ = nullptr;
    bool editable_ = false;
};

// Radio buttons whose choice is stored as a value of its own ("HM", "True", ...).
class DataRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    DataRadioGroup(DataSource* source, const QString& field, const QString& title,
                   const QStringList& items, const QStringList& values, int columns = 1,
                   QWidget* parent = nullptr);
    FieldLink* link() const { return link_; }
    int currentIndex() const;  // -1 when the stored value is none of the values
    void setReadOnly(bool on); // a group that only shows (it never writes)
    // Clicks the button at `index` as the user does.
    void choose(int index);

signals:
    void chosen(int index); // after a click wrote the button's value into the row

private:
    void showValue(const QVariant& value);
    QStringList values_;
    QButtonGroup* buttons_;
    FieldLink* link_ = nullptr;
    bool readOnly_ = false;
    bool editable_ = false;
};

class DataMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    DataMemo(DataSource* source, const QString& field, QWidget* parent = nullptr);
    FieldLink* link() const { return link_; }

private:
    FieldLink* link_ = nullptr;
    bool showing_ = false;
};

// A drop-down list of fixed texts; optionally it also accepts a typed text, stored as typed.
class DataComboBox : public QComboBox {
    Q_OBJECT
public:
    DataComboBox(DataSource* source, const QString& field, const QStringList& items,
                 bool acceptsTypedText = false, QWidget* parent = nullptr);
    FieldLink* link() const { return link_; }

private:
    FieldLink* link_ = nullptr;
    bool showing_ = false;
};

// A drop-down list whose entries come from another table: the keys are written into the
// field, the texts are shown (often the same field, as 'WHR Location').
class DataLookupCombo : public QComboBox {
    Q_OBJECT
public:
    DataLookupCombo(DataSource* source, const QString& field, store::Table* listTable,
                    const QString& keyField, const QString& listField, QWidget* parent = nullptr);
    FieldLink* link() const { return link_; }
    void reloadList();

private:
    void showValue(const QVariant& value);
    store::Table* listTable_;
    QString keyField_;
    QString listField_;
    FieldLink* link_ = nullptr;
    bool showing_ = false;
};

// A list of the rows of another table (a lookup list): the entry whose key the field holds is
// selected, and choosing an entry writes its key into the field. The list table's cursor
// follows the selection, so other controls on that table show the chosen row. The list
// table can change (a picker listing one curve table or another); it shows its rows in its
// own order under its range.
class DataLookupList : public QListWidget {
    Q_OBJECT
public:
    DataLookupList(DataSource* source, const QString& field, store::Table* listTable,
                   const QString& keyField, const QString& listField, QWidget* parent = nullptr);
    FieldLink* link() const { return link_; }
    store::Table* listTable() const { return listTable_; }
    void setListTable(store::Table* listTable);
    void reloadList();
    // Chooses the entry at `row` as a click does; false when the row cannot take it.
    bool choose(int row);

signals:
    void chosen(const QString& key); // after a choice was written into the field

private:
    void showValue(const QVariant& value);
    store::Table* listTable_ = nullptr;
    QMetaObject::Connection listReset_;
    QString keyField_;
    QString listField_;
    FieldLink* link_ = nullptr;
    bool showing_ = false;
};

// A read-only display of a field (the label/text display of the windows).
class DataLabel : public QLabel {
    Q_OBJECT
public:
    DataLabel(DataSource* source, const QString& field, QWidget* parent = nullptr);
    FieldLink* link() const { return link_; }

private:
    FieldLink* link_ = nullptr;
};

} // namespace kova::ui
