#pragma once

#include <QString>
#include <QStringList>

class Editor;

// What the Safe Scheme dialog shows: its texts in the interface language and the list entries
// of the elements that may stay transparent, as the element list reads at the moment.
struct SafeSchemeInfo {
    QString caption;
    QString text;        // what Safe Scheme does
    QString listCaption; // the caption above the elements
    QString apology;     // the apology for the wording
    QStringList elements;

    friend bool operator==(const SafeSchemeInfo&, const SafeSchemeInfo&) = default;
};

SafeSchemeInfo SafeSchemeInfoFor(const Editor& editor);

// Help, Safe Scheme (and the help button beside the option): the dialog, modal.
void ShowSafeSchemeInfo(Editor& editor);
