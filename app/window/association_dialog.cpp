#include "app/window/association_dialog.h"

#include "app/window/ok_button_row.h"
#include "assets/icons.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

AssociationDialog::AssociationDialog(const AssociationDialogState& state, QWidget* parent)
    : QDialog(parent) {
    const AssociationDialogTexts& texts = state.texts;
    setObjectName(QStringLiteral("associationDialog"));
    setWindowTitle(texts.caption);
    setModal(true);

    auto* instruction = new QLabel(texts.instruction);
    instruction->setObjectName(QStringLiteral("instructionLabel"));
    instruction->setWordWrap(true);

    auto* list = new QTreeWidget;
    list->setObjectName(QStringLiteral("fileTypeList"));
    list->setAccessibleName(texts.caption);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({texts.formatHeader, texts.descriptionHeader, texts.extensionsHeader});
    row_ = new QTreeWidgetItem(list, {texts.rowFormat, texts.rowDescription, texts.rowExtensions});
    row_->setIcon(0, ApplicationIcon());
    row_->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    row_->setCheckState(0, state.ticked ? Qt::Checked : Qt::Unchecked);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setFixedHeight(90);
    instruction->setBuddy(list);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addWidget(list);
    layout->addLayout(OkButtonRow(this));
    setFixedWidth(480);
}

bool AssociationDialog::ticked() const {
    return row_->checkState(0) == Qt::Checked;
}
