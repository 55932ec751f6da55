#pragma once
// For tests that run the real message boxes: presses a key in the next message box through the
// window system, as a person would, and records what the box showed.

#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <optional>

namespace kova::test {

struct SeenBox {
    QString title;
    QString text;
    QString informativeText;
    QString detailedText;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButton pressed = QMessageBox::NoButton; // what the key pressed
    bool textFits = false; // the box's text is shown whole, none of it cut off
};

class KeyOnNextBox : public QObject {
public:
    explicit KeyOnNextBox(Qt::Key key = Qt::Key_Return);
    // What the box showed; nothing while no box came up.
    const std::optional<SeenBox>& seen() const { return seen_; }

private:
    void look();

    Qt::Key key_;
    QTimer poll_;
    int polls_ = 0;
    std::optional<SeenBox> seen_;
};

} // namespace kova::test
