#pragma once

#include "app/window/editor_frame.h"

class QLabel;
class QPlainTextEdit;
class QToolButton;
class WrappingCheckBox;

// optionFrame: "Don't show Provider Name", "Flash on Select", "Autoredraw Scheme when change",
// "Safe Scheme", the help buttons of the two, and the texts that explain transparency.
class OptionFrame : public EditorFrame {
    Q_OBJECT
public:
    explicit OptionFrame(Editor& editor, QWidget* parent = nullptr);
    void showState() override;
    void setTexts(Language language) override;

private:
    WrappingCheckBox* providerNameOption_;
    WrappingCheckBox* flashOnSelectOption_;
    QToolButton* flashHelpButton_;
    WrappingCheckBox* autoRedrawOption_;
    WrappingCheckBox* safeSchemeOption_;
    QToolButton* safeSchemeHelpButton_;
    QPlainTextEdit* transparencyExplanation_;
    QLabel* transparencyWarning_;
};
