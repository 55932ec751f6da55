#include "datasource.h"

#include "messages.h"

#include <QWidget>

namespace kova::ui {

using store::EditState;

QString fieldText(const QVariant& value) {
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

DataSource::DataSource(store::Table* table, QObject* parent) : QObject(parent), table_(table) {
    connect(table_, &store::Table::stateChanged, this, &DataSource::editableChanged);
    connect(table_, &store::Table::rowsReset, this, &DataSource::editableChanged);
    connect(table_, &store::Table::stateChanged, this, [this](EditState state) {
        if (state != EditState::Edit && state != EditState::Insert)
            invalidFields_.clear();
    });
}

void DataSource::setAutoEdit(bool on) {
    if (autoEdit_ == on)
        return;
    autoEdit_ = on;
    emit autoEditChanged(on);
    emit editableChanged();
}

bool DataSource::canModify() const {
    switch (table_->state()) {
    case EditState::Edit:
    case EditState::Insert:
        return true;
    case EditState::Browse:
        return autoEdit_ && table_->recordCount() > 0;
    case EditState::Inactive:
        break;
    }
    return false;
}

bool DataSource::startEdit() {
    const EditState state = table_->state();
    if (state == EditState::Edit || state == EditState::Insert)
        return true;
    if (!canModify())
        return false;
    if (!table_->edit()) {
        tellFailure(QStringLiteral("changed"));
        return false;
    }
    return true;
}

bool DataSource::writeField(const QString& field, const QVariant& value) {
    if (!startEdit())
        return false;
    if (!table_->setValue(field, value)) {
        tellFailure(QStringLiteral("changed"));
        return false;
    }
    return true;
}

void DataSource::setEntryInvalid(const QString& field, bool invalid) {
    if (invalid)
        invalidFields_.insert(field);
    else
        invalidFields_.remove(field);
}

void DataSource::bindControl(const QString& field, QWidget* control) {
    const QString key = field.toLower();
    if (!controls_.value(key))
        controls_.insert(key, control);
}

QWidget* DataSource::controlOf(const QString& field) const {
    return controls_.value(field.toLower());
}

bool DataSource::post() {
    const EditState state = table_->state();
    if (state != EditState::Edit && state != EditState::Insert)
        return true;
    if (hasInvalidEntries()) {
        tellRefused(describeRefusedPost(*table_, words_, invalidFields_.values()));
        return false;
    }
    if (postRoutine_) {
        switch (postRoutine_()) {
        case PostOutcome::Posted:
            return true;
        case PostOutcome::Declined:
            return false;
        case PostOutcome::Refused:
            break;
        }
    } else if (table_->post()) {
        return true;
    }
    tellRefused(describeRefusedPost(*table_, words_));
    return false;
}

bool DataSource::showInOrder(const QString& indexName) {
    if (!post())
        return false;
    table_->setIndexName(indexName);
    table_->first();
    return true;
}

bool DataSource::showKeyRange(const QString& indexName, const QVariant& key) {
    if (!post())
        return false;
    if (table_->indexName() != indexName)
        table_->setIndexName(indexName);
    table_->setRange({key}, {key}); // on the range's first row
    return true;
}

QWidget* DataSource::window() const {
    for (const QPointer<QWidget>& control : controls_)
        if (control)
            return control->window();
    return nullptr;
}

void DataSource::tellFailure(const QString& action) {
    Messages::error(
        failureText(QStringLiteral("%1 cannot be %2").arg(rowSubject(*table_, words_), action),
                    table_->errorString()),
        table_->errorString(), window());
}

void DataSource::tellRefused(const RefusedPost& refused) {
    QWidget* first = nullptr;
    for (const QString& field : refused.fieldsToFix) {
        QWidget* control = controlOf(field);
        if (control && control->isVisible() && control->isEnabled()) {
            first = control;
            break;
        }
    }
    Messages::error(refused.text, refused.details, first ? first->window() : nullptr);
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}

bool openTable(store::Table& table) {
    if (table.isOpen() || table.open())
        return true;
    Messages::error(table.errorString());
    return false;
}

void closeTable(store::Table& table) {
    if (!table.isOpen())
        return;
    if (table.state() == EditState::Insert || table.state() == EditState::Edit)
        table.cancel();
    table.close();
}

} // namespace kova::ui
