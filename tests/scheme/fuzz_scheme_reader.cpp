// Feeds arbitrary bytes to the scheme reader as if they were a file's contents: whatever the
// bytes, reading must end with the scheme read or with one of the reader's messages.
#include "editor/editor.h"
#include "scheme/scheme_reader.h"

#include <cstdint>
#include <cstdlib>

namespace {

class SilentDialogs : public UserDialogs {
public:
    MessageAnswer showMessage(const Message& message) override {
        if (message.icon != MessageIcon::Critical || message.text.isEmpty())
            std::abort(); // the reader only ever reports errors
        return MessageAnswer::Ok;
    }
    QString chooseFileToOpen(const FileDialogTexts&) override { return {}; }
    QString chooseFileToSave(const FileDialogTexts&) override { return {}; }
    ColourValue chooseColour(ColourValue initial) override { return initial; }
    void showSafeSchemeInfo(const SafeSchemeInfo&) override {}
    void showFlashAdvice(const FlashAdvice&) override {}
    void showAbout(const AboutTexts&) override {}
    void showLinks(const LinksTexts&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SilentDialogs dialogs;
    static Editor editor(dialogs, SettingsStore(QString()));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const bool read = ReadSchemeBytes(editor, bytes);
    // A read that succeeded leaves the list and the scheme ready for editing.
    if (read && (!editor.document.SchemeReady || !editor.elementList.enabled ||
                 editor.document.headerTag != QLatin1String("ColourScheme")))
        std::abort();
    return 0;
}
