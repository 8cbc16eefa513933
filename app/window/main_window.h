#pragma once

#include <QMainWindow>
#include <array>

class Editor;
class Preview;
class ScreenView;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

// frmMain: shows the editor's state and forwards every user action to it. It holds no scheme
// state of its own; after each action it shows the core's state again.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Editor& editor, Preview& preview, QString fileToOpen);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildElementFrame();
    QWidget* buildPreviewFrame();
    QWidget* buildOptionFrame();
    QWidget* buildZoomFrame();
    void firstActivation();
    void showState();
    void showPreview();

    void elementChanged(QListWidgetItem* item);

    Editor& editor_;
    Preview& preview_;
    QString fileToOpen_;
    bool activated_ = false;
    bool showing_ = false; // while the widgets are being brought in line with the core

    QListWidget* lstItem = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblFile = nullptr;
    QLabel* lblSelItem = nullptr;
    QLabel* Picture6 = nullptr;
    QLabel* lblComponents = nullptr;
    QLabel* lblOver = nullptr;
    std::array<ScreenView*, 10> picPrev{};
    ScreenView* imgMap = nullptr;
    QCheckBox* chkAuto = nullptr;
    QCheckBox* chkLCD = nullptr;
    QCheckBox* chkSecure = nullptr;
    QAction* mnuUndoIco = nullptr;
    QAction* mnuRedoIco = nullptr;
};
