#pragma once

#include "editor/user_dialogs.h"

#include <QPointer>
#include <QWidget>

// The editor's questions as the desktop's own dialogs, over the parent window while it exists:
// a dialog asked for after the window has gone stands on its own.
class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer showMessage(const Message& message) override;
    QString chooseFileToOpen(const FileDialogTexts& texts) override;
    QString chooseFileToSave(const FileDialogTexts& texts) override;
    ColourValue chooseColour(ColourValue initial) override;
    void showSafeSchemeInfo(const SafeSchemeInfo& info) override;
    void showFlashAdvice(const FlashAdvice& advice) override;
    void showAbout(const AboutTexts& texts) override;
    void showLinks(const LinksTexts& texts) override;
    std::optional<bool> showFileAssociation(const AssociationDialogState& state) override;

private:
    QPointer<QWidget> parent_;
};

// "Files colour Scheme (*.col)|*.col" as a Qt file dialog filter: "Files colour Scheme (*.col)".
QString QtFileFilter(const QString& filter);
