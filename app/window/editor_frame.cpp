#include "app/window/editor_frame.h"

EditorFrame::EditorFrame(Editor& editor, const char* objectName, QWidget* parent)
    : QGroupBox(parent), editor_(editor) {
    setObjectName(QLatin1String(objectName));
}
