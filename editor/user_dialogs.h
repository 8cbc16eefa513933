#pragma once

#include "editor/about_info.h"
#include "editor/flash_advice.h"
#include "editor/safe_scheme_info.h"
#include "host/file_association.h"
#include "scheme/colour.h"

#include <QString>
#include <optional>

// Everything that asks the user goes through this interface: the program answers with real
// dialogs, tests with scripted answers, so that every message can be checked to the letter.
enum class MessageIcon { None, Critical, Exclamation, Information };
enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct Message {
    MessageIcon icon = MessageIcon::None;
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;

    friend bool operator==(const Message&, const Message&) = default;
};

// A file dialog's title and filter; a filter is "description|*.col", empty for none.
struct FileDialogTexts {
    std::optional<QString> title;
    std::optional<QString> filter;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A message box; closing the box counts as Cancel for questions.
    virtual MessageAnswer showMessage(const Message& message) = 0;
    // The chosen full path, or empty when the dialog was cancelled.
    virtual QString chooseFileToOpen(const FileDialogTexts& texts) = 0;
    virtual QString chooseFileToSave(const FileDialogTexts& texts) = 0;
    // The chosen colour; the initial one when the user cancelled.
    virtual ColourValue chooseColour(ColourValue initial) = 0;
    // The Safe Scheme dialog, modal; it only informs.
    virtual void showSafeSchemeInfo(const SafeSchemeInfo& info) = 0;
    // The Flash on Select advice, modal; it only informs.
    virtual void showFlashAdvice(const FlashAdvice& advice) = 0;
    // The File Association dialog, modal: whether its row was ticked when OK was pressed, or
    // nothing when it was closed without OK. A front end without the dialog shows nothing.
    virtual std::optional<bool> showFileAssociation(const AssociationDialogState&) {
        return std::nullopt;
    }
    // The About and Links dialogs, modal; they only inform, and their links open by themselves.
    virtual void showAbout(const AboutTexts& texts) = 0;
    virtual void showLinks(const LinksTexts& texts) = 0;
};
