#pragma once

#include <QString>
#include <optional>

// The interface language. The program keeps it as a word ("Czech", "English", "Deutsch"); any
// other word selects no language, and texts that depend on the language are then left alone.
enum class Language { Czech, English, German, None };

Language LanguageFromWord(const QString& word);
QString LanguageWord(Language language);

// One user-visible text in the three languages, as UTF-8 literals.
struct LocalisedText {
    const char* czech;
    const char* english;
    const char* german;

    // The text for the language, or nothing for a word that selects no language.
    std::optional<QString> in(Language language) const;
    // The text for the language, or the built-in Czech one for a word that selects no
    // language: what a window shows that keeps the texts it was made with.
    QString inOrBuiltIn(Language language) const;
};
