#include "datacontrols.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace kova::ui {

using store::EditState;

// --- FieldLink ------------------------------------------------------------------------------

FieldLink::FieldLink(QWidget* control, DataSource* source, const QString& field, Show show,
                     SetEditable setEditable)
    : QObject(control), source_(source), field_(field), show_(std::move(show)),
      setEditable_(std::move(setEditable)) {
    source->bindControl(field, control);
    store::Table* table = source->table();
    connect(table, &store::Table::currentChanged, this, &FieldLink::refresh);
    connect(table, &store::Table::rowsReset, this, &FieldLink::refresh);
    connect(table, &store::Table::stateChanged, this, &FieldLink::refresh);
    connect(table, &store::Table::fieldChanged, this, [this](const QString& changed) {
        if (changed.compare(field_, Qt::CaseInsensitive) == 0)
            refresh();
    });
    connect(source, &DataSource::editableChanged, this, &FieldLink::refresh);
    refresh();
}

QVariant FieldLink::value() const {
    const store::Table* table = source_->table();
    const EditState state = table->state();
    if (state == EditState::Inactive || (state == EditState::Browse && table->recordCount() == 0))
        return {};
    return table->value(field_);
}

bool FieldLink::write(const QVariant& value) {
    writing_ = true;
    const bool ok = source_->writeField(field_, value);
    writing_ = false;
    if (!ok)
        refresh();
    return ok;
}

void FieldLink::writeEntry(const QVariant& typed, bool valid) {
    if (valid) {
        source_->setEntryInvalid(field_, false);
        write(typed);
        return;
    }
    // Typing puts the row in edit, refused or not: leaving edit mode must then be refused
    // until the entry is corrected, and Cancel puts the row's value back.
    writing_ = true;
    const bool editing = source_->startEdit();
    writing_ = false;
    if (!editing) {
        refresh();
        return;
    }
    source_->setEntryInvalid(field_, true);
    if (value() != shownValue_)
        write(shownValue_);
}

void FieldLink::refresh() {
    // While the control's own change is being written, the control already shows it.
    if (!writing_) {
        source_->setEntryInvalid(field_, false);
        shownValue_ = value();
        show_(shownValue_);
    }
    setEditable_(source_->canModify());
}

// --- text and numbers ---------------------------------------------------------------------

namespace {

// What can be typed at all into a box of a text rule.
QValidator* typingFilter(store::TextRule rule, QObject* parent) {
    switch (rule) {
    case store::TextRule::MonthDay:
        return new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,2}/?[0-9]{0,2}")), parent);
    case store::TextRule::None:
        break;
    }
    return nullptr;
}

} // namespace

DataTextEdit::DataTextEdit(DataSource* source, const QString& field, QWidget* parent)
    : QLineEdit(parent) {
    const store::FieldDef* def = source->table()->def().field(field);
    if (def && def->type == store::FieldType::String && def->width > 0)
        setMaxLength(def->width);
    if (def && def->rule != store::TextRule::None) {
        rule_ = def;
        setValidator(typingFilter(def->rule, this));
        // A stored value that breaks the rule shows red as well.
        connect(this, &QLineEdit::textChanged, this, [this] { look_.show(isValid()); });
    }
    link_ = new FieldLink(
        this, source, field,
        [this](const QVariant& v) {
            const QString shown = fieldText(v);
            if (text() != shown)
                setText(shown);
        },
        [this](bool editable) { setReadOnly(!editable); });
    connect(this, &QLineEdit::textEdited, this, &DataTextEdit::userEdited);
}

bool DataTextEdit::isValid() const {
    return !rule_ || text().isEmpty() || rule_->accepts(text());
}

void DataTextEdit::userEdited(const QString& typed) {
    if (rule_)
        link_->writeEntry(typed.isEmpty() ? QVariant() : QVariant(typed), isValid());
    else
        link_->write(typed);
}

DataNumericEdit::DataNumericEdit(DataSource* source, const QString& field, const QString& picture,
                                 QWidget* parent)
    : NumericField(picture, parent) {
    link_ = new FieldLink(
        this, source, field,
        [this](const QVariant& v) {
            showValue(v.isNull() ? std::nullopt : std::optional<double>(v.toDouble()));
        },
        [this](bool editable) { setReadOnly(!editable); });
    connect(this, &QLineEdit::textEdited, this, [this] {
        const auto number = value();
        link_->writeEntry(number ? QVariant(*number) : QVariant(), isValid());
    });
    // The field's declared range is the default, so every form refuses the same values.
    if (const store::FieldDef* def = source->table()->def().field(field); def && def->range)
        setRange(def->range->min, def->range->max);
}

// --- choices ------------------------------------------------------------------------------

DataCheckBox::DataCheckBox(DataSource* source, const QString& field, const QString& caption,
                           QWidget* parent)
    : QCheckBox(caption, parent) {
    link_ = new FieldLink(
        this, source, field, [this](const QVariant& v) { setChecked(v.toBool()); },
        [this](bool editable) { editable_ = editable; });
    connect(this, &QCheckBox::clicked, this, [this](bool checked) { link_->write(checked); });
}

DataRadioGroup::DataRadioGroup(DataSource* source, const QString& field, const QString& title,
                               const QStringList& items, const QStringList& values, int columns,
                               QWidget* parent)
    : QGroupBox(title, parent), values_(values), buttons_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    const int perColumn = (static_cast<int>(items.size()) + columns - 1) / std::max(columns, 1);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        buttons_->addButton(button, i);
        layout->addWidget(button, i % perColumn, i / perColumn);
    }
    link_ = new FieldLink(
        this, source, field, [this](const QVariant& v) { showValue(v); },
        [this](bool editable) { editable_ = editable; });
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int id) {
        if (readOnly_ || id >= values_.size())
            link_->refresh();
        else if (link_->write(values_[id]))
            emit chosen(id);
    });
}

void DataRadioGroup::choose(int index) {
    if (QAbstractButton* button = buttons_->button(index))
        button->click();
}

int DataRadioGroup::currentIndex() const {
    return buttons_->checkedId();
}

void DataRadioGroup::setReadOnly(bool on) {
    readOnly_ = on;
}

void DataRadioGroup::showValue(const QVariant& value) {
    const QString stored = fieldText(value);
    int index = -1;
    for (int i = 0; i < values_.size(); ++i)
        if (values_[i].compare(stored, Qt::CaseInsensitive) == 0)
            index = i;
    if (index >= 0) {
        buttons_->button(index)->setChecked(true);
        return;
    }
    buttons_->setExclusive(false);
    for (QAbstractButton* button : buttons_->buttons())
        button->setChecked(false);
    buttons_->setExclusive(true);
}

DataMemo::DataMemo(DataSource* source, const QString& field, QWidget* parent)
    : QPlainTextEdit(parent) {
    link_ = new FieldLink(
        this, source, field,
        [this](const QVariant& v) {
            const QString shown = fieldText(v);
            if (toPlainText() == shown)
                return;
            showing_ = true;
            setPlainText(shown);
            showing_ = false;
        },
        [this](bool editable) { setReadOnly(!editable); });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_)
            link_->write(toPlainText());
    });
}

DataComboBox::DataComboBox(DataSource* source, const QString& field, const QStringList& items,
                           bool acceptsTypedText, QWidget* parent)
    : QComboBox(parent) {
    addItems(items);
    setEditable(acceptsTypedText);
    if (acceptsTypedText)
        setInsertPolicy(QComboBox::NoInsert);
    link_ = new FieldLink(
        this, source, field,
        [this](const QVariant& v) {
            const QString shown = fieldText(v);
            showing_ = true;
            setCurrentIndex(findText(shown, Qt::MatchExactly));
            if (isEditable())
                setEditText(shown);
            showing_ = false;
        },
        [this](bool editable) {
            if (lineEdit())
                lineEdit()->setReadOnly(!editable);
        });
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!showing_)
            link_->write(itemText(index));
    });
    if (acceptsTypedText) {
        connect(lineEdit(), &QLineEdit::textEdited, this,
                [this](const QString& typed) { link_->write(typed); });
    }
}

DataLookupCombo::DataLookupCombo(DataSource* source, const QString& field, store::Table* listTable,
                                 const QString& keyField, const QString& listField, QWidget* parent)
    : QComboBox(parent), listTable_(listTable), keyField_(keyField), listField_(listField) {
    reloadList();
    link_ = new FieldLink(
        this, source, field, [this](const QVariant& v) { showValue(v); }, [](bool) {});
    connect(listTable_, &store::Table::rowsReset, this, &DataLookupCombo::reloadList);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!showing_)
            link_->write(itemData(index));
    });
}

void DataLookupCombo::reloadList() {
    // A list table in edit keeps the entries it had: walking it would post the row.
    if (listTable_->state() != EditState::Browse && listTable_->state() != EditState::Inactive)
        return;
    showing_ = true;
    clear();
    for (const auto& row : TableScan::rows(*listTable_, {keyField_, listField_}))
        addItem(fieldText(row[1]), row[0]);
    showing_ = false;
    if (link_)
        showValue(link_->value());
}

void DataLookupCombo::showValue(const QVariant& value) {
    showing_ = true;
    const QString key = fieldText(value);
    int index = -1;
    for (int i = 0; i < count() && index < 0; ++i)
        if (fieldText(itemData(i)) == key)
            index = i;
    setCurrentIndex(index);
    showing_ = false;
}

DataLookupList::DataLookupList(DataSource* source, const QString& field, store::Table* listTable,
                               const QString& keyField, const QString& listField, QWidget* parent)
    : QListWidget(parent), keyField_(keyField), listField_(listField) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    link_ = new FieldLink(
        this, source, field, [this](const QVariant& v) { showValue(v); }, [](bool) {});
    setListTable(listTable);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(row(item)); });
    connect(this, &QListWidget::currentRowChanged, this, [this](int current) {
        if (!showing_ && current >= 0)
            choose(current); // the keyboard moved the selection
    });
}

void DataLookupList::setListTable(store::Table* listTable) {
    if (listTable_ == listTable)
        return;
    disconnect(listReset_);
    listTable_ = listTable;
    if (listTable_)
        listReset_ =
            connect(listTable_, &store::Table::rowsReset, this, &DataLookupList::reloadList);
    reloadList();
}

void DataLookupList::reloadList() {
    showing_ = true;
    clear();
    if (listTable_ && listTable_->state() == EditState::Browse)
        for (const auto& row : TableScan::rows(*listTable_, {keyField_, listField_})) {
            auto* item = new QListWidgetItem(fieldText(row[1]), this);
            item->setData(Qt::UserRole, row[0]);
        }
    showing_ = false;
    showValue(link_->value());
}

bool DataLookupList::choose(int position) {
    if (showing_ || position < 0 || position >= count())
        return false;
    const QString key = fieldText(item(position)->data(Qt::UserRole));
    if (!link_->write(key))
        return false;
    emit chosen(key);
    return true;
}

void DataLookupList::showValue(const QVariant& value) {
    showing_ = true;
    const QString key = fieldText(value);
    int found = -1;
    // Keys match as the tables' name indexes find them, letter case ignored.
    for (int i = 0; i < count() && found < 0; ++i)
        if (fieldText(item(i)->data(Qt::UserRole)).compare(key, Qt::CaseInsensitive) == 0)
            found = i;
    setCurrentRow(found);
    if (found < 0) {
        clearSelection();
        scrollToTop();
    } else {
        scrollToItem(item(found));
    }
    // The list table shows the chosen row; its rows are in the list's order.
    if (found >= 0 && listTable_ && listTable_->state() == EditState::Browse &&
        listTable_->recNo() != found)
        listTable_->moveTo(found);
    showing_ = false;
}

DataLabel::DataLabel(DataSource* source, const QString& field, QWidget* parent) : QLabel(parent) {
    link_ = new FieldLink(
        this, source, field, [this](const QVariant& v) { setText(fieldText(v)); }, [](bool) {});
}

} // namespace kova::ui
