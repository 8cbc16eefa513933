#include "editor/editor.h"

#include "editor/element_list_handlers.h"
#include "editor/preview_failure.h"
#include "preview/preview.h"
#include "scheme/scheme_reader.h"

Editor::Editor(UserDialogs& dialogs, SettingsStore settings)
    : dialogs(dialogs), settings(std::move(settings)) {
    list.elements.checkChanged = [this](int position) {
        ElementCheckChanged(*this, position);
    };
    list.elements.selectionChanged = [this] {
        SelectElement(*this);
    };
    flash.blinkTimer.setInterval(FlashState::BlinkInterval);
    QObject::connect(&flash.blinkTimer, &QTimer::timeout, &flash.blinkTimer,
                     [this] { EndFlash(*this); });
}

void Editor::setNameBoxText(const QString& text) {
    if (text == nameBox_)
        return;
    nameBox_ = text;
    nameWarningShown_ = !NameReadsBack(text);
    document.schemeName = text;
    if (list.schemeReady)
        document.modified = true;
}

PreviewInput PreviewInputOf(const Editor& editor) {
    PreviewInput input{editor.document};
    for (int p = 0; p < ElementCount; ++p)
        input.ticks[p] = editor.list.elements.isChecked(p);
    input.lcdColours = editor.options.lcdColours;
    input.autoRedraw = editor.options.autoRedraw;
    return input;
}

void AttachPreview(Editor& editor, Preview& preview, std::function<void()> endEditor) {
    editor.preview = &preview;
    preview.failed = [&editor, endEditor = std::move(endEditor)](PreviewFailure failure) {
        ShowPreviewFailure(editor.dialogs, editor.language, failure);
        if (endEditor)
            endEditor();
    };
}

void RedrawPreview(Editor& editor, RedrawTarget what) {
    if (editor.preview)
        editor.preview->redraw(what, PreviewInputOf(editor));
    if (editor.previewRedrawn)
        editor.previewRedrawn(what);
}
