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
    // Element 1 is selected afresh even when it was current already. Only element 1 is
    // selected: passing through another entry would let Safe Scheme paint that element, and a
    // loaded scheme keeps its transparent elements until the user selects them.
    list.selectAfresh(0);
    SafeSchemeAfterLoad(editor, anyTransparent);
}
