#pragma once

#include "app/window/editor_frame.h"
#include "preview/screen_layers.h"

#include <array>

class PixelView;
class QCheckBox;
class QLabel;
class QToolButton;

// previewFrame: the ten phone screens at their natural size in two columns of five, the note on
// the elements no screen shows, "LCD colors" and the refresh button.
class PreviewFrame : public EditorFrame {
    Q_OBJECT
public:
    explicit PreviewFrame(Editor& editor, QWidget* parent = nullptr);
    void showState() override;
    void setTexts(Language language) override;
    // Shows the screens' current pictures.
    void showPictures();

signals:
    // The pointer moved over a screen; the element it names may have changed.
    void hovered();

private:
    std::array<PixelView*, ScreenCount> previewScreens_{};
    QLabel* unshownElementsNote_;
    QCheckBox* lcdColoursOption_;
    QToolButton* refreshButton_;
};
