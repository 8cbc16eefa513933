#include "editor_fixture.h"
#include "preview/preview.h"
#include "preview/preview_pointer.h"

#include <QTest>

namespace {

bool ShowsPattern(const QImage& screen) {
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb grey = qRgb(204, 204, 204);
            if (((x / 8) + (y / 8)) % 2 == 0 && screen.pixel(x, y) == grey)
                return true;
        }
    }
    return false;
}

// The first pixel of a screen where a layer's picture is black, in drawing order of layers.
QPoint FirstPixelOf(const Preview& preview, int screen, const QString& tag, const QString& key) {
    for (const PreviewLayer& layer : preview.layers(screen)) {
        if (layer.tag != tag || layer.key != key)
            continue;
        const QImage rgb = layer.picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 101; ++x)
                if (rgb.pixel(x, y) != qRgb(255, 0, 255))
                    return {x, y};
    }
    return {-1, -1};
}

using Phone = PhoneFixture;

} // namespace

class TestPhoneScreens : public QObject {
    Q_OBJECT
private slots:
    void aFullyPaintedSchemeHidesThePattern();
    void aTransparentBackgroundShowsThePattern();
    void anElementRedrawsOnlyTheScreensThatShowIt();
    void pointingNamesTheTopmostLayersElement();
    void theZoomViewCountsTwoPixelsAScreenPixel();
    void aClickSelectsTheElementAndZoomsTheScreen();
    void theMapIsTheSameAtEveryDepth();
};

void TestPhoneScreens::aFullyPaintedSchemeHidesThePattern() {
    Phone phone;
    for (int p = 0; p < 60; ++p)
        phone.f.editor.elementList.setChecked(p, true);
    RedrawPreview(phone.f.editor, QStringLiteral("all"));
    for (int i = 0; i < ScreenCount; ++i)
        QVERIFY2(!ShowsPattern(phone.preview.screen(i).convertToFormat(QImage::Format_RGB32)),
                 qPrintable(QString::number(i)));
}

void TestPhoneScreens::aTransparentBackgroundShowsThePattern() {
    Phone phone;
    phone.f.editor.elementList.setChecked(1, false);
    RedrawPreview(phone.f.editor, QStringLiteral("all"));
    for (int i = 0; i < ScreenCount; ++i) {
        const bool onElement2 = QList<int>{0, 5, 6, 7, 8, 9}.contains(i);
        QCOMPARE(ShowsPattern(phone.preview.screen(i).convertToFormat(QImage::Format_RGB32)),
                 onElement2);
    }
}

void TestPhoneScreens::anElementRedrawsOnlyTheScreensThatShowIt() {
    Phone phone;
    std::array<QImage, ScreenCount> before;
    for (int i = 0; i < ScreenCount; ++i)
        before[i] = phone.preview.screen(i).copy();
    phone.f.editor.document.elementColour[24] = MakeColour(255, 0, 0);
    phone.f.editor.document.elementColour[2] = MakeColour(0, 255, 0); // not redrawn yet
    RedrawPreview(phone.f.editor, QStringLiteral("24"));
    QVERIFY(phone.preview.screen(0) != before[0]);
    for (int i = 1; i < ScreenCount; ++i)
        QCOMPARE(phone.preview.screen(i), before[i]);
}

void TestPhoneScreens::pointingNamesTheTopmostLayersElement() {
    Phone phone;
    Editor& editor = phone.f.editor;
    // The date and time digits, the outline around them, the provider name.
    const QPoint digit = FirstPixelOf(phone.preview, 0, QStringLiteral("1"), QString());
    HoverPreview(editor, 0, digit.x(), digit.y());
    QCOMPARE(editor.PreviewHoverElement, qint16(1));
    QCOMPARE(editor.hoverText, QStringLiteral("01 - Font display date / time"));
    HoverPreview(editor, 0, 50, 79); // the bottom row: the soft-key bar
    QCOMPARE(editor.PreviewHoverElement, qint16(7));
    const QPoint name = FirstPixelOf(phone.preview, 0, QStringLiteral("24"), QString());
    HoverPreview(editor, 0, name.x(), name.y());
    QCOMPARE(editor.PreviewHoverElement, qint16(24));
    // An overlay icon and an inverted word answer with no element and an empty label.
    const QPoint icon = FirstPixelOf(phone.preview, 0, QString(), QString());
    HoverPreview(editor, 0, icon.x(), icon.y());
    QCOMPARE(editor.PreviewHoverElement, qint16(0));
    QVERIFY(editor.hoverText.isEmpty());
    const QPoint word = FirstPixelOf(phone.preview, 5, QString(), QStringLiteral("neg57"));
    HoverPreview(editor, 5, word.x(), word.y());
    QCOMPARE(editor.PreviewHoverElement, qint16(0));
    // A transparent element is still found where it would be painted.
    editor.elementList.setChecked(23, false);
    HoverPreview(editor, 0, name.x(), name.y());
    QCOMPARE(editor.PreviewHoverElement, qint16(24));
    // Positions off the screen are ignored; the last row and column are part of it.
    HoverPreview(editor, 0, 101, 10);
    HoverPreview(editor, 0, 10, 80);
    HoverPreview(editor, 0, -1, 0);
    QCOMPARE(editor.PreviewHoverElement, qint16(24));
    HoverPreview(editor, 0, 100, 40);
    QCOMPARE(editor.PreviewHoverX, 100.0f);
    QCOMPARE(editor.PreviewHoverElement, qint16(2));
}

void TestPhoneScreens::theZoomViewCountsTwoPixelsAScreenPixel() {
    Phone phone;
    Editor& editor = phone.f.editor;
    HoverPreview(editor, 0, 50, 40);
    for (const int corner : {0, 1}) {
        HoverZoomView(editor, corner, 10);
        HoverZoomView(editor, 10, corner);
        QCOMPARE(editor.PreviewHoverX, 50.0f);
    }
    HoverZoomView(editor, 2, 3);
    QCOMPARE(editor.PreviewHoverX, 0.0f);
    QCOMPARE(editor.PreviewHoverY, 0.0f);
    HoverZoomView(editor, 203, 161);
    QCOMPARE(editor.PreviewHoverX, 100.0f);
    QCOMPARE(editor.PreviewHoverY, 79.0f);
}

void TestPhoneScreens::aClickSelectsTheElementAndZoomsTheScreen() {
    Phone phone;
    Editor& editor = phone.f.editor;
    editor.options.flashOnSelect = false; // the plain click, without the flash
    const QPoint digit = FirstPixelOf(phone.preview, 0, QStringLiteral("1"), QString());
    editor.elementList.setCurrent(30);
    HoverPreview(editor, 0, digit.x(), digit.y());
    ClickPreview(editor, 0);
    QCOMPARE(editor.elementList.current(), 0);
    QCOMPARE(editor.selectedItemText, QStringLiteral("01 - Font display date / time"));
    // On an overlay a click only moves the screen into the zoom view.
    const QPoint icon = FirstPixelOf(phone.preview, 8, QString(), QString());
    HoverPreview(editor, 8, icon.x(), icon.y());
    ClickPreview(editor, 8);
    QCOMPARE(phone.preview.ZoomScreen, 8);
    QCOMPARE(phone.preview.zoomView, phone.preview.screen(8));
    QCOMPARE(editor.elementList.current(), 0);
}

void TestPhoneScreens::theMapIsTheSameAtEveryDepth() {
    const Preview deep(32), middle(24), shallow(16);
    for (int i = 0; i < ScreenCount; ++i) {
        for (int y = 0; y < 80; y += 3) {
            for (int x = 0; x < 101; x += 2) {
                const int layer = deep.imageMap().topmostLayer(i, x, y);
                QVERIFY(layer >= 1);
                QCOMPARE(middle.imageMap().topmostLayer(i, x, y), layer);
                QCOMPARE(shallow.imageMap().topmostLayer(i, x, y), layer);
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestPhoneScreens)
#include "test_phone_screens.moc"
