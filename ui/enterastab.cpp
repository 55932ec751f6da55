#include "enterastab.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QWidget>

namespace kova::ui {

EnterAsTab* EnterAsTab::install(QWidget* window) {
    return new EnterAsTab(window);
}

EnterAsTab::EnterAsTab(QWidget* window) : QObject(window), window_(window) {
    watch(window);
}

void EnterAsTab::watch(QWidget* widget) {
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool EnterAsTab::takesEnter(const QWidget* widget) {
    if (qobject_cast<const QPushButton*>(widget) || qobject_cast<const QToolButton*>(widget) ||
        qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
        qobject_cast<const QAbstractItemView*>(widget))
        return true;
    // An open drop-down list takes Enter to choose its entry.
    const auto* combo = qobject_cast<const QComboBox*>(widget);
    return combo && combo->view() && combo->view()->isVisible();
}

bool EnterAsTab::movesOnEnter(const QWidget* widget) const {
    // Children added later include windows of their own (dialogs); they are not this window.
    return widget && widget->window() == window_ && !takesEnter(widget);
}

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        auto* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            watch(static_cast<QWidget*>(child));
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!movesOnEnter(widget))
        return false;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(widget, &tab);
    return true;
}

} // namespace kova::ui
