// Feeds arbitrary bytes to the scheme reader as if they were a file's contents: whatever the
// bytes, reading must end with a scheme or with one of the reader's messages.
#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ParsedScheme scheme = ParseSchemeText(DecodeSchemeBytes(bytes));
    if (scheme.failure) {
        // Every failure has its message in each language.
        for (const Language language : {Language::Czech, Language::English, Language::German}) {
            const std::optional<QString> message = ReadFailureMessage(*scheme.failure).in(language);
            if (!message || message->isEmpty())
                std::abort();
        }
    } else if (scheme.headerTag != QLatin1String("ColourScheme")) {
        std::abort(); // only a scheme file's header starts a scheme
    }
    return 0;
}
