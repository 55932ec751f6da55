#pragma once
// The picture the main window shows while no job is open: an irrigated field, scaled to fill
// the window's client area (cut at the edges rather than stretched).

#include <QWidget>

class QSvgRenderer;

namespace kova::mainwin {

class StartPicture : public QWidget {
    Q_OBJECT
public:
    explicit StartPicture(QWidget* parent = nullptr);
    bool hasPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* renderer_;
};

} // namespace kova::mainwin
