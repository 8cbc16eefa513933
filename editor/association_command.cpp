#include "editor/association_command.h"

#include "editor/editor.h"
#include "host/file_association.h"

void ShowFileAssociation(Editor& editor, const QString& programPath) {
    editor.dialogWasShown = true;
    if (const std::optional<bool> ticked =
            editor.dialogs.showFileAssociation(AssociationDialogFor(editor.language)))
        ApplyAssociation(*ticked, programPath);
}
