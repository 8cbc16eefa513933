#pragma once

class Editor;

// Puts the document's opacities into the list ticks after a whole scheme has been read or
// created: ticks, then the list enabled again with element 1 selected anew, then Safe Scheme's
// rule for schemes without a transparent element.
void PutSchemeIntoList(Editor& editor);
