#include "editor/preview_options.h"

#include "editor/editor.h"

void RefreshClicked(Editor& editor) {
    RedrawPreview(editor, RedrawTarget::all());
}

void LcdColoursClicked(Editor& editor, bool on) {
    editor.options.lcdColours = on;
    RedrawPreview(editor, RedrawTarget::all());
}

void AutoRedrawClicked(Editor& editor, bool on) {
    editor.options.autoRedraw = on;
    // Switching it off leaves the screens as they are until the next full redraw.
    if (on)
        RedrawPreview(editor, RedrawTarget::all());
}
