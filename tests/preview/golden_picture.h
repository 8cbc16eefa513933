#pragma once

#include <QDir>
#include <QImage>
#include <QTest>

// Compares a picture with FOLDER/NAME.png. With ZEF_WRITE_GOLDENS set the picture is written there
// first, for a deliberate change of what is drawn: look at it before committing it. A picture
// that differs is left in the temporary folder for a look.
inline void CompareWithGolden(const QImage& picture, const QString& folder, const QString& name) {
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("ZEF_WRITE_GOLDENS"))
        picture.save(path);
    const QImage golden = QImage(path).convertToFormat(picture.format());
    const QString actual = QDir::temp().filePath(name + QStringLiteral("-actual.png"));
    if (golden != picture)
        picture.save(actual);
    QVERIFY2(golden == picture, qPrintable(path + QStringLiteral(" differs, see ") + actual));
}
