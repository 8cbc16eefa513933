#pragma once

class Editor;

// Sets "Don't show Provider Name" as any change of the check box does: a change runs
// ProviderNameToggled, as a click would.
void SetProviderNameOption(Editor& editor, bool hide);

// Turns elements 23 and 24, the provider name's inner and outer text, transparent (option
// ticked) or painted (option cleared) through the element list.
void ProviderNameToggled(Editor& editor);
