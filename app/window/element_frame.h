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

    ElementListView* elementList;
    QLabel* schemeNameCaption;
    QLineEdit* schemeNameBox;
    QAction* nameWarningMark; // in the name box, while the name would make an unreadable file
    QLabel* fileNameCaption;
    QLabel* fileNameLabel;
    QLabel* selectedElementLabel;
    PixelView* elementColourPicture;
    QLabel* elementRedLabel;
    QLabel* elementGreenLabel;
    QLabel* elementBlueLabel;
    bool showing_ = false; // while the controls are brought in line with the editor
};
