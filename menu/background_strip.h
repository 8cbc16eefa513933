#pragma once

#include <QImage>

// The picture tiled behind every drop-down menu: one row of 500 pixels, a grey column under the
// icons and a light field behind the captions.
constexpr int BackgroundStripWidth = 500;
constexpr int BackgroundStripColumn = 24;
constexpr QRgb BackgroundStripColumnColour = 0xFFDEDED6; // RGB (222, 222, 214)
constexpr QRgb BackgroundStripFieldColour = 0xFFF7F7F7;  // RGB (247, 247, 247)

QImage MenuBackgroundStrip();
