#include "editor/element_list_handlers.h"

#include "editor/editor.h"
#include "editor/provider_name.h"
#include "editor/safe_scheme.h"

void SelectElement(Editor& editor) {
    if (editor.ListSyncGuard)
        return;
    ElementList& list = editor.elementList;
    const int position = list.current();
    if (position < 0)
        return;
    editor.selectedItemText = list.entry(position).text;
    const int element = position + 1;
    editor.swatchColour = editor.document.elementColour[element];
    const ColourValue shown = editor.swatchColour;
    editor.selectedRed = RedOf(shown);
    editor.selectedGreen = GreenOf(shown);
    editor.selectedBlue = BlueOf(shown);

    // The option follows elements 23 and 24; the guard keeps its handler from acting back.
    editor.OptionSyncGuard = true;
    SetProviderNameOption(editor, !list.isChecked(22) && !list.isChecked(23));
    editor.OptionSyncGuard = false;

    if (editor.options.safeScheme && !IsSafeTransparent(element) && !list.isChecked(position))
        list.setChecked(position, true);
}

void ElementCheckChanged(Editor& editor, int position) {
    const int current = editor.elementList.current();
    if (editor.options.safeScheme && !IsSafeTransparent(current + 1))
        return;
    if (editor.document.SchemeReady) {
        RedrawPreview(editor, QString::number(position + 1));
        editor.document.modified = true;
    }
}

void FillElementNames(Editor& editor) {
    ElementList& list = editor.elementList;
    editor.document.SchemeReady = false;
    const int remembered = list.current();
    for (int p = 0; p < list.count(); ++p)
        list.setText(p, ElementText(p + 1, editor.language).value_or(QString()));
    if (remembered >= 0)
        list.setCurrent(remembered);
    editor.document.SchemeReady = true;
}
