#pragma once

#include "i18n/language.h"

#include <QMainWindow>
#include <array>
#include <functional>

class Editor;
class ColourFrame;
class EditorFrame;
class ElementFrame;
class OptionFrame;
class PreviewFrame;
class ZoomFrame;
class PopMenu;
class ReadabilityWindow;
class QAction;
class QMenu;

// mainWindow: assembles the five frames and the menus over the editor. It holds no scheme state of
// its own; after each user action every frame shows the editor's state again.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Editor& editor, QString fileToOpen);
    ~MainWindow() override;

    // Captions of the window, its frames and its menus in a language.
    void setTexts(Language language);
    void showState();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A menu named `name`, added to the menu bar or to a menu.
    static QMenu* addMenu(QWidget* parent, const char* name);
    void buildMenus();
    // The owner-drawn presentation takes over the menus at the first activation.
    void attachMenuPresentation();
    // Tools, Language: the word from now on, in the running window and in the settings.
    void switchLanguage(const QString& word);
    QAction* addCommand(QMenu* menu, const char* name, const QKeySequence& shortcut,
                        const std::function<void()>& command);
    void firstActivation();
    // Tools, Readability: the window beside the editor, made at the first use.
    void showReadability();
    void showPictures();

    Editor& editor_;
    QString fileToOpen_;
    bool activated_ = false;

    ElementFrame* elementFrame_;
    ColourFrame* colourFrame_;
    PreviewFrame* previewFrame_;
    OptionFrame* optionFrame_;
    ZoomFrame* zoomFrame_;
    QList<EditorFrame*> frames_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    std::array<QAction*, 5> recentFileActions_{}; // mnuRecent1Ico .. mnuRecent5Ico
    PopMenu* menuPresentation_ = nullptr;
    ReadabilityWindow* readabilityWindow_ = nullptr;
};
