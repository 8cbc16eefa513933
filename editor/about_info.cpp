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
    return AboutTexts{Text(AboutDialogTitle, language, BuiltInCaption),
                      TitleLabel.inOrBuiltIn(language),
                      VersionLabel.inOrBuiltIn(language),
                      PurposeLabel.inOrBuiltIn(language),
                      SpywareLabel.inOrBuiltIn(language),
                      DescriptionLabel.inOrBuiltIn(language),
                      ApologyLabel.inOrBuiltIn(language),
                      QString::fromUtf8(CopyrightLink)};
}

LinksTexts LinksTextsFor(const Editor& editor) {
    using namespace LinksDialogTexts;
    const Language language = editor.language;
    return LinksTexts{Text(LinksDialogTitle, language, BuiltInCaption),
                      Text(HomePageCaption, language, BuiltInHome), QString::fromUtf8(EmailCaption),
                      QString::fromUtf8(HomePage), QString::fromUtf8(Email)};
}

void ShowAbout(Editor& editor) {
    editor.dialogWasShown = true;
    editor.dialogs.showAbout(AboutTextsFor(editor));
}

void ShowLinks(Editor& editor) {
    editor.dialogWasShown = true;
    editor.dialogs.showLinks(LinksTextsFor(editor));
}
