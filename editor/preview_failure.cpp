#include "editor/preview_failure.h"

#include "editor/error_message.h"

void ShowDisplayDepthMessage(UserDialogs& dialogs, Language language) {
    static constexpr LocalisedText Text{
        "Barevné rozlišení musí být nejméně 16 bitů na 1 bod!\r\rAplikace bude ukončena.",
        "Minimal color must be 16-Bit!",
        "Es werden nur 16-Bit, 24-Bit, 32-Bit Bitmaps unterstützt!"};
    ShowErrorMessage(dialogs, language, Text, MessageIcon::Information);
}

void ShowPreviewFailure(UserDialogs& dialogs, Language language, PreviewFailure failure) {
    switch (failure) {
    case PreviewFailure::DisplayTooShallow:
        ShowDisplayDepthMessage(dialogs, language);
        break;
    case PreviewFailure::MismatchedPictures:
        // Shown in Czech whatever the interface language, as the program always has.
        dialogs.showMessage(Message{MessageIcon::None,
                                    QStringLiteral("Kopírované mapy nejsou stejné !"),
                                    QStringLiteral("Chyba"), MessageButtons::Ok});
        break;
    }
}
