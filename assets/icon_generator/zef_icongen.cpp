// zef-icongen OUTDIR [--sheet FILE]: draws every icon into OUTDIR, where the committed copies in
// assets/icons are refreshed from. With --sheet it also writes one picture of all icons at both
// sizes and enlarged four times, for looking them over.
#include "assets/icon_generator/icon_generator.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

struct Drawn {
    QString file;
    QImage picture;
};

std::vector<Drawn> DrawAll() {
    std::vector<Drawn> all;
    for (const char* key : MenuIconKeys)
        for (int size : SmallIconSizes)
            all.push_back({IconFileName(key, size), DrawMenuIcon(QLatin1String(key), size)});
    for (ButtonIcon which : ButtonIcons)
        for (int size : SmallIconSizes)
            all.push_back({IconFileName(ButtonIconName(which), size), DrawButtonIcon(which, size)});
    for (int size : ApplicationIconSizes)
        all.push_back({IconFileName(ApplicationIconName, size), DrawApplicationIcon(size)});
    return all;
}

// Rows of icons on a mid grey, each small icon at 16 and 32 and both enlarged four times; the
// application icon's sizes below.
QImage ContactSheet() {
    std::vector<std::pair<QImage, QImage>> small;
    for (const char* key : MenuIconKeys)
        small.emplace_back(DrawMenuIcon(QLatin1String(key), 16),
                           DrawMenuIcon(QLatin1String(key), 32));
    for (ButtonIcon which : ButtonIcons)
        small.emplace_back(DrawButtonIcon(which, 16), DrawButtonIcon(which, 32));
    constexpr int Cell = 16 + 32 + 64 + 128 + 5 * 8;
    constexpr int PerRow = 5;
    const int rows = (int(small.size()) + PerRow - 1) / PerRow;
    QImage sheet(PerRow * Cell + 8, rows * 136 + 8 + 264, QImage::Format_ARGB32);
    sheet.fill(0xFFB8BCC4);
    QPainter painter(&sheet);
    for (int i = 0; i < int(small.size()); ++i) {
        const int x0 = 8 + (i % PerRow) * Cell, y0 = 8 + (i / PerRow) * 136;
        const QImage& a = small[i].first;
        const QImage& b = small[i].second;
        painter.fillRect(x0 - 2, y0 - 2, Cell - 4, 132, 0xFFF0F0F0);
        painter.drawImage(x0, y0, a);
        painter.drawImage(x0 + 24, y0, b);
        painter.drawImage(x0 + 64, y0, a.scaled(64, 64));
        painter.drawImage(x0 + 136, y0, b.scaled(128, 128));
    }
    int x = 8;
    const int y = 8 + rows * 136;
    for (int size : ApplicationIconSizes) {
        painter.drawImage(x, y, DrawApplicationIcon(size));
        x += size + 8;
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && QLatin1String(argv[2]) == QLatin1String("--sheet"))) {
        std::fprintf(stderr, "usage: zef-icongen OUTDIR [--sheet FILE]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "zef-icongen: cannot create %s\n", argv[1]);
        return 1;
    }
    const std::vector<Drawn> all = DrawAll();
    for (const Drawn& drawn : all) {
        const QString path = out.filePath(drawn.file);
        if (drawn.picture.isNull() || !drawn.picture.save(path, "PNG")) {
            std::fprintf(stderr, "zef-icongen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (argc == 4 && !ContactSheet().save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "zef-icongen: cannot write %s\n", argv[3]);
        return 1;
    }
    std::printf("zef-icongen: %d pictures written to %s\n", int(all.size()), argv[1]);
    return 0;
}
