#pragma once

#include "assets/generator/canvas.h"

// The fixed artwork of the overlays and the symbols shared out over element layers, as text
// pictures. Overlay pictures use the letters of IconColours; symbol pictures use the part letters
// of the symbol legends in the screen descriptions.
namespace Icons {

// The overlay palette: k black, w white, g light grey, d dark grey, r red, R dark red,
// y yellow, o orange, n brown, b blue, c light blue, G green, L light green, p paper.
Legend IconColours(Canvas& overlay);

// Status row.
extern const PictureRows Signal;
extern const PictureRows Battery;

// Main menu, 14 x 12 each, in the grid's reading order.
extern const PictureRows MenuPhone;
extern const PictureRows MenuEnvelope;
extern const PictureRows MenuBook;
extern const PictureRows MenuGlobe;
extern const PictureRows MenuNotepad;
extern const PictureRows MenuClock;
extern const PictureRows MenuCog;
extern const PictureRows MenuGamepad;
extern const PictureRows MenuCamera;

extern const PictureRows Folder;
extern const PictureRows Bell;
extern const PictureRows SpeakerMuted;
extern const PictureRows SpeakerLoud;
extern const PictureRows Key;

// Symbols, 11 x 11: s surroundings, b border, f fill, m mark.
extern const PictureRows SymbolArrow;
extern const PictureRows SymbolPerson;
extern const PictureRows SymbolHandset;
extern const PictureRows SymbolLetter;
extern const PictureRows SymbolGlobe;
// The ticked box, 9 x 9: b border, f inside, m tick.
extern const PictureRows TickBox;

} // namespace Icons
