// The phone's ten screens as the preview draws them, and what pointing at them names, against
// screens/*.png for each starter, display depth and option that changes pixels; clicking.
#include "editor/flash.h"
#include "editor/preview_options.h"
#include "editor/preview_pointer.h"
#include "editor/provider_name.h"
#include "editor/scheme_loading.h"
#include "editor_fixture.h"
#include "golden.h"
#include "preview/image_map.h"
#include "scheme/starter_schemes.h"

#include <QPainter>
#include <QRegularExpression>

namespace {

// The ten screens one below the other.
QImage Sheet(const Preview& preview) {
    QImage sheet(ScreenWidth, ScreenCount * ScreenHeight, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int i = 0; i < ScreenCount; ++i)
        painter.drawImage(0, i * ScreenHeight, preview.screen(i).convertToFormat(sheet.format()));
    return sheet;
}

// The element pointing at each pixel of each screen names, times four to be seen.
QImage HitMap(Editor& editor) {
    QImage picture(ScreenWidth, ScreenCount * ScreenHeight, QImage::Format_Grayscale8);
    for (int i = 0; i < ScreenCount; ++i)
        for (int y = 0; y < ScreenHeight; ++y)
            for (int x = 0; x < ScreenWidth; ++x) {
                editor.previewHoverElement = 63; // what no pointing names
                HoverPreview(editor, i, x, y);
                picture.scanLine(i * ScreenHeight + y)[x] = uchar(4 * editor.previewHoverElement);
            }
    return picture;
}

// The list menu's title bar (element 4 under no later layer), the standby screen's clock
// (element 1) and the keypad-locked screen's key symbol (an overlay).
constexpr int ListScreen = 2;
constexpr QPoint TitleBar(80, 13), Clock(34, 42), Key(40, 22);

// Green2: element 2 turned green, redrawn alone; Red24: element 24 red as well, only it redrawn.
constexpr unsigned Lcd = 1, HideProviderName = 2, Flash = 4, Green2 = 8, Red24 = 16,
                   NoAutoRedraw = 32, AutoRedrawAgain = 64;
struct Case {
    const char* name;
    int depth;
    Starter starter;
    unsigned changes;
    int transparent = 0, opacityZero = 0; // made transparent, read with opacity 0; 0: none
};
const Case Cases[] = {
    {"blue", 32, Starter::Blue, 0},
    {"blue-16bit", 16, Starter::Blue, 0},
    {"red-24bit", 24, Starter::Red, 0},
    {"green-lcd", 32, Starter::Green, Lcd},
    {"blue-lcd-16bit", 16, Starter::Blue, Lcd},
    {"red-no-provider-name", 32, Starter::Red, HideProviderName},
    {"blue-transparent-2", 32, Starter::Blue, 0, 2},
    {"green-transparent-26-24bit", 24, Starter::Green, 0, 26},
    {"green-opacity-26-zero", 32, Starter::Green, 0, 0, 26},
    {"blue-red-24-redrawn-alone", 32, Starter::Blue, Red24},
    {"blue-green-2-without-autoredraw", 32, Starter::Blue, NoAutoRedraw | Green2},
    {"blue-green-2-autoredraw-again", 32, Starter::Blue, NoAutoRedraw | Green2 | AutoRedrawAgain},
    {"blue-transparent-2-without-autoredraw", 32, Starter::Blue, NoAutoRedraw, 2},
    {"blue-flash", 32, Starter::Blue, Flash},
    {"blue-flash-16bit", 16, Starter::Blue, Flash},
    {"red-flash-24bit", 24, Starter::Red, Flash},
    {"red-transparent-4-flash", 32, Starter::Red, Flash, 4},
};

} // namespace

class TestPreviewScreens : public QObject {
    Q_OBJECT
private slots:
    // Painting and pointing are silent: a pixel set outside a picture, for one, warns.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }

    void screensMatchTheirGoldenPictures_data() {
        QTest::addColumn<const Case*>("c");
        for (const Case& c : Cases)
            QTest::newRow(c.name) << &c;
    }
    void screensMatchTheirGoldenPictures() {
        QFETCH(const Case*, c);
        PhoneFixture phone(c->depth);
        Editor& editor = phone.f.editor;
        // Each change goes the way the user's does, so that how it redraws is tested too. Without
        // autoredraw an element waits; Refresh and autoredraw on again redraw every screen.
        CreateStarterScheme(editor, c->starter);
        if (c->changes & NoAutoRedraw)
            AutoRedrawClicked(editor, false);
        if (c->changes & Lcd)
            LcdColoursClicked(editor, true);
        if (c->changes & HideProviderName)
            SetProviderNameOption(editor, true);
        if (c->transparent)
            editor.list.elements.setChecked(c->transparent - 1, false);
        if (c->opacityZero)
            editor.document.elementOpacity[c->opacityZero] = 0;
        if (c->transparent || c->opacityZero)
            RefreshClicked(editor);
        if (c->changes & (Green2 | Red24)) {
            editor.document.elementColour[2] = MakeColour(0, 255, 0);
            if (c->changes & Red24)
                editor.document.elementColour[24] = MakeColour(255, 0, 0);
            RedrawPreview(editor, RedrawTarget(c->changes & Red24 ? 24 : 2));
        }
        if (c->changes & AutoRedrawAgain)
            AutoRedrawClicked(editor, true);
        // Pointing names the topmost layer's element, even a transparent one: the map depends
        // neither on the scheme nor on the depth of the pictures.
        CompareWithGolden(HitMap(editor), QFINDTESTDATA("screens"), QStringLiteral("hit-map"));
        const QImage before = Sheet(phone.preview);
        // The window repaints when the flash shows and when it ends.
        int repaints = 0;
        editor.previewPainted = [&repaints] {
            ++repaints;
        };
        if (c->changes & Flash) {
            HoverPreview(editor, ListScreen, TitleBar.x(), TitleBar.y());
            ClickPreview(editor, ListScreen);
            QCOMPARE(editor.flash.blinkTimer.interval(), 50);
            QCOMPARE(phone.preview.zoomView, phone.preview.screen(ListScreen));
        }
        CompareWithGolden(Sheet(phone.preview), QFINDTESTDATA("screens"), QLatin1String(c->name));
        // One tick later the screen is as it was.
        QTRY_VERIFY_WITH_TIMEOUT(!editor.flash.flashBusy, 1000);
        QCOMPARE(repaints, c->changes & Flash ? 2 : 0);
        QVERIFY(!editor.flash.blinkTimer.isActive());
        QCOMPARE(Sheet(phone.preview), before);
        QCOMPARE(phone.preview.zoomView, phone.preview.screen(phone.preview.zoomScreen));
    }

    void pointingAndClicking() {
        PhoneFixture phone;
        Editor& editor = phone.f.editor;
        editor.list.elements.setCurrent(30);
        const QImage before = Sheet(phone.preview);
        // A click where the pointer is; then the entry selected and the screen zoomed.
        const auto click = [&](int screen, QPoint at) {
            HoverPreview(editor, screen, at.x(), at.y());
            ClickPreview(editor, screen);
            return std::pair(editor.list.elements.current(), phone.preview.zoomScreen);
        };
        // With the flash on, a click on an overlay changes nothing.
        QCOMPARE(click(8, Key), std::pair(30, 0));
        QVERIFY(editor.shown.hoverText.isEmpty());
        QCOMPARE(Sheet(phone.preview), before);
        // Nor does a second click while a flash shows, on another element of another screen.
        click(ListScreen, TitleBar);
        const QImage flashed = Sheet(phone.preview);
        QCOMPARE(click(0, Clock), std::pair(3, ListScreen));
        QCOMPARE(editor.shown.hoverText, editor.list.elements.entry(0).text);
        QCOMPARE(Sheet(phone.preview), flashed);
        EndFlash(editor);
        QCOMPARE(click(0, Clock), std::pair(0, 0));
        EndFlash(editor);
        // Without the flash a click selects and zooms and no pixel changes; on an overlay it zooms.
        editor.options.flashOnSelect = false;
        QCOMPARE(click(ListScreen, TitleBar), std::pair(3, ListScreen));
        QCOMPARE(click(8, Key), std::pair(3, 8));
        QCOMPARE(phone.preview.zoomView, phone.preview.screen(8));
        QCOMPARE(Sheet(phone.preview), before);
        // Positions off the screen are ignored. The zoom view counts two of its pixels a screen
        // pixel, the screen two pixels inside it.
        for (const QPoint p : {QPoint(101, 10), QPoint(10, 80), QPoint(-1, 0), QPoint(0, -1)})
            HoverPreview(editor, 9, p.x(), p.y());
        const auto hovered = [&editor] {
            return QPointF(editor.previewHoverX, editor.previewHoverY);
        };
        QCOMPARE(hovered(), QPointF(Key));
        for (const QPoint p : {QPoint(2, 3), QPoint(0, 10), QPoint(10, 1)}) {
            HoverZoomView(editor, p.x(), p.y());
            QCOMPARE(hovered(), QPointF(0, 0));
        }
        HoverZoomView(editor, 2 * Key.x() + 3, 2 * Key.y() + 2);
        QCOMPARE(hovered(), QPointF(Key));
        QCOMPARE(editor.previewHoverElement, qint16(0));
    }

    // A picture of another size than the screen's is reported in Czech whatever the language,
    // without icon; the other message's language is chosen as every error message's is.
    void anUnpaintablePictureEndsTheEditor_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QList<Message>>("messages");
        const Message shallow{MessageIcon::Information, "Minimal color must be 16-Bit!", "Error"};
        QTest::newRow("en") << 8 << Language::English << QList{shallow};
        QTest::newRow("none") << 8 << Language::None << QList<Message>();
        const Message mismatched{MessageIcon::None, "Kopírované mapy nejsou stejné !", "Chyba"};
        QTest::newRow("mismatched") << 16 << Language::English << QList{mismatched};
    }
    void anUnpaintablePictureEndsTheEditor() {
        QFETCH(int, depth);
        QFETCH(Language, language);
        QFETCH(QList<Message>, messages);
        EditorFixture f(language);
        Preview preview(depth);
        int ends = 0;
        AttachPreview(f.editor, preview, [&ends] { ++ends; });
        const QImage before = preview.screen(0).copy();
        if (depth >= 16) {
            preview.maskPicture = QImage(100, 80, before.format());
            preview.paintElementMask(0, 0, false);
        }
        // After the end nothing is painted and nothing shown again.
        RedrawPreview(f.editor, RedrawTarget::all());
        preview.maskPicture = preview.layers(0).front().picture;
        preview.paintElementMask(0, MakeColour(1, 2, 3), false);
        QCOMPARE(preview.screen(0), before);
        QCOMPARE(f.dialogs.messages, messages);
        QCOMPARE(ends, 1);
    }

    // Pointing names an element only where its layer is not magenta; at 16 bits the rule looks at
    // the pixel's two bytes, so that magenta stored as 5-5-5 is outside too.
    void onlyMagentaIsOutsideALayer_data() {
        QTest::addColumn<QByteArray>("pixel"); // the bytes as stored
        QTest::addColumn<bool>("inLayer");
        QTest::newRow("16 magenta 5-5-5") << QByteArray("\x1f\x7c", 2) << false;
        QTest::newRow("16 high byte of magenta") << QByteArray("\x00\xf8", 2) << false;
        QTest::newRow("16 bytes sharing bits 3 and 4") << QByteArray("\x18\x98", 2) << false;
        QTest::newRow("16 near magenta") << QByteArray("\x1e\xf7", 2) << true;
        QTest::newRow("24 near magenta") << QByteArray("\xff\x01\xff", 3) << true;
        QTest::newRow("32 magenta, any fourth byte") << QByteArray("\xff\x00\xff\x80", 4) << false;
    }
    void onlyMagentaIsOutsideALayer() {
        QFETCH(QByteArray, pixel);
        QFETCH(bool, inLayer);
        const int bits = 8 * int(pixel.size());
        QCOMPARE(PixelInLayer(reinterpret_cast<const uchar*>(pixel.constData()), bits), inLayer);
    }
};

QTEST_GUILESS_MAIN(TestPreviewScreens)
#include "test_preview_screens.moc"
