#include "numericpicture.h"

#include <algorithm>

namespace kova::ui {

NumericPicture::NumericPicture(const QString& picture) : picture_(picture) {
    const int point = picture.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? picture : picture.left(point);
    const QString fraction = point < 0 ? QString() : picture.mid(point + 1);
    integerDigits_ = static_cast<int>(whole.size());
    decimals_ = static_cast<int>(fraction.size());
}

void NumericPicture::setRange(double minimum, double maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void NumericPicture::clearRange() {
    minimum_.reset();
    maximum_.reset();
}

bool NumericPicture::fitsPicture(const QString& text) const {
    qsizetype i = 0;
    if (i < text.size() && text[i] == QLatin1Char('-')) {
        if (!allowsSign())
            return false;
        ++i;
    }
    int whole = 0;
    while (i < text.size() && text[i].isDigit()) {
        ++whole;
        ++i;
    }
    if (whole > integerDigits_)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != QLatin1Char('.') || decimals_ == 0)
        return false;
    ++i;
    int fraction = 0;
    while (i < text.size() && text[i].isDigit()) {
        ++fraction;
        ++i;
    }
    return i == text.size() && fraction <= decimals_;
}

NumericPicture::Check NumericPicture::check(const QString& text) const {
    if (!fitsPicture(text))
        return Check::Refused;
    bool ok = false;
    const double number = text.toDouble(&ok);
    const bool hasDigit =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    if (!ok || !hasDigit || text.endsWith(QLatin1Char('.')))
        return Check::Incomplete;
    if (minimum_ && (number < *minimum_ || number > *maximum_))
        return Check::OutOfRange;
    return Check::Accepted;
}

std::optional<double> NumericPicture::valueOf(const QString& text) const {
    if (check(text) != Check::Accepted)
        return std::nullopt;
    return text.toDouble();
}

QString NumericPicture::format(double value) const {
    return QString::number(value, 'f', decimals_);
}

} // namespace kova::ui
