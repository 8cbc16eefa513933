// zef-artgen OUTDIR: draws every layer picture of the ten preview screens into
// OUTDIR/screen<N>/layer<JJ>.png, where the committed copies in assets/screens are refreshed from.
#include "assets/generator/screen_art.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zef-artgen OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    int written = 0;
    for (int screen = 0; screen < ArtScreenCount; ++screen) {
        const std::vector<ArtLayer> layers = DrawScreen(screen);
        for (int j = 0; j < int(layers.size()); ++j) {
            const ArtLayer& layer = layers[j];
            const QString path = out.filePath(LayerFileName(screen, j + 1));
            if (!layer.missingGlyphs.isEmpty()) {
                std::fprintf(stderr, "zef-artgen: %s uses letters the font lacks: %s\n",
                             qPrintable(path), qPrintable(layer.missingGlyphs));
                return 1;
            }
            if (!QDir().mkpath(QFileInfo(path).path()) ||
                !layer.picture.convertToFormat(QImage::Format_RGB888).save(path, "PNG")) {
                std::fprintf(stderr, "zef-artgen: cannot write %s\n", qPrintable(path));
                return 1;
            }
            ++written;
        }
    }
    std::printf("zef-artgen: %d layer pictures written to %s\n", written, argv[1]);
    return 0;
}
