#pragma once

#include "editor/editor.h"
#include "preview/preview.h"
#include "scripted_dialogs.h"
#include "test_files.h"

#include <QStringList>
#include <QTemporaryDir>

// An editor as the main window has it after loading: element names filled, the Blue starter in
// the list, schemeReady raised; with its own settings file and a folder for scheme files. Every
// redraw request is recorded.
struct EditorFixture {
    explicit EditorFixture(Language language = Language::English);

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    Editor editor;
    QList<RedrawTarget> redraws;
    // The redraws as tables write them: "all" or the element's number, a space between.
    QString redrawsText() const {
        QStringList texts;
        for (const RedrawTarget what : redraws)
            texts << (what.isAll() ? QStringLiteral("all") : QString::number(what.element()));
        return texts.join(u' ');
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        return WriteFile(path(name), bytes);
    }
};

// The same editor with the phone's ten screens attached and drawn, at a display depth.
struct PhoneFixture {
    explicit PhoneFixture(int depth = 32);
    EditorFixture f;
    Preview preview;
};
