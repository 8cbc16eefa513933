#pragma once

#include "scheme/colour.h"

#include <vector>

// One palette edit: the list position of the element it changed, its colour before and after.
struct HistoryStep {
    int listPosition = 0;
    ColourValue colourBefore = 0;
    ColourValue colourAfter = 0;
    bool operator==(const HistoryStep&) const = default;
};

// Undo and redo of palette edits. Steps 1..historyPosition are applied, the steps above up to
// lastIndex() can be redone.
class EditHistory {
public:
    // The history never holds more steps than a 16-bit position can count; recording one more
    // drops the oldest.
    static constexpr int MaxSteps = 32767;

    qint16 historyPosition = 0;

    int lastIndex() const { return int(steps_.size()); }
    // Step k, 1 to lastIndex().
    const HistoryStep& step(int k) const { return steps_[size_t(k - 1)]; }

    // Drops every redoable step, then appends the new one and makes it current.
    void recordStep(int listPosition, ColourValue before, ColourValue after);
    void clear();

private:
    std::vector<HistoryStep> steps_;
};

// The enabled states of the Undo and Redo commands for a history.
struct UndoRedoState {
    bool undoEnabled = false;
    bool redoEnabled = false;
};
void UpdateUndoRedo(const EditHistory& history, UndoRedoState& commands);
