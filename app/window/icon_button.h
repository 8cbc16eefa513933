#pragma once

#include "assets/icons.h"

#include <QString>

class QToolButton;

// A small button that shows only its icon; its text is its tool tip and accessible name.
QToolButton* NewIconButton(ButtonIcon icon, const char* objectName);
void SetIconButtonText(QToolButton* button, const QString& text);
