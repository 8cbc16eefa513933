#pragma once

#include "editor/element_list.h"
#include "editor/flash.h"
#include "editor/palette_colours.h"
#include "editor/recent_files.h"
#include "editor/user_dialogs.h"
#include "host/settings_store.h"
#include "i18n/language.h"
#include "preview/preview.h"
#include "preview/redraw_target.h"
#include "scheme/edit_history.h"
#include "scheme/scheme_document.h"

#include <QString>
#include <functional>

// The options of the main window; none of them is stored.
struct EditorOptions {
    bool autoRedraw = true;        // "Autoredraw Scheme when change"
    bool lcdColours = false;       // "LCD colors"
    bool hideProviderName = false; // "Don't show Provider Name"
    bool safeScheme = false;       // "Safe Scheme"
    bool flashOnSelect = true;     // "Flash on Select"
};

// The element list and the flags that decide whether a control's event acts on the scheme.
struct ListState {
    ElementList elements;
    // Control events act on the scheme only while this is raised; it is lowered while a whole
    // scheme is put into the controls.
    bool schemeReady = false;
    // Raised while the editor itself changes a check box of the list or of the options, so that
    // the change does not count as the user's.
    bool listSyncGuard = false;
    bool optionSyncGuard = false;
};

// The steps that Undo and Redo walk, and whether each command can be used now.
struct HistoryState {
    EditHistory steps;
    UndoRedoState commands;
};

// The values the window shows beside the controls, computed by the editor.
struct ShownTexts {
    QString fileLabel;                                        // the scheme's file name
    QString selectedItemText;                                 // the selected element's name
    ColourValue swatchColour = 0;                             // the selected element's colour
    int selectedRed = 0, selectedGreen = 0, selectedBlue = 0; // and its components
    QString hoverText; // the element under the pointer over the preview
    // This computer's processor speed in MHz as text, "x" while it is not known.
    QString processorSpeedText = QStringLiteral("x");
};

// Everything the main window knows, held without a widget: the document, the element list with
// its guards, the history, the options, the shown values, the recent files, the colour frame and
// the preview's pointer and flash. The handlers that change each part are free functions over
// it, each beside its part in this folder; the main window only shows this state and forwards
// the user's input.
class Editor {
public:
    explicit Editor(UserDialogs& dialogs,
                    SettingsStore settings = SettingsStore::fromEnvironment());
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    UserDialogs& dialogs;
    SettingsStore settings;
    Language language = Language::English; // CurrentLanguage

    SchemeDocument document;
    ListState list;
    HistoryState history;
    EditorOptions options;
    ShownTexts shown;
    RecentFiles recentFiles;
    RecentMenu recentMenu; // the captions of the five recent-file commands

    ColourFrameState colourFrame; // the palettes' pointer values and the custom colour
    FlashState flash;
    // Raised by every command that opens a modal dialog.
    bool dialogWasShown = false;

    // The scheme name box: every change is copied into the scheme name, and marks the scheme
    // modified while schemeReady is raised.
    const QString& nameBoxText() const { return nameBox_; }
    void setNameBoxText(const QString& text);
    // The name in the box would be saved into a file that does not open again; the box says so
    // and lets the user go on.
    bool nameWarningShown() const { return nameWarningShown_; }

    // The preview, when one is attached; the scheme commands work without one.
    Preview* preview = nullptr;
    // What the pointer last found over the preview.
    float previewHoverX = 0, previewHoverY = 0;
    qint16 previewHoverLayer = 0;
    qint16 previewHoverElement = 0;

    // Runs after every redraw request, so that a window can repaint what it shows.
    std::function<void(RedrawTarget what)> previewRedrawn;
    // Runs when a flash changes a screen's picture outside a redraw.
    std::function<void()> previewPainted;

private:
    QString nameBox_;
    bool nameWarningShown_ = false;
};

// What the preview's screens are composed from now.
PreviewInput PreviewInputOf(const Editor& editor);

// Shows the preview's screens from now on. When the preview stops painting, the user is told why
// and endEditor runs.
void AttachPreview(Editor& editor, Preview& preview, std::function<void()> endEditor = {});

// The one redraw operation every edit calls.
void RedrawPreview(Editor& editor, RedrawTarget what);
