#include "app/window/pixel_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

PixelView::PixelView(QSize pictureSize, int scale, int inset, const QString& accessibleName,
                     QWidget* parent)
    : QWidget(parent), pictureSize_(pictureSize), scale_(scale), inset_(inset) {
    setMouseTracking(true);
    setFixedSize(pictureSize * scale + QSize(inset, inset));
    setCursor(Qt::CrossCursor);
    setAccessibleName(accessibleName);
}

void PixelView::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PixelView::showColour(ColourValue colour) {
    QImage swatch(pictureSize_, QImage::Format_RGB32);
    swatch.fill(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    setPicture(swatch);
}

void PixelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (inset_ > 0)
        painter.fillRect(rect(), palette().dark());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(inset_, inset_), pictureSize_ * scale_), picture_);
}

void PixelView::mouseMoveEvent(QMouseEvent* event) {
    // Positions can fall between device pixels when the display is scaled; a picture pixel is
    // the one under the pointer, so they are rounded down.
    const QPointF p = event->position();
    emit pointerMoved(int(std::floor(p.x())), int(std::floor(p.y())));
}

void PixelView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
