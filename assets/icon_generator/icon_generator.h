#pragma once

#include "assets/icon_list.h"

#include <QImage>
#include <QString>

// Draws the program's icons from their descriptions. Every picture is Format_ARGB32 with a
// transparent background; shapes carry a one-pixel dark outline at every size, so the 32 pixel
// pictures are drawn on their own rather than enlarged from the 16 pixel ones.

// The menu icon stored under a key of MenuIconKeys at 16 or 32 pixels; a null image for an
// unknown key or size.
QImage DrawMenuIcon(const QString& key, int size);
// A button icon at 16 or 32 pixels; a null image for another size.
QImage DrawButtonIcon(ButtonIcon which, int size);
// The application icon at one of ApplicationIconSizes; a null image for another size.
QImage DrawApplicationIcon(int size);
