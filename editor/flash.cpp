#include "editor/flash.h"

#include "editor/editor.h"
#include "preview/flash_area.h"
#include "preview/preview.h"

#include <cstring>

namespace {

void ShowInZoomView(Editor& editor, int screen) {
    editor.preview->showInZoomView(screen);
    editor.preview->zoomScreen = screen;
    if (editor.previewPainted)
        editor.previewPainted();
}

} // namespace

void StartFlash(Editor& editor, int screen) {
    FlashState& flash = editor.flash;
    if (flash.flashBusy || !editor.preview)
        return;
    flash.flashBusy = true;
    const int element = editor.previewHoverElement;
    if (element != 0)
        editor.list.elements.setCurrent(element - 1);

    QImage& picture = editor.preview->picture(screen);
    const FlashArea area =
        FindFlashArea(picture, editor.preview->imageMap(), screen, editor.previewHoverLayer,
                      QPoint(int(editor.previewHoverX), int(editor.previewHoverY)));
    if (element == 0 && !area.pixels.isEmpty()) {
        // An overlay or an inverted word: nothing is changed.
        flash.flashBusy = false;
        return;
    }
    flash.flashSavedPixels =
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
        if (flash.flashSavedPixels.size() == picture.sizeInBytes())
            std::memcpy(picture.bits(), flash.flashSavedPixels.constData(),
                        size_t(flash.flashSavedPixels.size()));
        ShowInZoomView(editor, screen);
    }
    flash.blinkTimer.stop();
    flash.flashBusy = false;
}
