#pragma once

#include <QList>
#include <QString>
#include <array>

class Editor;
class PaintOwners;

// A row of the Readability window: a weak pair as the element list names its elements.
struct ReadabilityRow {
    int upper = 0;   // the element in front, which activating the row selects
    int lower = 0;   // the element behind, 0 for the artwork
    QString front;   // its entry of the element list
    QString behind;  // the lower element's entry, or "--" and the artwork's name
    QString ratio;   // "1.0:1"
    QString screens; // "1, 3, 10", numbered from 1 as the preview's screens are named
    friend bool operator==(const ReadabilityRow&, const ReadabilityRow&) = default;
};

// What the Readability window shows: its texts in the interface language and the weak pairs of
// the scheme as it is now, weakest first.
struct ReadabilityInfo {
    QString caption;
    QString explanation;
    QString listCaption; // above the pairs, and the list's name
    QString noPairText;  // instead of the list while there is no weak pair
    QString closeText;
    std::array<QString, 4> columns; // contrast, in front, behind, screens
    QList<ReadabilityRow> rows;
    friend bool operator==(const ReadabilityInfo&, const ReadabilityInfo&) = default;
};

// owners: taken from the editor's preview.
ReadabilityInfo ReadabilityInfoFor(const Editor& editor, const PaintOwners& owners);
