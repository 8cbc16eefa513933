#pragma once

#include <QImage>
#include <QTest>

// Compares a picture with FOLDER/NAME.png. With ZEF_WRITE_GOLDENS set the picture is written there
// first, for a deliberate change of what is drawn: look at the new picture before committing it.
inline void CompareWithGolden(const QImage& picture, const QString& folder, const QString& name) {
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("ZEF_WRITE_GOLDENS"))
        picture.save(path);
    QVERIFY2(QImage(path).convertToFormat(picture.format()) == picture, qPrintable(path));
}
