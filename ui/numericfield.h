#pragma once
// A numeric entry field: typing is limited to what its picture allows, a value outside its
// range (or an unfinished number) shows red with black text until it is corrected, and a
// "modified" mark tells the window that the user left the field or the window set it.

#include "entrylook.h"
#include "numericpicture.h"

#include <QLineEdit>
#include <QValidator>
#include <optional>

namespace kova::ui {

class PictureValidator : public QValidator {
    Q_OBJECT
public:
    explicit PictureValidator(const NumericPicture* picture, QObject* parent = nullptr)
        : QValidator(parent), picture_(picture) {}
    State validate(QString& input, int& pos) const override;

private:
    const NumericPicture* picture_;
};

class NumericField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericField(QWidget* parent = nullptr);
    NumericField(const QString& picture, QWidget* parent = nullptr);

    void setPicture(const QString& picture);
    void setRange(double minimum, double maximum);
    const NumericPicture& picture() const { return picture_; }
    // As wide as the picture's characters and a little room (forms lay entries out by it).
    void fitToPicture();

    // Empty text is valid and has no value; an unfinished or out-of-range number is not.
    bool isValid() const;
    std::optional<double> value() const { return picture_.valueOf(text()); }
    // Shows a value (nullopt: empty) and sets the modified mark, as the window setting it.
    void setValue(std::optional<double> value);

    bool modifiedMark() const { return modifiedMark_; }
    void setModifiedMark(bool on) { modifiedMark_ = on; }

    static QColor errorBackground() { return EntryLook::errorBackground(); }
    static QColor errorText() { return EntryLook::errorText(); }

signals:
    void validityChanged(bool valid);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    // Shows a value without touching the modified mark (data-aware fields reloading).
    void showValue(std::optional<double> value);

private:
    void updateColours();

    NumericPicture picture_;
    PictureValidator validator_{&picture_};
    EntryLook look_{this};
    bool modifiedMark_ = false;
};

} // namespace kova::ui
