#include "preview/bitmap_geometry.h"

std::optional<QImage::Format> DisplayFormat(int depth) {
    switch (depth) {
    case 16:
        return QImage::Format_RGB16;
    case 24:
        return QImage::Format_BGR888;
    case 32:
        return QImage::Format_RGB32;
    default:
        return std::nullopt;
    }
}
