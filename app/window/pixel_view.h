#pragma once

#include <QImage>
#include <QWidget>

// Shows one phone screen picture, enlarged `scale` times without smoothing, `inset` pixels inside
// its corner, and reports where the pointer is in the widget's own pixels.
class ScreenView : public QWidget {
    Q_OBJECT
public:
    ScreenView(int scale, int inset, QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    QSize sizeHint() const override;

signals:
    void pointerMoved(int x, int y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int scale_;
    int inset_;
    QImage picture_;
};
