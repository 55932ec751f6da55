#pragma once
// A numeric entry's picture mask and range: "####", "#.##", "##.##", "##.#", "#.#" for
// decimal numbers, "ii" / "iii" for whole numbers of up to two or three digits. The picture
// says which characters may be typed; the range says which finished values are accepted.

#include <QString>
#include <optional>

namespace kova::ui {

class NumericPicture {
public:
    enum class Check {
        Refused,    // a character or a digit count the picture does not allow
        Incomplete, // allowed so far but not a value yet ("", "-", "." or "1.")
        OutOfRange, // a number the picture allows but the range does not
        Accepted
    };

    NumericPicture() = default;
    // An unknown picture character makes the picture accept nothing but digits.
    explicit NumericPicture(const QString& picture);

    void setRange(double minimum, double maximum);
    void clearRange();
    bool hasRange() const { return minimum_.has_value(); }
    std::optional<double> minimum() const { return minimum_; }
    std::optional<double> maximum() const { return maximum_; }

    QString picture() const { return picture_; }
    int integerDigits() const { return integerDigits_; }
    int decimals() const { return decimals_; }
    bool allowsSign() const { return minimum_ && *minimum_ < 0; }

    Check check(const QString& text) const;
    // The number of an accepted text; nullopt otherwise (an empty text has no number).
    std::optional<double> valueOf(const QString& text) const;
    // A value as the picture shows it: as many decimals as the picture has.
    QString format(double value) const;

private:
    bool fitsPicture(const QString& text) const;

    QString picture_;
    int integerDigits_ = 9;
    int decimals_ = 0;
    std::optional<double> minimum_;
    std::optional<double> maximum_;
};

} // namespace kova::ui
