// The owner-drawn menus measured and painted through real menus: a small menu bar named like the
// main window's, opened offscreen and checked pixel by pixel.
#include "assets/icons.h"
#include "menu/background_strip.h"
#include "menu/icon_list.h"
#include "menu/pop_menu.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

constexpr QRgb Column = 0xDEDED6; // the strip's first 24 pixels
constexpr QRgb Field = 0xF7F7F7;  // the rest of it
constexpr QRgb Border = 0x08246B;
constexpr QRgb Fill = 0xB5BED6;
constexpr QRgb Black = 0x000000;
constexpr QColor Light(255, 255, 255);
constexpr QColor Dark(128, 128, 128);

QRgb At(const QImage& image, int x, int y) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixel(int(x * ratio), int(y * ratio)) & 0xFFFFFF;
}

bool Grey(QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}

// The menu tree of the main window in small: File (New with Blue, Red, Green; Open; a
// separator; a disabled Save As; Exit) and Edit (Undo, Redo).
struct MenuTree {
    QMainWindow window;
    QMenuBar* bar = nullptr;
    QMenu* file = nullptr;
    QMenu* newMenu = nullptr;
    QMenu* edit = nullptr;
    QAction *open = nullptr, *separator = nullptr, *saveAs = nullptr, *exit = nullptr;
    QAction *undo = nullptr, *redo = nullptr;
    PopMenu* style = nullptr;

    MenuTree() {
        bar = window.menuBar();
        // A small pixel font, so that "yY" stays below the icons on every machine.
        QFont font = QApplication::font();
        font.setPixelSize(12);
        file = addMenu(bar->addMenu(QStringLiteral("File")), "mnuSouborTOP", font);
        newMenu = addMenu(file->addMenu(QStringLiteral("New")), "mnuNovyIco", font);
        add(newMenu, "mnuBlueIco", "Blue");
        add(newMenu, "mnuRedIco", "Red");
        add(newMenu, "mnuGreenIco", "Green");
        open = add(file, "mnuOtevritIco", "Open", QKeySequence(Qt::CTRL | Qt::Key_O));
        separator = file->addSeparator();
        separator->setObjectName(QStringLiteral("mnuSep"));
        saveAs = add(file, "mnuSaveAsIco", "Save As...");
        saveAs->setEnabled(false);
        exit = add(file, "mnuKonecIco", "Exit", QKeySequence(Qt::CTRL | Qt::Key_Q));
        edit = addMenu(bar->addMenu(QStringLiteral("Edit")), "mnuEditTOP", font);
        undo = add(edit, "mnuUndoIco", "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
        redo = add(edit, "mnuRedoIco", "Redo", QKeySequence(Qt::CTRL | Qt::Key_R));
        bar->setFont(font);
        for (QMenu* menu : {file, newMenu, edit}) {
            QPalette palette = menu->palette();
            palette.setColor(QPalette::Light, Light);
            palette.setColor(QPalette::Dark, Dark);
            menu->setPalette(palette);
        }

        // As the main window attaches it.
        style = new PopMenu(&window);
        style->SetBackgroundPicture(MenuBackgroundStrip());
        style->SetImageList(MenuIconList());
        style->SetHighlightStyle(2);
        style->SubClassMenu(bar);
        window.resize(400, 300);
    }

    static QMenu* addMenu(QMenu* menu, const char* name, const QFont& font) {
        menu->menuAction()->setObjectName(QLatin1String(name));
        menu->setFont(font);
        return menu;
    }
    static QAction* add(QMenu* menu, const char* name, const char* text,
                        const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(QLatin1String(text));
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        return action;
    }

    // A menu opened on screen and its picture as it is shown.
    static QImage Shown(QMenu* menu) {
        if (!menu->isVisible()) {
            menu->popup(QPoint(20, 20));
            if (!QTest::qWaitForWindowExposed(menu))
                return {};
        }
        return menu->grab().toImage();
    }

    int PositionOf(const QString& key) const {
        for (int p = 1; p <= style->Count(); ++p)
            if (style->MenuKey(p) == key)
                return p;
        return 0;
    }
};

int WidestCaption(const QMenu* menu, std::initializer_list<const char*> captions, bool bold = {}) {
    QFont font = menu->font();
    font.setBold(bold);
    int widest = 0;
    for (const char* caption : captions)
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(QLatin1String(caption)));
    return widest;
}

} // namespace

class TestPopMenu : public QObject {
    Q_OBJECT
private slots:
    void init() { tree = std::make_unique<MenuTree>(); }
    void cleanup() { tree.reset(); }

    void propertiesStartAsTheControlDoes();
    void theTableHoldsEveryItemDepthFirst();
    void iconsFollowTheItemNames();
    void aCaptionSetByKeyShowsOnTheItem();
    void itemsAddedLaterAreTakenInWhenTheirMenuOpens();
    void rowsAreTwentyTwoHighAndSeparatorsSix();
    void aChangedMenuFontIsMeasuredAtTheNextOpening();
    void aMenuWithoutShortcutsIsThirtyTwoWiderThanItsWidestCaption();
    void shortcutsGetAColumnOfTheirOwn();
    void defaultItemsAreMeasuredBold();
    void theStripIsTiledFromTheMenusLeftEdge();
    void separatorsAreThinLinesInTheLineColour();
    void theHighlightHasBorderFillAndShadow();
    void theShadowCanBeSwitchedOff();
    void disabledItemsAreEmbossedWithAGreyIconAndNoHighlight();
    void menuBarItemsAreCaptionWideAndEighteenMoreWithAnIcon();
    void theMouseHighlightsAndChoosesAnItem();
    void picturesStaySharpAtAnyScale();

private:
    std::unique_ptr<MenuTree> tree;
};

void TestPopMenu::propertiesStartAsTheControlDoes() {
    const PopMenu fresh;
    QCOMPARE(fresh.HighlightStyle(), 0);
    QCOMPARE(fresh.HighlightColor(), 14073525);
    QCOMPARE(fresh.BorderColor(), 7021576);
    QCOMPARE(fresh.ShadowXPHighlight(), true);
    QCOMPARE(fresh.ShadowXPHighlightTopMenu(), true);
    QCOMPARE(fresh.ShadowColor(), 0);
    QCOMPARE(fresh.ForeColor(), 0);
    QCOMPARE(fresh.HighlightForeColor(), 0);
    QCOMPARE(fresh.LineColor(), 0);
    QCOMPARE(fresh.HighlightCheckedItems(), true);
    QCOMPARE(fresh.TickIconIndex(), -1);
    QVERIFY(fresh.BackgroundPicture().isNull());
    QCOMPARE(fresh.ImageList().Count(), 0);
    QCOMPARE(fresh.IconSize(), 16);
    QCOMPARE(fresh.Count(), 0);
    QCOMPARE(fresh.MenuKey(1), QString());
    QCOMPARE(fresh.ItemIcon(1), -1);

    // The icon size follows the image list.
    PopMenu sized;
    sized.SetImageList(IconList(24));
    QCOMPARE(sized.IconSize(), 24);
}

void TestPopMenu::theTableHoldsEveryItemDepthFirst() {
    PopMenu& style = *tree->style;
    const QStringList keys{"mnuSouborTOP", "mnuNovyIco",    "mnuBlueIco", "mnuRedIco",
                           "mnuGreenIco",  "mnuOtevritIco", "mnuSep",     "mnuSaveAsIco",
                           "mnuKonecIco",  "mnuEditTOP",    "mnuUndoIco", "mnuRedoIco"};
    QCOMPARE(style.Count(), int(keys.size()));
    for (int p = 1; p <= style.Count(); ++p)
        QCOMPARE(style.MenuKey(p), keys.at(p - 1));
    QCOMPARE(style.MenuKey(0), QString());
    QCOMPARE(style.MenuKey(13), QString());

    // Parents, captions, shortcut texts and states as the items have them.
    QCOMPARE(style.Item(1).parentPosition, 0);
    QCOMPARE(style.Item(3).parentPosition, 2);
    QCOMPARE(style.Item(6).parentPosition, 1);
    QCOMPARE(style.Item(11).parentPosition, 10);
    QCOMPARE(style.Item(6).caption, QStringLiteral("Open"));
    QCOMPARE(style.Item(6).shortcutText,
             QKeySequence(Qt::CTRL | Qt::Key_O).toString(QKeySequence::NativeText));
    QCOMPARE(style.Item(7).caption, QStringLiteral("-"));
    QCOMPARE(style.Item(8).enabled, false);
    QCOMPARE(style.Item(9).enabled, true);
    QCOMPARE(style.Item(6).action.data(), tree->open);
    QCOMPARE(style.Item(6).menu.data(), static_cast<QWidget*>(tree->file));

    // The table follows the actions: a state changed on an action shows in its entry.
    tree->undo->setEnabled(false);
    QCOMPARE(style.Item(11).enabled, false);

    // Every menu of the tree is drawn by the control.
    for (QWidget* widget :
         std::initializer_list<QWidget*>{tree->bar, tree->file, tree->newMenu, tree->edit})
        QCOMPARE(widget->style(), static_cast<QStyle*>(&style));
}

void TestPopMenu::iconsFollowTheItemNames() {
    PopMenu& style = *tree->style;
    for (int p = 1; p <= style.Count(); ++p) {
        const QString key = style.MenuKey(p);
        const int expected = key.endsWith(QLatin1String("Ico")) ? MenuIconIndex(key) - 1 : -1;
        QCOMPARE(style.ItemIcon(p), expected);
    }
    QCOMPARE(style.ItemIcon(tree->PositionOf("mnuOtevritIco")), 1);
    QVERIFY(!tree->open->icon().isNull()); // for accessibility tools too
    QVERIFY(tree->file->menuAction()->icon().isNull());

    // "TOP" never gets an icon, even with a picture stored under its name; a name without a
    // picture gets none.
    IconList list;
    list.Add(QStringLiteral("mnuSouborTOP"), {MenuIconPicture("mnuNovyIco", 16)});
    list.Add(QStringLiteral("mnuRedoIco"), {MenuIconPicture("mnuRedoIco", 16)});
    PopMenu other;
    other.SetImageList(list);
    other.SubClassMenu(tree->bar);
    QCOMPARE(other.ItemIcon(1), -1);
    QCOMPARE(other.ItemIcon(12), 1);
    QCOMPARE(other.ItemIcon(11), -1);

    // An icon set by position replaces the named one.
    style.SetItemIcon(11, 4);
    QCOMPARE(style.ItemIcon(11), 4);
    style.SetItemIcon(99, 4); // outside: nothing
    QCOMPARE(style.Count(), 12);
}

void TestPopMenu::aCaptionSetByKeyShowsOnTheItem() {
    PopMenu& style = *tree->style;
    style.SetCaption(QStringLiteral("mnuEditTOP"), QStringLiteral("Herrstellungen"));
    QCOMPARE(tree->edit->menuAction()->text(), QStringLiteral("Herrstellungen"));
    QCOMPARE(style.Caption(QStringLiteral("mnuEditTOP")), QStringLiteral("Herrstellungen"));
    // The menu bar measures the new caption.
    const int width = tree->bar->actionGeometry(tree->edit->menuAction()).width();
    QCOMPARE(width, QFontMetrics(tree->bar->font()).horizontalAdvance("Herrstellungen") + 8);

    style.SetCaption(QStringLiteral("mnuUndoIco"), QStringLiteral("Zurück"));
    QCOMPARE(tree->undo->text(), QStringLiteral("Zurück"));
    QCOMPARE(style.Caption(QStringLiteral("mnuRedoIco")), QStringLiteral("Redo"));
    QCOMPARE(style.Caption(QStringLiteral("mnuNone")), QString());
    // A caption changed on the action itself reaches the table too.
    tree->redo->setText(QStringLiteral("Wieder"));
    QCOMPARE(style.Caption(QStringLiteral("mnuRedoIco")), QStringLiteral("Wieder"));
}

void TestPopMenu::itemsAddedLaterAreTakenInWhenTheirMenuOpens() {
    PopMenu& style = *tree->style;
    style.SetItemIcon(11, 7); // kept over a new walk
    QAction* added = tree->file->addAction(QStringLiteral("Recent"));
    added->setObjectName(QStringLiteral("mnuRecent1Ico"));
    QCOMPARE(style.Count(), 12);
    MenuTree::Shown(tree->file);
    QCOMPARE(style.Count(), 13);
    QCOMPARE(style.MenuKey(10), QStringLiteral("mnuRecent1Ico"));
    QCOMPARE(style.ItemIcon(10), MenuIconIndex("mnuRecent1Ico") - 1);
    QCOMPARE(style.MenuKey(11), QStringLiteral("mnuEditTOP"));
    QCOMPARE(style.ItemIcon(12), 7);

    delete added;
    style.Refresh();
    QCOMPARE(style.Count(), 12);
    QCOMPARE(style.MenuKey(10), QStringLiteral("mnuEditTOP"));
}

void TestPopMenu::rowsAreTwentyTwoHighAndSeparatorsSix() {
    QVERIFY(QFontMetrics(tree->file->font()).height() <= 16);
    const QImage shown = MenuTree::Shown(tree->file);
    int rows = 0;
    for (QAction* action : tree->file->actions()) {
        const QRect r = tree->file->actionGeometry(action);
        QCOMPARE(r.height(), action->isSeparator() ? 6 : 22);
        rows += r.height();
    }
    QCOMPARE(tree->style->RowHeight(tree->file), 22);
    // The rows fill the menu inside its one-pixel border.
    QCOMPARE(tree->file->height(), rows + 2);
    QCOMPARE(int(shown.height() / shown.devicePixelRatio()), rows + 2);
}

void TestPopMenu::aChangedMenuFontIsMeasuredAtTheNextOpening() {
    QFont big = tree->edit->font();
    big.setPixelSize(30);
    tree->edit->setFont(big);
    MenuTree::Shown(tree->edit);
    const int expected = QFontMetrics(big).height() + 6;
    QVERIFY(expected > 22);
    QCOMPARE(tree->edit->actionGeometry(tree->undo).height(), expected);
    QCOMPARE(tree->edit->actionGeometry(tree->undo).width(),
             32 + WidestCaption(tree->edit, {"Undo", "Redo"}) + 8 +
                 QFontMetrics(big).horizontalAdvance(
                     tree->undo->shortcut().toString(QKeySequence::NativeText)));
}

void TestPopMenu::aMenuWithoutShortcutsIsThirtyTwoWiderThanItsWidestCaption() {
    const QImage shown = MenuTree::Shown(tree->newMenu);
    const int widest = WidestCaption(tree->newMenu, {"Blue", "Red", "Green"});
    for (QAction* action : tree->newMenu->actions())
        QCOMPARE(tree->newMenu->actionGeometry(action).width(), widest + 32);
    QCOMPARE(int(shown.width() / shown.devicePixelRatio()), widest + 32 + 2);
}

void TestPopMenu::shortcutsGetAColumnOfTheirOwn() {
    QMenu* file = tree->file;
    const QImage shown = MenuTree::Shown(file);
    const int widest = WidestCaption(file, {"New", "Open", "Save As...", "Exit"});
    QFontMetrics metrics(file->font());
    const int shortcut = std::max(
        metrics.horizontalAdvance(tree->open->shortcut().toString(QKeySequence::NativeText)),
        metrics.horizontalAdvance(tree->exit->shortcut().toString(QKeySequence::NativeText)));
    QCOMPARE(file->actionGeometry(tree->open).width(), 32 + widest + 8 + shortcut);
    const int column = 32 + widest + 8;
    for (int p = 1; p <= 9; ++p)
        if (tree->style->Item(p).menu == file)
            QCOMPARE(tree->style->Item(p).shortcutColumn, column);

    // The shortcut text stands as far left of its column as the captions stand left of theirs
    // (26 against 32): nothing is drawn between the caption's end and it, and the widest one
    // keeps that room from the right edge.
    const int drawnAt = column - (32 - 26);
    const QRect r = file->actionGeometry(tree->open);
    int firstInk = -1;
    for (int x = r.left() + 29 + metrics.horizontalAdvance("Open") + 1;
         x < r.right() && firstInk < 0; ++x)
        for (int y = r.top() + 2; y < r.bottom() - 1; ++y)
            if (At(shown, x, y) != Field) {
                firstInk = x - r.left();
                break;
            }
    QVERIFY2(firstInk >= drawnAt && firstInk <= drawnAt + 2, qPrintable(QString::number(firstInk)));
    int lastInk = -1;
    for (int x = r.left() + drawnAt; x <= r.right(); ++x)
        for (int y = r.top() + 2; y < r.bottom() - 1; ++y)
            if (At(shown, x, y) != Field)
                lastInk = x - r.left();
    QVERIFY2(lastInk <= r.width() - 5, qPrintable(QString::number(lastInk)));
}

void TestPopMenu::defaultItemsAreMeasuredBold() {
    tree->edit->setDefaultAction(tree->undo);
    MenuTree::Shown(tree->edit);
    QCOMPARE(tree->style->Item(11).isDefault, true);
    const int bold = WidestCaption(tree->edit, {"Undo"}, true);
    const int plain = WidestCaption(tree->edit, {"Redo"});
    QVERIFY(bold > WidestCaption(tree->edit, {"Undo"}));
    QFontMetrics metrics(tree->edit->font());
    const int shortcut = std::max(
        metrics.horizontalAdvance(tree->undo->shortcut().toString(QKeySequence::NativeText)),
        metrics.horizontalAdvance(tree->redo->shortcut().toString(QKeySequence::NativeText)));
    QCOMPARE(tree->edit->actionGeometry(tree->redo).width(),
             32 + std::max(bold, plain) + 8 + shortcut);
}

void TestPopMenu::theStripIsTiledFromTheMenusLeftEdge() {
    const QImage shown = MenuTree::Shown(tree->file);
    QCOMPARE(At(shown, 0, 30), QColor(Dark).rgb() & 0xFFFFFF); // the border
    for (QAction* action : {tree->open, tree->exit}) {
        const QRect r = tree->file->actionGeometry(action);
        QCOMPARE(r.left(), 1);
        // Above the icon and the caption, the row shows the strip alone.
        for (int x = r.left(); x <= r.right(); ++x)
            QCOMPARE(At(shown, x, r.top() + 1), x - r.left() < 24 ? Column : Field);
    }
    // Without a picture, the menu colour.
    tree->style->SetBackgroundPicture(QImage());
    const QImage plain = tree->file->grab().toImage();
    const QRect r = tree->file->actionGeometry(tree->exit);
    QCOMPARE(At(plain, r.left() + 5, r.top() + 1),
             tree->file->palette().color(QPalette::Window).rgb() & 0xFFFFFF);
}

void TestPopMenu::separatorsAreThinLinesInTheLineColour() {
    tree->style->SetLineColor(MakeColour(200, 0, 0));
    const QImage shown = MenuTree::Shown(tree->file);
    const QRect r = tree->file->actionGeometry(tree->separator);
    const int left = r.left(), top = r.top(), right = r.left() + r.width();
    const QRgb line = qRgb(200, 0, 0) & 0xFFFFFF;
    QCOMPARE(At(shown, left + 22 + 4, top + 2), Field);
    QCOMPARE(At(shown, left + 22 + 5, top + 2), line);
    QCOMPARE(At(shown, right - 3, top + 2), line);
    QCOMPARE(At(shown, right - 2, top + 2), Field);
    for (int y : {top, top + 1, top + 3, top + 5})
        QCOMPARE(At(shown, left + 40, y), Field);
    QCOMPARE(At(shown, left + 10, top + 2), Column);
}

void TestPopMenu::theHighlightHasBorderFillAndShadow() {
    tree->style->SetHighlightForeColor(MakeColour(255, 0, 0));
    MenuTree::Shown(tree->file);
    tree->file->setActiveAction(tree->open);
    const QImage shown = tree->file->grab().toImage();
    const QRect r = tree->file->actionGeometry(tree->open);
    const int left = r.left(), top = r.top(), right = r.left() + r.width() - 1,
              bottom = r.top() + r.height() - 1;
    // Outside the frame the strip still shows: the row's first column and top line, and the
    // corners the shadow leaves out.
    QCOMPARE(At(shown, left, top + 10), Column);
    QCOMPARE(At(shown, left + 10, top), Column);
    QCOMPARE(At(shown, right, top + 2), Field);
    QCOMPARE(At(shown, left + 2, bottom), Column);
    // The border one pixel inside the row, the fill inside it, the shadow right and below.
    // (The shortcut text is drawn last and reaches the right edge; the sides are checked above
    // and below it.)
    for (int y : {top + 1, top + 2, top + 3, bottom - 3, bottom - 2, bottom - 1}) {
        QCOMPARE(At(shown, left + 1, y), Border);
        QCOMPARE(At(shown, right - 1, y), Border);
    }
    for (int y = top + 1; y <= bottom - 1; ++y)
        QCOMPARE(At(shown, left + 1, y), Border);
    for (int x = left + 1; x <= right - 1; ++x) {
        QCOMPARE(At(shown, x, top + 1), Border);
        QCOMPARE(At(shown, x, bottom - 1), Border);
    }
    for (int y : {top + 3, top + 4, bottom - 2, bottom - 1, bottom})
        QCOMPARE(At(shown, right, y), Black);
    for (int x = left + 3; x <= right; ++x)
        QCOMPARE(At(shown, x, bottom), Black);
    QCOMPARE(At(shown, left + 2, top + 2), Fill);
    QCOMPARE(At(shown, right - 2, bottom - 2), Fill);
    // The caption in the highlight text colour: red ink on the fill.
    bool red = false;
    for (int x = left + 29; x < left + 29 + 20; ++x)
        for (int y = top + 3; y < bottom - 2; ++y)
            if (const QRgb c = At(shown, x, y); c != Fill)
                red = red || (qRed(c) > qGreen(c) + 40 && qRed(c) > qBlue(c));
    QVERIFY(red);
    // Other rows keep the strip.
    const QRect exit = tree->file->actionGeometry(tree->exit);
    QCOMPARE(At(shown, exit.left() + 1, exit.top() + 1), Column);
}

void TestPopMenu::theShadowCanBeSwitchedOff() {
    tree->style->SetShadowXPHighlight(false);
    MenuTree::Shown(tree->file);
    tree->file->setActiveAction(tree->open);
    const QImage shown = tree->file->grab().toImage();
    const QRect r = tree->file->actionGeometry(tree->open);
    const int right = r.left() + r.width() - 1, bottom = r.top() + r.height() - 1;
    QCOMPARE(At(shown, right - 1, r.top() + 5), Border);
    QCOMPARE(At(shown, right, r.top() + 5), Field);
    QCOMPARE(At(shown, r.left() + 10, bottom), Column);
}

void TestPopMenu::disabledItemsAreEmbossedWithAGreyIconAndNoHighlight() {
    const QRect r = tree->file->actionGeometry(tree->saveAs);
    const QRect iconBox(r.left() + 3, r.top() + 4, 16, 16);
    // Enabled, the icon has colour.
    tree->saveAs->setEnabled(true);
    QImage shown = MenuTree::Shown(tree->file);
    bool coloured = false;
    for (int y = iconBox.top(); y <= iconBox.bottom(); ++y)
        for (int x = iconBox.left(); x <= iconBox.right(); ++x)
            coloured = coloured || !Grey(At(shown, x, y));
    QVERIFY(coloured);

    tree->saveAs->setEnabled(false);
    QTest::mouseMove(tree->file, r.center());
    tree->file->setActiveAction(tree->saveAs);
    shown = tree->file->grab().toImage();
    const QImage icon = MenuIconPicture(QStringLiteral("mnuSaveAsIco"), 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb c = At(shown, iconBox.left() + x, iconBox.top() + y);
            if (qAlpha(icon.pixel(x, y)) == 255)
                QVERIFY2(Grey(c), qPrintable(QString::number(c, 16)));
            else if (qAlpha(icon.pixel(x, y)) == 0)
                QCOMPARE(c, Column);
        }
    // No frame, no fill.
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            QVERIFY(At(shown, x, y) != Border && At(shown, x, y) != Fill);
    // Embossed: light ink one pixel right of and below the dark ink.
    int darkRight = -1, darkBottom = -1, lightRight = -1, lightBottom = -1, darkLeft = 999,
        lightLeft = 999;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left() + 24; x <= r.right(); ++x) {
            const QRgb c = At(shown, x, y);
            if (qRed(c) < 200 && qGreen(c) < 200) {
                darkRight = std::max(darkRight, x), darkBottom = std::max(darkBottom, y);
                darkLeft = std::min(darkLeft, x);
            } else if (qRed(c) > 250 && qGreen(c) > 250 && qBlue(c) > 250) {
                lightRight = std::max(lightRight, x), lightBottom = std::max(lightBottom, y);
                lightLeft = std::min(lightLeft, x);
            }
        }
    QVERIFY(darkRight > 0 && lightRight > 0);
    QVERIFY(lightRight > darkRight);
    QVERIFY(lightBottom > darkBottom);
    QVERIFY(lightLeft > darkLeft);
    // The dark ink is the shadow colour, not the black of enabled captions.
    bool black = false;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left() + 24; x <= r.right(); ++x)
            black = black || qRed(At(shown, x, y)) < 100;
    QVERIFY(!black);
}

void TestPopMenu::menuBarItemsAreCaptionWideAndEighteenMoreWithAnIcon() {
    QMenuBar* bar = tree->bar;
    tree->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree->window));
    const QFontMetrics metrics(bar->font());
    const QRect file = bar->actionGeometry(tree->file->menuAction());
    QCOMPARE(file.width(), metrics.horizontalAdvance("File") + 8);
    QCOMPARE(bar->actionGeometry(tree->edit->menuAction()).left(), file.left() + file.width());

    tree->style->SetItemIcon(1, 0);
    QCOMPARE(bar->actionGeometry(tree->file->menuAction()).width(),
             metrics.horizontalAdvance("File") + 8 + 18);
    // The icon at the item's left edge, the caption after it.
    const QImage shown = bar->grab().toImage();
    const QImage icon = MenuIconPicture(MenuIconKey(1), 16);
    const QRect r = bar->actionGeometry(tree->file->menuAction());
    const int top = r.top() + (r.height() - 16) / 2;
    int same = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (qAlpha(icon.pixel(x, y)) == 255)
                same += At(shown, r.left() + 1 + x, top + y) == (icon.pixel(x, y) & 0xFFFFFF);
    QVERIFY(same > 20);

    // Highlighted, as a drop-down item: border and shadow.
    tree->style->SetItemIcon(1, -1);
    bar->setActiveAction(tree->edit->menuAction());
    QVERIFY(QTest::qWaitForWindowExposed(tree->edit));
    const QImage open = bar->grab().toImage();
    const QRect e = bar->actionGeometry(tree->edit->menuAction());
    QCOMPARE(At(open, e.left() + 1, e.top() + 5), Border);
    QCOMPARE(At(open, e.left() + e.width() - 1, e.top() + 5), Black);
    QCOMPARE(At(open, e.left() + 2, e.top() + 2), Fill);
    tree->edit->hide();
}

void TestPopMenu::theMouseHighlightsAndChoosesAnItem() {
    tree->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree->window));
    QSignalSpy chosen(tree->open, &QAction::triggered);
    const QRect file = tree->bar->actionGeometry(tree->file->menuAction());
    QTest::mouseClick(tree->bar, Qt::LeftButton, {}, file.center());
    QTRY_VERIFY(tree->file->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(tree->file));

    const QRect open = tree->file->actionGeometry(tree->open);
    QTest::mouseMove(tree->file, open.center());
    QTRY_COMPARE(tree->file->activeAction(), tree->open);
    const QImage shown = tree->file->grab().toImage();
    QCOMPARE(At(shown, open.left() + 1, open.top() + 1), Border);
    QCOMPARE(At(shown, open.left() + 2, open.top() + 2), Fill);

    QTest::mouseClick(tree->file, Qt::LeftButton, {}, open.center());
    QTRY_COMPARE(chosen.count(), 1);
    QTRY_VERIFY(!tree->file->isVisible());
}

void TestPopMenu::picturesStaySharpAtAnyScale() {
    // The strip and the icons keep their pixels at any device pixel ratio (this test also runs
    // with QT_SCALE_FACTOR=2): whole device pixels, no colours in between.
    const QImage shown = MenuTree::Shown(tree->file);
    const int ratio = int(shown.devicePixelRatio());
    // The run at twice the ratio says so, so that it cannot pass at a ratio of 1.
    if (qEnvironmentVariableIsSet("ZEF_EXPECTED_PIXEL_RATIO"))
        QCOMPARE(ratio, qEnvironmentVariableIntValue("ZEF_EXPECTED_PIXEL_RATIO"));
    const QRect r = tree->file->actionGeometry(tree->exit);
    // Two device rows above the icon: exactly the column colour, then exactly the field.
    for (int dy = 0; dy < ratio; ++dy)
        for (int x = r.left() * ratio; x < (r.left() + r.width()) * ratio; ++x)
            QCOMPARE(shown.pixel(x, (r.top() + 1) * ratio + dy) & 0xFFFFFF,
                     x < (r.left() + 24) * ratio ? Column : Field);
    // The icon's own picture for the ratio, pixel for pixel where it is opaque.
    const QImage icon = MenuIconPicture(QStringLiteral("mnuKonecIco"), 16 * ratio);
    QVERIFY(!icon.isNull());
    const QPoint at((r.left() + 3) * ratio, (r.top() + 4) * ratio);
    int opaque = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb expected = icon.pixel(x, y);
            const QRgb painted = shown.pixel(at.x() + x, at.y() + y) & 0xFFFFFF;
            if (qAlpha(expected) == 255) {
                QCOMPARE(painted, expected & 0xFFFFFF);
                ++opaque;
            } else if (qAlpha(expected) == 0) {
                QCOMPARE(painted, Column);
            }
        }
    QVERIFY(opaque > 16 * ratio);
}

QTEST_MAIN(TestPopMenu)
#include "test_pop_menu.moc"
