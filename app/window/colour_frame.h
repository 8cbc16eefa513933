#pragma once

#include "app/window/editor_frame.h"
#include "editor/palette_colours.h"

#include <array>

class PixelView;
class QLabel;
class QTabWidget;
class QToolButton;

// frmColor: the palette tabs (three palettes and the custom colour with "Mix Color") and the
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

    QTabWidget* SSTab1;
    std::array<PixelView*, 3> palettes{}; // Picture1, Picture2, Picture3
    PixelView* Picture7;
    QToolButton* cmdColorMixed;
    PixelView* picOver;
    QLabel* lblR;
    QLabel* lblG;
    QLabel* lblB;
};
