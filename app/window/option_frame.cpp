#include "app/window/option_frame.h"

#include "app/window/icon_button.h"
#include "app/window/readable_colour.h"
#include "app/window/wrapping_check_box.h"
#include "editor/editor.h"
#include "editor/flash_advice.h"
#include "editor/preview_options.h"
#include "editor/provider_name.h"
#include "editor/safe_scheme.h"
#include "editor/safe_scheme_info.h"
#include "i18n/main_window_texts.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

using namespace MainWindowTexts;

OptionFrame::OptionFrame(Editor& editor, QWidget* parent)
    : EditorFrame(editor, "optionFrame", parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setVerticalSpacing(2);
    layout->setHorizontalSpacing(2);

    providerNameOption_ = new WrappingCheckBox("providerNameOption");
    connect(providerNameOption_, &WrappingCheckBox::clicked, this, [this](bool on) {
        SetProviderNameOption(editor_, on);
        emit edited();
    });
    flashOnSelectOption_ = new WrappingCheckBox("flashOnSelectOption");
    connect(flashOnSelectOption_, &WrappingCheckBox::clicked, this, [this](bool on) {
        editor_.options.flashOnSelect = on;
        emit edited();
    });
    flashHelpButton_ = NewIconButton(ButtonIcon::FlashHelp, "flashHelpButton");
    connect(flashHelpButton_, &QToolButton::clicked, this, [this] {
        ShowFlashAdvice(editor_);
        emit edited();
    });
    autoRedrawOption_ = new WrappingCheckBox("autoRedrawOption");
    connect(autoRedrawOption_, &WrappingCheckBox::clicked, this, [this](bool on) {
        AutoRedrawClicked(editor_, on);
        emit edited();
    });
    safeSchemeOption_ = new WrappingCheckBox("safeSchemeOption");
    connect(safeSchemeOption_, &WrappingCheckBox::clicked, this, [this](bool on) {
        SetSafeScheme(editor_, on);
        emit edited();
    });
    safeSchemeHelpButton_ = NewIconButton(ButtonIcon::SafeSchemeHelp, "safeSchemeHelpButton");
    connect(safeSchemeHelpButton_, &QToolButton::clicked, this, [this] {
        ShowSafeSchemeInfo(editor_);
        emit edited();
    });
    layout->addWidget(providerNameOption_, 0, 0, 1, 2);
    layout->addWidget(flashOnSelectOption_, 1, 0);
    layout->addWidget(flashHelpButton_, 1, 1, Qt::AlignTop);
    layout->addWidget(autoRedrawOption_, 2, 0, 1, 2);
    layout->addWidget(safeSchemeOption_, 3, 0);
    layout->addWidget(safeSchemeHelpButton_, 3, 1, Qt::AlignTop);

    transparencyExplanation_ = new QPlainTextEdit;
    transparencyExplanation_->setObjectName(QStringLiteral("transparencyExplanation"));
    transparencyExplanation_->setReadOnly(true);
    transparencyExplanation_->setFrameShape(QFrame::StyledPanel);
    transparencyExplanation_->setFixedHeight(
        3 * transparencyExplanation_->fontMetrics().lineSpacing() + 8);
    layout->addWidget(transparencyExplanation_, 4, 0, 1, 2);

    transparencyWarning_ = new QLabel;
    transparencyWarning_->setObjectName(QStringLiteral("transparencyWarning"));
    transparencyWarning_->setWordWrap(true);
    // The longest wording takes five lines.
    transparencyWarning_->setMinimumHeight(5 * transparencyWarning_->fontMetrics().lineSpacing());
    transparencyWarning_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Red, as dark or light as the desktop's window colour needs to keep it readable.
    KeepReadable(transparencyWarning_, QPalette::WindowText, QPalette::Window, QColor(160, 0, 0));
    layout->addWidget(transparencyWarning_, 5, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(6, 1);
}

void OptionFrame::setTexts(Language language) {
    setTitle(Caption(OptionFrameTitle, language));
    providerNameOption_->setText(Caption(MainWindowTexts::ProviderNameOption, language));
    flashOnSelectOption_->setText(Caption(MainWindowTexts::FlashOnSelectOption, language));
    autoRedrawOption_->setText(Caption(MainWindowTexts::AutoRedrawOption, language));
    safeSchemeOption_->setText(Caption(MainWindowTexts::SafeSchemeOption, language));
    SetIconButtonText(flashHelpButton_, Caption(MainWindowTexts::FlashHelpButton, language));
    SetIconButtonText(safeSchemeHelpButton_,
                      Caption(MainWindowTexts::SafeSchemeHelpButton, language));
    transparencyExplanation_->setPlainText(
        Caption(MainWindowTexts::TransparencyExplanation, language));
    transparencyExplanation_->setAccessibleName(Caption(OptionFrameTitle, language));
    transparencyWarning_->setText(Caption(MainWindowTexts::TransparencyWarning, language));
}

void OptionFrame::showState() {
    const EditorOptions& options = editor_.options;
    providerNameOption_->setChecked(options.hideProviderName);
    flashOnSelectOption_->setChecked(options.flashOnSelect);
    autoRedrawOption_->setChecked(options.autoRedraw);
    safeSchemeOption_->setChecked(options.safeScheme);
}
