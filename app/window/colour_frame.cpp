#include "app/window/colour_frame.h"

#include "app/window/icon_button.h"
#include "app/window/pixel_view.h"
#include "app/window/value_label.h"
#include "assets/palette_pictures.h"
#include "editor/editor.h"
#include "i18n/main_window_texts.h"

#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace MainWindowTexts;

namespace {
constexpr QSize PaletteSize(133, 133);

constexpr QSize CustomSwatchSize(133, 104);

// The keyboard moves over every picture in the S55 palette's cells, which begin inside its
// 1-pixel frame; it starts in the middle of the top left one.
constexpr int KeyboardCell = 8;
constexpr QPoint FirstKeyboardPoint(1 + KeyboardCell / 2, 1 + KeyboardCell / 2);

// Each picture sits at the same spot on its tab.
QWidget* TabPage(QWidget* picture, QWidget* below = nullptr) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(picture, 0, Qt::AlignHCenter | Qt::AlignTop);
    if (below)
        layout->addWidget(below, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    return page;
}
} // namespace

ColourFrame::ColourFrame(Editor& editor, QWidget* parent)
    : EditorFrame(editor, "colourFrame", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);

    paletteTabs_ = new QTabWidget;
    paletteTabs_->setObjectName(QStringLiteral("paletteTabs"));
    paletteTabs_->setUsesScrollButtons(false);
    // Narrow tab margins, so that all four captions fit the frame in every language.
    paletteTabs_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    const struct {
        ColourPicture which;
        PaletteKind kind;
        const char* name;
        const char* accessibleName;
    } tabs[] = {
        {ColourPicture::S55, PaletteKind::S55, "s55Palette", "S55 palette"},
        {ColourPicture::Colours256, PaletteKind::Colours256, "colours256Palette", "256 palette"},
        {ColourPicture::HueBrightness, PaletteKind::HueBrightness, "hueBrightnessPalette",
         "16bit palette"}};
    for (size_t t = 0; t < palettes_.size(); ++t) {
        palettes_[t] = colourPicture(tabs[t].which, PaletteSize, tabs[t].name,
                                     QLatin1String(tabs[t].accessibleName));
        palettes_[t]->setPicture(PalettePicture(tabs[t].kind));
        paletteTabs_->addTab(TabPage(palettes_[t]), QString());
    }
    customColourPicture_ = colourPicture(ColourPicture::Custom, CustomSwatchSize,
                                         "customColourPicture", QStringLiteral("Custom colour"));
    mixColourButton_ = NewIconButton(ButtonIcon::MixColour, "mixColourButton");
    connect(mixColourButton_, &QToolButton::clicked, this, [this] {
        MixCustomColour(editor_);
        emit edited();
    });
    paletteTabs_->addTab(TabPage(customColourPicture_, mixColourButton_), QString());
    layout->addWidget(paletteTabs_);

    auto* hover = NewValueRow();
    hoverColourPicture_ =
        new PixelView(QSize(28, 18), 1, 0, QStringLiteral("Colour under the pointer"));
    hoverColourPicture_->setObjectName(QStringLiteral("hoverColourPicture"));
    hoverColourPicture_->setCursor(Qt::ArrowCursor);
    hover->addWidget(hoverColourPicture_);
    hover->addSpacing(4);
    hoverRedLabel_ = AddValueLabel(hover, QStringLiteral("R:"), "hoverRedLabel");
    hoverGreenLabel_ = AddValueLabel(hover, QStringLiteral("G:"), "hoverGreenLabel");
    hoverBlueLabel_ = AddValueLabel(hover, QStringLiteral("B:"), "hoverBlueLabel");
    hover->addStretch(1);
    layout->addLayout(hover);
}

PixelView* ColourFrame::colourPicture(ColourPicture which, QSize size, const char* objectName,
                                      const QString& accessibleName) {
    auto* view = new PixelView(size, 1, 0, accessibleName);
    view->setObjectName(QLatin1String(objectName));
    view->takeKeyboard(FirstKeyboardPoint, KeyboardCell);
    colourPictures_[size_t(which)] = view;
    connect(view, &PixelView::pointerMoved, this, [this, which](int x, int y) {
        HoverPaletteColour(editor_, which, x, y);
        showState();
    });
    connect(view, &PixelView::clicked, this, [this, which] {
        ApplyPaletteColour(editor_, which);
        emit edited();
    });
    return view;
}

void ColourFrame::setTexts(Language language) {
    setTitle(Caption(ColourFrameTitle, language));
    paletteTabs_->setTabText(0, Caption(TabS55, language));
    paletteTabs_->setTabText(1, Caption(Tab256, language));
    paletteTabs_->setTabText(2, Caption(Tab16bit, language));
    paletteTabs_->setTabText(3, Caption(TabCustom, language));
    SetIconButtonText(mixColourButton_, Caption(MainWindowTexts::MixColourButton, language));
}

void ColourFrame::showState() {
    const ColourFrameState& state = editor_.colourFrame;
    customColourPicture_->showColour(state.customColour);
    hoverColourPicture_->showColour(state.overColour);
    hoverRedLabel_->setText(state.redText);
    hoverGreenLabel_->setText(state.greenText);
    hoverBlueLabel_->setText(state.blueText);
    // The colour at each keyboard point, in the language of the moment. Qt tells a screen reader
    // of every description set, so only a changed one is set.
    for (size_t which = 0; which < colourPictures_.size(); ++which) {
        PixelView* view = colourPictures_[which];
        const QPoint point = view->keyboardPoint();
        const QString description =
            DescribedColourAt(editor_, ColourPicture(which), point.x(), point.y());
        if (view->accessibleDescription() != description)
            view->setAccessibleDescription(description);
    }
}
