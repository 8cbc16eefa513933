#include "app/window/zoom_frame.h"

#include "app/editor.h"
#include "app/window/pixel_view.h"
#include "i18n/main_window_texts.h"
#include "preview/preview.h"
#include "preview/preview_pointer.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace MainWindowTexts;

ZoomFrame::ZoomFrame(Editor& editor, QWidget* parent) : EditorFrame(editor, "frmZoom", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(3);
    // Two view pixels a screen pixel, the screen two pixels inside the view's corner.
    imgMap = new PixelView(QSize(ScreenWidth, ScreenHeight), 2, 2, QStringLiteral("Zoom view"));
    imgMap->setObjectName(QStringLiteral("imgMap"));
    connect(imgMap, &PixelView::pointerMoved, this, [this](int x, int y) {
        HoverZoomView(editor_, x, y);
        showHover();
    });
    connect(imgMap, &PixelView::clicked, this, [this] {
        if (editor_.preview)
            ClickPreview(editor_, editor_.preview->ZoomScreen);
        emit edited();
    });
    layout->addWidget(imgMap, 0, Qt::AlignHCenter);

    lblOver = new QLabel;
    lblOver->setObjectName(QStringLiteral("lblOver"));
    lblOver->setAccessibleName(QStringLiteral("Element under the pointer"));
    lblOver->setWordWrap(true);
    lblOver->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblOver->setFixedHeight(2 * lblOver->fontMetrics().lineSpacing() + 2);
    layout->addWidget(lblOver);
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
        imgMap->setPicture(editor_.preview->zoomView);
}

void ZoomFrame::showHover() {
    lblOver->setText(editor_.hoverText);
}
