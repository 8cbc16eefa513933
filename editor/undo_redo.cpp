#include "editor/undo_redo.h"

#include "editor/editor.h"

namespace {

void ApplyStep(Editor& editor, int listPosition, ColourValue colour) {
    editor.list.elements.setCurrent(listPosition);
    const int element = editor.list.elements.current() + 1;
    editor.document.elementColour[element] = colour;
    editor.shown.swatchColour = colour;
    UpdateUndoRedo(editor.history.steps, editor.history.commands);
    RedrawPreview(editor, RedrawTarget(element));
}

} // namespace

void RecordStep(Editor& editor, int listPosition, ColourValue before, ColourValue after) {
    editor.history.steps.recordStep(listPosition, before, after);
    UpdateUndoRedo(editor.history.steps, editor.history.commands);
}

void ClearHistory(Editor& editor) {
    editor.history.steps.clear();
    UpdateUndoRedo(editor.history.steps, editor.history.commands);
}

void Undo(Editor& editor) {
    const int k = editor.history.steps.historyPosition;
    if (k < 1)
        return; // the command is disabled then
    editor.history.steps.historyPosition = qint16(k - 1);
    const HistoryStep& step = editor.history.steps.step(k);
    ApplyStep(editor, step.listPosition, step.colourBefore);
}

void Redo(Editor& editor) {
    const int k = editor.history.steps.historyPosition + 1;
    if (k > editor.history.steps.lastIndex())
        return;
    editor.history.steps.historyPosition = qint16(k);
    const HistoryStep& step = editor.history.steps.step(k);
    ApplyStep(editor, step.listPosition, step.colourAfter);
}
