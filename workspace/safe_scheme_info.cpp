#include "workspace/safe_scheme_info.h"

#include "app/editor.h"
#include "i18n/safe_scheme_texts.h"
#include "workspace/safe_scheme.h"

// The dialog keeps its built-in Czech texts for a word that selects no language.
SafeSchemeInfo SafeSchemeInfoFor(const Editor& editor) {
    using namespace SafeSchemeTexts;
    const Language language = editor.language;
    SafeSchemeInfo info{safeSchemeDialog.inOrBuiltIn(language),
                        explanationLabel.inOrBuiltIn(language),
                        safeElementsCaption.inOrBuiltIn(language),
                        apologyLabel.inOrBuiltIn(language),
                        {}};
    for (int p = 0; p < editor.elementList.count(); ++p) {
        if (IsSafeTransparent(p + 1))
            info.elements.append(editor.elementList.entry(p).text);
    }
    return info;
}

void ShowSafeSchemeInfo(Editor& editor) {
    editor.DialogWasShown = true;
    editor.dialogs.showSafeSchemeInfo(SafeSchemeInfoFor(editor));
}
