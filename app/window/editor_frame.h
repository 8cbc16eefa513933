#pragma once

#include "i18n/language.h"

#include <QGroupBox>

class Editor;

// One frame of the main window over the editor: it shows the editor's state and forwards the
// user's input to it, then says it has done so, so that the window shows the new state in
// every frame.
class EditorFrame : public QGroupBox {
    Q_OBJECT
public:
    EditorFrame(Editor& editor, const char* objectName, QWidget* parent = nullptr);

    // Brings the controls in line with the editor.
    virtual void showState() = 0;
    // Captions, tool tips and accessible names in a language.
    virtual void setTexts(Language language) = 0;

signals:
    // The user did something: the editor's state may have changed anywhere.
    void edited();

protected:
    Editor& editor_;
};
