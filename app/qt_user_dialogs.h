#pragma once

#include "editor/user_dialogs.h"

class QWidget;

// The editor's questions as the desktop's own dialogs.
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
    QWidget* parent_;
};

// "Files colour Scheme (*.col)|*.col" as a Qt file dialog filter: "Files colour Scheme (*.col)".
QString QtFileFilter(const QString& filter);
