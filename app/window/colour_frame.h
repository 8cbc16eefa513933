#pragma once

#include "app/window/editor_frame.h"
#include "editor/palette_colours.h"

#include <array>

class PixelView;
class QLabel;
class QTabWidget;
class QToolButton;

// colourFrame: the palette tabs (three palettes and the custom colour with "Mix Color") and the
// colour under the pointer.
class ColourFrame : public EditorFrame {
    Q_OBJECT
public:
    explicit ColourFrame(Editor& editor, QWidget* parent = nullptr);
    void showState() override;
    void setTexts(Language language) override;

private:
    // A picture that reports the pointer and clicks to the editor in its own pixels.
    PixelView* colourPicture(ColourPicture which, QSize size, const char* objectName,
                             const QString& accessibleName);

    QTabWidget* paletteTabs_;
    std::array<PixelView*, 3> palettes_{}; // s55Palette, colours256Palette, hueBrightnessPalette
    PixelView* customColourPicture_;
    std::array<PixelView*, 4> colourPictures_{}; // the four above, by ColourPicture
    QToolButton* mixColourButton_;
    PixelView* hoverColourPicture_;
    QLabel* hoverRedLabel_;
    QLabel* hoverGreenLabel_;
    QLabel* hoverBlueLabel_;
};
