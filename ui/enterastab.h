#pragma once
// Enter moves the focus to the next control as Tab does. Installed on a whole window it
// watches every data-entry control of that window, also those added later. Push buttons keep
// Enter (it presses them), memos keep it (a new line), grids keep it. Windows opened from the
// window (message boxes, input boxes, file dialogs, previews) keep their own Enter: it presses
// their default button.

#include <QObject>

class QWidget;

namespace kova::ui {

class EnterAsTab : public QObject {
    Q_OBJECT
public:
    // The filter lives as long as the window.
    static EnterAsTab* install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EnterAsTab(QWidget* window);
    void watch(QWidget* widget);
    bool movesOnEnter(const QWidget* widget) const;
    static bool takesEnter(const QWidget* widget);

    QWidget* window_;
};

} // namespace kova::ui
