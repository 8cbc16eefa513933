#pragma once

// The three built-in palette pictures of the colour frame, in the order of their tabs.
enum class PaletteKind {
    S55,           // tab "S55": the phone's 256 colours as a 16 x 16 grid of cells
    Colours256,    // tab "256": the hue-by-brightness field reduced to 256 colours
    HueBrightness, // tab "16bit": hue across, brightness down
};

// The picture's file name, the same in the committed folder and in the resources.
constexpr const char* PaletteFileName(PaletteKind kind) {
    switch (kind) {
    case PaletteKind::S55:
        return "s55.png";
    case PaletteKind::Colours256:
        return "256.png";
    case PaletteKind::HueBrightness:
        return "16bit.png";
    }
    return "";
}
