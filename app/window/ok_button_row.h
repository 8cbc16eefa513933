#pragma once

class QDialog;
class QHBoxLayout;

// The row at the foot of the program's small dialogs: OK (okButton) at the right, the default
// button, which accepts the dialog.
QHBoxLayout* OkButtonRow(QDialog* dialog);
