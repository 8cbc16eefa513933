#pragma once

#include <QImage>
#include <QString>

#include <vector>

// The artwork of the ten preview screens, drawn from their descriptions.

constexpr int ArtScreenCount = 10;

// One drawn layer picture. label names the layer as the layer table does: an element number
// ("17"), the same with an asterisk for a layer that only answers the hit test ("2*"), "ovl" for
// an overlay, "neg" with an element number for an inverse layer, "n26" for the conditional
// overlay.
struct ArtLayer {
    QString label;
    QImage picture; // 101 x 80, Format_RGB32
    QString missingGlyphs;
};

// The layers of a screen in drawing order; empty for a screen number outside 0..9.
std::vector<ArtLayer> DrawScreen(int screen);

// The file a layer picture is stored in, relative to the pictures' folder:
// "screen<screen>/layer<number, two digits>.png", layers numbered from 1.
QString LayerFileName(int screen, int layer);
