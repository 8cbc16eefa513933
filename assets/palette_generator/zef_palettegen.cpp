// zef-palettegen OUTDIR: draws the three palette pictures into OUTDIR, where the committed copies
// in assets/palettes are refreshed from.
#include "assets/palette_generator/palette_generator.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zef-palettegen OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "zef-palettegen: cannot create %s\n", argv[1]);
        return 1;
    }
    for (PaletteKind kind :
         {PaletteKind::S55, PaletteKind::Colours256, PaletteKind::HueBrightness}) {
        const QString path = out.filePath(QString::fromLatin1(PaletteFileName(kind)));
        if (!DrawPalettePicture(kind).save(path, "PNG")) {
            std::fprintf(stderr, "zef-palettegen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
