#include "app/window/colour_frame.h"

#include "app/editor.h"
#include "app/window/icon_button.h"
#include "app/window/pixel_view.h"
#include "app/window/value_label.h"
#include "assets/palette_pictures.h"
#include "i18n/main_window_texts.h"

#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace MainWindowTexts;

namespace {
constexpr QSize PaletteSize(133, 133);

constexpr QSize CustomSwatchSize(133, 104);

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
    : EditorFrame(editor, "frmColor", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setUsesScrollButtons(false);
    // Narrow tab margins, so that all four captions fit the frame in every language.
    SSTab1->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    const struct {
        ColourPicture which;
        PaletteKind kind;
        const char* name;
        const char* accessibleName;
    } tabs[] = {
        {ColourPicture::S55, PaletteKind::S55, "Picture1", "S55 palette"},
        {ColourPicture::Colours256, PaletteKind::Colours256, "Picture2", "256 palette"},
        {ColourPicture::HueBrightness, PaletteKind::HueBrightness, "Picture3", "16bit palette"}};
    for (size_t t = 0; t < palettes.size(); ++t) {
        palettes[t] = colourPicture(tabs[t].which, PaletteSize, tabs[t].name,
                                    QLatin1String(tabs[t].accessibleName));
        palettes[t]->setPicture(PalettePicture(tabs[t].kind));
        SSTab1->addTab(TabPage(palettes[t]), QString());
    }
    Picture7 = colourPicture(ColourPicture::Custom, CustomSwatchSize, "Picture7",
                             QStringLiteral("Custom colour"));
    cmdColorMixed = NewIconButton(ButtonIcon::MixColour, "cmdColorMixed");
    connect(cmdColorMixed, &QToolButton::clicked, this, [this] {
        MixCustomColour(editor_);
        emit edited();
    });
    SSTab1->addTab(TabPage(Picture7, cmdColorMixed), QString());
    layout->addWidget(SSTab1);

    auto* hover = NewValueRow();
    picOver = new PixelView(QSize(28, 18), 1, 0, QStringLiteral("Colour under the pointer"));
    picOver->setObjectName(QStringLiteral("picOver"));
    picOver->setCursor(Qt::ArrowCursor);
    hover->addWidget(picOver);
    hover->addSpacing(4);
    lblR = AddValueLabel(hover, QStringLiteral("R:"), "lblR");
    lblG = AddValueLabel(hover, QStringLiteral("G:"), "lblG");
    lblB = AddValueLabel(hover, QStringLiteral("B:"), "lblB");
    hover->addStretch(1);
    layout->addLayout(hover);
}

PixelView* ColourFrame::colourPicture(ColourPicture which, QSize size, const char* objectName,
                                      const QString& accessibleName) {
    auto* view = new PixelView(size, 1, 0, accessibleName);
    view->setObjectName(QLatin1String(objectName));
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
    setTitle(Caption(colourFrame, language));
    SSTab1->setTabText(0, Caption(tabS55, language));
    SSTab1->setTabText(1, Caption(tab256, language));
    SSTab1->setTabText(2, Caption(tab16bit, language));
    SSTab1->setTabText(3, Caption(tabCustom, language));
    SetIconButtonText(cmdColorMixed, Caption(MainWindowTexts::mixColourButton, language));
}

void ColourFrame::showState() {
    const ColourFrameState& state = editor_.colourFrame;
    Picture7->showColour(state.customColour);
    picOver->showColour(state.overColour);
    lblR->setText(state.redText);
    lblG->setText(state.greenText);
    lblB->setText(state.blueText);
}
