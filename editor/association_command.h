#pragma once

#include <QString>

class Editor;

// Tools, File Association: the dialog, modal; OK applies the row's state for programPath (the
// running program's absolute path).
void ShowFileAssociation(Editor& editor, const QString& programPath);
