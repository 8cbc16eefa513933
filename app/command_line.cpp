#include "app/command_line.h"

#include "app/editor.h"
#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"
#include "scheme/scheme_writer.h"
#include "scheme/starter_schemes.h"

#include <QCoreApplication>

namespace {

constexpr int UsageError = 2;

// Answers the editor's dialogs without a person: messages go to the error stream, and the
// overwrite question is answered Yes, since the output file was named on purpose.
class CommandLineDialogs : public UserDialogs {
public:
    explicit CommandLineDialogs(QTextStream& err) : err_(err) {}
    MessageAnswer showMessage(const Message& message) override {
        if (message.buttons == MessageButtons::YesNoCancel)
            return MessageAnswer::Yes;
        err_ << message.text << Qt::endl;
        return MessageAnswer::Ok;
    }
    QString chooseFileToOpen(const FileDialogTexts&) override { return {}; }
    QString chooseFileToSave(const FileDialogTexts&) override { return {}; }
    ColourValue chooseColour(ColourValue initial) override { return initial; }

private:
    QTextStream& err_;
};

// The arguments of one option: named values ("-o", "--language", ...) and plain words.
struct OptionArguments {
    QMap<QString, QString> values;
    QStringList words;
    QString problem;
};

OptionArguments SplitArguments(const QStringList& arguments, const QStringList& valueOptions) {
    OptionArguments result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (valueOptions.contains(a)) {
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

int UsageProblem(QTextStream& err, const QString& problem) {
    err << "zef: " << problem << Qt::endl << "Try 'zef --help'." << Qt::endl;
    return UsageError;
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

int RunStarter(const QStringList& arguments, QTextStream& err) {
    const OptionArguments args =
        SplitArguments(arguments, {QStringLiteral("--language"), QStringLiteral("-o")});
    if (!args.problem.isEmpty())
        return UsageProblem(err, args.problem);
    static const QMap<QString, Starter> Starters = {{QStringLiteral("Blue"), Starter::Blue},
                                                    {QStringLiteral("Red"), Starter::Red},
                                                    {QStringLiteral("Green"), Starter::Green}};
    if (args.words.size() != 1 || !Starters.contains(args.words.first()))
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
    CreateStarterScheme(editor, Starters.value(args.words.first()));
    WriteSchemeFile(editor, output);
    // A successful write leaves the scheme unmodified with the output as its file.
    return editor.document.filePath == output ? 0 : 1;
}

} // namespace

QString UsageText() {
    return QStringLiteral(
        "Usage: zef [FILE]\n"
        "       zef --check [--language L] FILE...\n"
        "       zef --starter Blue|Red|Green [--language L] -o OUT.col\n"
        "       zef --help | --version\n"
        "\n"
        "Without an option zef opens its editor window, with FILE opened in it.\n"
        "\n"
        "  --check FILE...   read each colour scheme and print FILE: OK or the reason\n"
        "                    it cannot be read; exit 1 when one cannot be read\n"
        "  --starter NAME    write the built-in Blue, Red or Green scheme to OUT.col\n"
        "  --language L      Czech, English (the default) or Deutsch, for messages\n"
        "                    and scheme names\n"
        "  --help            show this text\n"
        "  --version         show the version\n");
}

std::optional<int> RunCommandLine(const QStringList& arguments, QTextStream& out,
                                  QTextStream& err) {
    if (arguments.isEmpty())
        return std::nullopt;
    const QString& command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("--help")) {
        out << UsageText();
        return 0;
    }
    if (command == QLatin1String("--version")) {
        out << "zef " << ZEF_VERSION << Qt::endl;
        return 0;
    }
    if (command == QLatin1String("--check"))
        return RunCheck(rest, out, err);
    if (command == QLatin1String("--starter"))
        return RunStarter(rest, err);
    if (command.startsWith(QLatin1String("--")))
        return UsageProblem(err, QStringLiteral("unknown option ") + command);
    return std::nullopt;
}
