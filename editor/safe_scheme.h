#pragma once

class Editor;

// The 20 elements that may stay transparent while Safe Scheme is on; every other element keeps
// the phone's menus readable and must stay painted.
bool IsSafeTransparent(int element);

// Sets the Safe Scheme option; a change runs SafeSchemeToggled, as a click would.
void SetSafeScheme(Editor& editor, bool on);
// Switching Safe Scheme on paints every element outside the safe set and redraws everything.
void SafeSchemeToggled(Editor& editor);
// After a whole scheme is in the list: a scheme without any transparent element switches Safe
// Scheme on.
void SafeSchemeAfterLoad(Editor& editor, bool anyTransparent);
