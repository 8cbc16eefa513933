#include "editor/readability.h"

#include "editor/editor.h"
#include "i18n/readability_texts.h"
#include "preview/weak_pairs.h"

// The window keeps its built-in Czech texts for a word that selects no language.
ReadabilityInfo ReadabilityInfoFor(const Editor& editor, const PaintOwners& owners) {
    using namespace ReadabilityTexts;
    const Language language = editor.language;
    ReadabilityInfo info{ReadabilityWindowTitle.inOrBuiltIn(language),
                         ExplanationLabel.inOrBuiltIn(language),
                         WeakPairsCaption.inOrBuiltIn(language),
                         NoWeakPairLabel.inOrBuiltIn(language),
                         CloseButton.inOrBuiltIn(language),
                         {ContrastColumn.inOrBuiltIn(language), FrontColumn.inOrBuiltIn(language),
                          BehindColumn.inOrBuiltIn(language), ScreensColumn.inOrBuiltIn(language)},
                         {}};
    const ElementList& list = editor.list.elements;
    const QString artwork = QStringLiteral("-- - ") + ArtworkName.inOrBuiltIn(language);
    for (const WeakPair& pair : FindWeakPairs(owners, PreviewInputOf(editor))) {
        QStringList screens;
        for (const int screen : pair.screens)
            screens.append(QString::number(screen + 1));
        info.rows.append({pair.upper, pair.lower, list.entry(pair.upper - 1).text,
                          pair.lower == 0 ? artwork : list.entry(pair.lower - 1).text,
                          RatioText(pair.ratio), screens.join(QStringLiteral(", "))});
    }
    return info;
}
