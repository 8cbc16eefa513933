#include "preview/screen_layers.h"

namespace {

// clang-format off
constexpr QStringView LayerLists[ScreenCount] = {
    u"2, ovl, 24, 23, 2*, 1, 7, 6",
    u"58, 4, 3, 5, 22, ovl, 18, 19, 7, 6",
    u"21, 4, 22, 19, 17, 18, 45, 42, 44, 43, 20, 16, ovl, 3, 7, 6, 29, 28",
    u"21, 4, 22, 19, 17, 18, 45, 42, 44, 43, 20, 16, ovl, 3, 31, 35, 34, 38, 33, 32, 37, 36, 30, "
    u"7, 6, 29, 28",
    u"21, 4, 22, 3, 5, 19, 17, 18, 43, 44, 42, 19, 20, 16, ovl, 7, 6, 29, 28",
    u"2, 4, 22, ovl, 3, 31, 34, 30, 7, 6, 57, neg2, neg57",
    u"2, 4, 22, ovl, 3, 1, 11, neg2, neg13, neg42, neg43, neg44, 13, 42, 43, 44, 45, 7, 6, 29, 28",
    u"2, 4, 22, 3, 46, 48, 52, 18, 7, 6",
    u"2, ovl, 1",
    u"2, 4, 22, ovl, 3, 56, 7, 6, 57, neg2, neg57, 26, n26, 25",
};
// clang-format on

PreviewLayer KindOf(QStringView entry) {
    if (entry == u"ovl") {
        return {};
    }
    if (entry.startsWith(u"neg")) {
        return {QImage(), LayerKind::Inverse, entry.mid(3).toInt()};
    }
    if (entry.startsWith(u'n')) {
        return {QImage(), LayerKind::ConditionalOverlay, entry.mid(1).toInt()};
    }
    // "2*": an element layer whose picture holds no black pixel; its element is the plain number.
    if (entry.endsWith(u'*')) {
        entry.chop(1);
    }
    return {QImage(), LayerKind::Element, entry.toInt()};
}

} // namespace

QStringView ScreenLayerList(int screen) {
    if (screen < 0 || screen >= ScreenCount) {
        return {};
    }
    return LayerLists[screen];
}

std::vector<PreviewLayer> ScreenLayerKinds(int screen) {
    std::vector<PreviewLayer> layers;
    const QStringView list = ScreenLayerList(screen);
    if (list.isEmpty()) {
        return layers;
    }
    for (QStringView entry : list.split(u", ")) {
        layers.push_back(KindOf(entry));
    }
    return layers;
}

std::vector<PreviewLayer> LoadScreenLayers(int screen) {
    std::vector<PreviewLayer> layers = ScreenLayerKinds(screen);
    for (int j = 0; j < int(layers.size()); ++j) {
        const QString path = QStringLiteral(":/screens/screen%1/layer%2.png")
                                 .arg(screen)
                                 .arg(j + 1, 2, 10, QLatin1Char('0'));
        layers[j].picture = QImage(path).convertToFormat(QImage::Format_RGB32);
    }
    return layers;
}
