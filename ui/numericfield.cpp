#include "numericfield.h"

namespace kova::ui {

QValidator::State PictureValidator::validate(QString& input, int&) const {
    switch (picture_->check(input)) {
    case NumericPicture::Check::Refused:
        return Invalid;
    case NumericPicture::Check::Accepted:
        return Acceptable;
    default:
        return Intermediate;
    }
}

NumericField::NumericField(QWidget* parent) : NumericField(QStringLiteral("####"), parent) {}

NumericField::NumericField(const QString& picture, QWidget* parent)
    : QLineEdit(parent), picture_(picture) {
    setValidator(&validator_);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, &NumericField::updateColours);
}

void NumericField::setPicture(const QString& picture) {
    NumericPicture next(picture);
    if (picture_.hasRange())
        next.setRange(*picture_.minimum(), *picture_.maximum());
    picture_ = next;
    updateColours();
}

void NumericField::setRange(double minimum, double maximum) {
    picture_.setRange(minimum, maximum);
    updateColours();
}

void NumericField::fitToPicture() {
    // Room for a sign and the cursor besides the picture's digits and point.
    const QString widest(picture_.picture().size() + 2, QLatin1Char('0'));
    setFixedWidth(fontMetrics().horizontalAdvance(widest) + 12);
}

bool NumericField::isValid() const {
    return text().isEmpty() || picture_.check(text()) == NumericPicture::Check::Accepted;
}

void NumericField::setValue(std::optional<double> value) {
    showValue(value);
    modifiedMark_ = true;
}

void NumericField::showValue(std::optional<double> value) {
    setText(value ? picture_.format(*value) : QString());
}

void NumericField::focusOutEvent(QFocusEvent* event) {
    modifiedMark_ = true;
    QLineEdit::focusOutEvent(event);
}

void NumericField::updateColours() {
    const bool valid = isValid();
    if (look_.show(valid))
        emit validityChanged(valid);
}

} // namespace kova::ui
