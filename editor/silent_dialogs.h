#pragma once

#include "editor/user_dialogs.h"

// Dialogs nobody sees: every message is taken as read (OK), every file dialog and the File
// Association dialog are closed without a choice, the colour chooser keeps its colour. The
// command line, the benchmarks and the tests start from it and override what they answer.
class SilentDialogs : public UserDialogs {
public:
    MessageAnswer showMessage(const Message&) override { return MessageAnswer::Ok; }
    QString chooseFileToOpen(const FileDialogTexts&) override { return {}; }
    QString chooseFileToSave(const FileDialogTexts&) override { return {}; }
    ColourValue chooseColour(ColourValue initial) override { return initial; }
    void showSafeSchemeInfo(const SafeSchemeInfo&) override {}
    void showFlashAdvice(const FlashAdvice&) override {}
    void showAbout(const AboutTexts&) override {}
    void showLinks(const LinksTexts&) override {}
};
