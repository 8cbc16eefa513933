#include "app/window/safe_scheme_dialog.h"

#include "assets/icons.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

SafeSchemeDialog::SafeSchemeDialog(const SafeSchemeInfo& info, QWidget* parent)
    : InfoDialog("safeSchemeDialog", info.caption, MenuIcon(QStringLiteral("mnuSecureIco")),
                 parent) {
    addText("explanationLabel", info.text);
    QLabel* listCaption = addText("safeElementsCaption", info.listCaption);
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("safeElementsList"));
    list->addItems(info.elements);
    list->setAccessibleName(info.listCaption);
    list->setMinimumHeight(160);
    listCaption->setBuddy(list);
    content()->addWidget(list, 1);
    addText("apologyLabel", info.apology)->setVisible(!info.apology.isEmpty());
}
