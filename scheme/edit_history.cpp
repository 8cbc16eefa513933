#include "scheme/edit_history.h"

void EditHistory::recordStep(int listPosition, ColourValue before, ColourValue after) {
    steps_.resize(size_t(historyPosition));
    // Full: forget the oldest step so the new one still fits.
    if (steps_.size() == MaxSteps)
        steps_.erase(steps_.begin());
    steps_.push_back({listPosition, before, after});
    historyPosition = qint16(steps_.size());
}

void EditHistory::clear() {
    steps_.clear();
    historyPosition = 0;
}

void UpdateUndoRedo(const EditHistory& history, UndoRedoState& commands) {
    const int last = history.lastIndex();
    const int position = history.historyPosition;
    if (last == 0 && position == 0) {
        commands = {false, false};
    } else if (last >= 1 && position == 0) {
        commands = {false, true};
    } else if (position >= 1 && position < last) {
        commands = {true, true};
    } else if (position == last && last >= 1) {
        commands = {true, false};
    }
}
