#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

class Editor;
enum class Starter;

// The unsaved-changes question, asked before anything replaces the scheme: true to go on,
// false when the user cancelled.
bool TestMakeProject(Editor& editor);

// File > New > Blue, Red, Green: the save question, then a new scheme from the starter.
void NewScheme(Editor& editor, Starter starter);

// The File menu's Open, Save and Save As.
void OpenScheme(Editor& editor);
void SaveScheme(Editor& editor);
void SaveSchemeAs(Editor& editor);

// Opens a path that comes from outside the Open dialog (a recent item, a dropped file, the
// command line): the save question, the history cleared, the file read; on success the recent
// items, the file path and the file label follow. The path is made absolute first, so that its
// recent entry works from any folder. True when the file was read.
bool OpenSchemeFromPath(Editor& editor, const QString& path);

// The file named on the command line at the first activation: nothing for an empty command
// line; a leading double quote drops the first and the last character. False when the open
// ended early (cancelled at the save question, or the read failed).
bool OpenCommandLineFile(Editor& editor, const QString& commandLine);

// What a drop on the main window opens: the local path when the drop is one local file whose
// name ends in ".col" (in any case); nothing for every other drop, which is refused silently.
std::optional<QString> DroppedSchemePath(const QList<QUrl>& urls);
