#include "editor_fixture.h"

#include "editor/element_list_handlers.h"
#include "editor/scheme_loading.h"
#include "scheme/starter_schemes.h"

EditorFixture::EditorFixture(Language language)
    : editor(dialogs, SettingsStore(folder.filePath(QStringLiteral("zef.conf")))) {
    editor.language = language;
    editor.previewRedrawn = [this](RedrawTarget what) {
        redraws.append(what);
    };
    FillElementNames(editor);
    editor.list.schemeReady = false;
    CreateStarterScheme(editor, Starter::Blue);
    editor.list.schemeReady = true;
    redraws.clear();
}

PhoneFixture::PhoneFixture(int depth) : preview(depth) {
    AttachPreview(f.editor, preview);
    RedrawPreview(f.editor, RedrawTarget::all());
    f.redraws.clear();
}
