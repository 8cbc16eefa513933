#pragma once

#include "host/file_association.h"

#include <QDialog>

class QTreeWidgetItem;

// associationDialog: one row, the colour scheme files, ticked while some program opens them. OK
// hands the row's state back; the dialog itself changes nothing on the desktop.
class AssociationDialog : public QDialog {
    Q_OBJECT
public:
    explicit AssociationDialog(const AssociationDialogState& state, QWidget* parent = nullptr);
    bool ticked() const;

private:
    QTreeWidgetItem* row_;
};
