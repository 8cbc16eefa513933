#include "app/qt_options.h"

#include <algorithm>

namespace {

// The options that QGuiApplication, QApplication and Qt's X11 platform read and take out of the
// command line, as they read them: with one dash or two, a value in the argument after. One whose
// value is missing is left, and so is no command line of the program.
const QStringList QtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                          QStringLiteral("testability"), QStringLiteral("nograb"),
                          QStringLiteral("dograb")};
const QStringList QtValueOptions{
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowtitle"),
    QStringLiteral("qwindowicon"),     QStringLiteral("session"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
    QStringLiteral("display"),         QStringLiteral("name"),
    QStringLiteral("visual"),          QStringLiteral("geometry"),
    QStringLiteral("title"),           QStringLiteral("icon")};
// These also come as -style=NAME.
const QStringList QtJoinedOptions{QStringLiteral("style="), QStringLiteral("stylesheet=")};

QString OptionName(const QString& argument) {
    if (argument.startsWith(QLatin1String("--")))
        return argument.mid(2);
    return argument.startsWith(QLatin1Char('-')) ? argument.mid(1) : QString();
}

} // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList own;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString name = OptionName(arguments.at(i));
        if (name.isEmpty()) {
            own.append(arguments.at(i));
        } else if (QtValueOptions.contains(name) && i + 1 < arguments.size()) {
            ++i;
        } else if (!QtFlags.contains(name) &&
                   std::none_of(QtJoinedOptions.cbegin(), QtJoinedOptions.cend(),
                                [&name](const QString& o) { return name.startsWith(o); })) {
            own.append(arguments.at(i));
        }
    }
    return own;
}
