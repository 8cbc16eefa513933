#include "app/window/preview_frame.h"

#include "app/window/icon_button.h"
#include "app/window/pixel_view.h"
#include "editor/editor.h"
#include "editor/preview_options.h"
#include "editor/preview_pointer.h"
#include "i18n/main_window_texts.h"
#include "preview/preview.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

using namespace MainWindowTexts;

PreviewFrame::PreviewFrame(Editor& editor, QWidget* parent)
    : EditorFrame(editor, "previewFrame", parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(3);
    for (int i = 0; i < ScreenCount; ++i) {
        previewScreens_[i] = new PixelView(QSize(ScreenWidth, ScreenHeight), 1, 0,
                                           QStringLiteral("Preview screen %1").arg(i + 1));
        previewScreens_[i]->setObjectName(QStringLiteral("previewScreen%1").arg(i));
        connect(previewScreens_[i], &PixelView::pointerMoved, this, [this, i](int x, int y) {
            HoverPreview(editor_, i, x, y);
            emit hovered();
        });
        connect(previewScreens_[i], &PixelView::clicked, this, [this, i] {
            ClickPreview(editor_, i);
            emit edited();
        });
        layout->addWidget(previewScreens_[i], i / 2, i % 2);
    }

    unshownElementsNote_ = new QLabel;
    unshownElementsNote_->setObjectName(QStringLiteral("unshownElementsNote"));
    unshownElementsNote_->setWordWrap(true);
    layout->addWidget(unshownElementsNote_, 5, 0, 1, 2);

    lcdColoursOption_ = new QCheckBox;
    lcdColoursOption_->setObjectName(QStringLiteral("lcdColoursOption"));
    connect(lcdColoursOption_, &QCheckBox::clicked, this, [this](bool on) {
        LcdColoursClicked(editor_, on);
        emit edited();
    });
    refreshButton_ = NewIconButton(ButtonIcon::Refresh, "refreshButton");
    connect(refreshButton_, &QToolButton::clicked, this, [this] {
        RefreshClicked(editor_);
        emit edited();
    });
    auto* options = new QHBoxLayout;
    options->addWidget(lcdColoursOption_, 1);
    options->addWidget(refreshButton_);
    layout->addLayout(options, 6, 0, 1, 2);
    layout->setRowStretch(7, 1);
}

void PreviewFrame::setTexts(Language language) {
    setTitle(Caption(PreviewFrameTitle, language));
    unshownElementsNote_->setText(Caption(MainWindowTexts::UnshownElementsNote, language));
    lcdColoursOption_->setText(Caption(MainWindowTexts::LcdColoursOption, language));
    SetIconButtonText(refreshButton_, Caption(MainWindowTexts::RefreshButton, language));
}

void PreviewFrame::showState() {
    lcdColoursOption_->setChecked(editor_.options.lcdColours);
    showPictures();
}

void PreviewFrame::showPictures() {
    if (!editor_.preview)
        return;
    for (int i = 0; i < ScreenCount; ++i)
        previewScreens_[i]->setPicture(editor_.preview->screen(i));
}
