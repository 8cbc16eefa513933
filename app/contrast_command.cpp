#include "app/contrast_command.h"

#include "app/command_line_support.h"
#include "i18n/readability_texts.h"
#include "preview/weak_pairs.h"

namespace {

QString NumberOf(int element) {
    return element == 0 ? QStringLiteral("--")
                        : QStringLiteral("%1").arg(element, 2, 10, QLatin1Char('0'));
}

// An element's name without the number its list text starts with; for 0 the artwork's.
QString NameOf(int element, Language language) {
    if (element == 0)
        return *ReadabilityTexts::ArtworkName.in(language);
    return ElementText(element, language).value_or(QString()).section(QStringLiteral(" - "), 1);
}

QString PairLine(const WeakPair& pair, Language language) {
    using namespace ReadabilityTexts;
    QStringList screens;
    for (const int screen : pair.screens)
        screens.append(QString::number(screen));
    return NumberOf(pair.upper) + QStringLiteral(" on ") + NumberOf(pair.lower) +
           QStringLiteral(": ") + RatioText(pair.ratio) + QStringLiteral(" - ") +
           NameOf(pair.upper, language) + u' ' + *OnWord.in(language) + u' ' +
           NameOf(pair.lower, language) + QStringLiteral("; ") + *ScreensWord.in(language) + u' ' +
           screens.join(QStringLiteral(", "));
}

} // namespace

int RunContrast(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QString file, languageWord = QStringLiteral("English");
    bool haveFile = false, lcdColours = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--lcd")) {
            lcdColours = true;
        } else if (a == QLatin1String("--language")) {
            if (i + 1 >= arguments.size())
                return UsageProblem(err, QStringLiteral("--language needs a value"));
            languageWord = arguments.at(++i);
        } else if (a.startsWith(u'-') && a.size() > 1) {
            return UsageProblem(err, QStringLiteral("unknown option ") + a);
        } else if (!haveFile) {
            file = a;
            haveFile = true;
        } else {
            return UsageProblem(err, QStringLiteral("--contrast takes one FILE"));
        }
    }
    if (!haveFile)
        return UsageProblem(err, QStringLiteral("--contrast takes one FILE"));
    const Language language = LanguageFromWord(languageWord);
    if (language == Language::None) {
        err << "zef: --language takes Czech, English or Deutsch, not " << languageWord << Qt::endl;
        return UsageError;
    }

    const std::optional<OpenedScheme> scheme = OpenSchemeFile(file, language, err);
    if (!scheme)
        return UsageError;
    const PreviewInput input{scheme->document, scheme->ticks, lcdColours};

    const Preview preview(32);
    const std::vector<WeakPair> pairs = FindWeakPairs(PaintOwners(preview), input);
    for (const WeakPair& pair : pairs)
        out << PairLine(pair, language) << '\n';
    out.flush();
    return pairs.empty() ? 0 : 1;
}
