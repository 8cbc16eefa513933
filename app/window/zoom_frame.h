#pragma once

#include "app/window/editor_frame.h"

class PixelView;
class QLabel;

// zoomFrame: one screen at two display pixels a screen pixel, clickable like the screens, and
// the name of the element under the pointer.
class ZoomFrame : public EditorFrame {
    Q_OBJECT
public:
    explicit ZoomFrame(Editor& editor, QWidget* parent = nullptr);
    void showState() override;
    void setTexts(Language language) override;
    void showPicture();
    void showHover();

private:
    PixelView* zoomView_;
    QLabel* hoverElementLabel_;
};
