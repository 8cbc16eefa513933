#pragma once

class Editor;

// The preview's own controls: the refresh button, "LCD colors" and "Autoredraw Scheme when
// change". Each is what a click on the control does.
void RefreshClicked(Editor& editor);
void LcdColoursClicked(Editor& editor, bool on);
void AutoRedrawClicked(Editor& editor, bool on);
