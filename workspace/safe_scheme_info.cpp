#include "workspace/safe_scheme_info.h"

#include "app/editor.h"
#include "i18n/safe_scheme_texts.h"
#include "workspace/safe_scheme.h"

namespace {
// The dialog keeps its built-in Czech texts for a word that selects no language.
QString Text(const LocalisedText& text, Language language) {
    return text.in(language).value_or(QString::fromUtf8(text.czech));
}
} // namespace

SafeSchemeInfo SafeSchemeInfoFor(const Editor& editor) {
    using namespace SafeSchemeTexts;
    const Language language = editor.language;
    SafeSchemeInfo info{Text(frmSecure, language),
                        Text(lblText, language),
                        Text(lblPrvky, language),
                        Text(lblOmluva, language),
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
