#include "boxkeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace kova::test {

KeyOnNextBox::KeyOnNextBox(Qt::Key key) : key_(key) {
    poll_.setInterval(10);
    connect(&poll_, &QTimer::timeout, this, &KeyOnNextBox::look);
    poll_.start();
}

void KeyOnNextBox::look() {
    // Gives up after five seconds instead of waiting for ever.
    if (++polls_ > 500) {
        poll_.stop();
        return;
    }
    QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isActiveWindow())
        return;
    poll_.stop();
    SeenBox seen;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.informativeText = box->informativeText();
    seen.detailedText = box->detailedText();
    seen.defaultButton = box->standardButton(box->defaultButton());
    if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        seen.textFits =
            label->width() >= label->minimumSizeHint().width() ||
            (label->wordWrap() && label->heightForWidth(label->width()) <= label->height());
    connect(box, &QMessageBox::buttonClicked, this,
            [this, box](QAbstractButton* button) { seen_->pressed = box->standardButton(button); });
    seen_ = seen;
    QTest::keyClick(box->windowHandle(), key_);
    // A box the key did not close is closed here, so the test goes on and fails.
    if (box && box->isVisible())
        box->done(-1);
}

} // namespace kova::test
