#include "app/command_line.h"
#include "app/editor.h"
#include "app/qt_translations.h"
#include "app/qt_user_dialogs.h"
#include "app/window/language_chooser.h"
#include "app/window/main_window.h"
#include "assets/icons.h"
#include "i18n/language_command.h"
#include "preview/display_depth.h"
#include "preview/preview.h"
#include "scheme/starter_schemes.h"
#include "workspace/element_list_handlers.h"

#include <QApplication>
#include <QScreen>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    {
        // The command-line options need no display, so they run without a GUI application.
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const std::optional<int> code = RunCommandLine(arguments, out, err))
            return *code;
    }
    const WindowArguments window = *WindowArgumentsOf(arguments);

    QApplication app(argc, argv);
    QApplication::setWindowIcon(ApplicationIcon());
    QtUserDialogs dialogs;
    Editor editor(dialogs);
    if (ReadStoredLanguage(editor.settings).isEmpty()) {
        // The first run: the chooser stores the word, which is read back like any other start.
        LanguageChooser chooser(editor.settings);
        chooser.exec();
    }
    editor.language = LanguageFromWord(ReadStoredLanguage(editor.settings));
    InstallQtTranslations(editor.language);
    CaptionRecentMenu(editor);
    ReadRecentFiles(editor);

    const int depth = window.depth.value_or(QGuiApplication::primaryScreen()->depth());
    if (depth < MinimumDisplayDepth) {
        ShowDisplayDepthMessage(dialogs, editor.language);
        return 0;
    }
    Preview preview(depth);
    editor.preview = &preview;
    // A paint that finds the display unusable has said so; the editor ends at once.
    preview.endEditor = [] {
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    };

    // The main window's loading: element names, the Blue starter, then SchemeReady.
    FillElementNames(editor);
    editor.document.SchemeReady = false;
    CreateStarterScheme(editor, Starter::Blue);
    editor.document.SchemeReady = true;
    editor.document.modified = false;

    MainWindow mainWindow(editor, window.file);
    dialogs.setParent(&mainWindow);
    mainWindow.show();
    return preview.ended() ? 0 : app.exec();
}
