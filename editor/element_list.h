#pragma once

#include "scheme/element_catalogue.h"

#include <QString>
#include <array>
#include <functional>

// The element list: 60 entries in element order, each with a text and a check box (ticked =
// painted, cleared = transparent), and one current entry. It raises the same events a list box
// would: a change of a check box raises checkChanged, a change of the current entry raises
// selectionChanged. Setting a state that is already there raises nothing.
class ElementList {
public:
    struct Entry {
        QString text;
        bool checked = false;
    };

    std::function<void(int position)> checkChanged;
    std::function<void()> selectionChanged;

    int count() const { return ElementCount; }
    const Entry& entry(int position) const { return entries_.at(position); }

    void setText(int position, const QString& text) { entries_.at(position).text = text; }

    bool isChecked(int position) const { return entries_.at(position).checked; }
    void setChecked(int position, bool checked);

    // -1 while no entry is current.
    int current() const { return current_; }
    void setCurrent(int position);

    // Makes an entry current and raises selectionChanged even when it already was.
    void selectAfresh(int position);

    // The user's click on an entry's check box: the entry becomes current, its check box turns
    // over and checkChanged runs, then selectionChanged runs.
    void clickCheckBox(int position);

    bool enabled = true;

private:
    std::array<Entry, ElementCount> entries_{};
    int current_ = -1;
};
