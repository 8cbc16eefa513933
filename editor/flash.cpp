#include "editor/flash.h"

#include "editor/editor.h"
#include "preview/flash_area.h"
#include "preview/preview.h"

#include <cstring>

namespace {

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
        editor.list.elements.setCurrent(element - 1);

    QImage& picture = editor.preview->picture(screen);
    const FlashArea area =
        FindFlashArea(picture, editor.preview->imageMap(), screen, editor.PreviewHoverLayer,
                      QPoint(int(editor.PreviewHoverX), int(editor.PreviewHoverY)));
    if (element == 0 && !area.pixels.isEmpty()) {
        // An overlay or an inverted word: nothing is changed.
        flash.FlashBusy = false;
        return;
    }
    flash.FlashSavedPixels =
        QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    InvertFlashArea(picture, area);
    ShowInZoomView(editor, screen);
    flash.blinkScreen = screen;
    flash.blinkTimer.start();
}

void EndFlash(Editor& editor) {
    FlashState& flash = editor.flash;
    const int screen = flash.blinkScreen;
    if (editor.preview) {
        QImage& picture = editor.preview->picture(screen);
        if (flash.FlashSavedPixels.size() == picture.sizeInBytes())
            std::memcpy(picture.bits(), flash.FlashSavedPixels.constData(),
                        size_t(flash.FlashSavedPixels.size()));
        ShowInZoomView(editor, screen);
    }
    flash.blinkTimer.stop();
    flash.FlashBusy = false;
}
