#pragma once

#include <QByteArray>
#include <QTimer>

class Editor;

// "Flash on Select": a click on a screen shows the clicked element's area in the complementary
// colour for one tick of the blink timer, then the screen is put back as it was.
struct FlashState {
    static constexpr int BlinkInterval = 50; // ms

    bool flashBusy = false;
    // The flashed screen's pixels as they were before the flash, in the display's format.
    QByteArray flashSavedPixels;
    // The timer that ends the flash, and the flashed screen.
    QTimer blinkTimer;
    int blinkScreen = 0;
};

// A click on a screen with "Flash on Select" on: selects the element last pointed at and
// inverts those of its pixels that show the clicked pixel's colour and are not covered by a
// later layer. A click while a flash is showing, or one on an overlay, changes nothing.
void StartFlash(Editor& editor, int screen);

// The blink timer's tick: the flashed screen gets its pixels back.
void EndFlash(Editor& editor);
