#include "app/command_line.h"

#include "app/command_line_support.h"
#include "app/contrast_command.h"
#include "app/qt_options.h"
#include "editor/editor.h"
#include "editor/scheme_loading.h"
#include "editor/scheme_saving.h"
#include "editor/silent_dialogs.h"
#include "host/file_association.h"
#include "preview/preview.h"
#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"
#include "scheme/starter_schemes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

namespace {

// The pixel formats the preview can be painted in, whatever the display's.
const QList<int> PreviewDepths{16, 24, 32};

// Answers the editor's dialogs without a person: messages go to the error stream, and the
// overwrite question is answered Yes, since the output file was named on purpose.
class CommandLineDialogs : public SilentDialogs {
public:
    explicit CommandLineDialogs(QTextStream& err) : err_(err) {}
    MessageAnswer showMessage(const Message& message) override {
        if (message.buttons == MessageButtons::YesNoCancel)
            return MessageAnswer::Yes;
        err_ << message.text << Qt::endl;
        return MessageAnswer::Ok;
    }

private:
    QTextStream& err_;
};

// The arguments of one option: named values ("-o", "--language", ...) and plain words.
struct OptionArguments {
    QMap<QString, QString> values;
    QStringList words;
    QString problem;
};

OptionArguments SplitArguments(const QStringList& arguments, const QStringList& valueOptions,
                               const QStringList& flags = {}) {
    OptionArguments result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (flags.contains(a)) {
            result.values.insert(a, QString());
        } else if (valueOptions.contains(a)) {
            if (i + 1 >= arguments.size()) {
                result.problem = a + QStringLiteral(" needs a value");
                break;
            }
            result.values.insert(a, arguments.at(++i));
        } else if (a.startsWith(QLatin1String("-")) && a.size() > 1) {
            result.problem = QStringLiteral("unknown option ") + a;
            break;
        } else {
            result.words.append(a);
        }
    }
    return result;
}

std::optional<Language> LanguageOption(const OptionArguments& args, QTextStream& err) {
    const QString word = args.values.value(QStringLiteral("--language"), QStringLiteral("English"));
    const Language language = LanguageFromWord(word);
    if (language == Language::None) {
        err << "zef: --language takes Czech, English or Deutsch, not " << word << Qt::endl;
        return std::nullopt;
    }
    return language;
}

int RunCheck(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const OptionArguments args = SplitArguments(arguments, {QStringLiteral("--language")});
    if (!args.problem.isEmpty())
        return UsageProblem(err, args.problem);
    if (args.words.isEmpty())
        return UsageProblem(err, QStringLiteral("--check needs at least one FILE"));
    const std::optional<Language> language = LanguageOption(args, err);
    if (!language)
        return UsageError;
    bool allRead = true;
    for (const QString& path : args.words) {
        std::optional<ReadFailure> failure = ReadFailure::ReadError;
        if (const std::optional<QByteArray> bytes = ReadSchemeFileBytes(path))
            failure = ParseSchemeText(DecodeSchemeBytes(*bytes)).failure;
        if (failure) {
            allRead = false;
            out << path << ": " << *ReadFailureMessage(*failure).in(*language) << Qt::endl;
        } else {
            out << path << ": OK" << Qt::endl;
        }
    }
    return allRead ? 0 : 1;
}

int RunStarter(const QStringList& arguments, QTextStream&, QTextStream& err) {
    const OptionArguments args =
        SplitArguments(arguments, {QStringLiteral("--language"), QStringLiteral("-o")});
    if (!args.problem.isEmpty())
        return UsageProblem(err, args.problem);
    static const QMap<QString, Starter> starters = {{QStringLiteral("Blue"), Starter::Blue},
                                                    {QStringLiteral("Red"), Starter::Red},
                                                    {QStringLiteral("Green"), Starter::Green}};
    if (args.words.size() != 1 || !starters.contains(args.words.first()))
        return UsageProblem(err, QStringLiteral("--starter takes Blue, Red or Green"));
    const QString output = args.values.value(QStringLiteral("-o"));
    if (output.isEmpty())
        return UsageProblem(err, QStringLiteral("--starter needs -o OUT.col"));
    const std::optional<Language> language = LanguageOption(args, err);
    if (!language)
        return UsageError;

    CommandLineDialogs dialogs(err);
    Editor editor(dialogs);
    editor.language = *language;
    CreateStarterScheme(editor, starters.value(args.words.first()));
    WriteSchemeFile(editor, output);
    // A successful write leaves the scheme unmodified with the output as its file.
    return editor.document.filePath == output ? 0 : 1;
}

// A whole number option within limits, or nothing (and a usage message) when it is not one.
std::optional<int> NumberOption(const OptionArguments& args, const QString& name, int fallback,
                                const QList<int>& allowed, QTextStream& err) {
    if (!args.values.contains(name))
        return fallback;
    bool ok = false;
    const int value = args.values.value(name).toInt(&ok);
    if (!ok || !allowed.contains(value)) {
        UsageProblem(err, name + QStringLiteral(" does not take ") + args.values.value(name));
        return std::nullopt;
    }
    return value;
}

QList<int> Range(int from, int to) {
    QList<int> values;
    for (int v = from; v <= to; ++v)
        values.append(v);
    return values;
}

// The ten screens as the preview frame lays them out: two columns of five, screens 0 and 1 at
// the top.
QImage PreviewSheet(const Preview& preview) {
    constexpr int Gap = 6;
    QImage sheet(2 * ScreenWidth + 3 * Gap, 5 * ScreenHeight + 6 * Gap, QImage::Format_RGB32);
    sheet.fill(qRgb(212, 208, 200));
    for (int i = 0; i < ScreenCount; ++i) {
        const QImage screen = preview.screen(i).convertToFormat(QImage::Format_RGB32);
        const int x = Gap + (i % 2) * (ScreenWidth + Gap);
        const int y = Gap + (i / 2) * (ScreenHeight + Gap);
        for (int row = 0; row < ScreenHeight; ++row)
            std::memcpy(sheet.scanLine(y + row) + 4 * x, screen.constScanLine(row),
                        4 * ScreenWidth);
    }
    return sheet;
}

// Composes the preview's screens from the scheme in the file, as the editor shows a scheme it has
// just opened. False, with the reader's message, when the file is no readable scheme.
bool ComposeScheme(const QString& path, bool lcdColours, Preview& preview, QTextStream& err) {
    const std::optional<OpenedScheme> scheme = OpenSchemeFile(path, Language::English, err);
    if (!scheme)
        return false;
    preview.redraw(RedrawTarget::all(), PreviewInput{scheme->document, scheme->ticks, lcdColours});
    return true;
}

// Writes the whole picture or nothing, so that a failed write leaves no broken PNG behind.
int SavePicture(const QImage& picture, const QString& output, QTextStream& err) {
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        err << "zef: cannot write " << output << Qt::endl;
        return 1;
    }
    return 0;
}

int RunRender(const QStringList& arguments, QTextStream&, QTextStream& err) {
    const OptionArguments args =
        SplitArguments(arguments,
                       {QStringLiteral("-o"), QStringLiteral("--screen"), QStringLiteral("--depth"),
                        QStringLiteral("--scale")},
                       {QStringLiteral("--lcd")});
    if (!args.problem.isEmpty())
        return UsageProblem(err, args.problem);
    const QString output = args.values.value(QStringLiteral("-o"));
    if (args.words.size() != 1 || output.isEmpty())
        return UsageProblem(err, QStringLiteral("--render takes FILE -o OUT.png"));
    const std::optional<int> screen =
        NumberOption(args, QStringLiteral("--screen"), -1, Range(0, ScreenCount - 1), err);
    const std::optional<int> depth =
        NumberOption(args, QStringLiteral("--depth"), 32, PreviewDepths, err);
    const std::optional<int> scale =
        NumberOption(args, QStringLiteral("--scale"), 1, Range(1, 16), err);
    if (!screen || !depth || !scale)
        return UsageError;

    Preview preview(*depth);
    if (!ComposeScheme(args.words.first(), args.values.contains(QStringLiteral("--lcd")), preview,
                       err))
        return 1;
    QImage picture = *screen >= 0 ? preview.screen(*screen).convertToFormat(QImage::Format_RGB32)
                                  : PreviewSheet(preview);
    picture =
        picture.scaled(picture.size() * *scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return SavePicture(picture, output, err);
}

// --thumbnail IN OUT SIZE, as the desktop's thumbnailers are called: the standby screen, as
// large as fits in SIZE x SIZE with every phone pixel the same size, smaller ones shrunk.
int RunThumbnail(const QStringList& arguments, QTextStream&, QTextStream& err) {
    constexpr int MaxSize = 4096;
    bool ok = arguments.size() == 3;
    const int size = ok ? arguments.at(2).toInt(&ok) : 0;
    if (!ok || size < 1 || size > MaxSize)
        return UsageProblem(err,
                            QStringLiteral("--thumbnail takes FILE OUT.png SIZE, SIZE from 1 to ") +
                                QString::number(MaxSize));
    Preview preview(32);
    if (!ComposeScheme(arguments.at(0), false, preview, err))
        return 1;
    const QImage screen = preview.screen(0).convertToFormat(QImage::Format_RGB32);
    const int times = size / std::max(ScreenWidth, ScreenHeight);
    const QImage picture =
        times >= 1
            ? screen.scaled(screen.size() * times, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            : screen.scaled(size, size, Qt::KeepAspectRatio, Qt::FastTransformation);
    return SavePicture(picture, arguments.at(1), err);
}

int RunHitMap(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    bool ok = false;
    const int screen = arguments.size() == 1 ? arguments.first().toInt(&ok) : -1;
    if (!ok || screen < 0 || screen >= ScreenCount)
        return UsageProblem(err, QStringLiteral("--hit-map takes a screen number from 0 to 9"));
    const Preview preview(32);
    const ImageMap& map = preview.imageMap();
    for (int y = 0; y < ScreenHeight; ++y) {
        QStringList row;
        for (int x = 0; x < ScreenWidth; ++x)
            row.append(QString::number(map.layerElement(screen, map.topmostLayer(screen, x, y))));
        out << row.join(QLatin1Char(',')) << '\n';
    }
    out.flush();
    return 0;
}

// --associate and --unassociate: the File Association dialog's OK with its row ticked or not.
int RunAssociation(bool ticked, const QStringList& arguments, QTextStream& err) {
    if (!arguments.isEmpty())
        return UsageProblem(err, QStringLiteral("unknown option ") + arguments.first());
    const AssociationResult result =
        ApplyAssociation(ticked, QCoreApplication::applicationFilePath());
    if (result.ok())
        return 0;
    err << "zef: " << result.problems.first() << Qt::endl;
    return 1;
}

// The options that run without a window, each with what it does with the other arguments; the
// first argument that names one chooses it. A new such option is a row here and its lines in
// UsageText.
using WindowlessRun = int (*)(const QStringList& arguments, QTextStream& out, QTextStream& err);
struct WindowlessOption {
    QLatin1String name;
    WindowlessRun run;
};
const WindowlessOption WindowlessOptions[] = {
    {QLatin1String("--help"),
     [](const QStringList&, QTextStream& out, QTextStream&) {
         out << UsageText();
         return 0;
     }},
    {QLatin1String("--version"),
     [](const QStringList&, QTextStream& out, QTextStream&) {
         out << "zef " << ZEF_VERSION << Qt::endl;
         return 0;
     }},
    {QLatin1String("--check"), RunCheck},
    {QLatin1String("--contrast"), RunContrast},
    {QLatin1String("--starter"), RunStarter},
    {QLatin1String("--render"), RunRender},
    {QLatin1String("--thumbnail"), RunThumbnail},
    {QLatin1String("--hit-map"), RunHitMap},
    {QLatin1String("--associate"),
     [](const QStringList& arguments, QTextStream&, QTextStream& err) {
         return RunAssociation(true, arguments, err);
     }},
    {QLatin1String("--unassociate"),
     [](const QStringList& arguments, QTextStream&, QTextStream& err) {
         return RunAssociation(false, arguments, err);
     }},
};

// The editor window's own options, read as Qt's parser reads a command line.
struct WindowOptions {
    explicit WindowOptions(const QStringList& arguments) {
        parser.addOption(depth);
        read = parser.parse(QStringList{QStringLiteral("zef")} + arguments);
    }
    QCommandLineParser parser;
    const QCommandLineOption depth{QStringLiteral("depth"), QString(), QStringLiteral("BITS")};
    bool read = false;
};

} // namespace

QString UsageText() {
    return QStringLiteral(
        "Usage: zef [--depth 16|24|32] [FILE]\n"
        "       zef --check [--language L] FILE...\n"
        "       zef --contrast FILE [--lcd] [--language L]\n"
        "       zef --starter Blue|Red|Green [--language L] -o OUT.col\n"
        "       zef --render FILE -o OUT.png [--screen N] [--lcd] [--depth 16|24|32] [--scale K]\n"
        "       zef --thumbnail FILE OUT.png SIZE\n"
        "       zef --hit-map N\n"
        "       zef --associate | --unassociate\n"
        "       zef --help | --version\n"
        "\n"
        "Without an option zef opens its editor window, with FILE opened in it;\n"
        "--depth paints the preview in that many bits per pixel, whatever the display's.\n"
        "Options may stand before or after the files. The options of every Qt program\n"
        "(-style NAME, -platform NAME, -reverse, -qwindowgeometry WxH+X+Y, ...) are\n"
        "taken anywhere and left to Qt; they change only the editor window.\n"
        "\n"
        "  --check FILE...   read each colour scheme and print FILE: OK or the reason\n"
        "                    it cannot be read; exit 1 when one cannot be read\n"
        "  --contrast FILE   list the touching elements that are hard to read on each\n"
        "                    other (contrast below 3:1), weakest first; exit 1 when\n"
        "                    there is one; --lcd takes the phone's display colours\n"
        "  --starter NAME    write the built-in Blue, Red or Green scheme to OUT.col\n"
        "  --language L      Czech, English (the default) or Deutsch, for messages,\n"
        "                    scheme and element names\n"
        "  --render FILE     draw the phone display preview of a scheme into a PNG:\n"
        "                    all ten screens, or screen N (0-9), K times enlarged;\n"
        "                    --lcd maps the colours as the phone's display shows them\n"
        "  --thumbnail FILE  draw the standby screen (screen 0) into OUT.png, at most\n"
        "                    SIZE pixels wide and high, for file managers' thumbnails\n"
        "  --hit-map N       print which element each pixel of screen N belongs to\n"
        "  --associate       make zef the user's program for .col files\n"
        "  --unassociate     remove what --associate set up\n"
        "  --help            show this text\n"
        "  --version         show the version\n");
}

std::optional<WindowArguments> WindowArgumentsOf(const QStringList& arguments) {
    const WindowOptions options(WithoutQtOptions(arguments));
    const QStringList files = options.parser.positionalArguments();
    const QStringList depths = options.parser.values(options.depth);
    if (!options.read || files.size() > 1 || depths.size() > 1)
        return std::nullopt;
    WindowArguments window{std::nullopt, files.value(0)};
    if (!depths.isEmpty()) {
        bool ok = false;
        window.depth = depths.first().toInt(&ok);
        if (!ok || !PreviewDepths.contains(*window.depth))
            return std::nullopt;
    }
    return window;
}

int RunWithoutWindow(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QStringList own = WithoutQtOptions(arguments);
    // After "--" every argument is a file.
    const QStringList options = own.mid(0, own.indexOf(QLatin1String("--")));
    for (qsizetype i = 0; i < options.size(); ++i) {
        for (const WindowlessOption& option : WindowlessOptions) {
            if (options.at(i) == option.name) {
                own.removeAt(i);
                return option.run(own, out, err);
            }
        }
    }
    const WindowOptions window(own);
    for (const QString& name : window.parser.unknownOptionNames()) {
        if (options.contains(QStringLiteral("--") + name))
            return UsageProblem(err, QStringLiteral("unknown option --") + name);
    }
    return UsageProblem(err, QStringLiteral("the editor takes [--depth 16|24|32] [FILE]"));
}

std::optional<int> RunCommandLine(const QStringList& arguments, QTextStream& out,
                                  QTextStream& err) {
    if (WindowArgumentsOf(arguments))
        return std::nullopt;
    return RunWithoutWindow(arguments, out, err);
}
