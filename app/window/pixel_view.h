#pragma once

#include "scheme/colour.h"

#include <QImage>
#include <QWidget>

// A picture the user points at: a phone screen, the zoom view, a palette or a colour swatch. It
// is shown `scale` times enlarged without smoothing, `inset` pixels inside the widget's corner,
// so that every picture pixel stays sharp at any device pixel ratio, and reports the pointer in
// the widget's own pixels.
class PixelView : public QWidget {
    Q_OBJECT
public:
    PixelView(QSize pictureSize, int scale, int inset, const QString& accessibleName,
              QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    // The whole picture in one colour: a swatch.
    void showColour(ColourValue colour);
    const QImage& picture() const { return picture_; }

signals:
    void pointerMoved(int x, int y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QSize pictureSize_;
    int scale_;
    int inset_;
    QImage picture_;
};
