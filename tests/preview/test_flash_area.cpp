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
            std::vector<qsizetype> topmost(size_t(map.layerCount(screen) + 1));
            for (int x = 0; x < ScreenWidth; ++x)
                for (int y = 0; y < ScreenHeight; ++y)
                    ++topmost[size_t(map.topmostLayer(screen, x, y))];
            for (int layer = 1; layer <= map.layerCount(screen); ++layer) {
                const FlashArea area = FindFlashArea(oneColour, map, screen, layer, {0, 0});
                QCOMPARE(area.pixels.size(), topmost[size_t(layer)]);
                for (const QPoint p : area.pixels)
                    QCOMPARE(map.topmostLayer(screen, p.x(), p.y()), layer);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestFlashArea)

#include "test_flash_area.moc"
