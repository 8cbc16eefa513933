#include "editor/undo_redo.h"

#include "editor/editor.h"

namespace {

void ApplyStep(Editor& editor, int step, const QStringList& colours) {
    const int position = editor.history.stepElement.at(step).toInt();
    const ColourValue colour = colours.at(step).toInt();
    editor.elementList.setCurrent(position);
    const int element = editor.elementList.current() + 1;
    editor.document.elementColour[element] = colour;
    editor.swatchColour = colour;
    UpdateUndoRedo(editor.history, editor.commands);
    RedrawPreview(editor, QString::number(element));
}

} // namespace

void RecordStep(Editor& editor, int listPosition, ColourValue before, ColourValue after) {
    editor.history.recordStep(listPosition, before, after);
    UpdateUndoRedo(editor.history, editor.commands);
}

void ClearHistory(Editor& editor) {
    editor.history.clear();
    UpdateUndoRedo(editor.history, editor.commands);
}

void Undo(Editor& editor) {
    const int k = editor.history.historyPosition;
    if (k < 1)
        return; // the command is disabled then
    editor.history.historyPosition = qint16(k - 1);
    ApplyStep(editor, k, editor.history.stepColourBefore);
}

void Redo(Editor& editor) {
    const int k = editor.history.historyPosition + 1;
    if (k > editor.history.lastIndex())
        return;
    editor.history.historyPosition = qint16(k);
    ApplyStep(editor, k, editor.history.stepColourAfter);
}
