#pragma once

#include "editor/editor.h"
#include "preview/preview.h"
#include "scripted_dialogs.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

// An editor as the main window has it after loading: element names filled, the Blue starter in
// the list, SchemeReady raised; with its own settings file and a folder for scheme files. Every
// redraw request is recorded.
struct EditorFixture {
    explicit EditorFixture(Language language = Language::English);

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    Editor editor;
    QStringList redraws;

    QString path(const QString& name) const { return folder.filePath(name); }
    // Writes bytes to a file in the folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
};

// The same editor with the phone's ten screens attached and drawn, at a display depth.
struct PhoneFixture {
    explicit PhoneFixture(int depth = 32);
    EditorFixture f;
    Preview preview;
};

// A file's bytes, or "(unreadable)" where it cannot be read, which no written file holds.
QByteArray Contents(const QString& path);

// A valid scheme file: the given name, then element k painted in (k, 2k, 3k) except the
// transparent ones, CR LF line ends.
QByteArray SchemeFileBytes(const QByteArray& name, const QList<int>& transparent = {});

// Runs a block with file permissions enforced even for root, so that a read-only folder stops
// a write as it would for any user.
class PermissionsEnforced {
public:
    PermissionsEnforced();
    ~PermissionsEnforced();
    PermissionsEnforced(const PermissionsEnforced&) = delete;
    PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

private:
    int previous_;
};
