#include "editor/element_list.h"

void ElementList::setChecked(int position, bool checked) {
    Entry& e = entries_.at(position);
    if (e.checked == checked)
        return;
    e.checked = checked;
    if (checkChanged)
        checkChanged(position);
}

void ElementList::setCurrent(int position) {
    if (position == current_)
        return;
    entries_.at(position); // range check before the change
    current_ = position;
    if (selectionChanged)
        selectionChanged();
}

void ElementList::clickCheckBox(int position) {
    Entry& e = entries_.at(position);
    current_ = position;
    e.checked = !e.checked;
    if (checkChanged)
        checkChanged(position);
    if (selectionChanged)
        selectionChanged();
}

void ElementList::selectAfresh(int position) {
    entries_.at(position);
    current_ = position;
    if (selectionChanged)
        selectionChanged();
}
