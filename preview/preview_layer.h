#pragma once

#include <QImage>
#include <QString>

// One layer of a preview screen. picture: 101 x 80, magenta where the pixel is not in the layer.
// tag: the element the layer belongs to as decimal text ("1" to "60"), empty for overlays and
// inverse layers. key: "neg" and an element number for an inverse layer, "n26" for the overlay
// shown only while element 26 is painted, otherwise empty.
struct PreviewLayer {
    QImage picture;
    QString tag;
    QString key;
};
