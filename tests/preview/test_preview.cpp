// The phone's ten screens as the preview draws them: every screen against golden pictures (each
// starter, each display depth, each option that changes pixels, the flash), the image map
// against its golden, pointing, clicking and redrawing.
#include "editor_fixture.h"
#include "golden_picture.h"
#include "preview/flash.h"
#include "preview/preview_options.h"
#include "preview/preview_pointer.h"
#include "scheme/starter_schemes.h"
#include "workspace/provider_name.h"

#include <QPainter>

namespace {

using Screens = std::array<QImage, ScreenCount>;

Screens Copy(const Preview& preview) {
    Screens screens;
    for (int i = 0; i < ScreenCount; ++i)
        screens[i] = preview.screen(i).copy();
    return screens;
}

// The ten screens one below the other.
QImage Sheet(const Preview& preview) {
    QImage sheet(ScreenWidth, ScreenCount * ScreenHeight, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int i = 0; i < ScreenCount; ++i)
        painter.drawImage(0, i * ScreenHeight, preview.screen(i).convertToFormat(sheet.format()));
    return sheet;
}

// The element of the topmost layer at each pixel of each screen, times four to be seen.
QImage HitMap(const ImageMap& map) {
    QImage picture(ScreenWidth, ScreenCount * ScreenHeight, QImage::Format_Grayscale8);
    for (int i = 0; i < ScreenCount; ++i)
        for (int y = 0; y < ScreenHeight; ++y)
            for (int x = 0; x < ScreenWidth; ++x) {
                const int layer = map.topmostLayer(i, x, y);
                picture.scanLine(i * ScreenHeight + y)[x] =
                    layer == 0 ? 255 : uchar(4 * map.LayerElement(i, layer));
            }
    return picture;
}

// The list menu's title bar (element 4 under no later layer), the standby screen's clock
// (element 1) and the keypad-locked screen's key symbol (an overlay).
constexpr int ListScreen = 2;
constexpr QPoint TitleBar(80, 13), Clock(34, 42), Key(40, 22);

enum Change : unsigned { Lcd = 1, HideProviderName = 2, Flash = 4 };
struct Case {
    const char* name;
    int depth;
    Starter starter;
    unsigned changes;
    int transparent; // an element made transparent, 0 for none
    int opacityZero; // an element read with opacity 0, 0 for none
};
const Case Cases[] = {
    {"blue", 32, Starter::Blue, 0, 0, 0},
    {"red", 32, Starter::Red, 0, 0, 0},
    {"green", 32, Starter::Green, 0, 0, 0},
    {"blue-16bit", 16, Starter::Blue, 0, 0, 0},
    {"red-24bit", 24, Starter::Red, 0, 0, 0},
    {"green-lcd", 32, Starter::Green, Lcd, 0, 0},
    {"blue-lcd-16bit", 16, Starter::Blue, Lcd, 0, 0},
    {"red-no-provider-name", 32, Starter::Red, HideProviderName, 0, 0},
    {"blue-transparent-2", 32, Starter::Blue, 0, 2, 0},
    {"green-transparent-26-24bit", 24, Starter::Green, 0, 26, 0},
    {"green-opacity-26-zero", 32, Starter::Green, 0, 0, 26},
    {"blue-flash", 32, Starter::Blue, Flash, 0, 0},
    {"blue-flash-16bit", 16, Starter::Blue, Flash, 0, 0},
    {"red-flash-24bit", 24, Starter::Red, Flash, 0, 0},
    {"red-transparent-4-flash", 32, Starter::Red, Flash, 4, 0},
};

} // namespace

Q_DECLARE_METATYPE(const Case*)

class TestPreview : public QObject {
    Q_OBJECT
private slots:
    void screensMatchTheirGoldenPictures_data();
    void screensMatchTheirGoldenPictures();
    void pointingNamesTheTopmostElement_data();
    void pointingNamesTheTopmostElement();
    void clicksSelectZoomAndFlash();
    void redrawsFollowTheElementAndTheOptions();
    void aShallowDisplayEndsTheEditor_data();
    void aShallowDisplayEndsTheEditor();
    void mismatchedPicturesEndTheEditor();
};

void TestPreview::screensMatchTheirGoldenPictures_data() {
    QTest::addColumn<const Case*>("c");
    for (const Case& c : Cases)
        QTest::newRow(c.name) << &c;
}

void TestPreview::screensMatchTheirGoldenPictures() {
    QFETCH(const Case*, c);
    PhoneFixture phone(c->depth);
    Editor& editor = phone.f.editor;
    // Each change goes the way the user's does, so that how it redraws is tested too.
    CreateStarterScheme(editor, c->starter);
    if (c->changes & Lcd)
        LcdColoursClicked(editor, true);
    if (c->changes & HideProviderName)
        SetProviderNameOption(editor, true);
    if (c->transparent)
        editor.elementList.setChecked(c->transparent - 1, false);
    if (c->opacityZero)
        editor.document.elementOpacity[c->opacityZero] = 0;
    if (c->transparent || c->opacityZero)
        RefreshClicked(editor);
    QCOMPARE(phone.preview.zoomView, phone.preview.screen(0));
    const Screens before = Copy(phone.preview);
    if (c->changes & Flash) {
        HoverPreview(editor, ListScreen, TitleBar.x(), TitleBar.y());
        ClickPreview(editor, ListScreen);
        QCOMPARE(editor.elementList.current(), 3);
        QVERIFY(editor.flash.FlashBusy && editor.flash.tmrBlink.isActive());
        QCOMPARE(editor.flash.tmrBlink.interval(), 50);
        QCOMPARE(phone.preview.ZoomScreen, ListScreen);
        QCOMPARE(phone.preview.zoomView, phone.preview.screen(ListScreen));
    }
    CompareWithGolden(Sheet(phone.preview), ZEF_GOLDEN_DIR, QLatin1String(c->name));
    // One tick later the screen is as it was.
    QTRY_VERIFY_WITH_TIMEOUT(!editor.flash.FlashBusy, 1000);
    QVERIFY(!editor.flash.tmrBlink.isActive());
    QCOMPARE(Copy(phone.preview), before);
    QCOMPARE(phone.preview.zoomView, before[phone.preview.ZoomScreen]);
}

void TestPreview::pointingNamesTheTopmostElement_data() {
    QTest::addColumn<int>("depth");
    QTest::newRow("16") << 16;
    QTest::newRow("24") << 24;
    QTest::newRow("32") << 32;
}

void TestPreview::pointingNamesTheTopmostElement() {
    QFETCH(int, depth);
    EditorFixture f;
    Preview preview(depth);
    f.editor.preview = &preview;
    // The map does not depend on the scheme, nor on the depth of the pictures.
    const ImageMap& map = preview.imageMap();
    CompareWithGolden(HitMap(map), ZEF_GOLDEN_DIR, QStringLiteral("hit-map"));
    // Pointing names the topmost layer's element, even a transparent one.
    for (int p = 0; p < 60; ++p)
        f.editor.elementList.setChecked(p, false);
    for (int i = 0; i < ScreenCount; ++i)
        for (int y = 0; y < ScreenHeight; ++y)
            for (int x = 0; x < ScreenWidth; ++x) {
                HoverPreview(f.editor, i, x, y);
                const int layer = map.topmostLayer(i, x, y), element = map.LayerElement(i, layer);
                if (f.editor.PreviewHoverElement != element ||
                    f.editor.PreviewHoverLayer != layer ||
                    f.editor.hoverText !=
                        (element ? f.editor.elementList.entry(element - 1).text : QString()))
                    QFAIL(qPrintable(QStringLiteral("screen %1 at %2,%3").arg(i).arg(x).arg(y)));
            }
    // Positions off the screen are ignored.
    for (const QPoint p : {QPoint(101, 10), QPoint(10, 80), QPoint(-1, 0), QPoint(0, -1)})
        HoverPreview(f.editor, 9, p.x(), p.y());
    QCOMPARE(QPointF(f.editor.PreviewHoverX, f.editor.PreviewHoverY), QPointF(100, 79));
    // The zoom view's screen: two view pixels a screen pixel, the screen two pixels inside.
    preview.ZoomScreen = 8;
    for (const QPoint p : {QPoint(2, 3), QPoint(0, 10), QPoint(10, 1)}) {
        HoverZoomView(f.editor, p.x(), p.y());
        QCOMPARE(QPointF(f.editor.PreviewHoverX, f.editor.PreviewHoverY), QPointF(0, 0));
    }
    HoverZoomView(f.editor, 203, 159);
    QCOMPARE(QPointF(f.editor.PreviewHoverX, f.editor.PreviewHoverY), QPointF(100, 78));
    QCOMPARE(f.editor.PreviewHoverLayer, map.topmostLayer(8, 100, 78));
}

void TestPreview::clicksSelectZoomAndFlash() {
    PhoneFixture phone;
    Editor& editor = phone.f.editor;
    editor.elementList.setCurrent(30);
    const Screens before = Copy(phone.preview);
    // With the flash on, a click on an overlay changes nothing.
    HoverPreview(editor, 8, Key.x(), Key.y());
    QCOMPARE(editor.PreviewHoverElement, qint16(0));
    ClickPreview(editor, 8);
    QVERIFY(!editor.flash.FlashBusy && !editor.flash.tmrBlink.isActive());
    QCOMPARE(phone.preview.ZoomScreen, 0);
    QCOMPARE(editor.elementList.current(), 30);
    QCOMPARE(Copy(phone.preview), before);
    // Nor does a second click while a flash shows, on another element of another screen.
    HoverPreview(editor, ListScreen, TitleBar.x(), TitleBar.y());
    ClickPreview(editor, ListScreen);
    const Screens flashed = Copy(phone.preview);
    HoverPreview(editor, 0, Clock.x(), Clock.y());
    QCOMPARE(editor.PreviewHoverElement, qint16(1));
    ClickPreview(editor, 0);
    QCOMPARE(editor.elementList.current(), 3);
    QCOMPARE(phone.preview.ZoomScreen, ListScreen);
    QCOMPARE(Copy(phone.preview), flashed);
    EndFlash(editor);
    QVERIFY(!editor.flash.FlashBusy);
    QCOMPARE(Copy(phone.preview), before);
    ClickPreview(editor, 0);
    QCOMPARE(editor.elementList.current(), 0);
    QCOMPARE(phone.preview.ZoomScreen, 0);
    EndFlash(editor);

    // Without the flash a click selects and zooms and no pixel changes; on an overlay it zooms.
    editor.options.flashOnSelect = false;
    HoverPreview(editor, ListScreen, TitleBar.x(), TitleBar.y());
    ClickPreview(editor, ListScreen);
    QCOMPARE(editor.elementList.current(), 3);
    QCOMPARE(editor.selectedItemText, editor.elementList.entry(3).text);
    QCOMPARE(phone.preview.ZoomScreen, ListScreen);
    HoverPreview(editor, 8, Key.x(), Key.y());
    ClickPreview(editor, 8);
    QCOMPARE(phone.preview.ZoomScreen, 8);
    QCOMPARE(phone.preview.zoomView, before[8]);
    QCOMPARE(editor.elementList.current(), 3);
    QVERIFY(!editor.flash.FlashBusy);
    QCOMPARE(Copy(phone.preview), before);
}

void TestPreview::redrawsFollowTheElementAndTheOptions() {
    PhoneFixture phone;
    Editor& editor = phone.f.editor;
    SchemeDocument& doc = editor.document;
    Screens now = Copy(phone.preview);
    phone.preview.ZoomScreen = 4;
    // Element 24 is on the standby screen alone; element 2, changed too, waits elsewhere.
    doc.elementColour[24] = MakeColour(255, 0, 0);
    doc.elementColour[2] = MakeColour(0, 255, 0);
    RedrawPreview(editor, QStringLiteral("24"));
    for (int i = 0; i < ScreenCount; ++i)
        QCOMPARE(phone.preview.screen(i) != now[i], i == 0);
    QCOMPARE(phone.preview.zoomView, now[4]);
    // The element number is compared as text: "05" is no layer's tag. Element 5 is on the main
    // menu and the settings list.
    now = Copy(phone.preview);
    doc.elementColour[5] = MakeColour(0, 255, 0);
    RedrawPreview(editor, QStringLiteral("05"));
    QCOMPARE(Copy(phone.preview), now);
    RedrawPreview(editor, QStringLiteral("5"));
    for (int i = 0; i < ScreenCount; ++i)
        QCOMPARE(phone.preview.screen(i) != now[i], i == 1 || i == 4);
    QCOMPARE(phone.preview.zoomView, phone.preview.screen(4));
    // Without autoredraw an element waits, and so does the zoom view; switching the option off
    // redraws nothing, switching it on or "all" redraws every screen.
    now = Copy(phone.preview);
    AutoRedrawClicked(editor, false);
    RedrawPreview(editor, QStringLiteral("2"));
    QCOMPARE(Copy(phone.preview), now);
    QCOMPARE(phone.preview.zoomView, now[4]);
    AutoRedrawClicked(editor, true);
    QVERIFY(phone.preview.screen(8) != now[8]);
    AutoRedrawClicked(editor, false);
    now = Copy(phone.preview);
    doc.elementColour[2] = MakeColour(4, 5, 6);
    RedrawPreview(editor, QStringLiteral("all"));
    QVERIFY(phone.preview.screen(8) != now[8]);
}

void TestPreview::aShallowDisplayEndsTheEditor_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("cs") << int(Language::Czech)
                        << "Barevné rozlišení musí být nejméně 16 bitů na 1 bod!\r\rAplikace bude "
                           "ukončena."
                        << "Chyba";
    QTest::newRow("en") << int(Language::English) << "Minimal color must be 16-Bit!"
                        << "Error";
    QTest::newRow("de") << int(Language::German)
                        << "Es werden nur 16-Bit, 24-Bit, 32-Bit Bitmaps unterstützt!"
                        << "Fehler";
    QTest::newRow("none") << int(Language::None) << QString() << QString();
}

void TestPreview::aShallowDisplayEndsTheEditor() {
    QFETCH(int, language);
    QFETCH(QString, text);
    QFETCH(QString, title);
    EditorFixture f(static_cast<Language>(language));
    Preview preview(8);
    f.editor.preview = &preview;
    int ends = 0;
    preview.endEditor = [&ends] {
        ++ends;
    };
    RedrawPreview(f.editor, QStringLiteral("all"));
    RedrawPreview(f.editor, QStringLiteral("all"));
    QList<Message> expected;
    if (!text.isEmpty())
        expected.append({MessageIcon::Information, text, title, MessageButtons::Ok});
    QCOMPARE(f.dialogs.messages, expected);
    QCOMPARE(ends, 1);
    QVERIFY(preview.ended());
}

void TestPreview::mismatchedPicturesEndTheEditor() {
    PhoneFixture phone(16);
    int ends = 0;
    phone.preview.endEditor = [&ends] {
        ++ends;
    };
    const Screens before = Copy(phone.preview);
    phone.preview.picGet = QImage(100, 80, phone.preview.screen(0).format());
    phone.preview.picGet.fill(0);
    phone.preview.PaintElementMask(phone.f.editor, 0, 0);
    // Nothing is painted after the end, and the message is shown once, in Czech in any language.
    phone.preview.picGet = phone.preview.layers(0).front().picture;
    phone.preview.PaintElementMask(phone.f.editor, 0, MakeColour(1, 2, 3));
    RedrawPreview(phone.f.editor, QStringLiteral("all"));
    QCOMPARE(Copy(phone.preview), before);
    const Message expected{MessageIcon::None, QStringLiteral("Kopírované mapy nejsou stejné !"),
                           QStringLiteral("Chyba"), MessageButtons::Ok};
    QCOMPARE(phone.f.dialogs.messages, QList<Message>{expected});
    QCOMPARE(ends, 1);
}

QTEST_GUILESS_MAIN(TestPreview)
#include "test_preview.moc"
