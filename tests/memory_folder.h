#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

// The template of a temporary folder in memory where the machine has one, otherwise in the
// usual temporary folder: saves and settings are flushed to the disk one by one, and a run that
// writes thousands of them would otherwise wait on the disk.
inline QString MemoryFolderTemplate(const QString& name) {
    const QString root = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                             ? QStringLiteral("/dev/shm")
                             : QDir::tempPath();
    return root + QLatin1Char('/') + name + QStringLiteral("-XXXXXX");
}
