#include "preview/display_depth.h"

void ShowDisplayDepthMessage(UserDialogs& dialogs, Language language) {
    static constexpr LocalisedText Text{
        "Barevné rozlišení musí být nejméně 16 bitů na 1 bod!\r\rAplikace bude ukončena.",
        "Minimal color must be 16-Bit!",
        "Es werden nur 16-Bit, 24-Bit, 32-Bit Bitmaps unterstützt!"};
    static constexpr LocalisedText Title{"Chyba", "Error", "Fehler"};
    const std::optional<QString> text = Text.in(language);
    if (!text)
        return;
    dialogs.showMessage(
        Message{MessageIcon::Information, *text, *Title.in(language), MessageButtons::Ok});
}
