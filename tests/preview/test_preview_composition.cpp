#include "editor_fixture.h"
#include "preview/display_depth.h"
#include "preview/preview.h"

#include <QTest>

namespace {

// Screens of our own, small enough to know every pixel:
//   screen 0: element 2 over the whole screen; element 5 on the row y = 10, x 0..9;
//             element 5 again as hit area only (grey) at x = 20; inverse of element 5 at
//             x = 30; an overlay, a red pixel at x = 40; the overlay shown while element 7 is
//             opaque in the document, a green pixel at x = 50.
//   screen 3: element 9 over the whole screen.
//   every other screen: element 2 over the whole screen.
QImage Layer(const QList<QPoint>& points, QRgb colour = qRgb(0, 0, 0)) {
    QImage image(101, 80, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    for (const QPoint& p : points)
        image.setPixel(p, colour);
    return image;
}

QImage Full() {
    QImage image(101, 80, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    return image;
}

QList<QPoint> Row(int fromX, int toX, int y) {
    QList<QPoint> points;
    for (int x = fromX; x <= toX; ++x)
        points.append({x, y});
    return points;
}

std::array<std::vector<PreviewLayer>, ScreenCount> TestScreens() {
    std::array<std::vector<PreviewLayer>, ScreenCount> screens;
    for (auto& screen : screens)
        screen.push_back({Full(), QStringLiteral("2"), QString()});
    screens[0].push_back({Layer(Row(0, 9, 10)), QStringLiteral("5"), QString()});
    screens[0].push_back({Layer({{20, 10}}, qRgb(128, 128, 128)), QStringLiteral("5"), QString()});
    screens[0].push_back({Layer({{30, 10}}), QString(), QStringLiteral("neg5")});
    screens[0].push_back({Layer({{40, 10}}, qRgb(255, 0, 0)), QString(), QString()});
    screens[0].push_back({Layer({{50, 10}}, qRgb(0, 255, 0)), QString(), QStringLiteral("n7")});
    screens[3] = {{Full(), QStringLiteral("9"), QString()}};
    return screens;
}

QRgb Pixel(const Preview& preview, int screen, int x, int y) {
    return preview.screen(screen).pixel(x, y);
}

// A colour as a display of that depth shows it.
QRgb Shown(int depth, QRgb colour) {
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(colour);
    return pixel.convertToFormat(*DisplayFormat(depth))
        .convertToFormat(QImage::Format_RGB32)
        .pixel(0, 0);
}

QRgb PatternAt(int x, int y) {
    return ((x / 8) + (y / 8)) % 2 == 0 ? qRgb(204, 204, 204) : qRgb(255, 255, 255);
}

struct Composition {
    explicit Composition(int depth = 32, Language language = Language::English)
        : f(language), preview(depth, TestScreens()) {
        f.editor.preview = &preview;
        preview.endEditor = [this] {
            ++ends;
        };
    }
    EditorFixture f;
    Preview preview;
    int ends = 0;
};

} // namespace

class TestPreviewComposition : public QObject {
    Q_OBJECT
private slots:
    void layersPaintInOrder_data();
    void layersPaintInOrder();
    void transparentElementsShowThePattern();
    void anElementRedrawsOnlyItsScreens();
    void withoutAutoredrawElementsWait();
    void conditionalOverlaysFollowTheDocumentsOpacity();
    void lcdColoursMapPaintButNotOverlays();
    void theZoomViewShowsItsScreen();
    void aShallowDisplayEndsTheEditor_data();
    void aShallowDisplayEndsTheEditor();
    void mismatchedPicturesEndTheEditor();
};

void TestPreviewComposition::layersPaintInOrder_data() {
    QTest::addColumn<int>("depth");
    QTest::newRow("16") << 16;
    QTest::newRow("24") << 24;
    QTest::newRow("32") << 32;
}

void TestPreviewComposition::layersPaintInOrder() {
    QFETCH(int, depth);
    Composition c(depth);
    SchemeDocument& doc = c.f.editor.document;
    doc.elementColour[2] = MakeColour(0, 0, 248);
    doc.elementColour[5] = MakeColour(0, 0, 160);
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    QCOMPARE(Pixel(c.preview, 0, 0, 0), Shown(depth, qRgb(0, 0, 248)));
    QCOMPARE(Pixel(c.preview, 0, 9, 10), Shown(depth, qRgb(0, 0, 160)));
    // Hit-only pixels of an element layer are never painted.
    QCOMPARE(Pixel(c.preview, 0, 20, 10), Shown(depth, qRgb(0, 0, 248)));
    // The inverse layer takes the inverse colour: (255, 255, 95) for (0, 0, 160).
    QCOMPARE(Pixel(c.preview, 0, 30, 10), Shown(depth, qRgb(255, 255, 95)));
    QCOMPARE(Pixel(c.preview, 0, 40, 10), qRgb(255, 0, 0));
    QCOMPARE(Pixel(c.preview, 0, 50, 10), qRgb(0, 255, 0));
    QCOMPARE(Pixel(c.preview, 0, 41, 10), Shown(depth, qRgb(0, 0, 248))); // magenta not copied
    QCOMPARE(Pixel(c.preview, 3, 0, 0), qRgb(255, 255, 255)); // element 9 of the Blue starter
    QCOMPARE(c.preview.screen(0).depth(), depth);
}

void TestPreviewComposition::transparentElementsShowThePattern() {
    Composition c;
    c.f.editor.elementList.setChecked(1, false);
    c.f.editor.elementList.setChecked(4, false);
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    for (const QPoint p : {QPoint(0, 0), QPoint(8, 0), QPoint(100, 79), QPoint(5, 10)})
        QCOMPARE(Pixel(c.preview, 0, p.x(), p.y()), PatternAt(p.x(), p.y()));
    // The inverse layer of a transparent element draws nothing either; the overlay still does.
    QCOMPARE(Pixel(c.preview, 0, 30, 10), PatternAt(30, 10));
    QCOMPARE(Pixel(c.preview, 0, 40, 10), qRgb(255, 0, 0));
    QCOMPARE(Pixel(c.preview, 3, 0, 0), qRgb(255, 255, 255));
}

void TestPreviewComposition::anElementRedrawsOnlyItsScreens() {
    Composition c;
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    c.f.editor.document.elementColour[2] = MakeColour(1, 1, 1);
    c.f.editor.document.elementColour[9] = MakeColour(9, 9, 9);
    RedrawPreview(c.f.editor, QStringLiteral("9"));
    QCOMPARE(Pixel(c.preview, 3, 0, 0), qRgb(9, 9, 9));
    QCOMPARE(Pixel(c.preview, 0, 0, 0), qRgb(255, 255, 255));
    // A screen is recomposed whole, so the layers above the element stay on top.
    c.f.editor.document.elementColour[5] = MakeColour(5, 5, 5);
    RedrawPreview(c.f.editor, QStringLiteral("5"));
    QCOMPARE(Pixel(c.preview, 0, 0, 0), qRgb(1, 1, 1));
    QCOMPARE(Pixel(c.preview, 0, 0, 10), qRgb(5, 5, 5));
    QCOMPARE(Pixel(c.preview, 0, 40, 10), qRgb(255, 0, 0));
    QCOMPARE(Pixel(c.preview, 1, 0, 0), qRgb(255, 255, 255));
    // The element number is compared as text: "05" is no layer's tag.
    c.f.editor.document.elementColour[5] = MakeColour(6, 6, 6);
    RedrawPreview(c.f.editor, QStringLiteral("05"));
    QCOMPARE(Pixel(c.preview, 0, 0, 10), qRgb(5, 5, 5));
}

void TestPreviewComposition::withoutAutoredrawElementsWait() {
    Composition c;
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    c.f.editor.options.autoRedraw = false;
    c.preview.ZoomScreen = 3;
    const QImage zoomBefore = c.preview.zoomView;
    c.f.editor.document.elementColour[9] = MakeColour(9, 9, 9);
    RedrawPreview(c.f.editor, QStringLiteral("9"));
    QCOMPARE(Pixel(c.preview, 3, 0, 0), qRgb(255, 255, 255));
    QCOMPARE(c.preview.zoomView, zoomBefore);
    // "all" redraws whatever the option says.
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    QCOMPARE(Pixel(c.preview, 3, 0, 0), qRgb(9, 9, 9));
}

void TestPreviewComposition::conditionalOverlaysFollowTheDocumentsOpacity() {
    Composition c;
    c.f.editor.document.elementOpacity[7] = 0;
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    QCOMPARE(Pixel(c.preview, 0, 50, 10), qRgb(255, 255, 255));
    // The tick does not bring it back; only the opacity of the last open, creation or save.
    QVERIFY(c.f.editor.elementList.isChecked(6));
    c.f.editor.document.elementOpacity[7] = 50;
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    QCOMPARE(Pixel(c.preview, 0, 50, 10), qRgb(255, 255, 255));
    c.f.editor.document.elementOpacity[7] = 100;
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    QCOMPARE(Pixel(c.preview, 0, 50, 10), qRgb(0, 255, 0));
}

void TestPreviewComposition::lcdColoursMapPaintButNotOverlays() {
    Composition c;
    c.f.editor.options.lcdColours = true;
    c.f.editor.document.elementColour[5] = MakeColour(0, 0, 0);
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    QCOMPARE(Pixel(c.preview, 0, 0, 0), qRgb(235, 235, 208)); // white element 2
    QCOMPARE(Pixel(c.preview, 0, 0, 10), qRgb(81, 25, 95));   // black element 5
    // The inverse of black is white, then mapped.
    QCOMPARE(Pixel(c.preview, 0, 30, 10), qRgb(235, 235, 208));
    QCOMPARE(Pixel(c.preview, 0, 40, 10), qRgb(255, 0, 0));
    // The stored colour is untouched.
    QCOMPARE(c.f.editor.document.elementColour[2], MakeColour(255, 255, 255));
}

void TestPreviewComposition::theZoomViewShowsItsScreen() {
    Composition c;
    c.f.editor.document.elementColour[9] = MakeColour(9, 9, 9);
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    QCOMPARE(c.preview.zoomView.pixel(0, 0), qRgb(255, 255, 255)); // screen 0
    c.preview.ZoomScreen = 3;
    RedrawPreview(c.f.editor, QStringLiteral("15")); // an element on no screen
    QCOMPARE(c.preview.zoomView, c.preview.screen(3));
    QCOMPARE(c.preview.zoomView.pixel(0, 0), qRgb(9, 9, 9));
}

void TestPreviewComposition::aShallowDisplayEndsTheEditor_data() {
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
}

void TestPreviewComposition::aShallowDisplayEndsTheEditor() {
    QFETCH(int, language);
    QFETCH(QString, text);
    QFETCH(QString, title);
    Composition c(8, static_cast<Language>(language));
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    const Message expected{MessageIcon::Information, text, title, MessageButtons::Ok};
    QCOMPARE(c.f.dialogs.messages, QList<Message>{expected});
    QCOMPARE(c.ends, 1);
    QVERIFY(c.preview.ended());
    RedrawPreview(c.f.editor, QStringLiteral("all"));
    QCOMPARE(c.f.dialogs.messages.size(), 1);

    Composition silent(8, Language::None);
    RedrawPreview(silent.f.editor, QStringLiteral("all"));
    QVERIFY(silent.f.dialogs.messages.isEmpty());
    QCOMPARE(silent.ends, 1);
}

void TestPreviewComposition::mismatchedPicturesEndTheEditor() {
    for (const int depth : {16, 24, 32}) {
        Composition c(depth, Language::German);
        c.preview.picGet = QImage(100, 80, *DisplayFormat(depth));
        c.preview.PaintElementMask(c.f.editor, 0, 0);
        const Message expected{MessageIcon::None, QStringLiteral("Kopírované mapy nejsou stejné !"),
                               QStringLiteral("Chyba"), MessageButtons::Ok};
        QCOMPARE(c.f.dialogs.messages, QList<Message>{expected});
        QCOMPARE(c.ends, 1);
    }
}

QTEST_GUILESS_MAIN(TestPreviewComposition)
#include "test_preview_composition.moc"
