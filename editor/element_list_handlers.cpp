#include "editor/element_list_handlers.h"

#include "editor/editor.h"
#include "editor/provider_name.h"
#include "editor/safe_scheme.h"

void SelectElement(Editor& editor) {
    if (editor.list.listSyncGuard)
        return;
    ElementList& list = editor.list.elements;
    const int position = list.current();
    if (position < 0)
        return;
    editor.shown.selectedItemText = list.entry(position).text;
    const int element = position + 1;
    editor.shown.swatchColour = editor.document.elementColour[element];
    const ColourValue shown = editor.shown.swatchColour;
    editor.shown.selectedRed = RedOf(shown);
    editor.shown.selectedGreen = GreenOf(shown);
    editor.shown.selectedBlue = BlueOf(shown);

    // The option follows elements 23 and 24; the guard keeps its handler from acting back.
    editor.list.optionSyncGuard = true;
    SetProviderNameOption(editor, !list.isChecked(22) && !list.isChecked(23));
    editor.list.optionSyncGuard = false;

    if (editor.options.safeScheme && !IsSafeTransparent(element) && !list.isChecked(position))
        list.setChecked(position, true);
}

void ElementCheckChanged(Editor& editor, int position) {
    const int current = editor.list.elements.current();
    if (editor.options.safeScheme && !IsSafeTransparent(current + 1))
        return;
    if (editor.list.schemeReady) {
        RedrawPreview(editor, RedrawTarget(position + 1));
        editor.document.modified = true;
    }
}

void FillElementNames(Editor& editor) {
    ElementList& list = editor.list.elements;
    editor.list.schemeReady = false;
    // The texts change in place: the current entry stays current, and no event is raised.
    for (int p = 0; p < list.count(); ++p)
        list.setText(p, ElementText(p + 1, editor.language).value_or(QString()));
    editor.list.schemeReady = true;
}
