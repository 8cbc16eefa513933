#pragma once

#include "scheme/colour.h"

#include <QStringList>

// Undo and redo of palette edits. Entry 0 of each list is never a step; steps
// 1..historyPosition are applied, the steps above can be redone.
struct EditHistory {
    // The history never holds more steps than a 16-bit position can count; recording one more
    // drops the oldest.
    static constexpr int MaxSteps = 32767;

    QStringList stepElement{QString()};
    QStringList stepColourBefore{QString()};
    QStringList stepColourAfter{QString()};
    qint16 historyPosition = 0;

    int lastIndex() const { return int(stepElement.size()) - 1; }

    // Drops every redoable step, then appends the new one and makes it current.
    void recordStep(int listPosition, ColourValue before, ColourValue after);
    void clear();
};

// The enabled states of the Undo and Redo commands for a history.
struct UndoRedoState {
    bool undoEnabled = false;
    bool redoEnabled = false;
};
void UpdateUndoRedo(const EditHistory& history, UndoRedoState& commands);
