#include "app/start_up.h"

#include "app/qt_translations.h"
#include "app/qt_user_dialogs.h"
#include "app/window/language_chooser.h"
#include "app/window/main_window.h"
#include "app/window/splash_window.h"
#include "editor/editor.h"
#include "editor/element_list_handlers.h"
#include "editor/flash_advice.h"
#include "editor/language_command.h"
#include "editor/preview_failure.h"
#include "editor/recent_files.h"
#include "editor/scheme_loading.h"
#include "i18n/startup_texts.h"
#include "preview/display_depth.h"
#include "preview/preview.h"
#include "scheme/starter_schemes.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTextStream>
#include <memory>

using StartupTexts::Text;

namespace {

// The main window's loading: element names in the language, the Blue starter, then the
// controls may act on the scheme.
void LoadMainWindowScheme(Editor& editor) {
    FillElementNames(editor);
    editor.list.schemeReady = false;
    CreateStarterScheme(editor, Starter::Blue);
    editor.list.schemeReady = true;
    editor.document.modified = false;
}

// The colour-depth message on a display the toolkit cannot paint on: the X server's own
// message window shows it, and the error stream keeps it where there is none.
void ShowColourDepthMessage(Language language) {
    const QString title = Text(StartupTexts::ColourDepthTitle, language);
    QString text = Text(StartupTexts::ColourDepthMessage, language);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextStream(stderr) << "zef: " << text << Qt::endl;
    QProcess::execute(QStringLiteral("xmessage"),
                      {QStringLiteral("-center"), QStringLiteral("-title"), title,
                       QStringLiteral("-buttons"), QStringLiteral("OK:0"),
                       QStringLiteral("-default"), QStringLiteral("OK"), text});
}

} // namespace

int RunEditor(const WindowArguments& arguments) {
    QtUserDialogs dialogs;
    Editor editor(dialogs);

    // Below 16 bits a pixel no window of the program can be drawn, the start-up window and
    // the language chooser included: the message comes at once, in the stored language.
    const int depth = arguments.depth.value_or(QGuiApplication::primaryScreen()->depth());
    if (depth < MinimumDisplayDepth) {
        ShowColourDepthMessage(LanguageFromWord(ReadStoredLanguage(editor.settings)));
        return 0;
    }

    SplashWindow splashWindow;
    splashWindow.show();

    // Processor data.
    const ProcessorInfo processor = ReadProcessorData(editor);
    splashWindow.showProcessor(processor.name, processor.revision,
                               editor.shown.processorSpeedText + QStringLiteral(" MHz"));

    // First run: nothing stored yet, so the language is asked for.
    splashWindow.setStatus(Text(StartupTexts::ReadingSettings, Language::Czech));
    if (ReadStoredLanguage(editor.settings).isEmpty()) {
        LanguageChooser languageChooser(editor.settings, &splashWindow);
        languageChooser.exec();
    }

    // The language, as stored; from here on the start-up speaks it.
    editor.language = LanguageFromWord(ReadStoredLanguage(editor.settings));
    const Language language = editor.language;
    InstallQtTranslations(language);

    // Colour depth: tested before any window was shown, since below 16 bits none can be.
    splashWindow.setStatus(Text(StartupTexts::TestingColours, language));

    // The main window, with its menus captioned; the recent items all read as empty so far.
    LoadMainWindowScheme(editor);
    CaptionRecentMenu(editor);
    MainWindow mainWindow(editor, arguments.file);
    dialogs.setParent(&mainWindow);

    // Recent files.
    splashWindow.setStatus(Text(StartupTexts::ReadingSettings, language));
    ReadRecentFiles(editor);
    mainWindow.showState();

    // Image map.
    splashWindow.setStatus(Text(StartupTexts::BuildingImageMap, language));
    splashWindow.setProgressRange(0, ScreenCount - 1);
    Preview preview(depth, [&splashWindow](int screen) { splashWindow.setProgress(screen); });
    // A paint that finds the display unusable says so, and the editor ends at once.
    AttachPreview(editor, preview, [] {
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    });

    mainWindow.show();
    splashWindow.close();
    return preview.ended() ? 0 : QApplication::exec();
}
