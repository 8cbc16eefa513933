#include "app/window/icon_button.h"

#include <QToolButton>

QToolButton* NewIconButton(ButtonIcon icon, const char* objectName) {
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(objectName));
    button->setIcon(ButtonIconOf(icon));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void SetIconButtonText(QToolButton* button, const QString& text) {
    button->setText(text);
    button->setToolTip(text);
    button->setAccessibleName(text);
}
