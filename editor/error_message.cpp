#include "editor/error_message.h"

void ShowErrorMessage(UserDialogs& dialogs, Language language, const LocalisedText& text,
                      MessageIcon icon) {
    static constexpr LocalisedText Title{"Chyba", "Error", "Fehler"};
    const std::optional<QString> shown = text.in(language);
    if (!shown)
        return;
    dialogs.showMessage(Message{icon, *shown, *Title.in(language), MessageButtons::Ok});
}
