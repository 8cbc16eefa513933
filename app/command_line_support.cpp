#include "app/command_line_support.h"

#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"

int UsageProblem(QTextStream& err, const QString& problem) {
    err << "zef: " << problem << Qt::endl << "Try 'zef --help'." << Qt::endl;
    return UsageError;
}

std::optional<OpenedScheme> OpenSchemeFile(const QString& path, Language language,
                                           QTextStream& err) {
    const std::optional<QByteArray> bytes = ReadSchemeFileBytes(path);
    const ParsedScheme scheme = bytes ? ParseSchemeText(DecodeSchemeBytes(*bytes)) : ParsedScheme{};
    const std::optional<ReadFailure> failure = bytes ? scheme.failure : ReadFailure::ReadError;
    if (failure) {
        err << *ReadFailureMessage(*failure).in(language) << Qt::endl;
        return std::nullopt;
    }
    OpenedScheme opened;
    opened.document.elementColour = scheme.elementColour;
    opened.document.elementOpacity = scheme.elementOpacity;
    for (int element = 1; element <= ElementCount; ++element)
        opened.ticks[element - 1] = IsPainted(opened.document, element);
    return opened;
}
