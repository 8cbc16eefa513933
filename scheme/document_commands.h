#pragma once

class Editor;

// The unsaved-changes question, asked before anything replaces the scheme: true to go on,
// false when the user cancelled.
bool TestMakeProject(Editor& editor);

// The File menu's Open, Save and Save As.
void OpenScheme(Editor& editor);
void SaveScheme(Editor& editor);
void SaveSchemeAs(Editor& editor);
