#pragma once

#include "preview/preview_layer.h"

#include <QString>
#include <QStringView>

#include <vector>

constexpr int ScreenCount = 10;
constexpr int ScreenWidth = 101;
constexpr int ScreenHeight = 80;
constexpr int MaxLayersPerScreen = 50;

// The layer list of a screen as text: its layers in drawing order, separated by ", ". A number
// is an element layer, the number with an asterisk an element layer that only answers the hit
// test, "ovl" an overlay, "neg" and a number an inverse layer, "n26" the conditional overlay.
// Empty for a screen outside 0..9.
QStringView ScreenLayerList(int screen);

// Kind and element of each layer of a screen, from its layer list; pictures are left null.
std::vector<PreviewLayer> ScreenLayerKinds(int screen);

// The layers of a screen with their committed pictures, in Format_RGB32, in drawing order;
// empty for a screen outside 0..9.
std::vector<PreviewLayer> LoadScreenLayers(int screen);
