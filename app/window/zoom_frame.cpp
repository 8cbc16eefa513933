#include "app/window/zoom_frame.h"

#include "app/window/pixel_view.h"
#include "editor/editor.h"
#include "editor/preview_pointer.h"
#include "i18n/main_window_texts.h"
#include "preview/preview.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace MainWindowTexts;

ZoomFrame::ZoomFrame(Editor& editor, QWidget* parent) : EditorFrame(editor, "zoomFrame", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(3);
    // Two view pixels a screen pixel, the screen two pixels inside the view's corner.
    zoomView_ = new PixelView(QSize(ScreenWidth, ScreenHeight), 2, 2, QStringLiteral("Zoom view"));
    zoomView_->setObjectName(QStringLiteral("zoomView"));
    connect(zoomView_, &PixelView::pointerMoved, this, [this](int x, int y) {
        HoverZoomView(editor_, x, y);
        showHover();
    });
    connect(zoomView_, &PixelView::clicked, this, [this] {
        if (editor_.preview)
            ClickPreview(editor_, editor_.preview->zoomScreen);
        emit edited();
    });
    layout->addWidget(zoomView_, 0, Qt::AlignHCenter);

    hoverElementLabel_ = new QLabel;
    hoverElementLabel_->setObjectName(QStringLiteral("hoverElementLabel"));
    hoverElementLabel_->setAccessibleName(QStringLiteral("Element under the pointer"));
    hoverElementLabel_->setWordWrap(true);
    hoverElementLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hoverElementLabel_->setFixedHeight(2 * hoverElementLabel_->fontMetrics().lineSpacing() + 2);
    layout->addWidget(hoverElementLabel_);
}

void ZoomFrame::setTexts(Language language) {
    setTitle(Caption(ZoomFrameTitle, language));
}

void ZoomFrame::showState() {
    showPicture();
    showHover();
}

void ZoomFrame::showPicture() {
    if (editor_.preview)
        zoomView_->setPicture(editor_.preview->zoomView);
}

void ZoomFrame::showHover() {
    hoverElementLabel_->setText(editor_.shown.hoverText);
}
