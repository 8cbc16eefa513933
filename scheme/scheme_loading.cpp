#include "scheme/scheme_loading.h"

#include "app/editor.h"
#include "workspace/safe_scheme.h"

void PutSchemeIntoList(Editor& editor) {
    ElementList& list = editor.elementList;
    bool anyTransparent = false;
    for (int p = 0; p < list.count(); ++p) {
        const bool painted = editor.document.elementOpacity[p + 1] != 0;
        list.setChecked(p, painted);
        if (!painted)
            anyTransparent = true;
    }
    list.enabled = true;
    // Entry 1 first, so that selecting entry 0 runs even when it was already current.
    list.setCurrent(1);
    list.setCurrent(0);
    SafeSchemeAfterLoad(editor, anyTransparent);
}
