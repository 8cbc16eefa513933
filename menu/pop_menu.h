#pragma once

#include "menu/icon_list.h"
#include "scheme/colour.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QStyleOptionMenuItem;
class MenuMetrics;

// One position of the menu table.
struct PopMenuItem {
    QString key;          // the item's name, e.g. "mnuOtevritIco"
    QString caption;      // the text before a tab; "-" for a separator
    QString shortcutText; // the text after the tab, shown in a column of its own
    int iconIndex = -1;   // from 0 into the image list, -1 = no icon
    bool enabled = true;
    bool checked = false;
    bool isDefault = false; // drawn in the bold menu font
    QString tag;
    QString helpText;
    qint64 itemData = 0;
    int parentPosition = 0;   // 0 for the items of the menu bar
    QPointer<QWidget> menu;   // the menu bar or drop-down menu that shows the item
    QPointer<QAction> action; // the command the item runs
    int shortcutColumn = 0;   // x of the shortcut column from the item's left edge
};

// Draws a menu bar and all its drop-down menus itself: icons in a left-hand column, a background
// picture tiled behind the items, a flat highlight with border and shadow, embossed disabled
// items. Choosing an item still runs its action as before; only measuring and painting change.
//
//     auto* menuPresentation = new PopMenu(window);
//     menuPresentation->setBackgroundPicture(MenuBackgroundStrip());
//     menuPresentation->setImageList(MenuIconList());
//     menuPresentation->setHighlightStyle(2);
//     menuPresentation->subClassMenu(window->menuBar());
class PopMenu : public QProxyStyle {
    Q_OBJECT

public:
    explicit PopMenu(QObject* parent = nullptr);
    ~PopMenu() override;

    // 0: the desktop's highlight; 1: a raised frame; 2: flat fill with border and shadow.
    int highlightStyle() const { return highlightStyle_; }
    void setHighlightStyle(int style);
    ColourValue highlightColor() const { return highlightColor_; }
    void setHighlightColor(ColourValue colour);
    ColourValue borderColor() const { return borderColor_; }
    void setBorderColor(ColourValue colour);
    bool shadowXPHighlight() const { return shadowXPHighlight_; }
    void setShadowXPHighlight(bool on);
    bool shadowXPHighlightTopMenu() const { return shadowXPHighlightTopMenu_; }
    void setShadowXPHighlightTopMenu(bool on);
    ColourValue shadowColor() const { return shadowColor_; }
    void setShadowColor(ColourValue colour);
    ColourValue foreColor() const { return foreColor_; }
    void setForeColor(ColourValue colour);
    ColourValue highlightForeColor() const { return highlightForeColor_; }
    void setHighlightForeColor(ColourValue colour);
    ColourValue lineColor() const { return lineColor_; }
    void setLineColor(ColourValue colour);
    bool highlightCheckedItems() const { return highlightCheckedItems_; }
    void setHighlightCheckedItems(bool on);
    // The icon of a checked item without one of its own; -1 = none.
    int tickIconIndex() const { return tickIconIndex_; }
    void setTickIconIndex(int index);
    // Tiled behind all drop-down items, from each menu's top-left corner; null = none.
    const QImage& backgroundPicture() const { return backgroundPicture_; }
    void setBackgroundPicture(const QImage& picture);
    // The icons; their size becomes the icon size. Items already in the table whose name asks
    // for an icon (see subClassMenu) and have none get it now.
    const IconList& imageList() const { return imageList_; }
    void setImageList(const IconList& list);
    // 16 until an image list is set, then the list's icon size.
    int iconSize() const { return imageList_.iconSize(); }

    // Takes over a menu bar: this style draws it and every menu below it, and the table holds
    // one position per item, depth first from 1. An item whose name contains "Ico" (and not
    // "TOP") gets the icon stored under its name in the image list.
    void subClassMenu(QMenuBar* menuBar);
    // Walks the menu tree again after items came or went (the recent files); positions are
    // renumbered, items still there keep their icon.
    void refresh();
    // Repaints the menu bar and any open menu after a property changed.
    void redraw() const;

    int count() const { return int(items_.size()); }
    // The key at a position (1..count()), empty outside.
    QString menuKey(int position) const;
    int itemIcon(int position) const;
    // Gives a position an icon from the image list (from 0; -1 = none); outside, nothing.
    void setItemIcon(int position, int index);
    // The caption of the first item with that key, empty when there is none.
    QString caption(const QString& key) const;
    // Captions every item with that key: the text before a tab is the caption, after it the
    // shortcut text. The item's action shows it at once.
    void setCaption(const QString& key, const QString& text);
    // The whole entry of a position, for inspection; position 1..count().
    const PopMenuItem& item(int position) const { return items_.at(position - 1); }
    // The row height of drop-down items in a menu's font.
    int rowHeight(const QWidget* menu) const;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    void walk(QWidget* menu, int parentPosition, const QHash<QAction*, int>& keptIcons);
    void record(QAction* action, QWidget* menu, int parentPosition,
                const QHash<QAction*, int>& keptIcons);
    void takeOver(QWidget* menu);
    void readAction(PopMenuItem& item) const;
    void showIcon(PopMenuItem& item) const;
    int namedIcon(const QString& key) const;
    const PopMenuItem* itemAt(const QWidget* widget, const QRect& rect) const;
    int positionOf(const QAction* action) const;

    QSize measureMenuItem(const QStyleOptionMenuItem* option, const QMenu* menu) const;
    QSize measureMenuBarItem(const QStyleOptionMenuItem* option, const QWidget* menuBar) const;
    void paintMenuItem(const QStyleOptionMenuItem* option, QPainter* painter,
                       const QMenu* menu) const;
    void paintMenuBarItem(const QStyleOptionMenuItem* option, QPainter* painter,
                          const QWidget* menuBar) const;
    // The colour of a caption that is not highlighted: foreColor, or for its start value 0 the
    // desktop's menu text colour.
    QColor captionColour(const QPalette& palette, bool onBackgroundPicture) const;
    void tileBackground(QPainter* painter, const QRect& rect, const QWidget* menu) const;
    void drawHighlight(QPainter* painter, const QRect& rect, bool shadow) const;
    void drawCaption(QPainter* painter, const QRect& rect, const QString& text,
                     const QColor& colour, int flags) const;
    void drawIcon(QPainter* painter, int index, const QPoint& at, bool greyed) const;

    int highlightStyle_ = 0;
    ColourValue highlightColor_ = MakeColour(181, 190, 214);
    ColourValue borderColor_ = MakeColour(8, 36, 107);
    bool shadowXPHighlight_ = true;
    bool shadowXPHighlightTopMenu_ = true;
    ColourValue shadowColor_ = 0;
    ColourValue foreColor_ = 0;
    ColourValue highlightForeColor_ = 0;
    ColourValue lineColor_ = 0;
    bool highlightCheckedItems_ = true;
    int tickIconIndex_ = -1;
    QImage backgroundPicture_;
    IconList imageList_;

    QPointer<QMenuBar> menuBar_;
    mutable QList<PopMenuItem> items_;     // mutable: measuring stores the shortcut column
    QHash<const QAction*, int> positions_; // action -> position, 1..count()
    // The background picture at the last device pixel ratio it was drawn at.
    mutable QPixmap tile_;
    mutable qreal tileRatio_ = 0;
};
