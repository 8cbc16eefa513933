#include "preview/flash.h"

#include "app/editor.h"
#include "preview/preview.h"

#include <cstring>

namespace {

// A pixel as a colour value, without the byte the display format may keep beside it.
QRgb ColourOf(const QImage& picture, int x, int y) {
    return picture.pixel(x, y) & 0xFFFFFF;
}

bool CoveredByLaterLayer(const ImageMap& map, int screen, int layer, int x, int y) {
    for (int m = layer + 1; m <= map.layerCount(screen); ++m) {
        if (map.LayerMap(screen, m, x, y))
            return true;
    }
    return false;
}

void ShowInZoomView(Editor& editor, int screen) {
    editor.preview->showInZoomView(screen);
    editor.preview->ZoomScreen = screen;
    if (editor.previewPainted)
        editor.previewPainted();
}

} // namespace

void StartFlash(Editor& editor, int screen) {
    FlashState& flash = editor.flash;
    if (flash.FlashBusy || !editor.preview)
        return;
    flash.FlashBusy = true;
    const int element = editor.PreviewHoverElement;
    if (element != 0)
        editor.elementList.setCurrent(element - 1);

    QImage& picture = editor.preview->picture(screen);
    const ImageMap& map = editor.preview->imageMap();
    const int layer = editor.PreviewHoverLayer;
    const QRgb clicked = ColourOf(picture, int(editor.PreviewHoverX), int(editor.PreviewHoverY));
    flash.FlashSavedPixels =
        QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    // Each of red, green and blue becomes 255 minus itself, whatever the byte order.
    const QRgb inverse = 0xFFFFFF - clicked;

    for (int x = 0; x < ScreenWidth; ++x) {
        for (int y = 0; y < ScreenHeight; ++y) {
            if (!map.LayerMap(screen, layer, x, y) || ColourOf(picture, x, y) != clicked)
                continue;
            if (CoveredByLaterLayer(map, screen, layer, x, y))
                continue;
            if (element == 0) {
                // An overlay or an inverted word: nothing was changed, and nothing will be.
                flash.FlashBusy = false;
                return;
            }
            picture.setPixel(x, y, inverse);
        }
    }
    ShowInZoomView(editor, screen);
    flash.blinkTag = QString::number(screen);
    flash.tmrBlink.start();
}

void EndFlash(Editor& editor) {
    FlashState& flash = editor.flash;
    const int screen = flash.blinkTag.toInt();
    if (editor.preview) {
        QImage& picture = editor.preview->picture(screen);
        if (flash.FlashSavedPixels.size() == picture.sizeInBytes())
            std::memcpy(picture.bits(), flash.FlashSavedPixels.constData(),
                        size_t(flash.FlashSavedPixels.size()));
        ShowInZoomView(editor, screen);
    }
    flash.tmrBlink.stop();
    flash.FlashBusy = false;
}
