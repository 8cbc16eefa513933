#include "app/window/preview_frame.h"

#include "app/editor.h"
#include "app/window/icon_button.h"
#include "app/window/pixel_view.h"
#include "i18n/main_window_texts.h"
#include "preview/preview.h"
#include "preview/preview_options.h"
#include "preview/preview_pointer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

using namespace MainWindowTexts;

PreviewFrame::PreviewFrame(Editor& editor, QWidget* parent)
    : EditorFrame(editor, "frmPreview", parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(3);
    for (int i = 0; i < ScreenCount; ++i) {
        picPrev[i] = new PixelView(QSize(ScreenWidth, ScreenHeight), 1, 0,
                                   QStringLiteral("Preview screen %1").arg(i + 1));
        picPrev[i]->setObjectName(QStringLiteral("picPrev%1").arg(i));
        connect(picPrev[i], &PixelView::pointerMoved, this, [this, i](int x, int y) {
            HoverPreview(editor_, i, x, y);
            emit hovered();
        });
        connect(picPrev[i], &PixelView::clicked, this, [this, i] {
            ClickPreview(editor_, i);
            emit edited();
        });
        layout->addWidget(picPrev[i], i / 2, i % 2);
    }

    lblNeobsahuji = new QLabel;
    lblNeobsahuji->setObjectName(QStringLiteral("lblNeobsahuji"));
    lblNeobsahuji->setWordWrap(true);
    layout->addWidget(lblNeobsahuji, 5, 0, 1, 2);

    chkLCD = new QCheckBox;
    chkLCD->setObjectName(QStringLiteral("chkLCD"));
    connect(chkLCD, &QCheckBox::clicked, this, [this](bool on) {
        LcdColoursClicked(editor_, on);
        emit edited();
    });
    cmdRefresh = NewIconButton(ButtonIcon::Refresh, "cmdRefresh");
    connect(cmdRefresh, &QToolButton::clicked, this, [this] {
        RefreshClicked(editor_);
        emit edited();
    });
    auto* options = new QHBoxLayout;
    options->addWidget(chkLCD, 1);
    options->addWidget(cmdRefresh);
    layout->addLayout(options, 6, 0, 1, 2);
    layout->setRowStretch(7, 1);
}

void PreviewFrame::setTexts(Language language) {
    setTitle(Caption(previewFrame, language));
    lblNeobsahuji->setText(Caption(MainWindowTexts::unshownElementsNote, language));
    chkLCD->setText(Caption(MainWindowTexts::lcdColoursOption, language));
    SetIconButtonText(cmdRefresh, Caption(MainWindowTexts::refreshButton, language));
}

void PreviewFrame::showState() {
    chkLCD->setChecked(editor_.options.lcdColours);
    showPictures();
}

void PreviewFrame::showPictures() {
    if (!editor_.preview)
        return;
    for (int i = 0; i < ScreenCount; ++i)
        picPrev[i]->setPicture(editor_.preview->screen(i));
}
