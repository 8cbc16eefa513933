#pragma once

#include <QDialog>

class SettingsStore;

// languageChooser: asked on the first run. A button stores its language and empties the stored
// recent files; closing the chooser without a choice stores nothing, so the next start asks
// again. Its texts are the same in every language.
class LanguageChooser : public QDialog {
    Q_OBJECT
public:
    explicit LanguageChooser(SettingsStore& settings, QWidget* parent = nullptr);

private:
    SettingsStore& settings_;
};
