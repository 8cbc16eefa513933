#pragma once

#include "i18n/language.h"
#include "scheme/element_catalogue.h"
#include "scheme/scheme_document.h"

#include <QString>
#include <QTextStream>
#include <array>
#include <optional>

// What the window-less commands share.

// The exit code of a usage error, and of a file that is no readable scheme where no other code
// is free.
constexpr int UsageError = 2;

// A usage error: the problem and a pointer to --help on the error stream; returns UsageError.
int UsageProblem(QTextStream& err, const QString& problem);

// A scheme file as the editor shows it just after opening it: the document, and each element
// ticked unless the file makes it transparent.
struct OpenedScheme {
    SchemeDocument document;
    std::array<bool, ElementCount> ticks{};
};
// Nothing, with the reader's message in the language on the error stream, when the file is no
// readable scheme.
std::optional<OpenedScheme> OpenSchemeFile(const QString& path, Language language,
                                           QTextStream& err);
