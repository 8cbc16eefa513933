// The program's windows, offscreen, driven by mouse and keyboard on controls found by name.
#include "app/qt_user_dialogs.h"
#include "app/window/main_window.h"
#include "app/window/pixel_view.h"
#include "editor/language_command.h"
#include "editor/preview_pointer.h"
#include "editor_fixture.h"
#include "i18n/main_window_texts.h"
#include "menu/pop_menu.h"
#include "recorded_opener.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

template <typename T = PixelView> T* Named(QWidget* root, const QString& name, int nth = 0) {
    for (T* widget : root->findChildren<T*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible && accessible->text(QAccessible::Name) == name && nth-- == 0)
            return widget;
    }
    qFatal("no control named %s", qPrintable(name));
}
QRgb Shown(QWidget* view, QPoint pixel) { // as painted on screen
    const QImage painted = view->grab().toImage();
    const qreal ratio = painted.devicePixelRatio();
    return painted.pixel(int(pixel.x() * ratio), int(pixel.y() * ratio)) & 0xFFFFFF;
}

// The main window over an editor with the phone's screens, through its first activation.
struct WindowFixture {
    WindowFixture() : window(phone.f.editor, QString()) {
        window.show();
        QTRY_VERIFY(qobject_cast<PopMenu*>(window.menuBar()->style()));
    }
    PixelView* screen(int n) { return Named(&window, QStringLiteral("Preview screen %1").arg(n)); }
    QListWidget* list() { return window.findChild<QListWidget*>(); }
    void trigger(const QString& action) { window.findChild<QAction*>(action)->trigger(); }
    void click(const QString& name, int nth = 0) {
        QTest::mouseClick(Named<QAbstractButton>(&window, name, nth), Qt::LeftButton);
    }
    // The pointer moved over a picture, then maybe a click there.
    void point(const QString& picture, QPoint at, bool click = false) {
        QMouseEvent move(QEvent::MouseMove, at, QPointF(), Qt::NoButton, {}, {});
        QApplication::sendEvent(Named(&window, picture), &move);
        if (click)
            QTest::mouseClick(Named(&window, picture), Qt::LeftButton, {}, at);
    }

    // Keys to where the keyboard is, "pointer" for the pointer over the palette.
    void press(const QString& keys) {
        for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts))
            key == u"pointer" ? point("S55 palette", {60, 60})
                              : QTest::keySequence(window.focusWidget(), QKeySequence(key));
    }

    PhoneFixture phone{32};
    MainWindow window;
};

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    // A click on an entry's box clears it and redraws; the Safe Scheme option paints it again; the
    // help buttons beside the options open their dialogs.
    void checkBoxesSafeSchemeAndHelp() {
        WindowFixture w;
        QListWidget* list = w.list();
        const QRect item = list->visualItemRect(list->item(6)); // element 7, the soft keys
        const QPoint softKeys(50, 76), box(item.left() + item.height() / 2 + 2, item.center().y());
        const QRgb painted = Shown(w.screen(3), softKeys);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box);
        QCOMPARE(list->item(6)->checkState(), Qt::Unchecked);
        QVERIFY(Shown(w.screen(3), softKeys) != painted);
        w.click(QStringLiteral("Safe Scheme"));
        QCOMPARE(list->item(6)->checkState(), Qt::Checked);
        QCOMPARE(Shown(w.screen(3), softKeys), painted);
        w.click(QStringLiteral("Help"), 0);
        w.click(QStringLiteral("Help"), 1);
        const ScriptedDialogs& d = w.phone.f.dialogs;
        QVERIFY(d.flashAdviceDialogs.size() == 1 && d.safeSchemeDialogs.size() == 1);
    }

    // About and Links show their texts in the interface language and open their links only; File
    // Association hands back its row's tick at OK, nothing when it is closed. Each stands over its
    // window, and on its own once the window has gone, as the editor's redraws and flashes do.
    void dialogsAndWhatOutlivesTheWindow() {
        PhoneFixture phone;
        Editor& editor = phone.f.editor;
        ApplyLanguageCommand(editor, QStringLiteral("Deutsch"));
        const AboutTexts about = AboutTextsFor(editor);
        const LinksTexts links = LinksTextsFor(editor);
        const AssociationDialogState state{AssociationDialogTextsFor(editor.language), true};
        QWidget* window = new MainWindow(editor, QString());
        QtUserDialogs desktop(window);
        RecordedOpener opener;
        QStringList titles;
        QList<bool> overTheWindow;
        // Each runs modally; inside, a click on each text, Enter on the last, then OK or Escape.
        const auto use = [&](const QStringList& texts, bool ok = true) {
            QTimer::singleShot(50, [&titles, &overTheWindow, &window, texts, ok] {
                QWidget* dialog = QApplication::activeModalWidget();
                titles << dialog->windowTitle();
                overTheWindow << (dialog->parentWidget() == window);
                for (const QString& text : texts)
                    QTest::mouseClick(Named<QLabel>(dialog, text), Qt::LeftButton);
                if (!texts.isEmpty())
                    QTest::keyClick(Named<QLabel>(dialog, texts.last()), Qt::Key_Return);
                ok ? QTest::mouseClick(Named<QPushButton>(dialog, "OK"), Qt::LeftButton)
                   : QTest::keyClick(dialog, Qt::Key_Escape);
            });
        };
        use({about.title, about.version, about.purpose, about.spyware, about.description,
             about.apology, about.copyright});
        desktop.showAbout(about);
        use({links.homeLabel, links.emailLabel, links.homePage, links.email});
        desktop.showLinks(links);
        use({});
        QCOMPARE(desktop.showFileAssociation(state), std::optional(true));
        delete std::exchange(window, nullptr);
        use({}, false);
        QCOMPARE(desktop.showFileAssociation(state), std::nullopt);
        QCOMPARE(titles, (QStringList{about.caption, links.caption, state.texts.caption,
                                      state.texts.caption}));
        QCOMPARE(overTheWindow, QList<bool>(4, true));
        const QUrl home(links.homePage), mail(QStringLiteral("mailto:") + links.email);
        QCOMPARE(opener.opened, (QList<QUrl>{home, home, home, mail, mail}));
        HoverPreview(editor, 0, 50, 40);
        ClickPreview(editor, 0);
        RedrawPreview(editor, RedrawTarget::all());
        QTRY_VERIFY(!editor.flash.flashBusy);
    }

    void picturesStaySharpAtAnyScale() {
        // Every picture pixel is a block of device pixels of one colour (also run at a ratio of 2).
        WindowFixture w;
        for (const char* name : {"Preview screen 1", "Zoom view", "S55 palette"}) {
            PixelView* view = Named(&w.window, QLatin1String(name));
            const QImage painted = view->grab().toImage();
            const int scale = int(painted.devicePixelRatio());
            QCOMPARE(scale, qMax(1, qEnvironmentVariableIntValue("ZEF_EXPECTED_PIXEL_RATIO")));
            // The zoom view shows each pixel twice as large, two of its pixels inside its edge.
            const int zoom = view == Named(&w.window, "Zoom view") ? 2 : 1, inset = (zoom - 1) * 2;
            const QImage& picture = view->picture();
            QImage blocks = picture.scaled(picture.size() * zoom * scale);
            blocks.setDevicePixelRatio(scale);
            QCOMPARE(painted.copy(QRect(QPoint(inset, inset) * scale, blocks.size()))
                         .convertToFormat(picture.format()),
                     blocks);
        }
    }

    // Every element's name, text under the pointer, language, the mark of a name the file would not
    // read back, and a file opened leave the frames, pictures, buttons and boxes where they were at
    // first; a screen reader hears the value a label shows, whatever it shows, by its caption.
    void noTextMovesTheFrames() {
        WindowFixture w;
        QHash<QLabel*, QSet<QString>> heard; // by the value's label, what it said
        QStringList unheard;
        // The file's, the element's components, then those under the pointer.
        for (const QString& caption : QStringList{"File:", "R:", "G:", "B:", "R:", "G:", "B:"}) {
            QLabel* captionLabel = Named<QLabel>(&w.window, caption, heard.size() < 4 ? 0 : 1);
            auto* value = qobject_cast<QLabel*>(captionLabel->buddy());
            QVERIFY2(value, qPrintable(caption));
            const auto labels =
                QAccessible::queryAccessibleInterface(value)->relations(QAccessible::Label);
            QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [captionLabel](const auto& l) {
                return l.first->object() == captionLabel;
            }));
            heard.insert(value, {});
        }
        const auto places = [&w, &heard, &unheard] {
            // Wrapped captions take a second layout pass after a language change.
            QApplication::processEvents();
            QApplication::processEvents();
            for (auto it = heard.begin(); it != heard.end(); ++it) {
                if (QAccessible::queryAccessibleInterface(it.key())->text(QAccessible::Name) !=
                    it.key()->text())
                    unheard << it.key()->text();
                it->insert(it.key()->text());
            }
            QList<QRect> places;
            for (QWidget* c : w.window.findChildren<QWidget*>())
                if (qobject_cast<QGroupBox*>(c) || qobject_cast<PixelView*>(c) ||
                    qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c))
                    places << QRect(c->mapTo(&w.window, QPoint()), c->size());
            return places;
        };
        using namespace MainWindowTexts;
        // A name with the word Data gets a mark in the box until the word goes; the mark and the
        // box say why in the interface language, by their tool tips and to a screen reader.
        const Language& speaks = w.phone.f.editor.language;
        auto* box = Named<QLineEdit>(&w.window, SchemeNameCaption.inOrBuiltIn(speaks));
        const auto said = [box] {
            QStringList texts;
            for (QToolButton* mark : box->findChildren<QToolButton*>())
                if (mark->isVisible())
                    texts << QAccessible::queryAccessibleInterface(mark)->text(QAccessible::Name)
                          << mark->toolTip();
            return texts << box->toolTip()
                         << QAccessible::queryAccessibleInterface(box)->text(
                                QAccessible::Description);
        };
        const QList<QRect> first = places();
        w.phone.f.dialogs.openAnswers << w.phone.f.writeFile("A.col", SchemeFileBytes("A"));
        w.press("Ctrl+O");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClicks(box, "My Data scheme");
        for (const char* language : {"mnuCzechIco", "mnuEnglishIco", "mnuDeutschIco"}) {
            w.trigger(QLatin1String(language));
            for (int row = 0; row < w.list()->count(); ++row) {
                w.list()->setCurrentRow(row);
                QVERIFY2(places() == first, qPrintable(w.list()->item(row)->text()));
            }
            for (int n = 1; n <= 10; ++n)
                w.point(QStringLiteral("Preview screen %1").arg(n), QPoint(50, n * 7));
            w.point(QStringLiteral("S55 palette"), QPoint(60, 60));
            QCOMPARE(std::pair(places(), said()),
                     std::pair(first, QStringList(4, NameWarning.inOrBuiltIn(speaks))));
        }
        QTest::keyClick(box, Qt::Key_Home);
        for (int k = 0; k < 8; ++k)
            QTest::keyClick(box, k < 3 ? Qt::Key_Right : Qt::Key_Delete);
        QCOMPARE(std::pair(box->text(), said()),
                 std::pair(QStringLiteral("My scheme"), QStringList(2)));
        QCOMPARE(places(), first);
        QCOMPARE(unheard, QStringList());
        for (const QSet<QString>& said : heard)
            QVERIFY(said.size() > 1);
    }

    // As on a desktop whose panel shows the menu bars, and owns this name on the session bus (run
    // on an X display and a bus of its own: offscreen, Qt never hands the bar over).
    void menuBarStaysInTheWindowUnderAGlobalMenu() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display");
        QVERIFY(QDBusConnection::sessionBus().registerService("com.canonical.AppMenu.Registrar"));
        WindowFixture w;
        QVERIFY(!w.window.menuBar()->isNativeMenuBar());
        QTRY_VERIFY(w.window.menuBar()->isVisible() && w.window.menuBar()->height() > 0);
    }

    // Tab reaches each picture after the palette tabs; the keys point and click as the mouse would.
    void coloursWithoutAMouse_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("keys"); // after Tab: moves, then the key that clicks
        QTest::addColumn<QPoint>("point"); // where the keyboard points then
        const auto row = [](const char* tag, const char* picture, const QString& keys,
                            QPoint point) {
            QTest::newRow(tag) << picture << keys << point;
        };
        row("a cell right, Return", "S55 palette", "Right Return", {13, 5});
        row("by pixels, Enter", "16bit palette", "Right Shift+Right Shift+Down Enter", {14, 6});
        row("edges, Space", "256 palette", "Left " + QString("Down ").repeated(17) + "Space",
            {0, 132});
        row("the custom colour, Return", "Custom colour", "Return", {5, 5});
    }
    void coloursWithoutAMouse() {
        QFETCH(QString, picture);
        QFETCH(QString, keys);
        QFETCH(QPoint, point);
        WindowFixture w;
        PixelView* view = Named(&w.window, picture);
        w.window.findChild<QTabWidget*>()->setCurrentWidget(view->parentWidget());
        w.window.findChild<QTabWidget*>()->setFocus(); // on its tab bar
        const QImage unmarked = view->grab().toImage();
        const QRgb colour = view->picture().pixel(point) & 0xFFFFFF;
        ColourValue& element = w.phone.f.editor.document.elementColour[1]; // the current one
        const ColourValue before = element;
        w.press("Tab " + keys.section(' ', 0, -2));
        QCOMPARE(Shown(Named(&w.window, "Colour under the pointer"), {}), colour);
        w.press("pointer " + keys.section(' ', -1)); // the mouse elsewhere meanwhile
        QCOMPARE(element, MakeColour(qRed(colour), qGreen(colour), qBlue(colour)));
        w.press("Ctrl+Z Shift+Tab"); // one step undone, and the keyboard elsewhere
        QCOMPARE(element, before);
        QCOMPARE(view->grab().toImage(), unmarked);
        w.press("Tab"); // the mark, where the point was
        QCOMPARE(Shown(view, point - QPoint(0, 5)), QRgb(0));
        for (const char* words : {"Red %d, green %d, blue %d", "Červená %d, zelená %d, modrá %d"}) {
            QCOMPARE(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Description),
                     QString::asprintf(words, qRed(colour), qGreen(colour), qBlue(colour)));
            w.trigger(QStringLiteral("mnuCzechIco"));
        }
    }

    // Tools, Readability stays open beside the editor and follows a palette click and its undo at
    // once; Enter on a row selects the element in front, and the window stays. With the keyboard
    // left in the name box, Ctrl+Z undoes the palette click, not the typing.
    void readabilityFollowsTheScheme() {
        WindowFixture w;
        w.trigger(QStringLiteral("mnuReadabilityIco"));
        auto* pairs =
            Named<QTreeWidget>(&w.window, QStringLiteral("Below 3:1, the weakest first:"));
        QVERIFY(pairs->window()->isVisible() && !QApplication::activeModalWidget());
        const auto softkeysRow = [pairs]() -> QTreeWidgetItem* {
            for (QTreeWidgetItem* item :
                 pairs->findItems("06 - Softkeys font", Qt::MatchExactly, 1))
                if (item->text(2) == u"07 - Softkeys background")
                    return item;
            return nullptr;
        };
        QVERIFY(pairs->topLevelItemCount() > 0 && !softkeysRow());
        QListWidget* list = w.list();
        // The soft keys' white text made black, on their (0, 0, 192) bar.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(5)).center());
        auto* box = w.window.findChild<QLineEdit*>();
        box->setFocus();
        QTest::keyClicks(box, "x");
        w.point(QStringLiteral("S55 palette"), QPoint(2, 2), true);
        QVERIFY(softkeysRow());
        QCOMPARE(softkeysRow()->text(0), QStringLiteral("1.7:1"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(10)).center());
        pairs->setCurrentItem(softkeysRow());
        QTest::keyClick(pairs, Qt::Key_Return);
        QCOMPARE(list->currentRow(), 5);
        QVERIFY(pairs->window()->isVisible());
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!softkeysRow());
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
