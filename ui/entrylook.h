#pragma once
// How an entry box shows that its text is refused: red with black text until it is corrected.
// Numeric fields and text boxes with a declared rule (frost dates) look the same.

#include <QColor>
#include <QPalette>

class QLineEdit;

namespace kova::ui {

class EntryLook {
public:
    explicit EntryLook(QLineEdit* box);

    // True when the look changed.
    bool show(bool valid);
    bool showsValid() const { return shownValid_; }

    static QColor errorBackground() { return Qt::red; }
    static QColor errorText() { return Qt::black; }

private:
    QLineEdit* box_;
    QPalette normal_;
    bool shownValid_ = true;
};

} // namespace kova::ui
