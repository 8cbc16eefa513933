// What a click flashes: on screens painted in one colour, exactly the pixels where the clicked
// layer is the topmost; a pixel that any later layer covers, the last one included, stays.
#include "preview/flash_area.h"
#include "preview/preview.h"

#include <QTest>

class TestFlashArea : public QObject {
    Q_OBJECT
private slots:
    void theAreaIsWhereTheLayerIsTopmost() {
        const Preview preview(32);
        const ImageMap& map = preview.imageMap();
        QImage oneColour(ScreenWidth, ScreenHeight, QImage::Format_RGB32);
        oneColour.fill(Qt::white);
        for (int screen = 0; screen < ScreenCount; ++screen) {
            for (int layer = 1; layer <= map.layerCount(screen); ++layer) {
                const FlashArea area = FindFlashArea(oneColour, map, screen, layer, {0, 0});
                qsizetype topmost = 0;
                for (int x = 0; x < ScreenWidth; ++x)
                    for (int y = 0; y < ScreenHeight; ++y)
                        topmost += map.topmostLayer(screen, x, y) == layer;
                QCOMPARE(area.pixels.size(), topmost);
                for (const QPoint p : area.pixels)
                    QCOMPARE(map.topmostLayer(screen, p.x(), p.y()), layer);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestFlashArea)

#include "test_flash_area.moc"
