#pragma once

#include "scheme/colour.h"

class Editor;

// The editor's side of the history: every change of it refreshes the Undo and Redo commands.
void RecordStep(Editor& editor, int listPosition, ColourValue before, ColourValue after);
void ClearHistory(Editor& editor);

// Undo takes back the last applied step, Redo applies the next one; each makes the edited
// element current, gives it the step's colour and redraws it. Neither marks the scheme modified.
void Undo(Editor& editor);
void Redo(Editor& editor);
