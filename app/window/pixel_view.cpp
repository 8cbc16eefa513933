#include "app/screen_view.h"

#include "preview/screen_layers.h"

#include <QMouseEvent>
#include <QPainter>

ScreenView::ScreenView(int scale, int inset, QWidget* parent)
    : QWidget(parent), scale_(scale), inset_(inset) {
    setMouseTracking(true);
    setFixedSize(sizeHint());
    setCursor(Qt::CrossCursor);
}

QSize ScreenView::sizeHint() const {
    return QSize(ScreenWidth * scale_ + inset_, ScreenHeight * scale_ + inset_);
}

void ScreenView::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ScreenView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(inset_, inset_, ScreenWidth * scale_, ScreenHeight * scale_), picture_);
}

void ScreenView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit pointerMoved(p.x(), p.y());
}

void ScreenView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
