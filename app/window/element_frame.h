#pragma once

#include "app/window/editor_frame.h"

class ElementListView;
class PixelView;
class QAction;
class QLabel;
class QLineEdit;

// elementFrame: the element list, the scheme's name and file, and the current element's name,
// colour swatch and components.
class ElementFrame : public EditorFrame {
    Q_OBJECT
public:
    explicit ElementFrame(Editor& editor, QWidget* parent = nullptr);
    void showState() override;
    void setTexts(Language language) override;

private:
    void showNameWarning();

    ElementListView* elementList_;
    QLabel* schemeNameCaption_;
    QLineEdit* schemeNameBox_;
    QAction* nameWarningMark_; // in the name box, while the name would make an unreadable file
    QLabel* fileNameCaption_;
    QLabel* fileNameLabel_;
    QLabel* selectedElementLabel_;
    PixelView* elementColourPicture_;
    QLabel* elementRedLabel_;
    QLabel* elementGreenLabel_;
    QLabel* elementBlueLabel_;
    bool showing_ = false; // while the controls are brought in line with the editor
};
