// Feeds arbitrary bytes to the scheme reader as if they were a file's contents. A failure hands
// over nothing of the file; a scheme read, written back as the editor saves it, reads again as
// the same scheme: its name loses only its trailing spaces and what the code page cannot hold.
#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"
#include "scheme/scheme_writer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ParsedScheme scheme = ParseSchemeText(DecodeSchemeBytes(bytes));
    const ParsedScheme nothing;
    if (scheme.failure) {
        if (!scheme.schemeName.isEmpty() || scheme.elementColour != nothing.elementColour ||
            scheme.elementOpacity != nothing.elementOpacity)
            std::abort();
        return 0;
    }
    const SchemeDocument doc{.schemeName = scheme.schemeName,
                             .elementColour = scheme.elementColour,
                             .elementOpacity = scheme.elementOpacity};
    const ParsedScheme again =
        ParseSchemeText(DecodeSchemeBytes(EncodeSchemeText(BuildSchemeText(doc))));
    QString name = DecodeSchemeBytes(EncodeSchemeText(scheme.schemeName));
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    if (again.failure || again.schemeName != name || again.elementColour != scheme.elementColour ||
        again.elementOpacity != scheme.elementOpacity)
        std::abort();
    return 0;
}
