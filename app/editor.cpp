#include "app/editor.h"

#include "preview/preview.h"
#include "workspace/element_list_handlers.h"

Editor::Editor(UserDialogs& dialogs, SettingsStore settings)
    : dialogs(dialogs), settings(std::move(settings)) {
    elementList.checkChanged = [this](int position) {
        ElementCheckChanged(*this, position);
    };
    elementList.selectionChanged = [this] {
        SelectElement(*this);
    };
    flash.tmrBlink.setInterval(FlashState::BlinkInterval);
    QObject::connect(&flash.tmrBlink, &QTimer::timeout, &flash.tmrBlink,
                     [this] { EndFlash(*this); });
}

void Editor::setNameBoxText(const QString& text) {
    if (text == nameBox_)
        return;
    nameBox_ = text;
    document.schemeName = text;
    if (document.SchemeReady)
        document.modified = true;
}

void RedrawPreview(Editor& editor, const QString& what) {
    if (editor.preview)
        editor.preview->redraw(what, editor);
    if (editor.previewRedrawn)
        editor.previewRedrawn(what);
}
