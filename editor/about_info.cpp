#include "editor/about_info.h"

#include "editor/editor.h"
#include "i18n/about_texts.h"
#include "i18n/links_texts.h"

namespace {
QString Text(const LocalisedText& text, Language language, const char* builtIn) {
    return text.in(language).value_or(QString::fromUtf8(builtIn));
}
} // namespace

AboutTexts AboutTextsFor(const Editor& editor) {
    using namespace AboutDialogTexts;
    const Language language = editor.language;
    return AboutTexts{Text(frmAbout, language, BuiltInCaption),
                      lblTitle.inOrBuiltIn(language),
                      lblVersion.inOrBuiltIn(language),
                      lblMobil.inOrBuiltIn(language),
                      lblSpy.inOrBuiltIn(language),
                      lblDescription.inOrBuiltIn(language),
                      lblOmluva.inOrBuiltIn(language),
                      QString::fromUtf8(lblCopy)};
}

LinksTexts LinksTextsFor(const Editor& editor) {
    using namespace LinksDialogTexts;
    const Language language = editor.language;
    return LinksTexts{Text(frmLinks, language, BuiltInCaption),
                      Text(lblHome, language, BuiltInHome), QString::fromUtf8(lblEmail),
                      QString::fromUtf8(HomePage), QString::fromUtf8(Email)};
}

void ShowAbout(Editor& editor) {
    editor.DialogWasShown = true;
    editor.dialogs.showAbout(AboutTextsFor(editor));
}

void ShowLinks(Editor& editor) {
    editor.DialogWasShown = true;
    editor.dialogs.showLinks(LinksTextsFor(editor));
}
