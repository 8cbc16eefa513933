#include "editor/preview_pointer.h"

#include "editor/editor.h"
#include "editor/flash.h"
#include "preview/preview.h"

void HoverPreview(Editor& editor, int screen, int x, int y) {
    if (!editor.preview || x < 0 || x >= ScreenWidth || y < 0 || y >= ScreenHeight)
        return;
    const ImageMap& map = editor.preview->imageMap();
    const int layer = map.topmostLayer(screen, x, y);
    if (layer == 0)
        return;
    editor.previewHoverX = float(x);
    editor.previewHoverY = float(y);
    editor.previewHoverLayer = qint16(layer);
    editor.previewHoverElement = qint16(map.layerElement(screen, layer));
    const int element = editor.previewHoverElement;
    editor.shown.hoverText =
        element == 0 ? QString() : editor.list.elements.entry(element - 1).text;
}

void HoverZoomView(Editor& editor, int viewX, int viewY) {
    if (!editor.preview || viewX < 0 || viewY < 0)
        return;
    HoverPreview(editor, editor.preview->zoomScreen, viewX / 2 - 1, viewY / 2 - 1);
}

void ClickPreview(Editor& editor, int screen) {
    if (!editor.preview)
        return;
    if (editor.options.flashOnSelect) {
        StartFlash(editor, screen);
        return;
    }
    editor.preview->showInZoomView(screen);
    editor.preview->zoomScreen = screen;
    if (editor.previewHoverElement != 0)
        editor.list.elements.setCurrent(editor.previewHoverElement - 1);
}
