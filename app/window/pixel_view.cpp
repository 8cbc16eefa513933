#include "app/window/pixel_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
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
    // Only while the keyboard is here: otherwise the picture is shown exactly as it is.
    if (cellSize_ > 0 && hasFocus())
        paintKeyboardPoint(painter);
}

void PixelView::paintKeyboardPoint(QPainter& painter) const {
    // Two rings, black outside and white inside, show on every colour of every picture; the
    // pixels at the point and around it stay visible in the middle.
    const QPoint centre =
        QPoint(inset_, inset_) + keyboardPoint_ * scale_ + QPoint(scale_ / 2, scale_ / 2);
    const auto square = [centre](int radius) {
        return QRect(centre - QPoint(radius, radius), centre + QPoint(radius, radius));
    };
    const auto ring = [&painter, square](int radius, const QColor& colour) {
        painter.setClipRegion(QRegion(square(radius)) - QRegion(square(radius - 1)));
        painter.fillRect(square(radius), colour);
    };
    ring(5, Qt::black);
    ring(4, Qt::white);
}

void PixelView::takeKeyboard(QPoint first, int cellSize) {
    keyboardPoint_ = first;
    cellSize_ = cellSize;
    setFocusPolicy(Qt::TabFocus);
}

void PixelView::pointAtKeyboardPoint() {
    const QPoint at = QPoint(inset_, inset_) + keyboardPoint_ * scale_;
    emit pointerMoved(at.x(), at.y());
}

void PixelView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // The hover values show what Return would give.
    if (cellSize_ > 0)
        pointAtKeyboardPoint();
}

void PixelView::keyPressEvent(QKeyEvent* event) {
    if (cellSize_ == 0)
        return QWidget::keyPressEvent(event);
    const int step = event->modifiers() & Qt::ShiftModifier ? 1 : cellSize_;
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Left:
        move = QPoint(-step, 0);
        break;
    case Qt::Key_Right:
        move = QPoint(step, 0);
        break;
    case Qt::Key_Up:
        move = QPoint(0, -step);
        break;
    case Qt::Key_Down:
        move = QPoint(0, step);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // A click where the keyboard points, whatever the mouse pointed at last; a held key
        // gives one click, not a step per repeat.
        if (!event->isAutoRepeat()) {
            pointAtKeyboardPoint();
            emit clicked();
        }
        return;
    default:
        return QWidget::keyPressEvent(event);
    }
    const QPoint moved = keyboardPoint_ + move;
    keyboardPoint_ = QPoint(std::clamp(moved.x(), 0, pictureSize_.width() - 1),
                            std::clamp(moved.y(), 0, pictureSize_.height() - 1));
    update();
    pointAtKeyboardPoint();
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
