// Every text of the main window, its menus and dialogs stands out from what lies behind it on
// this desktop (plain Qt, GNOME light or dark), in each language; no drop-down cuts a glyph.
#include "app/window/about_dialog.h"
#include "app/window/association_dialog.h"
#include "app/window/flash_advice_dialog.h"
#include "app/window/language_chooser.h"
#include "app/window/links_dialog.h"
#include "app/window/main_window.h"
#include "app/window/readability_window.h"
#include "app/window/safe_scheme_dialog.h"
#include "app/window/splash_window.h"
#include "editor/about_info.h"
#include "editor/flash_advice.h"
#include "editor/language_command.h"
#include "editor/safe_scheme_info.h"
#include "editor_fixture.h"
#include "menu/pop_menu.h"
#include "scheme/contrast_ratio.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <memory>

namespace {

constexpr double DesktopTextContrast = 4.5;

// How far a text stands out in an area of a grab: the most common colour there is what lies
// behind it, and the pixel furthest from that is the text's own colour.
double ContrastIn(const QImage& grab, const QRect& logicalArea) {
    const qreal ratio = grab.devicePixelRatio();
    const QRect area =
        QRect(logicalArea.topLeft() * ratio, logicalArea.size() * ratio) & grab.rect();
    QHash<ColourValue, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = grab.pixel(x, y);
            ++counts[MakeColour(qRed(pixel), qGreen(pixel), qBlue(pixel))];
        }
    const auto background = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                             [](auto a, auto b) { return a.second < b.second; });
    double contrast = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
        contrast = std::max(contrast, ContrastRatio(*it, (*background).first));
    return contrast;
}

// Where a widget shows text, in its own coordinates. A disabled text is greyed on purpose.
QList<QRect> TextAreas(QWidget* widget) {
    const auto textIf = [](bool shows, QRect area) {
        return shows ? QList{area} : QList<QRect>{};
    };
    if (!widget->isEnabled())
        return {};
    if (auto* label = qobject_cast<QLabel*>(widget))
        return textIf(!label->text().isEmpty(), label->contentsRect());
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        return textIf(!box->text().isEmpty(),
                      box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box));
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return textIf(!button->text().isEmpty(), button->rect());
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return {QRect(0, 0, group->width(), group->fontMetrics().height())};
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return {edit->contentsRect()};
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
        return {text->viewport()->geometry()};
    QList<QRect> areas;
    const auto* menu = qobject_cast<QMenu*>(widget);
    if (menu || qobject_cast<QMenuBar*>(widget))
        for (QAction* action : widget->actions())
            if (!action->isSeparator() && action->isEnabled() && action->isVisible())
                // A drop-down's captions start right of the icon column.
                areas << (menu ? menu->actionGeometry(action).adjusted(26, 0, 0, 0)
                               : static_cast<QMenuBar*>(widget)->actionGeometry(action));
    if (auto* tabs = qobject_cast<QTabBar*>(widget))
        for (int i = 0; i < tabs->count(); ++i)
            areas << tabs->tabRect(i).adjusted(3, 3, -3, -3);
    if (auto* view = qobject_cast<QAbstractItemView*>(widget))
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            // Past the check box at the row's start.
            const QRect item = view->visualRect(view->model()->index(row, 0)).adjusted(24, 0, 0, 0);
            if (const QRect shown = item & view->viewport()->rect(); shown.width() > 0)
                areas << shown.translated(view->viewport()->pos());
        }
    return areas;
}

// Each text of a window below 4.5:1, as "what: ratio".
QStringList FaintTexts(QWidget* window) {
    const QImage grab = window->grab().toImage();
    QStringList faint;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets << window) {
        if (!widget->isVisibleTo(window) || widget->window() != window)
            continue;
        for (const QRect& area : TextAreas(widget)) {
            const double contrast =
                ContrastIn(grab, QRect(widget->mapTo(window, area.topLeft()), area.size()));
            if (contrast < DesktopTextContrast)
                faint << QStringLiteral("%1 %2 in %3: %4:1")
                             .arg(QLatin1String(widget->metaObject()->className()),
                                  widget->objectName(), window->objectName())
                             .arg(contrast, 0, 'f', 1);
        }
    }
    return faint;
}

} // namespace

class TestDesktopContrast : public QObject {
    Q_OBJECT
private slots:
    // A run meant for a dark or light desktop makes sure it is on one, or it would prove nothing.
    void initTestCase() {
        // Text is drawn without smoothing, so that a glyph's pixels show its colour itself, not
        // its blend with what lies behind it.
        QFont font = QApplication::font();
        font.setStyleStrategy(QFont::NoAntialias);
        QApplication::setFont(font);
        const QString expected = qEnvironmentVariable("ZEF_EXPECTED_DESKTOP");
        const int lightness = QApplication::palette().color(QPalette::Window).lightness();
        QVERIFY2(expected != u"dark" || lightness < 100, "the desktop's window colour is not dark");
        QVERIFY2(expected != u"light" || lightness > 180,
                 "the desktop's window colour is not light");
    }

    // At a fractional pixel ratio thin glyphs never reach their full colour: there only the
    // menus' edges are looked at.
    void everyTextStandsOut_data() {
        QTest::addColumn<QString>("language");
        for (const char* word : {"Czech", "English", "Deutsch"})
            QTest::newRow(word) << QString::fromLatin1(word);
    }
    void everyTextStandsOut() {
        QFETCH(QString, language);
        PhoneFixture phone;
        MainWindow window(phone.f.editor, QString());
        ApplyLanguageCommand(phone.f.editor, language);
        window.setObjectName(QStringLiteral("mainWindow"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(qobject_cast<PopMenu*>(window.menuBar()->style()));
        Editor& editor = phone.f.editor;
        QStringList faint = FaintTexts(&window), cut;
        // Every drop-down of the menu bar, submenus too, opened in turn.
        const std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& items) {
            for (QAction* item : items)
                if (QMenu* menu = item->menu()) {
                    menu->popup(window.mapToGlobal(QPoint(40, 40)));
                    QVERIFY(QTest::qWaitForWindowExposed(menu));
                    faint << FaintTexts(menu);
                    // An item whose text reaches into the last two pixels before the edge.
                    const QImage grab = menu->grab().toImage();
                    for (QAction* action : menu->actions()) {
                        const QRect at = menu->actionGeometry(action);
                        if (!action->isSeparator() &&
                            ContrastIn(grab, QRect(at.right() - 1, at.top(), 2, at.height())) > 1.5)
                            cut << action->objectName();
                    }
                    menu->hide();
                    walk(menu->actions());
                }
        };
        walk(window.menuBar()->actions());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
        if (const qreal ratio = window.devicePixelRatio(); ratio != std::floor(ratio))
            return;
        const std::unique_ptr<QWidget> dialogs[] = {
            std::make_unique<AboutDialog>(AboutTextsFor(editor)),
            std::make_unique<LinksDialog>(LinksTextsFor(editor)),
            std::make_unique<SafeSchemeDialog>(SafeSchemeInfoFor(editor)),
            std::make_unique<FlashAdviceDialog>(FlashAdviceFor(editor)),
            std::make_unique<AssociationDialog>(
                AssociationDialogState{AssociationDialogTextsFor(editor.language), true}),
            std::make_unique<LanguageChooser>(editor.settings),
            std::make_unique<SplashWindow>(),
            std::make_unique<ReadabilityWindow>(editor),
        };
        static_cast<ReadabilityWindow*>(dialogs[7].get())->showState(); // its list of pairs
        for (const auto& dialog : dialogs) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            faint << FaintTexts(dialog.get());
            dialog->hide();
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestDesktopContrast)
#include "test_desktop_contrast.moc"
