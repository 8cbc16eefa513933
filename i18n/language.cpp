#include "i18n/language.h"

Language LanguageFromWord(const QString& word) {
    // Exact, case-sensitive comparison: "english" is no language.
    if (word == QLatin1String("Czech"))
        return Language::Czech;
    if (word == QLatin1String("English"))
        return Language::English;
    if (word == QLatin1String("Deutsch"))
        return Language::German;
    return Language::None;
}

QString LanguageWord(Language language) {
    switch (language) {
    case Language::Czech:
        return QStringLiteral("Czech");
    case Language::English:
        return QStringLiteral("English");
    case Language::German:
        return QStringLiteral("Deutsch");
    case Language::None:
        break;
    }
    return {};
}

std::optional<QString> LocalisedText::in(Language language) const {
    switch (language) {
    case Language::Czech:
        return QString::fromUtf8(czech);
    case Language::English:
        return QString::fromUtf8(english);
    case Language::German:
        return QString::fromUtf8(german);
    case Language::None:
        break;
    }
    return std::nullopt;
}

QString LocalisedText::inOrBuiltIn(Language language) const {
    return in(language).value_or(QString::fromUtf8(czech));
}
