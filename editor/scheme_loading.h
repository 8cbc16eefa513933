#pragma once

#include "scheme/starter_schemes.h"

#include <QByteArray>
#include <QString>

class Editor;

// Puts the document's opacities into the list ticks after a whole scheme has been read or
// created: ticks, then the list enabled again with element 1 selected anew, then Safe Scheme's
// rule for schemes without a transparent element.
void PutSchemeIntoList(Editor& editor);

// Replaces the editor's scheme with the one in the file and puts the path at the top of the
// recent files; true on success. A failure shows its message and changes nothing.
bool ReadSchemeFile(Editor& editor, const QString& path);

// The same for a file's bytes already in memory, without touching the recent files.
bool ReadSchemeBytes(Editor& editor, const QByteArray& bytes);

// Replaces the scheme with a new, never-saved copy of a starter, after the unsaved-changes
// question.
void CreateStarterScheme(Editor& editor, Starter starter);
