#include "editor/scheme_loading.h"

#include "editor/document_commands.h"
#include "editor/editor.h"
#include "editor/error_message.h"
#include "editor/recent_files.h"
#include "editor/safe_scheme.h"
#include "editor/undo_redo.h"
#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"

void PutSchemeIntoList(Editor& editor) {
    ElementList& list = editor.list.elements;
    bool anyTransparent = false;
    for (int p = 0; p < list.count(); ++p) {
        const bool painted = IsPainted(editor.document, p + 1);
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

bool ReadSchemeBytes(Editor& editor, const QByteArray& bytes) {
    const ParsedScheme scheme = ParseSchemeText(DecodeSchemeBytes(bytes));
    if (scheme.failure) {
        if (!scheme.headerTag.isEmpty()) {
            // Past the header word the list has been taken for reading; it is given back ready,
            // with nothing of the file taken over.
            editor.list.elements.enabled = true;
            editor.list.schemeReady = true;
        }
        ShowErrorMessage(editor.dialogs, editor.language, ReadFailureMessage(*scheme.failure));
        return false;
    }

    SchemeDocument& doc = editor.document;
    editor.list.elements.enabled = false;
    doc.headerTag = scheme.headerTag;
    editor.list.schemeReady = false;
    doc.dataTag = QStringLiteral("Data");
    editor.setNameBoxText(scheme.schemeName);
    doc.elementColour = scheme.elementColour;
    doc.elementOpacity = scheme.elementOpacity;
    PutSchemeIntoList(editor);
    editor.list.schemeReady = true;
    RedrawPreview(editor, RedrawTarget::all());
    return true;
}

bool ReadSchemeFile(Editor& editor, const QString& path) {
    const std::optional<QByteArray> bytes = ReadSchemeFileBytes(path);
    if (!bytes) {
        ShowErrorMessage(editor.dialogs, editor.language,
                         ReadFailureMessage(ReadFailure::ReadError));
        return false;
    }
    if (!ReadSchemeBytes(editor, *bytes))
        return false;
    AddRecentFile(editor.recentFiles, editor.settings, path);
    return true;
}

void CreateStarterScheme(Editor& editor, Starter starter) {
    if (!TestMakeProject(editor))
        return;
    ClearHistory(editor);
    SchemeDocument& doc = editor.document;
    doc.filePath.clear();
    if (const std::optional<QString> label = StarterFileLabel(starter, editor.language))
        editor.shown.fileLabel = *label;

    const bool wasReady = editor.list.schemeReady;
    editor.list.schemeReady = false;
    editor.list.elements.enabled = false;

    doc.headerTag = QStringLiteral("ColourScheme");
    doc.dataTag = QStringLiteral("Data");
    if (const std::optional<QString> name = StarterName(starter, editor.language))
        doc.schemeName = *name;
    const std::array<StarterElement, ElementCount>& table = StarterTable(starter);
    for (int element = 1; element <= ElementCount; ++element) {
        const StarterElement& e = table[element - 1];
        doc.elementColour[element] = MakeColour(e.red, e.green, e.blue);
        doc.elementOpacity[element] = e.opacity;
    }
    PutSchemeIntoList(editor);
    editor.setNameBoxText(doc.schemeName);

    // While the main window loads, it raises schemeReady itself once everything is in place.
    if (wasReady) {
        editor.list.schemeReady = true;
        RedrawPreview(editor, RedrawTarget::all());
    }
}
