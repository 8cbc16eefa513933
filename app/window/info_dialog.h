#pragma once

#include <QDialog>

class QIcon;
class QVBoxLayout;

// The frame the two information dialogs share: a picture on the left, the dialog's own
// content beside it, and OK (okButton), which closes it.
class InfoDialog : public QDialog {
    Q_OBJECT
public:
    InfoDialog(const char* objectName, const QString& caption, const QIcon& picture,
               QWidget* parent);

protected:
    // Where the dialog's content goes, top to bottom.
    QVBoxLayout* content() const { return content_; }
    // A word-wrapped label added to the content.
    class QLabel* addText(const char* objectName, const QString& text);

private:
    QVBoxLayout* content_;
};
