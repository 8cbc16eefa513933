#pragma once

#include "editor/user_dialogs.h"

#include <QStringList>

// Answers every dialog from a script the test sets up and records what was asked, so that a
// test can check each message to the letter. A question or File Association dialog without an
// answer fails the test; a file dialog without one is cancelled, a colour chooser keeps its colour.
class ScriptedDialogs : public UserDialogs {
public:
    QList<Message> messages;
    QList<MessageAnswer> answers;

    QList<FileDialogTexts> openDialogs, saveDialogs;
    QStringList openAnswers, saveAnswers;

    QList<ColourValue> colourAnswers;
    QList<ColourValue> colourDialogs; // the colour each chooser started from

    QList<SafeSchemeInfo> safeSchemeDialogs;
    QList<FlashAdvice> flashAdviceDialogs;
    QList<AssociationDialogState> associationDialogs;
    // The row's state at OK, or nothing for a dialog closed without OK.
    QList<std::optional<bool>> associationAnswers;
    QList<AboutTexts> aboutDialogs;
    QList<LinksTexts> linksDialogs;

    MessageAnswer showMessage(const Message& message) override;
    QString chooseFileToOpen(const FileDialogTexts& texts) override {
        openDialogs << texts;
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString chooseFileToSave(const FileDialogTexts& texts) override {
        saveDialogs << texts;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    ColourValue chooseColour(ColourValue initial) override {
        colourDialogs << initial;
        return colourAnswers.isEmpty() ? initial : colourAnswers.takeFirst();
    }
    void showSafeSchemeInfo(const SafeSchemeInfo& info) override { safeSchemeDialogs << info; }
    void showFlashAdvice(const FlashAdvice& advice) override { flashAdviceDialogs << advice; }
    std::optional<bool> showFileAssociation(const AssociationDialogState& state) override;
    void showAbout(const AboutTexts& texts) override { aboutDialogs << texts; }
    void showLinks(const LinksTexts& texts) override { linksDialogs << texts; }
};
