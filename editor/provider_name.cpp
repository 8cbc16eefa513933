#include "editor/provider_name.h"

#include "editor/editor.h"
#include "editor/element_list_handlers.h"

namespace {
constexpr int InnerText = 22; // entry of element 23
constexpr int OuterText = 23; // entry of element 24
} // namespace

void SetProviderNameOption(Editor& editor, bool hide) {
    if (editor.options.hideProviderName == hide)
        return;
    editor.options.hideProviderName = hide;
    ProviderNameToggled(editor);
}

void ProviderNameToggled(Editor& editor) {
    if (editor.list.optionSyncGuard)
        return;
    ElementList& list = editor.list.elements;
    const bool hide = editor.options.hideProviderName;
    editor.list.listSyncGuard = true;

    // The inner text changes quietly; the outer text's change then redraws the standby screen,
    // which holds both, once.
    const bool ready = editor.list.schemeReady;
    editor.list.schemeReady = false;
    list.setChecked(InnerText, !hide);
    editor.list.schemeReady = ready;
    list.setChecked(OuterText, !hide);
    if (hide)
        list.setCurrent(OuterText);

    editor.list.listSyncGuard = false;
    SelectElement(editor);
}
