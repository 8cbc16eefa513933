#pragma once

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <sys/fsuid.h>
#include <unistd.h>

// A file's bytes, or "(unreadable)" where it cannot be read, which no written file holds.
inline QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Writes the bytes to a file, in a folder made for it where there is none, and returns its path.
inline QString WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// A valid scheme file: the given name, then element k painted in (k, 2k, 3k) except the
// transparent ones, CR LF line ends.
inline QByteArray SchemeFileBytes(const QByteArray& name, const QList<int>& transparent = {}) {
    QByteArray text = "ColourScheme\r\n" + name + "\r\nData\r\n";
    for (int k = 1; k <= 60; ++k) {
        text += QByteArray::number(k) + ' ' + QByteArray::number(2 * k) + ' ' +
                QByteArray::number(3 * k) + ' ' + (transparent.contains(k) ? "0" : "100") + "\r\n";
    }
    return text;
}

// File permissions enforced even for root until the returned guard goes, so that a read-only
// folder stops a write as it would for any user.
[[nodiscard]] inline auto EnforcePermissions() {
    const int previous = setfsuid(geteuid() == 0 ? 65534 : getuid());
    return qScopeGuard([previous] { setfsuid(previous); });
}
