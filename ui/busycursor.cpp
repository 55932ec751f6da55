#include "busycursor.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace kova::ui {

// The override-cursor stack of the application keeps the previous cursor for us.
BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

namespace {

class ArrowWhileShown : public QObject {
public:
    explicit ArrowWhileShown(QWidget& window) : QObject(&window) {
        window.installEventFilter(this);
    }
    ~ArrowWhileShown() override { restore(); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !pushed_) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
            pushed_ = true;
        } else if (event->type() == QEvent::Hide) {
            restore();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void restore() {
        if (!pushed_)
            return;
        QGuiApplication::restoreOverrideCursor();
        pushed_ = false;
    }
    bool pushed_ = false;
};

} // namespace

void showArrowWhileShown(QWidget& window) {
    new ArrowWhileShown(window);
}

} // namespace kova::ui
