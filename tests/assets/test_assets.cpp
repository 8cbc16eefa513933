#include "assets/generator/screen_art.h"
#include "assets/icon_generator/icon_generator.h"
#include "assets/icons.h"
#include "assets/palette_generator/palette_generator.h"
#include "assets/palette_pictures.h"
#include "preview/screen_layers.h"

#include <QTest>

class TestAssets : public QObject {
    Q_OBJECT
private slots:
    void layerPicturesKeepTheirRules_data() {
        QTest::addColumn<int>("screen");
        for (int screen = 0; screen < ScreenCount; ++screen)
            QTest::addRow("screen %d", screen) << screen;
    }

    void layerPicturesKeepTheirRules() {
        QFETCH(int, screen);
        const std::vector<PreviewLayer> layers = LoadScreenLayers(screen);
        const QStringList labels = ScreenLayerList(screen).toString().split(QStringLiteral(", "));
        // The generator draws the committed pictures; when it no longer does after a change, redraw
        // them with zef-artgen and look at them.
        const std::vector<ArtLayer> drawn = DrawScreen(screen);
        QVERIFY(int(layers.size()) == labels.size() && drawn.size() == layers.size());
        QVERIFY(layers.size() <= size_t(MaxLayersPerScreen));
        QVERIFY(LoadScreenLayers(-1).empty() && LoadScreenLayers(ScreenCount).empty());
        for (size_t j = 0; j < layers.size(); ++j) {
            const PreviewLayer& layer = layers[j];
            const QString& label = labels[int(j)];
            const QByteArray where = LayerFileName(screen, int(j) + 1).toLatin1();
            QVERIFY2(drawn[j].picture == layer.picture && drawn[j].label == label &&
                         drawn[j].missingGlyphs.isEmpty(),
                     where);
            QVERIFY2(layer.picture.size() == QSize(ScreenWidth, ScreenHeight), where);
            // Read as its label names it; all but a plain overlay have an element of the catalogue.
            const QString n = QString::number(layer.element);
            const QMap<LayerKind, QString> named{{LayerKind::Element, n},
                                                 {LayerKind::Inverse, "neg" + n},
                                                 {LayerKind::ConditionalOverlay, 'n' + n},
                                                 {LayerKind::Overlay, "ovl"}};
            QCOMPARE(named[layer.kind], QString(label).remove(u'*'));
            const bool overlay = layer.kind == LayerKind::Overlay;
            QVERIFY2(overlay ? layer.element == 0 : layer.element >= 1 && layer.element <= 60,
                     where);
            int black = 0, other = 0;
            for (int y = 0; y < ScreenHeight; ++y)
                for (int x = 0; x < ScreenWidth; ++x) {
                    const QRgb p = layer.picture.pixel(x, y);
                    black += p == 0xFF000000;
                    other += p != 0xFF000000 && p != 0xFFFF00FF; // not black, not magenta
                }
            // Element and inverse layers are masks: black where they paint. The hit-only outline
            // ("2*") paints nothing; an overlay is a picture of its own colours.
            QVERIFY2(black + other > 0, where);
            if (layer.kind == LayerKind::Element || layer.kind == LayerKind::Inverse)
                QVERIFY2(other == 0 || label.endsWith(u'*'), where);
            if (label.endsWith(u'*'))
                QVERIFY2(black == 0, where);
            // The first layer paints the whole screen, so no transparency pattern shows.
            if (j == 0)
                QVERIFY2(black == ScreenWidth * ScreenHeight && layer.kind == LayerKind::Element,
                         where);
        }
    }

    void otherGeneratorsDrawTheCommittedPictures() {
        // When this fails after a change to a generator, redraw the pictures with zef-palettegen or
        // zef-icongen and look at them.
        for (const PaletteKind kind :
             {PaletteKind::S55, PaletteKind::Colours256, PaletteKind::HueBrightness})
            QCOMPARE(PalettePicture(kind), DrawPalettePicture(kind));
        for (const int size : {16, 32}) {
            for (const char* key : MenuIconKeys) {
                const QImage picture = MenuIconPicture(QLatin1String(key), size);
                QVERIFY2(picture.size() == QSize(size, size), key);
                QVERIFY2(picture == DrawMenuIcon(QLatin1String(key), size), key);
            }
            for (const ButtonIcon which : ButtonIcons)
                QVERIFY2(ButtonIconPicture(which, size) == DrawButtonIcon(which, size),
                         ButtonIconName(which));
        }
        for (const int size : ApplicationIconSizes)
            QCOMPARE(ApplicationIconPicture(size), DrawApplicationIcon(size));
    }
};

QTEST_MAIN(TestAssets)
#include "test_assets.moc"
