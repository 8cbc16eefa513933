#include "editor/safe_scheme.h"

#include "editor/editor.h"

#include <algorithm>
#include <array>

bool IsSafeTransparent(int element) {
    static constexpr std::array<int, 20> SafeTransparentElements = {
        1, 4, 5, 17, 19, 22, 23, 24, 28, 29, 33, 34, 35, 37, 38, 43, 44, 45, 46, 48};
    return std::find(SafeTransparentElements.begin(), SafeTransparentElements.end(), element) !=
           SafeTransparentElements.end();
}

void SetSafeScheme(Editor& editor, bool on) {
    if (editor.options.safeScheme == on)
        return;
    editor.options.safeScheme = on;
    SafeSchemeToggled(editor);
}

void SafeSchemeToggled(Editor& editor) {
    if (!editor.options.safeScheme)
        return;
    ElementList& list = editor.list.elements;
    const int remembered = list.current();
    for (int p = 0; p < list.count(); ++p) {
        if (!IsSafeTransparent(p + 1))
            list.setChecked(p, true);
    }
    if (remembered >= 0)
        list.setCurrent(remembered);
    RedrawPreview(editor, RedrawTarget::all());
}

void SafeSchemeAfterLoad(Editor& editor, bool anyTransparent) {
    if (!anyTransparent)
        SetSafeScheme(editor, true);
}
