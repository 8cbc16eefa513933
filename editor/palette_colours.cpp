#include "editor/palette_colours.h"

#include "assets/palette_pictures.h"
#include "editor/editor.h"
#include "editor/undo_redo.h"
#include "i18n/main_window_texts.h"

#include <QImage>
#include <array>

namespace {

// Decoded once: a palette click must not wait for a PNG to be read again.
const QImage& PaletteImage(PaletteKind kind) {
    static const std::array<QImage, 3> images = {PalettePicture(PaletteKind::S55),
                                                 PalettePicture(PaletteKind::Colours256),
                                                 PalettePicture(PaletteKind::HueBrightness)};
    return images[size_t(kind)];
}

PaletteKind PaletteOf(ColourPicture picture) {
    switch (picture) {
    case ColourPicture::Colours256:
        return PaletteKind::Colours256;
    case ColourPicture::HueBrightness:
        return PaletteKind::HueBrightness;
    default:
        return PaletteKind::S55;
    }
}

void SetHoverComponents(ColourFrameState& frame, ColourValue c) {
    frame.hoverRed = RedOf(c);
    frame.hoverGreen = GreenOf(c);
    frame.hoverBlue = BlueOf(c);
}

void ShowHoverComponents(ColourFrameState& frame) {
    frame.redText = QString::number(frame.hoverRed);
    frame.greenText = QString::number(frame.hoverGreen);
    frame.blueText = QString::number(frame.hoverBlue);
}

} // namespace

std::optional<ColourValue> ColourAt(const Editor& editor, ColourPicture picture, int x, int y) {
    if (picture == ColourPicture::Custom)
        return editor.colourFrame.customColour;
    const QImage& image = PaletteImage(PaletteOf(picture));
    if (!image.valid(x, y))
        return std::nullopt;
    const QRgb pixel = image.pixel(x, y);
    return MakeColour(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

QString DescribedColourAt(const Editor& editor, ColourPicture picture, int x, int y) {
    const std::optional<ColourValue> c = ColourAt(editor, picture, x, y);
    if (!c)
        return QString();
    return MainWindowTexts::Caption(MainWindowTexts::ColourAtKeyboardPoint, editor.language)
        .arg(RedOf(*c))
        .arg(GreenOf(*c))
        .arg(BlueOf(*c));
}

// A step that fails (a position off the picture reads no colour) is skipped, and the next one
// runs.
void HoverPaletteColour(Editor& editor, ColourPicture picture, int x, int y) {
    ColourFrameState& frame = editor.colourFrame;
    if (const std::optional<ColourValue> c = ColourAt(editor, picture, x, y)) {
        SetHoverComponents(frame, *c);
        ShowHoverComponents(frame);
        frame.overColour = *c;
    }
    frame.hoverX = x;
    frame.hoverY = y;
}

void ApplyPaletteColour(Editor& editor, ColourPicture picture) {
    const int position = editor.list.elements.current();
    if (position < 0)
        return;
    const int n = position + 1;
    const ColourValue oldColour = editor.document.elementColour[n];
    ColourFrameState& frame = editor.colourFrame;

    // The component labels keep what the pointer showed; only the values are read again.
    if (const std::optional<ColourValue> c = ColourAt(editor, picture, frame.hoverX, frame.hoverY))
        SetHoverComponents(frame, *c);
    const ColourValue newColour = frame.hoverRed + 256 * frame.hoverGreen + 65536 * frame.hoverBlue;
    editor.document.elementColour[n] = newColour;
    if (const std::optional<ColourValue> c = ColourAt(editor, picture, frame.hoverX, frame.hoverY))
        editor.shown.swatchColour = *c;
    // The selected element's components keep the colour it had when it was selected.
    RedrawPreview(editor, RedrawTarget(n));
    editor.document.modified = true;
    RecordStep(editor, position, oldColour, newColour);
}

void MixCustomColour(Editor& editor) {
    ColourFrameState& frame = editor.colourFrame;
    frame.customColour = editor.dialogs.chooseColour(frame.customColour);
    SetHoverComponents(frame, frame.customColour);
    ShowHoverComponents(frame);
}
