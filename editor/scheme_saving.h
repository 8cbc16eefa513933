#pragma once

#include <QString>

class Editor;

// Every element's opacity becomes its tick's: 100 ticked, 0 not. Each write does this first, so
// the written file and the conditional overlays follow the ticks of the last save.
void TakeOpacitiesFromTicks(Editor& editor);

// What WriteSchemeFile did.
enum class WriteResult : qint16 {
    Finished = 0,          // written, or failed after the failure message was shown
    DeclinedOverwrite = 1, // the user answered No to the overwrite question
    Cancelled = 2,         // the user answered Cancel to it
};

// Writes the scheme to path, or to the document's own file when path is empty (then without
// asking). The file is written whole or not at all: a failed write leaves what was there.
WriteResult WriteSchemeFile(Editor& editor, const QString& path);
