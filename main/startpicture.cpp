#include "startpicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kova::mainwin {

StartPicture::StartPicture(QWidget* parent)
    : QWidget(parent),
      renderer_(new QSvgRenderer(QStringLiteral(":/kova/main/startpicture.svg"), this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool StartPicture::hasPicture() const {
    return renderer_->isValid();
}

void StartPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!renderer_->isValid())
        return;
    // Fill the whole area with the picture's proportions, centred.
    const QSizeF picture = renderer_->defaultSize();
    const double scale = std::max(width() / picture.width(), height() / picture.height());
    const QSizeF drawn = picture * scale;
    const QRectF target((width() - drawn.width()) / 2, (height() - drawn.height()) / 2,
                        drawn.width(), drawn.height());
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&painter, target);
}

} // namespace kova::mainwin
