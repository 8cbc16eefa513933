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

    providerNameOption = new WrappingCheckBox("providerNameOption");
    connect(providerNameOption, &WrappingCheckBox::clicked, this, [this](bool on) {
        SetProviderNameOption(editor_, on);
        emit edited();
    });
    flashOnSelectOption = new WrappingCheckBox("flashOnSelectOption");
    connect(flashOnSelectOption, &WrappingCheckBox::clicked, this, [this](bool on) {
        editor_.options.flashOnSelect = on;
        emit edited();
    });
    flashHelpButton = NewIconButton(ButtonIcon::FlashHelp, "flashHelpButton");
    connect(flashHelpButton, &QToolButton::clicked, this, [this] {
        ShowFlashAdvice(editor_);
        emit edited();
    });
    autoRedrawOption = new WrappingCheckBox("autoRedrawOption");
    connect(autoRedrawOption, &WrappingCheckBox::clicked, this, [this](bool on) {
        AutoRedrawClicked(editor_, on);
        emit edited();
    });
    safeSchemeOption = new WrappingCheckBox("safeSchemeOption");
    connect(safeSchemeOption, &WrappingCheckBox::clicked, this, [this](bool on) {
        SetSafeScheme(editor_, on);
        emit edited();
    });
    safeSchemeHelpButton = NewIconButton(ButtonIcon::SafeSchemeHelp, "safeSchemeHelpButton");
    connect(safeSchemeHelpButton, &QToolButton::clicked, this, [this] {
        ShowSafeSchemeInfo(editor_);
        emit edited();
    });
    layout->addWidget(providerNameOption, 0, 0, 1, 2);
    layout->addWidget(flashOnSelectOption, 1, 0);
    layout->addWidget(flashHelpButton, 1, 1, Qt::AlignTop);
    layout->addWidget(autoRedrawOption, 2, 0, 1, 2);
    layout->addWidget(safeSchemeOption, 3, 0);
    layout->addWidget(safeSchemeHelpButton, 3, 1, Qt::AlignTop);

    transparencyExplanation = new QPlainTextEdit;
    transparencyExplanation->setObjectName(QStringLiteral("transparencyExplanation"));
    transparencyExplanation->setReadOnly(true);
    transparencyExplanation->setFrameShape(QFrame::StyledPanel);
    transparencyExplanation->setFixedHeight(
        3 * transparencyExplanation->fontMetrics().lineSpacing() + 8);
    layout->addWidget(transparencyExplanation, 4, 0, 1, 2);

    transparencyWarning = new QLabel;
    transparencyWarning->setObjectName(QStringLiteral("transparencyWarning"));
    transparencyWarning->setWordWrap(true);
    // The longest wording takes five lines.
    transparencyWarning->setMinimumHeight(5 * transparencyWarning->fontMetrics().lineSpacing());
    transparencyWarning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Red, as dark or light as the desktop's window colour needs to keep it readable.
    KeepReadable(transparencyWarning, QPalette::WindowText, QPalette::Window, QColor(160, 0, 0));
    layout->addWidget(transparencyWarning, 5, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(6, 1);
}

void OptionFrame::setTexts(Language language) {
    setTitle(Caption(optionFrame, language));
    providerNameOption->setText(Caption(MainWindowTexts::providerNameOption, language));
    flashOnSelectOption->setText(Caption(MainWindowTexts::flashOnSelectOption, language));
    autoRedrawOption->setText(Caption(MainWindowTexts::autoRedrawOption, language));
    safeSchemeOption->setText(Caption(MainWindowTexts::safeSchemeOption, language));
    SetIconButtonText(flashHelpButton, Caption(MainWindowTexts::flashHelpButton, language));
    SetIconButtonText(safeSchemeHelpButton,
                      Caption(MainWindowTexts::safeSchemeHelpButton, language));
    transparencyExplanation->setPlainText(
        Caption(MainWindowTexts::transparencyExplanation, language));
    transparencyExplanation->setAccessibleName(Caption(optionFrame, language));
    transparencyWarning->setText(Caption(MainWindowTexts::transparencyWarning, language));
}

void OptionFrame::showState() {
    const EditorOptions& options = editor_.options;
    providerNameOption->setChecked(options.hideProviderName);
    flashOnSelectOption->setChecked(options.flashOnSelect);
    autoRedrawOption->setChecked(options.autoRedraw);
    safeSchemeOption->setChecked(options.safeScheme);
}
