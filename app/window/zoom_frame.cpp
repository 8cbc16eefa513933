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
    zoomView = new PixelView(QSize(ScreenWidth, ScreenHeight), 2, 2, QStringLiteral("Zoom view"));
    zoomView->setObjectName(QStringLiteral("zoomView"));
    connect(zoomView, &PixelView::pointerMoved, this, [this](int x, int y) {
        HoverZoomView(editor_, x, y);
        showHover();
    });
    connect(zoomView, &PixelView::clicked, this, [this] {
        if (editor_.preview)
            ClickPreview(editor_, editor_.preview->ZoomScreen);
        emit edited();
    });
    layout->addWidget(zoomView, 0, Qt::AlignHCenter);

    hoverElementLabel = new QLabel;
    hoverElementLabel->setObjectName(QStringLiteral("hoverElementLabel"));
    hoverElementLabel->setAccessibleName(QStringLiteral("Element under the pointer"));
    hoverElementLabel->setWordWrap(true);
    hoverElementLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hoverElementLabel->setFixedHeight(2 * hoverElementLabel->fontMetrics().lineSpacing() + 2);
    layout->addWidget(hoverElementLabel);
}

void ZoomFrame::setTexts(Language language) {
    setTitle(Caption(zoomFrame, language));
}

void ZoomFrame::showState() {
    showPicture();
    showHover();
}

void ZoomFrame::showPicture() {
    if (editor_.preview)
        zoomView->setPicture(editor_.preview->zoomView);
}

void ZoomFrame::showHover() {
    hoverElementLabel->setText(editor_.shown.hoverText);
}
