// The committed layer pictures of the ten preview screens: the layer table and the rules every
// picture keeps.
#include "preview/screen_layers.h"

#include <QTest>

namespace {

constexpr QRgb Magenta = 0xFFFF00FF;
constexpr QRgb Black = 0xFF000000;

// The screens' layer lists in drawing order, as the preview's design fixes them.
const char* const kLayerLists[ScreenCount] = {
    "2, ovl, 24, 23, 2*, 1, 7, 6",
    "58, 4, 3, 5, 22, ovl, 18, 19, 7, 6",
    "21, 4, 22, 19, 17, 18, 45, 42, 44, 43, 20, 16, ovl, 3, 7, 6, 29, 28",
    "21, 4, 22, 19, 17, 18, 45, 42, 44, 43, 20, 16, ovl, 3, 31, 35, 34, 38, 33, 32, 37, 36, 30, 7, "
    "6, 29, 28",
    "21, 4, 22, 3, 5, 19, 17, 18, 43, 44, 42, 19, 20, 16, ovl, 7, 6, 29, 28",
    "2, 4, 22, ovl, 3, 31, 34, 30, 7, 6, 57, neg2, neg57",
    "2, 4, 22, ovl, 3, 1, 11, neg2, neg13, neg42, neg43, neg44, 13, 42, 43, 44, 45, 7, 6, 29, 28",
    "2, 4, 22, 3, 46, 48, 52, 18, 7, 6",
    "2, ovl, 1",
    "2, 4, 22, ovl, 3, 56, 7, 6, 57, neg2, neg57, 26, n26, 25",
};

QStringList Tokens(int screen) {
    return QString::fromLatin1(kLayerLists[screen]).split(QStringLiteral(", "));
}

struct Counts {
    int magenta = 0, black = 0, other = 0;
};

Counts Count(const QImage& picture) {
    Counts counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y) | 0xFF000000;
            (p == Magenta ? counts.magenta : p == Black ? counts.black : counts.other)++;
        }
    }
    return counts;
}

} // namespace

class TestScreenLayers : public QObject {
    Q_OBJECT
private slots:
    void layersFollowTheTable_data();
    void layersFollowTheTable();
    void screensOutsideTheRangeHaveNoLayers();
    void picturesKeepTheirRules_data();
    void picturesKeepTheirRules();
    void elementsWithoutAScreenAppearNowhere();
};

void TestScreenLayers::layersFollowTheTable_data() {
    QTest::addColumn<int>("screen");
    for (int screen = 0; screen < ScreenCount; ++screen) {
        QTest::addRow("screen %d", screen) << screen;
    }
}

void TestScreenLayers::layersFollowTheTable() {
    QFETCH(int, screen);
    const QStringList tokens = Tokens(screen);
    const std::vector<PreviewLayer> layers = LoadScreenLayers(screen);
    QCOMPARE(int(layers.size()), int(tokens.size()));
    QVERIFY(int(layers.size()) <= MaxLayersPerScreen);
    for (int j = 0; j < tokens.size(); ++j) {
        const QString& token = tokens[j];
        QString tag, key;
        if (token.at(0).isLetter()) {
            key = token == QLatin1String("ovl") ? QString() : token;
        } else {
            tag = QString(token).remove(QLatin1Char('*'));
        }
        QCOMPARE(layers[j].tag, tag);
        QCOMPARE(layers[j].key, key);
    }
}

void TestScreenLayers::screensOutsideTheRangeHaveNoLayers() {
    QVERIFY(LoadScreenLayers(-1).empty());
    QVERIFY(LoadScreenLayers(ScreenCount).empty());
    int total = 0;
    for (int screen = 0; screen < ScreenCount; ++screen) {
        total += int(LoadScreenLayers(screen).size());
    }
    QCOMPARE(total, 143);
}

void TestScreenLayers::picturesKeepTheirRules_data() {
    layersFollowTheTable_data();
}

void TestScreenLayers::picturesKeepTheirRules() {
    QFETCH(int, screen);
    const QStringList tokens = Tokens(screen);
    const std::vector<PreviewLayer> layers = LoadScreenLayers(screen);
    QCOMPARE(int(layers.size()), int(tokens.size()));
    for (int j = 0; j < int(layers.size()); ++j) {
        const QImage& picture = layers[j].picture;
        const QString& token = tokens[j];
        const QByteArray where = QStringLiteral("layer %1 (%2)").arg(j + 1).arg(token).toLatin1();
        QVERIFY2(!picture.isNull(), where);
        QCOMPARE(picture.size(), QSize(ScreenWidth, ScreenHeight));
        QCOMPARE(picture.format(), QImage::Format_RGB32);
        const Counts counts = Count(picture);
        QVERIFY2(counts.black + counts.other > 0, where); // no layer is empty
        if (j == 0) {
            // The first layer paints the whole screen, so no transparency pattern shows.
            QVERIFY2(QStringList({"2", "21", "58"}).contains(token), where);
            QCOMPARE(counts.black, ScreenWidth * ScreenHeight);
        }
        if (token.startsWith(QLatin1String("neg"))) {
            QVERIFY2(counts.other == 0, where);
        } else if (token == QLatin1String("2*")) {
            // The outline around date and time only answers the hit test: nothing to paint.
            QVERIFY2(screen == 0, where);
            QCOMPARE(counts.black, 0);
        } else if (!token.at(0).isLetter()) {
            QVERIFY2(counts.other == 0, where);
        }
    }
}

void TestScreenLayers::elementsWithoutAScreenAppearNowhere() {
    QSet<QString> shown;
    for (int screen = 0; screen < ScreenCount; ++screen) {
        for (const PreviewLayer& layer : LoadScreenLayers(screen)) {
            shown.insert(layer.tag);
        }
    }
    for (const char* absent : {"15", "27", "39", "40", "41", "54", "55"}) {
        QVERIFY2(!shown.contains(QLatin1String(absent)), absent);
    }
    // Every other element that is not reserved is on some screen.
    for (int element :
         {1,  2,  3,  4,  5,  6,  7,  11, 13, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28,
          29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 42, 43, 44, 45, 46, 48, 52, 56, 57, 58}) {
        QVERIFY2(shown.contains(QString::number(element)), qPrintable(QString::number(element)));
    }
}

QTEST_APPLESS_MAIN(TestScreenLayers)
#include "test_screen_layers.moc"
