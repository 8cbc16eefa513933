#include "app/window/option_frame.h"

#include "app/editor.h"
#include "app/flash_advice.h"
#include "app/window/icon_button.h"
#include "app/window/wrapping_check_box.h"
#include "i18n/main_window_texts.h"
#include "preview/preview_options.h"
#include "workspace/provider_name.h"
#include "workspace/safe_scheme.h"
#include "workspace/safe_scheme_info.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

using namespace MainWindowTexts;

OptionFrame::OptionFrame(Editor& editor, QWidget* parent)
    : EditorFrame(editor, "frmOption", parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setVerticalSpacing(2);
    layout->setHorizontalSpacing(2);

    chkOP = new WrappingCheckBox("chkOP");
    connect(chkOP, &WrappingCheckBox::clicked, this, [this](bool on) {
        SetProviderNameOption(editor_, on);
        emit edited();
    });
    chkBlink = new WrappingCheckBox("chkBlink");
    connect(chkBlink, &WrappingCheckBox::clicked, this, [this](bool on) {
        editor_.options.flashOnSelect = on;
        emit edited();
    });
    cmdFlash = NewIconButton(ButtonIcon::FlashHelp, "cmdFlash");
    connect(cmdFlash, &QToolButton::clicked, this, [this] {
        ShowFlashAdvice(editor_);
        emit edited();
    });
    chkAuto = new WrappingCheckBox("chkAuto");
    connect(chkAuto, &WrappingCheckBox::clicked, this, [this](bool on) {
        AutoRedrawClicked(editor_, on);
        emit edited();
    });
    chkSecure = new WrappingCheckBox("chkSecure");
    connect(chkSecure, &WrappingCheckBox::clicked, this, [this](bool on) {
        SetSafeScheme(editor_, on);
        emit edited();
    });
    cmdSecure = NewIconButton(ButtonIcon::SafeSchemeHelp, "cmdSecure");
    connect(cmdSecure, &QToolButton::clicked, this, [this] {
        ShowSafeSchemeInfo(editor_);
        emit edited();
    });
    layout->addWidget(chkOP, 0, 0, 1, 2);
    layout->addWidget(chkBlink, 1, 0);
    layout->addWidget(cmdFlash, 1, 1, Qt::AlignTop);
    layout->addWidget(chkAuto, 2, 0, 1, 2);
    layout->addWidget(chkSecure, 3, 0);
    layout->addWidget(cmdSecure, 3, 1, Qt::AlignTop);

    txtInfo = new QPlainTextEdit;
    txtInfo->setObjectName(QStringLiteral("txtInfo"));
    txtInfo->setReadOnly(true);
    txtInfo->setFrameShape(QFrame::StyledPanel);
    txtInfo->setFixedHeight(4 * txtInfo->fontMetrics().lineSpacing() + 8);
    layout->addWidget(txtInfo, 4, 0, 1, 2);

    lblPozor = new QLabel;
    lblPozor->setObjectName(QStringLiteral("lblPozor"));
    lblPozor->setWordWrap(true);
    QPalette warning = lblPozor->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    lblPozor->setPalette(warning);
    layout->addWidget(lblPozor, 5, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(6, 1);
}

void OptionFrame::setTexts(Language language) {
    setTitle(Caption(optionFrame, language));
    chkOP->setText(Caption(MainWindowTexts::providerNameOption, language));
    chkBlink->setText(Caption(MainWindowTexts::flashOnSelectOption, language));
    chkAuto->setText(Caption(MainWindowTexts::autoRedrawOption, language));
    chkSecure->setText(Caption(MainWindowTexts::safeSchemeOption, language));
    SetIconButtonText(cmdFlash, Caption(MainWindowTexts::flashHelpButton, language));
    SetIconButtonText(cmdSecure, Caption(MainWindowTexts::safeSchemeHelpButton, language));
    txtInfo->setPlainText(Caption(MainWindowTexts::transparencyExplanation, language));
    txtInfo->setAccessibleName(Caption(optionFrame, language));
    lblPozor->setText(Caption(MainWindowTexts::transparencyWarning, language));
}

void OptionFrame::showState() {
    const EditorOptions& options = editor_.options;
    chkOP->setChecked(options.hideProviderName);
    chkBlink->setChecked(options.flashOnSelect);
    chkAuto->setChecked(options.autoRedraw);
    chkSecure->setChecked(options.safeScheme);
}
