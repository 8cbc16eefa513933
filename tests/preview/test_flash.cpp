#include "editor_fixture.h"
#include "preview/flash.h"
#include "preview/preview_pointer.h"

#include <QTest>

namespace {

// The title bar background of the list menu screen: element 4, under no later layer.
constexpr int ListScreen = 2;
constexpr QPoint TitleBar(80, 13);

QImage Copy(const QImage& picture) {
    return picture.copy();
}

// The pixels a flash of the layer under a point must invert: those where that layer is the
// topmost one and that show the colour of the clicked pixel.
QList<QPoint> ExpectedFlash(const Preview& preview, int screen, QPoint clicked) {
    const ImageMap& map = preview.imageMap();
    const QImage& picture = preview.screen(screen);
    const int layer = map.topmostLayer(screen, clicked.x(), clicked.y());
    const QRgb colour = picture.pixel(clicked);
    QList<QPoint> points;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 101; ++x) {
            if (map.topmostLayer(screen, x, y) == layer && picture.pixel(x, y) == colour)
                points.append({x, y});
        }
    }
    return points;
}

QRgb Inverse(QRgb colour) {
    return qRgb(255 - qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour));
}

} // namespace

class TestFlash : public QObject {
    Q_OBJECT
private slots:
    void aClickFlashesTheElementsVisiblePixelsOnce_data();
    void aClickFlashesTheElementsVisiblePixelsOnce();
    void aSecondClickDuringTheFlashIsDropped();
    void aClickOnAnOverlayChangesNothing();
    void aTransparentElementFlashesWhatShowsThrough();
    void withoutTheOptionAClickChangesNoPixel();
};

void TestFlash::aClickFlashesTheElementsVisiblePixelsOnce_data() {
    QTest::addColumn<int>("depth");
    QTest::newRow("16 bits") << 16;
    QTest::newRow("24 bits") << 24;
    QTest::newRow("32 bits") << 32;
}

void TestFlash::aClickFlashesTheElementsVisiblePixelsOnce() {
    QFETCH(int, depth);
    PhoneFixture phone(depth);
    Editor& editor = phone.f.editor;
    QVERIFY(editor.options.flashOnSelect);
    const QImage before = Copy(phone.preview.screen(ListScreen));
    const QList<QPoint> flashed = ExpectedFlash(phone.preview, ListScreen, TitleBar);
    QVERIFY(flashed.size() > 500); // the title bar, less its text and symbol

    HoverPreview(editor, ListScreen, TitleBar.x(), TitleBar.y());
    ClickPreview(editor, ListScreen);
    QCOMPARE(editor.elementList.current(), 3);
    QVERIFY(editor.flash.FlashBusy);
    QVERIFY(editor.flash.tmrBlink.isActive());
    QCOMPARE(editor.flash.tmrBlink.interval(), 50);
    QCOMPARE(phone.preview.ZoomScreen, ListScreen);

    const QImage& during = phone.preview.screen(ListScreen);
    QCOMPARE(phone.preview.zoomView, during);
    // A display of this depth shows the inverse as near as its format allows.
    QImage shownInverse(1, 1, during.format());
    shownInverse.setPixel(0, 0, Inverse(before.pixel(TitleBar)));
    int changed = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 101; ++x) {
            if (during.pixel(x, y) != before.pixel(x, y))
                ++changed;
        }
    }
    QCOMPARE(changed, flashed.size());
    for (const QPoint& p : flashed)
        QCOMPARE(during.pixel(p), shownInverse.pixel(0, 0));

    // One tick later the screen is as it was, and the next click may flash again.
    QTRY_VERIFY_WITH_TIMEOUT(!editor.flash.FlashBusy, 1000);
    QVERIFY(!editor.flash.tmrBlink.isActive());
    QCOMPARE(phone.preview.screen(ListScreen), before);
    QCOMPARE(phone.preview.zoomView, before);
}

void TestFlash::aSecondClickDuringTheFlashIsDropped() {
    PhoneFixture phone;
    Editor& editor = phone.f.editor;
    HoverPreview(editor, ListScreen, TitleBar.x(), TitleBar.y());
    ClickPreview(editor, ListScreen);
    const QImage flashed = Copy(phone.preview.screen(ListScreen));

    // The clock on the standby screen: another element, another screen.
    HoverPreview(editor, 0, 30, 30);
    QVERIFY(editor.PreviewHoverElement != 4);
    ClickPreview(editor, 0);
    QCOMPARE(editor.elementList.current(), 3);
    QCOMPARE(phone.preview.ZoomScreen, ListScreen);
    QCOMPARE(phone.preview.screen(ListScreen), flashed);

    EndFlash(editor);
    QVERIFY(!editor.flash.FlashBusy);
    ClickPreview(editor, 0);
    QCOMPARE(editor.elementList.current(), editor.PreviewHoverElement - 1);
    QCOMPARE(phone.preview.ZoomScreen, 0);
}

void TestFlash::aClickOnAnOverlayChangesNothing() {
    PhoneFixture phone;
    Editor& editor = phone.f.editor;
    editor.elementList.setCurrent(30);
    std::array<QImage, ScreenCount> before;
    for (int i = 0; i < ScreenCount; ++i)
        before[i] = Copy(phone.preview.screen(i));
    // The key symbol of the keypad-locked screen is an overlay.
    const ImageMap& map = phone.preview.imageMap();
    QPoint icon(-1, -1);
    for (int y = 0; y < 80 && icon.x() < 0; ++y)
        for (int x = 0; x < 101 && icon.x() < 0; ++x)
            if (map.LayerElement(8, map.topmostLayer(8, x, y)) == 0)
                icon = {x, y};
    QVERIFY(icon.x() >= 0);

    HoverPreview(editor, 8, icon.x(), icon.y());
    QCOMPARE(editor.PreviewHoverElement, qint16(0));
    ClickPreview(editor, 8);
    QVERIFY(!editor.flash.FlashBusy);
    QVERIFY(!editor.flash.tmrBlink.isActive());
    QCOMPARE(phone.preview.ZoomScreen, 0);
    QCOMPARE(editor.elementList.current(), 30);
    for (int i = 0; i < ScreenCount; ++i)
        QCOMPARE(phone.preview.screen(i), before[i]);
}

void TestFlash::aTransparentElementFlashesWhatShowsThrough() {
    PhoneFixture phone;
    Editor& editor = phone.f.editor;
    editor.elementList.setChecked(3, false); // element 4 transparent: the background shows
    QVERIFY(editor.elementList.isChecked(20));
    const QImage before = Copy(phone.preview.screen(ListScreen));
    const QList<QPoint> flashed = ExpectedFlash(phone.preview, ListScreen, TitleBar);
    QVERIFY(!flashed.isEmpty());

    HoverPreview(editor, ListScreen, TitleBar.x(), TitleBar.y());
    QCOMPARE(editor.PreviewHoverElement, qint16(4));
    ClickPreview(editor, ListScreen);
    for (const QPoint& p : flashed)
        QCOMPARE(phone.preview.screen(ListScreen).pixel(p), Inverse(before.pixel(TitleBar)));
    EndFlash(editor);
    QCOMPARE(phone.preview.screen(ListScreen), before);
}

void TestFlash::withoutTheOptionAClickChangesNoPixel() {
    PhoneFixture phone;
    Editor& editor = phone.f.editor;
    editor.options.flashOnSelect = false;
    std::array<QImage, ScreenCount> before;
    for (int i = 0; i < ScreenCount; ++i)
        before[i] = Copy(phone.preview.screen(i));
    HoverPreview(editor, ListScreen, TitleBar.x(), TitleBar.y());
    ClickPreview(editor, ListScreen);
    QCOMPARE(editor.elementList.current(), 3);
    QCOMPARE(phone.preview.ZoomScreen, ListScreen);
    QVERIFY(!editor.flash.FlashBusy);
    for (int i = 0; i < ScreenCount; ++i)
        QCOMPARE(phone.preview.screen(i), before[i]);
}

QTEST_GUILESS_MAIN(TestFlash)
#include "test_flash.moc"
