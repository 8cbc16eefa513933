#include "menu/pop_menu.h"

#include "menu/menu_metrics.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSet>
#include <QStyleOptionMenuItem>
#include <QWidgetAction>
#include <qdrawutil.h>

#include <algorithm>

namespace {

// Room left of a drop-down caption (the icon column), the extra step of the flat style, and the
// fixed part of a drop-down item's width.
constexpr int CaptionInset = 26;
constexpr int FlatCaptionStep = 3;
constexpr int ItemWidthBase = 32;
constexpr int ShortcutGap = 8;
constexpr int SeparatorHeight = 6;
// Menu bar items: caption inset without and with an icon, and the room an icon adds.
constexpr int BarCaptionInset = 4;
constexpr int BarIconInset = 18;
// The platform pads a menu bar caption on both sides; measured widths leave that to it, so it is
// added here.
constexpr int BarPadding = 2 * BarCaptionInset;

QColor ToColor(ColourValue value) {
    return QColor(RedOf(value), GreenOf(value), BlueOf(value));
}

// A rectangle from its edges, right and bottom outside it, as the drawing steps give them.
QRect Span(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

QString CaptionPart(const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? text : text.left(tab);
}

QString ShortcutPart(const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : text.mid(tab + 1);
}

// The shortcut text a menu shows for an action: what follows a tab in its text, else its key
// sequence.
QString ShortcutTextOf(const QAction* action) {
    const QString text = action->text();
    if (text.contains(QLatin1Char('\t')))
        return ShortcutPart(text);
    if (!action->isShortcutVisibleInContextMenu())
        return {};
    return action->shortcut().toString(QKeySequence::NativeText);
}

bool Measured(const QMenu* menu, const QAction* action) {
    return action->isVisible() && !action->isSeparator() &&
           !qobject_cast<const QWidgetAction*>(action) && menu->actions().contains(action);
}

QImage Greyed(const QImage& picture) {
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            // A pale grey of the same lightness order, so the picture stays readable but mute.
            const int v = 96 + qGray(line[x]) * 5 / 8;
            line[x] = qRgba(v, v, v, qAlpha(line[x]));
        }
    }
    return grey;
}

void Repaint(QWidget* widget) {
    // A style change makes menus and the menu bar measure their items again.
    QEvent change(QEvent::StyleChange);
    QCoreApplication::sendEvent(widget, &change);
    widget->update();
}

} // namespace

PopMenu::PopMenu(QObject* parent) : QProxyStyle() {
    setParent(parent);
}

PopMenu::~PopMenu() = default;

void PopMenu::setHighlightStyle(int style) {
    highlightStyle_ = style;
    redraw();
}

void PopMenu::setHighlightColor(ColourValue colour) {
    highlightColor_ = colour;
    redraw();
}

void PopMenu::setBorderColor(ColourValue colour) {
    borderColor_ = colour;
    redraw();
}

void PopMenu::setShadowXPHighlight(bool on) {
    shadowXPHighlight_ = on;
    redraw();
}

void PopMenu::setShadowXPHighlightTopMenu(bool on) {
    shadowXPHighlightTopMenu_ = on;
    redraw();
}

void PopMenu::setShadowColor(ColourValue colour) {
    shadowColor_ = colour;
    redraw();
}

void PopMenu::setForeColor(ColourValue colour) {
    foreColor_ = colour;
    redraw();
}

void PopMenu::setHighlightForeColor(ColourValue colour) {
    highlightForeColor_ = colour;
    redraw();
}

void PopMenu::setLineColor(ColourValue colour) {
    lineColor_ = colour;
    redraw();
}

void PopMenu::setHighlightCheckedItems(bool on) {
    highlightCheckedItems_ = on;
    redraw();
}

void PopMenu::setTickIconIndex(int index) {
    tickIconIndex_ = index;
    redraw();
}

void PopMenu::setBackgroundPicture(const QImage& picture) {
    backgroundPicture_ = picture;
    tile_ = QPixmap();
    tileRatio_ = 0;
    redraw();
}

void PopMenu::setImageList(const IconList& list) {
    imageList_ = list;
    for (PopMenuItem& item : items_) {
        if (item.iconIndex < 0)
            item.iconIndex = namedIcon(item.key);
        showIcon(item);
    }
    redraw();
}

void PopMenu::subClassMenu(QMenuBar* menuBar) {
    menuBar_ = menuBar;
    refresh();
}

void PopMenu::refresh() {
    QHash<QAction*, int> keptIcons;
    for (const PopMenuItem& item : std::as_const(items_))
        if (item.action)
            keptIcons.insert(item.action, item.iconIndex);
    items_.clear();
    positions_.clear();
    if (!menuBar_)
        return;
    takeOver(menuBar_);
    walk(menuBar_, 0, keptIcons);
    redraw();
}

void PopMenu::redraw() const {
    if (!menuBar_)
        return;
    Repaint(menuBar_);
    QSet<QWidget*> menus;
    for (const PopMenuItem& item : items_)
        if (item.menu && item.menu != menuBar_)
            menus.insert(item.menu);
    for (QWidget* menu : std::as_const(menus))
        Repaint(menu);
}

void PopMenu::walk(QWidget* menu, int parentPosition, const QHash<QAction*, int>& keptIcons) {
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        record(action, menu, parentPosition, keptIcons);
        if (QMenu* submenu = action->menu()) {
            takeOver(submenu);
            walk(submenu, count(), keptIcons);
        }
    }
}

void PopMenu::record(QAction* action, QWidget* menu, int parentPosition,
                     const QHash<QAction*, int>& keptIcons) {
    PopMenuItem item;
    item.key = action->objectName();
    item.menu = menu;
    item.action = action;
    item.parentPosition = parentPosition;
    // A drop-down menu shows shortcuts however it was opened, as the captions always held them.
    action->setShortcutVisibleInContextMenu(true);
    readAction(item);
    item.iconIndex = keptIcons.value(action, namedIcon(item.key));
    items_.append(item);
    positions_.insert(action, count());
    showIcon(items_.last());
    disconnect(action, &QAction::changed, this, nullptr);
    connect(action, &QAction::changed, this, [this, action] {
        if (const int position = positionOf(action))
            readAction(items_[position - 1]);
    });
}

void PopMenu::takeOver(QWidget* menu) {
    if (menu->style() != this)
        menu->setStyle(this);
    if (auto* dropDown = qobject_cast<QMenu*>(menu)) {
        // Items added since the last walk are taken into the table when their menu opens.
        disconnect(dropDown, &QMenu::aboutToShow, this, nullptr);
        // The default item can change without the action saying so; it is read again too.
        connect(dropDown, &QMenu::aboutToShow, this, [this, dropDown] {
            const QList<QAction*> actions = dropDown->actions();
            if (std::any_of(actions.begin(), actions.end(),
                            [this](const QAction* a) { return positionOf(a) == 0; })) {
                refresh();
                return;
            }
            for (PopMenuItem& item : items_)
                if (item.menu == dropDown)
                    readAction(item);
        });
    }
}

void PopMenu::readAction(PopMenuItem& item) const {
    const QAction* action = item.action;
    if (!action)
        return;
    if (action->isSeparator()) {
        item.caption = QStringLiteral("-");
        item.shortcutText.clear();
    } else {
        item.caption = CaptionPart(action->text());
        item.shortcutText = ShortcutTextOf(action);
    }
    item.enabled = action->isEnabled();
    item.checked = action->isCheckable() && action->isChecked();
    const auto* menu = qobject_cast<const QMenu*>(item.menu.data());
    item.isDefault = menu && menu->defaultAction() == action;
    item.helpText = action->statusTip();
}

void PopMenu::showIcon(PopMenuItem& item) const {
    if (!item.action)
        return;
    // The action carries the icon too, so that accessibility tools name the picture.
    const QIcon icon = item.iconIndex >= 0 ? imageList_.icon(item.iconIndex + 1) : QIcon();
    if (icon.cacheKey() != item.action->icon().cacheKey())
        item.action->setIcon(icon);
}

int PopMenu::namedIcon(const QString& key) const {
    if (key.contains(QLatin1String("TOP")) || !key.contains(QLatin1String("Ico")))
        return -1;
    return imageList_.index(key) - 1;
}

int PopMenu::positionOf(const QAction* action) const {
    return positions_.value(action, 0);
}

QString PopMenu::menuKey(int position) const {
    if (position < 1 || position > count())
        return {};
    return items_.at(position - 1).key;
}

int PopMenu::itemIcon(int position) const {
    if (position < 1 || position > count())
        return -1;
    return items_.at(position - 1).iconIndex;
}

void PopMenu::setItemIcon(int position, int index) {
    if (position < 1 || position > count())
        return;
    PopMenuItem& item = items_[position - 1];
    item.iconIndex = index;
    showIcon(item);
    if (item.menu)
        Repaint(item.menu);
}

QString PopMenu::caption(const QString& key) const {
    for (const PopMenuItem& item : items_)
        if (item.key == key)
            return item.caption;
    return {};
}

void PopMenu::setCaption(const QString& key, const QString& text) {
    for (int i = 0; i < count(); ++i) {
        if (items_.at(i).key != key)
            continue;
        items_[i].caption = CaptionPart(text);
        if (text.contains(QLatin1Char('\t')))
            items_[i].shortcutText = ShortcutPart(text);
        if (QAction* action = items_.at(i).action)
            action->setText(text);
    }
}

int PopMenu::rowHeight(const QWidget* menu) const {
    return MenuMetrics(menu->font()).rowHeight(iconSize());
}

const PopMenuItem* PopMenu::itemAt(const QWidget* widget, const QRect& rect) const {
    const QAction* action = nullptr;
    if (const auto* menu = qobject_cast<const QMenu*>(widget))
        action = menu->actionAt(rect.center());
    else if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
        action = bar->actionAt(rect.center());
    const int position = action ? positionOf(action) : 0;
    return position ? &items_.at(position - 1) : nullptr;
}

int PopMenu::pixelMetric(PixelMetric metric, const QStyleOption* option,
                         const QWidget* widget) const {
    switch (metric) {
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuBarHMargin:
    case PM_MenuBarVMargin:
    case PM_MenuBarPanelWidth:
    case PM_MenuBarItemSpacing:
        return 0;
    case PM_MenuPanelWidth:
        // The flat one-pixel border of a drop-down menu.
        return 1;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int PopMenu::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                       QStyleHintReturn* returnData) const {
    switch (hint) {
    case SH_Menu_AllowActiveAndDisabled:
    case SH_Menu_Mask:
    case SH_DrawMenuBarSeparator:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

QSize PopMenu::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type == CT_MenuItem && item) {
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            if (item->menuItemType != QStyleOptionMenuItem::Scroller &&
                item->menuItemType != QStyleOptionMenuItem::TearOff)
                return measureMenuItem(item, menu);
    }
    if (type == CT_MenuBarItem && item && widget)
        return measureMenuBarItem(item, widget);
    if (type == CT_Menu)
        return size;
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

QSize PopMenu::measureMenuItem(const QStyleOptionMenuItem* option, const QMenu* menu) const {
    if (option->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(ItemWidthBase, SeparatorHeight);
    const MenuMetrics metrics(menu->font());
    const QFontMetrics menuFont(menu->font());
    // All items of one menu get one width, from its widest caption and widest shortcut; a default
    // item is measured in bold, as it is drawn.
    int widestCaption = 0;
    int widestShortcut = 0;
    bool anyShortcut = false;
    // The menu itself adds its own shortcut room after measuring; that is taken off again.
    int addedByMenu = 0;
    const QList<QAction*> actions = menu->actions();
    for (const QAction* action : actions) {
        if (!Measured(menu, action))
            continue;
        const bool bold = menu->defaultAction() == action;
        widestCaption =
            std::max(widestCaption, metrics.textWidth(CaptionPart(action->text()), bold));
        const QString shortcut = ShortcutTextOf(action);
        if (!shortcut.isEmpty()) {
            anyShortcut = true;
            widestShortcut = std::max(widestShortcut, metrics.textWidth(shortcut, bold));
            addedByMenu = std::max(addedByMenu, menuFont.horizontalAdvance(shortcut));
        }
    }
    const int shortcutColumn = ItemWidthBase + widestCaption + ShortcutGap;
    for (PopMenuItem& entry : items_)
        if (entry.menu == menu)
            entry.shortcutColumn = shortcutColumn;
    const int width = anyShortcut ? shortcutColumn + widestShortcut : ItemWidthBase + widestCaption;
    // Like the classic desktop, the menu adds its check-mark width to what an item measures, so
    // that the widest shortcut keeps a margin before the menu's right edge.
    const int checkMarkWidth = baseStyle()->pixelMetric(PM_IndicatorWidth, option, menu);
    return QSize(width + checkMarkWidth - addedByMenu, metrics.rowHeight(iconSize()));
}

QSize PopMenu::measureMenuBarItem(const QStyleOptionMenuItem* option,
                                  const QWidget* menuBar) const {
    // The desktop's menu bar height: what the underlying style gives a line of text.
    QStyleOptionMenuItem sample(*option);
    sample.icon = QIcon();
    sample.text = QStringLiteral("yY");
    const QSize text = QFontMetrics(menuBar->font()).size(Qt::TextShowMnemonic, sample.text);
    const int height =
        baseStyle()->sizeFromContents(CT_MenuBarItem, &sample, text, menuBar).height();
    const QString caption = CaptionPart(option->text);
    if (caption.isEmpty() || caption == QLatin1String("-"))
        return QSize(4, height);
    int width = MenuMetrics(menuBar->font()).textWidth(caption) + BarPadding;
    if (!option->icon.isNull())
        width += BarIconInset;
    return QSize(width, height);
}

void PopMenu::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    switch (element) {
    case PE_PanelMenu:
        tileBackground(painter, option->rect, widget);
        return;
    case PE_FrameMenu: {
        // A flat border in the desktop's 3-D shadow colour, like the flat menus of the desktop.
        painter->save();
        painter->setPen(option->palette.color(QPalette::Active, QPalette::Dark));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    case PE_PanelMenuBar:
        painter->fillRect(option->rect, option->palette.color(QPalette::Active, QPalette::Window));
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void PopMenu::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    switch (element) {
    case CE_MenuItem:
        if (const auto* menu = qobject_cast<const QMenu*>(widget); menu && item) {
            if (item->menuItemType == QStyleOptionMenuItem::EmptyArea) {
                tileBackground(painter, option->rect, widget);
                return;
            }
            if (item->menuItemType != QStyleOptionMenuItem::Scroller &&
                item->menuItemType != QStyleOptionMenuItem::TearOff) {
                paintMenuItem(item, painter, menu);
                return;
            }
        }
        break;
    case CE_MenuEmptyArea:
        tileBackground(painter, option->rect, widget);
        return;
    case CE_MenuBarItem:
        if (item && widget) {
            paintMenuBarItem(item, painter, widget);
            return;
        }
        break;
    case CE_MenuBarEmptyArea:
        painter->fillRect(option->rect, option->palette.color(QPalette::Active, QPalette::Window));
        return;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QColor PopMenu::captionColour(const QPalette& palette, bool onBackgroundPicture) const {
    if (foreColor_ != 0)
        return ToColor(foreColor_);
    // The start value is the desktop's menu text colour, which belongs to the desktop's menu
    // colour; the background picture is light on every desktop, so text on it stays black.
    return onBackgroundPicture ? QColor(Qt::black)
                               : palette.color(QPalette::Active, QPalette::WindowText);
}

void PopMenu::tileBackground(QPainter* painter, const QRect& rect, const QWidget* menu) const {
    if (backgroundPicture_.isNull()) {
        const QPalette palette = menu ? menu->palette() : QApplication::palette();
        painter->fillRect(rect, palette.color(QPalette::Active, QPalette::Window));
        return;
    }
    // At a device pixel ratio above 1 the picture is enlarged once, pixel by pixel, so that its
    // edges stay sharp; the painter then only copies it.
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    if (tile_.isNull() || tileRatio_ != ratio) {
        const QSize size = backgroundPicture_.size() * ratio;
        tile_ = QPixmap::fromImage(
            backgroundPicture_.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        tile_.setDevicePixelRatio(ratio);
        tileRatio_ = ratio;
    }
    // The tiles start at the menu's inner top-left corner, so the picture's left column lies
    // along the menu's left edge in every row.
    const int inner = menu ? pixelMetric(PM_MenuPanelWidth, nullptr, menu) : 0;
    const int width = backgroundPicture_.width();
    const int height = backgroundPicture_.height();
    const QPoint offset(((rect.left() - inner) % width + width) % width,
                        ((rect.top() - inner) % height + height) % height);
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawTiledPixmap(rect, tile_, offset);
    painter->restore();
}

void PopMenu::drawHighlight(QPainter* painter, const QRect& rect, bool shadow) const {
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    if (shadow)
        painter->fillRect(Span(left + 3, top + 3, right, bottom), ToColor(shadowColor_));
    painter->fillRect(Span(left + 1, top + 1, right - 1, bottom - 1), ToColor(borderColor_));
    painter->fillRect(Span(left + 2, top + 2, right - 2, bottom - 2), ToColor(highlightColor_));
}

void PopMenu::drawCaption(QPainter* painter, const QRect& rect, const QString& text,
                          const QColor& colour, int flags) const {
    painter->setPen(colour);
    painter->drawText(rect, flags, text);
}

void PopMenu::drawIcon(QPainter* painter, int index, const QPoint& at, bool greyed) const {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage picture = imageList_.picture(index + 1, ratio);
    if (picture.isNull())
        return;
    if (greyed)
        picture = Greyed(picture);
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawImage(QRect(at, QSize(iconSize(), iconSize())), picture);
    painter->restore();
}

void PopMenu::paintMenuItem(const QStyleOptionMenuItem* option, QPainter* painter,
                            const QMenu* menu) const {
    const PopMenuItem* item = itemAt(menu, option->rect);
    if (!item)
        return; // not in the table: left unpainted, the menu still works
    const QRect& r = option->rect;
    const int left = r.left();
    const int top = r.top();
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    const int row = rowHeight(menu);
    const bool flat = highlightStyle_ == 2;
    const QPalette& palette = option->palette;
    const QColor light = palette.color(QPalette::Active, QPalette::Light);
    const QColor dark = palette.color(QPalette::Active, QPalette::Dark);

    tileBackground(painter, r, menu);

    if (option->menuItemType == QStyleOptionMenuItem::Separator) {
        // A separator can never be chosen, so it counts as greyed: the flat style's thin line.
        if (flat) {
            painter->fillRect(Span(left + row + 5, top + 2, right - 2, top + 3),
                              ToColor(lineColor_));
        } else {
            painter->fillRect(Span(left, top + 2, right, top + 3), dark);
            painter->fillRect(Span(left, top + 3, right, top + 4), light);
        }
        return;
    }

    const bool enabled = option->state & State_Enabled;
    const bool selected = enabled && (option->state & State_Selected);
    const MenuMetrics metrics(menu->font());
    painter->save();
    painter->setFont(option->menuItemType == QStyleOptionMenuItem::DefaultItem
                         ? metrics.boldMenuFont()
                         : metrics.menuFont());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine |
                      (styleHint(SH_UnderlineShortcut, option, menu) ? Qt::TextShowMnemonic
                                                                     : Qt::TextHideMnemonic);
    const QRect captionRect =
        Span(left + CaptionInset + (flat ? FlatCaptionStep : 0), top, right, bottom);
    // The shortcut column runs to the item's right edge.
    const QRect shortcutRect = Span(left + item->shortcutColumn, top, right, bottom);
    const QString caption = CaptionPart(option->text);
    const QString shortcut = ShortcutPart(option->text);
    const auto drawTexts = [&](const QPoint& shift, const QColor& colour) {
        drawCaption(painter, captionRect.translated(shift), caption, colour, flags);
        if (!shortcut.isEmpty() && item->shortcutColumn > 0)
            drawCaption(painter, shortcutRect.translated(shift), shortcut, colour, flags);
    };

    QColor textColour = captionColour(palette, !backgroundPicture_.isNull());
    if (selected && flat) {
        drawHighlight(painter, r, shadowXPHighlight_);
        textColour = ToColor(highlightForeColor_);
    } else if (selected && highlightStyle_ == 0) {
        painter->fillRect(r, palette.color(QPalette::Active, QPalette::Highlight));
        textColour = palette.color(QPalette::Active, QPalette::HighlightedText);
    } else if (selected) {
        qDrawShadeRect(painter, r, palette, false, 1);
    }
    if (enabled) {
        drawTexts({}, textColour);
    } else {
        // Embossed: a light copy one pixel down and right, the shadow-coloured text over it.
        drawTexts(QPoint(1, 1), light);
        drawTexts({}, dark);
    }

    int icon = item->iconIndex;
    if (option->checked && option->checkType != QStyleOptionMenuItem::NotCheckable) {
        if (highlightCheckedItems_ && flat) {
            painter->fillRect(Span(left + 1, top + 1, left + row, top + row),
                              ToColor(borderColor_));
            painter->fillRect(Span(left + 2, top + 2, left + row - 1, top + row - 1),
                              ToColor(highlightColor_));
        } else if (highlightCheckedItems_) {
            qDrawShadePanel(painter, Span(left + 1, top + 1, left + row, top + row), palette, true,
                            1, &palette.brush(QPalette::Active, QPalette::Button));
        }
        if (icon < 0)
            icon = tickIconIndex_;
    }
    if (icon >= 0) {
        // Always 4 pixels below the top, however tall the menu font makes the row.
        const QPoint at(left + (row - 18) / 2 + 1, top + 4);
        if (selected && highlightStyle_ == 0)
            qDrawShadeRect(painter, QRect(at, QSize(iconSize(), iconSize())).adjusted(-1, -1, 1, 1),
                           palette, false, 1);
        drawIcon(painter, icon, at, !enabled);
    }

    if (option->menuItemType == QStyleOptionMenuItem::SubMenu) {
        // The arrow the platform puts on every item that opens a submenu.
        const int x = right - 9;
        const int y = top + r.height() / 2;
        const QColor arrow = !enabled ? dark : textColour;
        for (int i = 0; i < 4; ++i)
            painter->fillRect(QRect(x + i, y - 3 + i, 1, 7 - 2 * i), arrow);
    }
    painter->restore();
}

void PopMenu::paintMenuBarItem(const QStyleOptionMenuItem* option, QPainter* painter,
                               const QWidget* menuBar) const {
    const PopMenuItem* item = itemAt(menuBar, option->rect);
    if (!item)
        return;
    const QRect& r = option->rect;
    const QPalette& palette = option->palette;
    painter->fillRect(r, palette.color(QPalette::Active, QPalette::Window));
    const QString caption = CaptionPart(option->text);
    if (caption.isEmpty() || caption == QLatin1String("-"))
        return;
    const bool enabled = option->state & State_Enabled;
    // The pointer merely passing over the bar marks nothing: an item shows as chosen while its
    // menu is open (sunken), or while the keyboard walks the bar, which then has the focus.
    const bool selected = enabled && (option->state & State_Selected) &&
                          ((option->state & State_Sunken) || menuBar->hasFocus());
    const bool hasIcon = item->iconIndex >= 0;

    QColor textColour = captionColour(palette, false);
    if (selected && highlightStyle_ == 2) {
        if (shadowXPHighlightTopMenu_) {
            drawHighlight(painter, r, true);
            textColour = ToColor(highlightForeColor_);
        }
    } else if (selected && highlightStyle_ == 0) {
        painter->fillRect(r, palette.color(QPalette::Active, QPalette::Highlight));
        textColour = palette.color(QPalette::Active, QPalette::HighlightedText);
    } else if (selected) {
        qDrawShadeRect(painter, r, palette, true, 1);
    }

    painter->save();
    painter->setFont(MenuMetrics(menuBar->font()).menuFont());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine |
                      (styleHint(SH_UnderlineShortcut, option, menuBar) ? Qt::TextShowMnemonic
                                                                        : Qt::TextHideMnemonic);
    const QRect captionRect = Span(r.left() + (hasIcon ? BarIconInset : BarCaptionInset), r.top(),
                                   r.left() + r.width(), r.top() + r.height());
    if (enabled) {
        drawCaption(painter, captionRect, caption, textColour, flags);
    } else {
        drawCaption(painter, captionRect.translated(1, 1), caption,
                    palette.color(QPalette::Active, QPalette::Light), flags);
        drawCaption(painter, captionRect, caption, palette.color(QPalette::Active, QPalette::Dark),
                    flags);
    }
    if (hasIcon)
        drawIcon(painter, item->iconIndex,
                 QPoint(r.left() + 1, r.top() + (r.height() - iconSize()) / 2), !enabled);
    painter->restore();
}
