#pragma once

#include "editor/readability.h"

#include <QDialog>
#include <memory>

class Editor;
class PaintOwners;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

// readabilityWindow: the pairs of touching elements that are hard to read on each other, beside
// the editor. It blocks nothing and follows every change of the scheme; activating a row selects
// the element in front in the element list.
class ReadabilityWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReadabilityWindow(Editor& editor, QWidget* parent = nullptr);
    ~ReadabilityWindow() override;

    // Shows the window beside its parent, or raises it where it already is.
    void showBesideParent();
    // Brings the list in line with the scheme, while the window is shown.
    void showState();

signals:
    // The user selected an element through the window.
    void edited();

private:
    Editor& editor_;
    // Taken from the preview's layers when the window first shows.
    std::unique_ptr<PaintOwners> owners_;
    ReadabilityInfo shown_;
    bool placed_ = false;

    QLabel* explanationLabel_;
    QStackedWidget* pages_;
    QLabel* weakPairsCaption_;
    QTreeWidget* weakPairsList_;
    QLabel* noWeakPairLabel_;
    QPushButton* closeButton_;
};
