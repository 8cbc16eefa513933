#pragma once

#include "editor/element_list.h"
#include "editor/flash.h"
#include "editor/palette_colours.h"
#include "editor/recent_files.h"
#include "editor/user_dialogs.h"
#include "host/settings_store.h"
#include "i18n/language.h"
#include "preview/preview.h"
#include "scheme/edit_history.h"
#include "scheme/scheme_document.h"

#include <QString>
#include <functional>

// The options of the main window; none of them is stored.
struct EditorOptions {
    bool autoRedraw = true;        // chkAuto, "Autoredraw Scheme when change"
    bool lcdColours = false;       // chkLCD, "LCD colors"
    bool hideProviderName = false; // chkOP, "Don't show Provider Name"
    bool safeScheme = false;       // chkSecure, "Safe Scheme"
    bool flashOnSelect = true;     // chkBlink, "Flash on Select"
};

// Everything the main window knows, held without a widget: the document, the element list and
// the shown values that belong to it, the options, the history and the command states. The
// operations of each part of the editor are free functions over it, in that part's folder; the
// main window only shows this state and forwards the user's input.
class Editor {
public:
    explicit Editor(UserDialogs& dialogs,
                    SettingsStore settings = SettingsStore::FromEnvironment());
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    UserDialogs& dialogs;
    SettingsStore settings;
    Language language = Language::English; // CurrentLanguage

    SchemeDocument document;
    ElementList elementList; // lstItem
    EditHistory history;
    UndoRedoState commands; // enabled states of mnuUndoIco and mnuRedoIco
    EditorOptions options;
    RecentFiles recentFiles;
    RecentMenu recentMenu; // captions of mnuRecent1Ico .. mnuRecent5Ico

    QString fileLabel;                                        // lblFile
    QString selectedItemText;                                 // lblSelItem
    ColourValue swatchColour = 0;                             // Picture6
    int selectedRed = 0, selectedGreen = 0, selectedBlue = 0; // lblRS, lblGS, lblBS

    bool ListSyncGuard = false;
    bool OptionSyncGuard = false;

    ColourFrameState colourFrame; // the hover values, picOver, lblR/lblG/lblB and Picture7
    FlashState flash;
    // Raised by every command that opens a modal dialog.
    bool DialogWasShown = false;
    // This computer's processor speed in MHz as text, "x" while it is not known.
    QString ProcessorSpeedText = QStringLiteral("x");

    // The name box txtName: every change is copied into the scheme name, and marks the scheme
    // modified while SchemeReady is raised.
    const QString& nameBoxText() const { return nameBox_; }
    void setNameBoxText(const QString& text);

    // The preview, when one is attached; the scheme commands work without one.
    Preview* preview = nullptr;
    // What the pointer last found over the preview.
    float PreviewHoverX = 0, PreviewHoverY = 0;
    qint16 PreviewHoverLayer = 0;
    qint16 PreviewHoverElement = 0;
    QString hoverText; // lblOver

    // Runs after every redraw request, so that a window can repaint what it shows.
    std::function<void(const QString& what)> previewRedrawn;
    // Runs when a flash changes a screen's picture outside a redraw.
    std::function<void()> previewPainted;

private:
    QString nameBox_;
};

// What the preview's screens are composed from now.
PreviewInput PreviewInputOf(const Editor& editor);

// Shows the preview's screens from now on. When the preview stops painting, the user is told why
// and endEditor runs.
void AttachPreview(Editor& editor, Preview& preview, std::function<void()> endEditor = {});

// The one redraw operation every edit calls: "all", or an element number as decimal text.
void RedrawPreview(Editor& editor, const QString& what);
