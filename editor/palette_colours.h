#pragma once

#include "scheme/colour.h"

#include <QString>
#include <optional>

class Editor;

// The pictures of the colour frame that report the pointer: the three palettes and the custom
// colour swatch.
enum class ColourPicture { S55, Colours256, HueBrightness, Custom };

// What the colour frame shows of the pointer and the custom colour. One set of hover values
// serves all four pictures.
struct ColourFrameState {
    int hoverRed = 0, hoverGreen = 0, hoverBlue = 0;
    int hoverX = 0, hoverY = 0;
    ColourValue overColour = MakeColour(128, 128, 128); // the colour under the pointer
    QString redText = QStringLiteral("---");            // and its components
    QString greenText = QStringLiteral("---");
    QString blueText = QStringLiteral("---");
    ColourValue customColour = MakeColour(255, 255, 255);
};

// The colour of a picture at a pixel, as the picture shows it; nothing outside a palette. Every
// point of the custom swatch has the custom colour.
std::optional<ColourValue> ColourAt(const Editor& editor, ColourPicture picture, int x, int y);

// The colour of a picture at a pixel in words of the interface language ("Red 0, green 146,
// blue 85"), for a screen reader; empty where the picture has no colour.
QString DescribedColourAt(const Editor& editor, ColourPicture picture, int x, int y);

// The pointer over a picture: shows the colour under it and remembers where it is.
void HoverPaletteColour(Editor& editor, ColourPicture picture, int x, int y);

// A click on a picture: the current element takes the colour at the last pointer position, is
// redrawn, and the change becomes an undoable step.
void ApplyPaletteColour(Editor& editor, ColourPicture picture);

// "Mix Color": the colour chooser sets the custom colour; the element is not touched.
void MixCustomColour(Editor& editor);
