#include "app/window/main_window.h"

#include "app/qt_translations.h"
#include "app/window/colour_frame.h"
#include "app/window/element_frame.h"
#include "app/window/option_frame.h"
#include "app/window/preview_frame.h"
#include "app/window/readability_window.h"
#include "app/window/zoom_frame.h"
#include "editor/about_info.h"
#include "editor/association_command.h"
#include "editor/document_commands.h"
#include "editor/editor.h"
#include "editor/flash_advice.h"
#include "editor/language_command.h"
#include "editor/recent_files.h"
#include "editor/safe_scheme_info.h"
#include "editor/scheme_loading.h"
#include "editor/undo_redo.h"
#include "host/file_association.h"
#include "host/outside_links.h"
#include "host/processor_info.h"
#include "i18n/main_window_texts.h"
#include "menu/background_strip.h"
#include "menu/icon_list.h"
#include "menu/pop_menu.h"
#include "preview/preview.h"
#include "scheme/starter_schemes.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>

namespace {
// The window's fixed size.
constexpr int WindowWidth = 695;
constexpr int WindowHeight = 550;
// The zoom view and the options share a column as wide as the zoom view's frame. Every frame's
// size is fixed, so that no text in any language moves one: the preview's column is as wide as
// the zoom view's, and the colours and options share a row of a fixed height.
constexpr int ZoomColumnWidth = 224;
constexpr int PreviewColumnWidth = ZoomColumnWidth;
constexpr int LowerRowHeight = 276;

// Menu captions by the item's name.
const QHash<QString, LocalisedText>& MenuCaptions() {
    using namespace MainWindowTexts;
    static const QHash<QString, LocalisedText> captions = {
        {QStringLiteral("mnuSouborTOP"), mnuSouborTOP},
        {QStringLiteral("mnuNovyIco"), mnuNovyIco},
        {QStringLiteral("mnuBlueIco"), mnuBlueIco},
        {QStringLiteral("mnuRedIco"), mnuRedIco},
        {QStringLiteral("mnuGreenIco"), mnuGreenIco},
        {QStringLiteral("mnuOtevritIco"), mnuOtevritIco},
        {QStringLiteral("mnuOtevritPosledniIco"), mnuOtevritPosledniIco},
        {QStringLiteral("mnuUlozitIco"), mnuUlozitIco},
        {QStringLiteral("mnuSaveAsIco"), mnuSaveAsIco},
        {QStringLiteral("mnuKonecIco"), mnuKonecIco},
        {QStringLiteral("mnuEditTOP"), mnuEditTOP},
        {QStringLiteral("mnuUndoIco"), mnuUndoIco},
        {QStringLiteral("mnuRedoIco"), mnuRedoIco},
        {QStringLiteral("mnuToolsTOP"), mnuToolsTOP},
        {QStringLiteral("mnuLanguageIco"), mnuLanguageIco},
        {QStringLiteral("mnuCzechIco"), mnuCzechIco},
        {QStringLiteral("mnuEnglishIco"), mnuEnglishIco},
        {QStringLiteral("mnuDeutschIco"), mnuDeutschIco},
        {QStringLiteral("mnuReadabilityIco"), mnuReadabilityIco},
        {QStringLiteral("mnuMobilExplorerIco"), mnuMobilExplorerIco},
        {QStringLiteral("mnuNapovedaTOP"), mnuNapovedaTOP},
        {QStringLiteral("mnuSecureIco"), mnuSecureIco},
        {QStringLiteral("mnuFlashIco"), mnuFlashIco},
        {QStringLiteral("mnuLinksIco"), mnuLinksIco},
        {QStringLiteral("mnuAboutIco"), mnuAboutIco},
    };
    return captions;
}
} // namespace

MainWindow::MainWindow(Editor& editor, QString fileToOpen)
    : editor_(editor), fileToOpen_(std::move(fileToOpen)) {
    setObjectName(QStringLiteral("mainWindow"));
    // Desktops with a global menu would take the bar into their panel, where the menu's own
    // drawing is never seen.
    menuBar()->setNativeMenuBar(false);
    buildMenus();

    elementFrame_ = new ElementFrame(editor_);
    colourFrame_ = new ColourFrame(editor_);
    previewFrame_ = new PreviewFrame(editor_);
    zoomFrame_ = new ZoomFrame(editor_);
    optionFrame_ = new OptionFrame(editor_);
    frames_ = {elementFrame_, colourFrame_, previewFrame_, zoomFrame_, optionFrame_};
    zoomFrame_->setFixedWidth(ZoomColumnWidth);
    optionFrame_->setFixedSize(ZoomColumnWidth, LowerRowHeight);
    previewFrame_->setFixedWidth(PreviewColumnWidth);
    colourFrame_->setFixedHeight(LowerRowHeight);

    auto* central = new QWidget(this);
    auto* layout = new QGridLayout(central);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(elementFrame_, 0, 0);
    layout->addWidget(colourFrame_, 1, 0);
    layout->addWidget(previewFrame_, 0, 1, 2, 1);
    layout->addWidget(zoomFrame_, 0, 2);
    layout->addWidget(optionFrame_, 1, 2);
    layout->setRowStretch(0, 1);
    layout->setColumnStretch(0, 1);
    setCentralWidget(central);
    setFixedSize(WindowWidth, WindowHeight);
    setAcceptDrops(true);
    // The menu's shortcuts come first, even where a text box has its own for the same keys.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);

    for (EditorFrame* frame : frames_)
        connect(frame, &EditorFrame::edited, this, &MainWindow::showState);
    connect(previewFrame_, &PreviewFrame::hovered, zoomFrame_, &ZoomFrame::showHover);
    editor_.previewRedrawn = [this](RedrawTarget) {
        showPictures();
    };
    editor_.previewPainted = [this] {
        showPictures();
    };
    // Captioning shows the editor's state as well, for the recent items' captions.
    setTexts(editor_.language);
}

MainWindow::~MainWindow() {
    // The editor outlives the window and may still redraw or end a flash.
    editor_.previewRedrawn = nullptr;
    editor_.previewPainted = nullptr;
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QKeySequence& shortcut,
                                const std::function<void()>& command) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, command] {
        command();
        showState();
    });
    return action;
}

QMenu* MainWindow::addMenu(QWidget* parent, const char* name) {
    auto* menu = new QMenu(parent);
    menu->menuAction()->setObjectName(QLatin1String(name));
    if (auto* bar = qobject_cast<QMenuBar*>(parent))
        bar->addMenu(menu);
    else
        static_cast<QMenu*>(parent)->addMenu(menu);
    return menu;
}

void MainWindow::buildMenus() {
    const auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };
    QMenu* file = addMenu(menuBar(), "mnuSouborTOP");
    QMenu* newMenu = addMenu(file, "mnuNovyIco");
    const auto starter = [this](Starter s) {
        return [this, s] {
            NewScheme(editor_, s);
        };
    };
    addCommand(newMenu, "mnuBlueIco", QKeySequence(Qt::CTRL | Qt::Key_N), starter(Starter::Blue));
    addCommand(newMenu, "mnuRedIco", {}, starter(Starter::Red));
    addCommand(newMenu, "mnuGreenIco", {}, starter(Starter::Green));
    addCommand(file, "mnuOtevritIco", QKeySequence(Qt::CTRL | Qt::Key_O),
               [this] { OpenScheme(editor_); });
    QMenu* recent = addMenu(file, "mnuOtevritPosledniIco");
    for (int k = 0; k < RecentFiles::Count; ++k) {
        const QByteArray name = "mnuRecent" + QByteArray::number(k + 1) + "Ico";
        recentFileActions_[size_t(k)] =
            addCommand(recent, name.constData(), {}, [this, k] { OpenRecentFile(editor_, k); });
    }
    separator(file, "mnuSep3");
    addCommand(file, "mnuMobilExplorerIco", QKeySequence(Qt::CTRL | Qt::Key_E),
               [] { OpenPhoneExplorer(); });
    separator(file, "mnuSep2");
    addCommand(file, "mnuUlozitIco", QKeySequence(Qt::CTRL | Qt::Key_S),
               [this] { SaveScheme(editor_); });
    addCommand(file, "mnuSaveAsIco", {}, [this] { SaveSchemeAs(editor_); });
    separator(file, "mnuSep");
    // No question on exit: unsaved changes are lost, as the program always did.
    addCommand(file, "mnuKonecIco", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });

    QMenu* edit = addMenu(menuBar(), "mnuEditTOP");
    undoAction_ = addCommand(edit, "mnuUndoIco", QKeySequence(Qt::CTRL | Qt::Key_Z),
                             [this] { Undo(editor_); });
    redoAction_ = addCommand(edit, "mnuRedoIco", QKeySequence(Qt::CTRL | Qt::Key_R),
                             [this] { Redo(editor_); });

    QMenu* tools = addMenu(menuBar(), "mnuToolsTOP");
    QMenu* language = addMenu(tools, "mnuLanguageIco");
    for (const auto& [name, word] :
         {std::pair{"mnuCzechIco", "Czech"}, std::pair{"mnuEnglishIco", "English"},
          std::pair{"mnuDeutschIco", "Deutsch"}}) {
        const QString languageWord = QLatin1String(word);
        addCommand(language, name, {}, [this, languageWord] { switchLanguage(languageWord); });
    }
    addCommand(tools, "mnuAsoIco", {},
               [this] { ShowFileAssociation(editor_, QCoreApplication::applicationFilePath()); });
    addCommand(tools, "mnuReadabilityIco", {}, [this] { showReadability(); });

    QMenu* help = addMenu(menuBar(), "mnuNapovedaTOP");
    addCommand(help, "mnuSecureIco", {}, [this] { ShowSafeSchemeInfo(editor_); });
    addCommand(help, "mnuFlashIco", {}, [this] { ShowFlashAdvice(editor_); });
    separator(help, "mnuSep4");
    addCommand(help, "mnuLinksIco", {}, [this] { ShowLinks(editor_); });
    separator(help, "mnuSep5");
    addCommand(help, "mnuAboutIco", {}, [this] { ShowAbout(editor_); });
}

void MainWindow::attachMenuPresentation() {
    menuPresentation_ = new PopMenu(this);
    menuPresentation_->setBackgroundPicture(MenuBackgroundStrip());
    menuPresentation_->setImageList(MenuIconList());
    menuPresentation_->setHighlightStyle(2);
    menuPresentation_->subClassMenu(menuBar());
}

void MainWindow::switchLanguage(const QString& word) {
    ApplyLanguageCommand(editor_, word);
    InstallQtTranslations(editor_.language);
    setTexts(editor_.language);
}

void MainWindow::setTexts(Language language) {
    setWindowTitle(MainWindowTexts::Caption(MainWindowTexts::MainWindowTitle, language));
    for (EditorFrame* frame : frames_)
        frame->setTexts(language);
    const auto& captions = MenuCaptions();
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        const QString key = action->objectName();
        const auto caption = captions.constFind(key);
        QString text;
        if (caption != captions.cend())
            text = MainWindowTexts::Caption(*caption, language);
        else if (key == QLatin1String("mnuAsoIco"))
            text = MainWindowTexts::AssociationCaption(language);
        else
            continue;
        // Once the menus are drawn by the program, their captions are kept there by name.
        if (menuPresentation_)
            menuPresentation_->setCaption(key, text);
        else
            action->setText(text);
    }
    // The recent items read their captions from the editor, which keeps file names.
    showState();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_) {
        activated_ = true;
        // After the window is on screen, as the first activation always came.
        QTimer::singleShot(0, this, &MainWindow::firstActivation);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A shortcut override left unaccepted lets the key go to the menu's shortcut.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence keys(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : menuBar()->findChildren<QAction*>())
            if (action->shortcut() == keys)
                return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::firstActivation() {
    RedrawPreview(editor_, RedrawTarget::all());
    attachMenuPresentation();
    ApplySpeedAdvice(editor_);
    // A file named on the command line that was not opened leaves the flag as it was.
    if (OpenCommandLineFile(editor_, fileToOpen_))
        editor_.document.modified = false;
    showState();
}

void MainWindow::showReadability() {
    if (!readabilityWindow_) {
        readabilityWindow_ = new ReadabilityWindow(editor_, this);
        connect(readabilityWindow_, &ReadabilityWindow::edited, this, &MainWindow::showState);
    }
    readabilityWindow_->showBesideParent();
}

void MainWindow::showState() {
    for (EditorFrame* frame : frames_)
        frame->showState();
    if (readabilityWindow_)
        readabilityWindow_->showState();
    undoAction_->setEnabled(editor_.history.commands.undoEnabled);
    redoAction_->setEnabled(editor_.history.commands.redoEnabled);
    bool recentChanged = false;
    for (int k = 0; k < RecentFiles::Count; ++k) {
        QAction* item = recentFileActions_[size_t(k)];
        const QString& caption = editor_.recentMenu.captions[size_t(k)];
        recentChanged = recentChanged || item->text() != caption;
        item->setText(caption);
    }
    if (recentChanged && menuPresentation_)
        menuPresentation_->refresh();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    // Only one scheme file is taken; anything else is refused without a word.
    if (DroppedSchemePath(event->mimeData()->urls()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::optional<QString> path = DroppedSchemePath(event->mimeData()->urls());
    if (!path)
        return;
    event->acceptProposedAction();
    OpenSchemeFromPath(editor_, *path);
    showState();
}

void MainWindow::showPictures() {
    previewFrame_->showPictures();
    zoomFrame_->showPicture();
}
