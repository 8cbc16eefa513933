#pragma once

#include "scheme/colour.h"

#include <QImage>
#include <QWidget>

// A picture the user points at: a phone screen, the zoom view, a palette or a colour swatch. It
// is shown `scale` times enlarged without smoothing, `inset` pixels inside the widget's corner,
// so that every picture pixel stays sharp at any device pixel ratio, and reports the pointer in
// the widget's own pixels.
class QPainter;

class PixelView : public QWidget {
    Q_OBJECT
public:
    PixelView(QSize pictureSize, int scale, int inset, const QString& accessibleName,
              QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    // The whole picture in one colour: a swatch.
    void showColour(ColourValue colour);
    const QImage& picture() const { return picture_; }

    // Lets a person without a mouse point at the picture: Tab reaches it, and a keyboard point,
    // starting at `first`, moves by a cell with the arrow keys and by a pixel with Shift. Each
    // move, and Return, Enter or Space, is reported as the pointer's move and click there.
    void takeKeyboard(QPoint first, int cellSize);
    // In picture pixels.
    QPoint keyboardPoint() const { return keyboardPoint_; }

signals:
    void pointerMoved(int x, int y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // The pointer's move to the keyboard point, in the widget's pixels.
    void pointAtKeyboardPoint();
    void paintKeyboardPoint(QPainter& painter) const;

    QSize pictureSize_;
    int scale_;
    int inset_;
    QImage picture_;
    int cellSize_ = 0; // 0: the keyboard does not point here
    QPoint keyboardPoint_;
};
