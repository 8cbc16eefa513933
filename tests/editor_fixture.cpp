#include "editor_fixture.h"

#include "editor/element_list_handlers.h"
#include "editor/scheme_loading.h"
#include "scheme/starter_schemes.h"

#include <QFile>
#include <sys/fsuid.h>
#include <unistd.h>

namespace {
QString SettingsIn(const QTemporaryDir& folder) {
    return folder.filePath(QStringLiteral("zef.conf"));
}
} // namespace

EditorFixture::EditorFixture(Language language)
    : dialogs(), editor(dialogs, SettingsStore(SettingsIn(folder))) {
    editor.language = language;
    editor.previewRedrawn = [this](const QString& what) {
        redraws.append(what);
    };
    FillElementNames(editor);
    editor.list.SchemeReady = false;
    CreateStarterScheme(editor, Starter::Blue);
    editor.list.SchemeReady = true;
    redraws.clear();
}

PhoneFixture::PhoneFixture(int depth) : preview(depth) {
    AttachPreview(f.editor, preview);
    RedrawPreview(f.editor, QStringLiteral("all"));
    f.redraws.clear();
}

QString EditorFixture::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString filePath = path(name);
    QFile file(filePath);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return filePath;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QByteArray SchemeFileBytes(const QByteArray& name, const QList<int>& transparent) {
    QByteArray text = "ColourScheme\r\n" + name + "\r\nData\r\n";
    for (int k = 1; k <= 60; ++k) {
        text += QByteArray::number(k) + ' ' + QByteArray::number(2 * k) + ' ' +
                QByteArray::number(3 * k) + ' ' + (transparent.contains(k) ? "0" : "100") + "\r\n";
    }
    return text;
}

PermissionsEnforced::PermissionsEnforced()
    : previous_(setfsuid(geteuid() == 0 ? 65534 : getuid())) {}

PermissionsEnforced::~PermissionsEnforced() {
    setfsuid(previous_);
}
