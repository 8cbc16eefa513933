#pragma once

class Editor;

// Runs whenever the current entry of the element list changes: shows the element's text, swatch
// and components, keeps "Don't show Provider Name" in step with elements 23 and 24, and under
// Safe Scheme ticks an element that must not stay transparent.
void SelectElement(Editor& editor);

// Runs for every change of an entry's check box.
void ElementCheckChanged(Editor& editor, int position);

// Writes the catalogue texts of a language into the 60 entries, keeping the current entry and
// every tick; a word that selects no language empties the texts.
void FillElementNames(Editor& editor);
