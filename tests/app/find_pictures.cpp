// find_pictures SCREENSHOT PICTURE...: exits 0 when each picture appears somewhere in the
// screenshot pixel for pixel; otherwise names the pictures it cannot find and exits 1.
#include <QImage>

#include <cstdio>
#include <cstring>

namespace {

bool Contains(const QImage& shot, const QImage& picture) {
    const auto rowBytes = size_t(picture.width()) * 4;
    const auto matchesAt = [&](int x, int y) {
        for (int row = 0; row < picture.height(); ++row)
            if (std::memcmp(shot.constScanLine(y + row) + x * 4, picture.constScanLine(row),
                            rowBytes) != 0)
                return false;
        return true;
    };
    for (int y = 0; y + picture.height() <= shot.height(); ++y)
        for (int x = 0; x + picture.width() <= shot.width(); ++x)
            if (matchesAt(x, y))
                return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const auto opaque = [&](int i) {
        return QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_RGB32);
    };
    const QImage shot = argc > 1 ? opaque(1) : QImage();
    int missing = 0;
    for (int i = 2; i < argc; ++i) {
        const QImage picture = opaque(i);
        if (shot.isNull() || picture.isNull() || !Contains(shot, picture)) {
            std::fprintf(stderr, "not on the screen: %s\n", argv[i]);
            ++missing;
        }
    }
    return missing == 0 ? 0 : 1;
}
