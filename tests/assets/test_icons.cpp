#include "assets/icon_generator/icon_generator.h"
#include "assets/icons.h"

#include <QIcon>
#include <QMap>
#include <QPixmap>
#include <QTest>

#include <vector>

namespace {

// Every picture the program carries, named like its file.
struct Picture {
    QString name;
    int size;
    QImage committed;
    QImage drawn;
};

std::vector<Picture> AllPictures() {
    std::vector<Picture> all;
    for (int i = 1; i <= MenuIconCount; ++i) {
        const QString key = MenuIconKey(i);
        for (int size : {16, 32})
            all.push_back({key, size, MenuIconPicture(key, size), DrawMenuIcon(key, size)});
    }
    for (ButtonIcon which : ButtonIcons)
        for (int size : {16, 32})
            all.push_back({QLatin1String(ButtonIconName(which)), size,
                           ButtonIconPicture(which, size), DrawButtonIcon(which, size)});
    for (int size : {16, 32, 48, 64, 128, 256})
        all.push_back(
            {QStringLiteral("zef"), size, ApplicationIconPicture(size), DrawApplicationIcon(size)});
    return all;
}

int Differing(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// A picture as a pixmap holds it (premultiplied, at a pixel ratio of 1), so a picture and an icon's
// pixmap compare without the rounding of converting back.
QImage Shown(const QImage& image) {
    QImage shown = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    shown.setDevicePixelRatio(1.0);
    return shown;
}

QImage Shown(const QPixmap& pixmap) {
    return Shown(pixmap.toImage());
}

int Lightness(QRgb p) {
    return (qRed(p) * 30 + qGreen(p) * 59 + qBlue(p) * 11) / 100;
}

// A rough name for an opaque colour, enough to tell the flags' colours apart.
QString ColourName(QRgb p) {
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    if (Lightness(p) > 220)
        return QStringLiteral("white");
    if (Lightness(p) < 60)
        return QStringLiteral("black");
    if (r > 150 && g > 150 && b < 120)
        return QStringLiteral("yellow");
    if (r > 150 && g < 110 && b < 110)
        return QStringLiteral("red");
    if (b > r && b > g)
        return QStringLiteral("blue");
    return QStringLiteral("other");
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT
private slots:
    void menuIconKeysInTheirOrder();
    void indexesAndKeysMatchBothWays();
    void unknownKeysAndSizesHaveNoIcon();
    void everyPictureIsCommittedAndDrawnToShape();
    void committedPicturesAreTheGeneratorsOutput();
    void shapesHaveDarkOutlines();
    void largePicturesAreDrawnNotEnlarged();
    void iconsCarryBothSizesAndPickByPixelRatio();
    void applicationIconComesInEverySize();
    void iconsCanBeToldApart();
    void redoIsUndoMirrored();
    void flagsShowTheirColours();
};

void TestIcons::menuIconKeysInTheirOrder() {
    const QStringList expected = {
        "mnuNovyIco",    "mnuOtevritIco", "mnuOtevritPosledniIco", "mnuMobilExplorerIco",
        "mnuUlozitIco",  "mnuSaveAsIco",  "mnuKonecIco",           "mnuSecureIco",
        "mnuFlashIco",   "mnuLinksIco",   "mnuAboutIco",           "mnuCzechIco",
        "mnuEnglishIco", "mnuDeutschIco", "mnuLanguageIco",        "mnuAsoIco",
        "mnuBlueIco",    "mnuRedIco",     "mnuGreenIco",           "mnuRecent1Ico",
        "mnuRecent2Ico", "mnuRecent3Ico", "mnuRecent4Ico",         "mnuRecent5Ico",
        "mnuUndoIco",    "mnuRedoIco"};
    QCOMPARE(MenuIconCount, 26);
    QCOMPARE(expected.size(), 26);
    for (int i = 1; i <= 26; ++i)
        QCOMPARE(MenuIconKey(i), expected[i - 1]);
    QVERIFY(MenuIconKey(0).isEmpty());
    QVERIFY(MenuIconKey(27).isEmpty());
    QVERIFY(MenuIconKey(-1).isEmpty());
}

void TestIcons::indexesAndKeysMatchBothWays() {
    for (int i = 1; i <= MenuIconCount; ++i)
        QCOMPARE(MenuIconIndex(MenuIconKey(i)), i);
    QCOMPARE(MenuIconIndex(QStringLiteral("mnuNovyIco")), 1);
    QCOMPARE(MenuIconIndex(QStringLiteral("mnuRedoIco")), 26);
    // Top-level menus, separators and near misses have no icon.
    for (const char* key : {"", "mnuSouborTOP", "mnuSep", "mnuSep2", "mnuNovy", "mnuNovyIco ",
                            "mnuRecent6Ico", "Ico"})
        QCOMPARE(MenuIconIndex(QLatin1String(key)), 0);
}

void TestIcons::unknownKeysAndSizesHaveNoIcon() {
    QVERIFY(MenuIcon(QStringLiteral("mnuSouborTOP")).isNull());
    QVERIFY(MenuIcon(QString()).isNull());
    QVERIFY(!MenuIcon(QStringLiteral("mnuAsoIco")).isNull());
    QVERIFY(MenuIconPicture(QStringLiteral("mnuSep"), 16).isNull());
    for (int size : {0, 15, 24, 48})
        QVERIFY(MenuIconPicture(QStringLiteral("mnuNovyIco"), size).isNull());
    QVERIFY(ButtonIconPicture(ButtonIcon::Refresh, 64).isNull());
    QVERIFY(ApplicationIconPicture(100).isNull());
    QVERIFY(DrawMenuIcon(QStringLiteral("mnuEditTOP"), 16).isNull());
    QVERIFY(DrawMenuIcon(QStringLiteral("mnuNovyIco"), 24).isNull());
    QVERIFY(DrawButtonIcon(ButtonIcon::MixColour, 48).isNull());
    QVERIFY(DrawApplicationIcon(24).isNull());
}

void TestIcons::everyPictureIsCommittedAndDrawnToShape() {
    const std::vector<Picture> all = AllPictures();
    QCOMPARE(int(all.size()), 26 * 2 + 4 * 2 + 6);
    for (const Picture& p : all) {
        const QString where = QStringLiteral("%1 at %2").arg(p.name).arg(p.size);
        QVERIFY2(!p.committed.isNull(), qPrintable(where));
        QCOMPARE(p.committed.size(), QSize(p.size, p.size));
        QCOMPARE(p.committed.format(), QImage::Format_ARGB32);
        int clear = 0, solid = 0;
        for (int y = 0; y < p.size; ++y)
            for (int x = 0; x < p.size; ++x) {
                const int alpha = qAlpha(p.committed.pixel(x, y));
                clear += alpha == 0;
                solid += alpha == 255;
            }
        // A shape on a transparent ground: neither empty nor a filled square.
        QVERIFY2(clear >= p.size, qPrintable(where));
        QVERIFY2(solid >= p.size * p.size / 8, qPrintable(where));
    }
}

void TestIcons::committedPicturesAreTheGeneratorsOutput() {
    for (const Picture& p : AllPictures()) {
        // A stale committed picture shows up here: redraw it with zef-icongen.
        QVERIFY2(p.committed == p.drawn,
                 qPrintable(QStringLiteral("%1 at %2").arg(p.name).arg(p.size)));
    }
}

void TestIcons::shapesHaveDarkOutlines() {
    for (const Picture& p : AllPictures()) {
        const QImage& image = p.committed;
        int edge = 0, dark = 0;
        for (int y = 0; y < p.size; ++y)
            for (int x = 0; x < p.size; ++x) {
                // Mostly covered pixels beside mostly clear ones: the shapes' outer edge, where
                // slopes and curves are smoothed too.
                const QRgb here = image.pixel(x, y);
                if (qAlpha(here) < 192)
                    continue;
                bool beside = false;
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int u = x + dx, v = y + dy;
                    beside = beside || u < 0 || v < 0 || u >= p.size || v >= p.size ||
                             qAlpha(image.pixel(u, v)) <= 64;
                }
                if (beside) {
                    ++edge;
                    dark += Lightness(here) < 110;
                }
            }
        // Solid pixels next to the clear ground are the outline, all but a few blends.
        QVERIFY2(edge > 0 && dark * 10 >= edge * 9,
                 qPrintable(QStringLiteral("%1 at %2: %3 of %4 dark")
                                .arg(p.name)
                                .arg(p.size)
                                .arg(dark)
                                .arg(edge)));
    }
}

void TestIcons::largePicturesAreDrawnNotEnlarged() {
    auto check = [](const QString& name, const QImage& small, const QImage& large) {
        const QImage enlarged = small.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        // An enlarged picture has two-pixel outlines; a drawn one keeps them at one pixel, which
        // changes at least a pixel's worth of every row of the outline.
        QVERIFY2(Differing(enlarged, large) >= 32, qPrintable(name));
    };
    for (int i = 1; i <= MenuIconCount; ++i)
        check(MenuIconKey(i), MenuIconPicture(MenuIconKey(i), 16),
              MenuIconPicture(MenuIconKey(i), 32));
    for (ButtonIcon which : ButtonIcons)
        check(QLatin1String(ButtonIconName(which)), ButtonIconPicture(which, 16),
              ButtonIconPicture(which, 32));
    check(QStringLiteral("zef"), ApplicationIconPicture(16), ApplicationIconPicture(32));
}

void TestIcons::iconsCarryBothSizesAndPickByPixelRatio() {
    auto check = [](const QIcon& icon, const QImage& small, const QImage& large) {
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QCOMPARE(Shown(icon.pixmap(QSize(16, 16), 1.0)), Shown(small));
        // On a screen with twice the pixels a 16 pixel icon shows the 32 pixel drawing.
        const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
        QCOMPARE(sharp.size(), QSize(32, 32));
        QCOMPARE(Shown(sharp), Shown(large));
    };
    for (int i = 1; i <= MenuIconCount; ++i) {
        const QString key = MenuIconKey(i);
        check(MenuIcon(key), MenuIconPicture(key, 16), MenuIconPicture(key, 32));
    }
    for (ButtonIcon which : ButtonIcons)
        check(ButtonIconOf(which), ButtonIconPicture(which, 16), ButtonIconPicture(which, 32));
}

void TestIcons::applicationIconComesInEverySize() {
    const QIcon icon = ApplicationIcon();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        QCOMPARE(Shown(icon.pixmap(QSize(size, size), 1.0)), Shown(ApplicationIconPicture(size)));
    }
    QCOMPARE(icon.availableSizes().size(), 6);
}

void TestIcons::iconsCanBeToldApart() {
    for (int size : {16, 32}) {
        std::vector<std::pair<QString, QImage>> all;
        for (int i = 1; i <= MenuIconCount; ++i)
            all.emplace_back(MenuIconKey(i), MenuIconPicture(MenuIconKey(i), size));
        for (ButtonIcon which : ButtonIcons)
            all.emplace_back(QLatin1String(ButtonIconName(which)), ButtonIconPicture(which, size));
        all.emplace_back(QStringLiteral("zef"), ApplicationIconPicture(size));
        for (std::size_t a = 0; a < all.size(); ++a)
            for (std::size_t b = a + 1; b < all.size(); ++b)
                // The recent files differ only by their number, which still takes some pixels.
                QVERIFY2(Differing(all[a].second, all[b].second) >= 4,
                         qPrintable(all[a].first + QStringLiteral(" / ") + all[b].first));
    }
}

void TestIcons::redoIsUndoMirrored() {
    for (int size : {16, 32}) {
        const QImage undo = MenuIconPicture(QStringLiteral("mnuUndoIco"), size);
        const QImage redo = MenuIconPicture(QStringLiteral("mnuRedoIco"), size);
        QCOMPARE(redo, undo.mirrored(true, false));
        QVERIFY(redo != undo);
    }
}

void TestIcons::flagsShowTheirColours() {
    // The colours down a column three quarters across the flag, and at the left edge's middle.
    auto column = [](const QImage& flag, int x) {
        QStringList names;
        for (int y = 0; y < flag.height(); ++y) {
            const QRgb p = flag.pixel(x, y);
            if (qAlpha(p) < 255)
                continue;
            const QString name = ColourName(p);
            if (name != QLatin1String("other") && (names.isEmpty() || names.last() != name))
                names << name;
        }
        return names;
    };
    for (int size : {16, 32}) {
        const int x = size * 3 / 4;
        const QImage czech = MenuIconPicture(QStringLiteral("mnuCzechIco"), size);
        const QImage german = MenuIconPicture(QStringLiteral("mnuDeutschIco"), size);
        // The outline is black too, so it merges with the German flag's top stripe.
        QCOMPARE(column(german, x), (QStringList{"black", "red", "yellow", "black"}));
        QCOMPARE(column(czech, x), (QStringList{"black", "white", "red", "black"}));
        QCOMPARE(ColourName(czech.pixel(size / 8 + 1, size / 2)), QStringLiteral("blue"));
        // The union flag: blue, white and red in good measure, no yellow.
        QMap<QString, int> british;
        const QImage union_ = MenuIconPicture(QStringLiteral("mnuEnglishIco"), size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (qAlpha(union_.pixel(x, y)) == 255)
                    ++british[ColourName(union_.pixel(x, y))];
        for (const char* colour : {"blue", "white", "red"})
            QVERIFY2(british.value(QLatin1String(colour)) >= size * size / 20, colour);
        QCOMPARE(british.value(QStringLiteral("yellow")), 0);
    }
}

QTEST_MAIN(TestIcons)
#include "test_icons.moc"
