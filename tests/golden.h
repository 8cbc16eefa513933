#pragma once

#include <QFile>
#include <QFileInfo>
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

// Compares a text with a reviewed file. On a difference the text as it is goes to the file's name
// with ".actual" in the working folder, to compare and, once reviewed, to take over.
inline void CompareWithReviewed(const QString& actual, const QString& path) {
    QFile reviewed(path), out(QFileInfo(path).fileName() + QStringLiteral(".actual"));
    QVERIFY2(reviewed.open(QIODevice::ReadOnly), qPrintable(path));
    const QString expected = QString::fromUtf8(reviewed.readAll());
    if (actual != expected && out.open(QIODevice::WriteOnly))
        out.write(actual.toUtf8());
    QCOMPARE(actual, expected);
}
