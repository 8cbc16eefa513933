#pragma once

class Editor;

// The pointer over a preview screen, at a pixel of it: names the element that paints there
// (the topmost layer decides, even when its element is transparent). Positions off the screen
// are ignored.
void HoverPreview(Editor& editor, int screen, int x, int y);

// The pointer over the zoom view, at a position in its own pixels measured from its outer
// corner: two view pixels a screen pixel, the screen starting two pixels inside the corner.
void HoverZoomView(Editor& editor, int viewX, int viewY);

// A click on a screen (or, with zoomScreen, on the zoom view): the screen goes into the zoom
// view and the element last pointed at becomes the current entry of the list; with "Flash on
// Select" on, the flash does both.
void ClickPreview(Editor& editor, int screen);
