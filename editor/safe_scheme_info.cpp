#include "editor/safe_scheme_info.h"

#include "editor/editor.h"
#include "editor/safe_scheme.h"
#include "i18n/safe_scheme_texts.h"

// The dialog keeps its built-in Czech texts for a word that selects no language.
SafeSchemeInfo SafeSchemeInfoFor(const Editor& editor) {
    using namespace SafeSchemeTexts;
    const Language language = editor.language;
    SafeSchemeInfo info{SafeSchemeDialogTitle.inOrBuiltIn(language),
                        ExplanationLabel.inOrBuiltIn(language),
                        SafeElementsCaption.inOrBuiltIn(language),
                        ApologyLabel.inOrBuiltIn(language),
                        {}};
    for (int p = 0; p < editor.list.elements.count(); ++p) {
        if (IsSafeTransparent(p + 1))
            info.elements.append(editor.list.elements.entry(p).text);
    }
    return info;
}

void ShowSafeSchemeInfo(Editor& editor) {
    editor.dialogWasShown = true;
    editor.dialogs.showSafeSchemeInfo(SafeSchemeInfoFor(editor));
}
