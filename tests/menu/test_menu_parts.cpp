// The pieces the menus are drawn from: the background strip, the keyed icon list and the menu
// font's measures.
#include "assets/icons.h"
#include "menu/background_strip.h"
#include "menu/icon_list.h"
#include "menu/nc_metrics.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QTest>

namespace {

QImage Square(int size, QRgb colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestMenuParts : public QObject {
    Q_OBJECT
private slots:
    void theStripIsAGreyColumnAndALightField();
    void iconsAreFoundByKeyAndCountedFromOne();
    void eachRatioGetsItsOwnPictureOrASharpResize();
    void theMenuIconsAreTheProgramsIcons();
    void accessKeyMarksTakeNoRoom();
    void rowsFitTheIconOrTheText();
};

void TestMenuParts::theStripIsAGreyColumnAndALightField() {
    const QImage strip = MenuBackgroundStrip();
    QCOMPARE(strip.size(), QSize(500, 1));
    for (int x = 0; x < 500; ++x)
        QCOMPARE(strip.pixel(x, 0) & 0xFFFFFF,
                 x < 24 ? qRgb(222, 222, 214) & 0xFFFFFFu : qRgb(247, 247, 247) & 0xFFFFFFu);
}

void TestMenuParts::iconsAreFoundByKeyAndCountedFromOne() {
    IconList list;
    QCOMPARE(list.Count(), 0);
    QCOMPARE(list.IconSize(), 16);
    list.Add(QStringLiteral("first"), {Square(16, 0xFFFF0000)});
    list.Add(QStringLiteral("second"), {Square(16, 0xFF00FF00)});
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.Index(QStringLiteral("first")), 1);
    QCOMPARE(list.Index(QStringLiteral("second")), 2);
    QCOMPARE(list.Index(QStringLiteral("third")), 0);
    QCOMPARE(list.Key(2), QStringLiteral("second"));
    QCOMPARE(list.Key(0), QString());
    QCOMPARE(list.Key(3), QString());
    QCOMPARE(list.Picture(2, 1.0).pixel(5, 5), 0xFF00FF00u);
    QVERIFY(list.Picture(0, 1.0).isNull());
    QVERIFY(list.Picture(3, 1.0).isNull());
    QVERIFY(!list.Icon(1).isNull());
    QVERIFY(list.Icon(5).isNull());
    QCOMPARE(IconList(24).IconSize(), 24);
}

void TestMenuParts::eachRatioGetsItsOwnPictureOrASharpResize() {
    IconList list;
    // A 32-pixel picture whose left half is red and right half blue, beside a plain 16.
    QImage large = Square(32, 0xFF0000FF);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 16; ++x)
            large.setPixel(x, y, 0xFFFF0000);
    list.Add(QStringLiteral("icon"), {Square(16, 0xFF00FF00), large});
    QCOMPARE(list.Picture(1, 1.0).size(), QSize(16, 16));
    QCOMPARE(list.Picture(1, 1.0).pixel(0, 0), 0xFF00FF00u);
    QCOMPARE(list.Picture(1, 2.0), large);
    // 1.5 shrinks the larger picture without smoothing: only its two colours remain.
    const QImage between = list.Picture(1, 1.5);
    QCOMPARE(between.size(), QSize(24, 24));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            QVERIFY(between.pixel(x, y) == 0xFFFF0000u || between.pixel(x, y) == 0xFF0000FFu);
    // Above every stored size, the largest grows pixel by pixel.
    const QImage triple = list.Picture(1, 3.0);
    QCOMPARE(triple.size(), QSize(48, 48));
    QCOMPARE(triple.pixel(23, 0), 0xFFFF0000u);
    QCOMPARE(triple.pixel(24, 0), 0xFF0000FFu);
}

void TestMenuParts::theMenuIconsAreTheProgramsIcons() {
    const IconList icons = MenuIconList();
    QCOMPARE(icons.Count(), 26);
    QCOMPARE(icons.IconSize(), 16);
    for (int index = 1; index <= 26; ++index) {
        QCOMPARE(icons.Key(index), MenuIconKey(index));
        QCOMPARE(icons.Index(MenuIconKey(index)), index);
        QCOMPARE(icons.Picture(index, 1.0), MenuIconPicture(MenuIconKey(index), 16));
        QCOMPARE(icons.Picture(index, 2.0), MenuIconPicture(MenuIconKey(index), 32));
    }
    QCOMPARE(icons.Index(QStringLiteral("mnuSouborTOP")), 0);
}

void TestMenuParts::accessKeyMarksTakeNoRoom() {
    QCOMPARE(WithoutMnemonic(QStringLiteral("&Open")), QStringLiteral("Open"));
    QCOMPARE(WithoutMnemonic(QStringLiteral("Save && Go")), QStringLiteral("Save & Go"));
    QCOMPARE(WithoutMnemonic(QStringLiteral("End&")), QStringLiteral("End"));
    QCOMPARE(WithoutMnemonic(QStringLiteral("Plain")), QStringLiteral("Plain"));
    QFont font = QGuiApplication::font();
    font.setPixelSize(12);
    const cNCMetrics metrics(font);
    QCOMPARE(metrics.TextWidth(QStringLiteral("&Open")),
             QFontMetrics(font).horizontalAdvance("Open"));
    QVERIFY(metrics.TextWidth(QStringLiteral("Open"), true) >
            metrics.TextWidth(QStringLiteral("Open")));
    QVERIFY(metrics.BoldMenuFont().bold());
    QVERIFY(!metrics.MenuFont().bold());
}

void TestMenuParts::rowsFitTheIconOrTheText() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(12);
    const cNCMetrics small(font);
    QVERIFY(small.TextHeight() <= 16);
    QCOMPARE(small.RowHeight(16), 22);
    QCOMPARE(small.RowHeight(32), 38);
    font.setPixelSize(30);
    const cNCMetrics large(font);
    QCOMPARE(large.TextHeight(), QFontMetrics(font).height());
    QVERIFY(large.TextHeight() > 16);
    QCOMPARE(large.RowHeight(16), large.TextHeight() + 6);
}

QTEST_MAIN(TestMenuParts)
#include "test_menu_parts.moc"
