#include "scheme/edit_history.h"

void EditHistory::recordStep(int listPosition, ColourValue before, ColourValue after) {
    int n = historyPosition + 1;
    if (n > MaxSteps) {
        // Full: forget the oldest step so the new one still fits.
        stepElement.removeAt(1);
        stepColourBefore.removeAt(1);
        stepColourAfter.removeAt(1);
        n = MaxSteps;
    }
    stepElement.resize(n + 1);
    stepColourBefore.resize(n + 1);
    stepColourAfter.resize(n + 1);
    stepElement[n] = QString::number(listPosition);
    stepColourAfter[n] = QString::number(after);
    stepColourBefore[n] = QString::number(before);
    historyPosition = qint16(n);
}

void EditHistory::clear() {
    stepElement = QStringList{QString()};
    stepColourBefore = QStringList{QString()};
    stepColourAfter = QStringList{QString()};
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
