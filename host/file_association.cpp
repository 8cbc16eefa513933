#include "host/file_association.h"

#include "i18n/association_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

constexpr char DefaultApplications[] = "[Default Applications]";
// No mimeapps.list of a real desktop comes near this; a larger file is left alone.
constexpr qint64 MaxListSize = 4 * 1024 * 1024;
constexpr int ToolTimeoutMs = 60 * 1000;
constexpr int RegisteredGlobWeight = 60;

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// Writes a whole file at once, so that a failure leaves the old one in place. Returns the
// problem, or nothing.
std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes) {
    const QString problem = QStringLiteral("cannot write ") + path;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return problem;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return problem;
    return std::nullopt;
}

std::optional<QString> RemoveFile(const QString& path) {
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return std::nullopt;
    if (QFile::remove(path))
        return std::nullopt;
    return QStringLiteral("cannot remove ") + path;
}

QString XmlEscaped(const QString& text) {
    return text.toHtmlEscaped();
}

// The program path as the one argument of an Exec key: quoted, with the characters that are
// special inside the quotes escaped, then written in the file format's own escapes, with a
// percent sign doubled so it is no field code.
QString ExecArgument(const QString& path) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    QString value;
    for (const QChar c : quoted) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            value += QStringLiteral("\\r");
        else if (c == QLatin1Char('%'))
            value += QStringLiteral("%%");
        else
            value += c;
    }
    return value;
}

QByteArray MimePackage(const QString& mimeType, const QString& extension,
                       const QString& description, const QString& icon) {
    QString xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n");
    xml += QStringLiteral("  <mime-type type=\"%1\">\n").arg(XmlEscaped(mimeType));
    xml += QStringLiteral("    <comment>%1</comment>\n").arg(XmlEscaped(description));
    if (!icon.isEmpty())
        xml += QStringLiteral("    <icon name=\"%1\"/>\n").arg(XmlEscaped(icon));
    // Above the usual weight of 50: the user's choice wins over another program's claim on the
    // same extension, as registering always made this program the handler.
    if (!extension.isEmpty())
        xml += QStringLiteral("    <glob pattern=\"*%1\" weight=\"%2\"/>\n")
                   .arg(XmlEscaped(extension.toLower()))
                   .arg(RegisteredGlobWeight);
    xml += QStringLiteral("  </mime-type>\n</mime-info>\n");
    return xml.toUtf8();
}

QByteArray DesktopEntry(const QString& mimeType, const QString& icon, const QString& extraArguments,
                        const QString& programPath) {
    const QString arguments = extraArguments.trimmed();
    QString entry = QStringLiteral("[Desktop Entry]\n"
                                   "Type=Application\n"
                                   "Name=ZEF\n"
                                   "GenericName=Colour Scheme Editor\n"
                                   "Comment=Edit the colour schemes of the Siemens S55 phone\n");
    entry += QStringLiteral("Exec=") + ExecArgument(programPath) + QLatin1Char(' ') +
             (arguments.isEmpty() ? QStringLiteral("%f") : arguments) + QLatin1Char('\n');
    if (!icon.isEmpty())
        entry += QStringLiteral("Icon=") + icon + QLatin1Char('\n');
    entry += QStringLiteral("Terminal=false\n"
                            "Categories=Graphics;\n");
    entry += QStringLiteral("MimeType=") + mimeType + QStringLiteral(";\n");
    return entry.toUtf8();
}

// The lines of a text file; nothing when it exists but cannot be read.
std::optional<QStringList> ReadLines(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return QStringList();
    if (file.size() > MaxListSize || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

bool IsSectionHeader(const QString& line) {
    return line.trimmed().startsWith(QLatin1Char('['));
}

bool IsEntryOf(const QString& line, const QString& type) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals > 0 && line.left(equals).trimmed() == type;
}

// The range [first, end) of the lines of a section, header excluded; first is -1 when the
// section is missing.
std::pair<qsizetype, qsizetype> Section(const QStringList& lines, const QString& header) {
    qsizetype first = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (first < 0) {
            if (lines.at(i).trimmed() == header)
                first = i + 1;
        } else if (IsSectionHeader(lines.at(i))) {
            return {first, i};
        }
    }
    return {first, lines.size()};
}

void SetDefaultApplication(QStringList& lines, const QString& type, const QString& desktopId) {
    const QString entry = type + QLatin1Char('=') + desktopId + QLatin1Char(';');
    const QString header = Utf8(DefaultApplications);
    auto [first, end] = Section(lines, header);
    if (first < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(header);
        lines.append(entry);
        return;
    }
    bool set = false;
    for (qsizetype i = first; i < end;) {
        if (!IsEntryOf(lines.at(i), type)) {
            ++i;
        } else if (!set) {
            lines[i++] = entry;
            set = true;
        } else {
            lines.removeAt(i);
            --end;
        }
    }
    if (set)
        return;
    // After the section's last entry, before the blank lines that part it from the next one.
    qsizetype at = end;
    while (at > first && lines.at(at - 1).trimmed().isEmpty())
        --at;
    lines.insert(at, entry);
}

// Removes the type's default; a section left without any line goes too.
void RemoveDefaultApplication(QStringList& lines, const QString& type) {
    const auto [first, end] = Section(lines, Utf8(DefaultApplications));
    if (first < 0)
        return;
    qsizetype last = end;
    bool removed = false;
    for (qsizetype i = first; i < last;) {
        if (IsEntryOf(lines.at(i), type)) {
            lines.removeAt(i);
            --last;
            removed = true;
        } else {
            ++i;
        }
    }
    if (!removed)
        return;
    for (qsizetype i = first; i < last; ++i)
        if (!lines.at(i).trimmed().isEmpty())
            return;
    // The header, its blank lines, and the blank line that parted it from what came before.
    qsizetype from = first - 1;
    if (from > 0 && lines.at(from - 1).trimmed().isEmpty() && last == lines.size())
        --from;
    lines.remove(from, last - from);
}

std::optional<QString> WriteLines(const QString& path, const QStringList& lines) {
    if (lines.isEmpty())
        return RemoveFile(path);
    return WriteWhole(path, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

// Runs one of the desktop's database tools when it is installed; what it says is of no concern.
void RunTool(const QString& name, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty() || !QFileInfo::exists(folder))
        return;
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.setStandardOutputFile(QProcess::nullDevice());
    tool.start(program, {folder});
    if (tool.waitForStarted() && !tool.waitForFinished(ToolTimeoutMs))
        tool.kill();
    tool.waitForFinished();
}

// The desktop's notice that file associations changed.
void UpdateDesktopDatabases(const DesktopFolders& folders) {
    RunTool(QStringLiteral("update-mime-database"), folders.dataHome + QStringLiteral("/mime"));
    RunTool(QStringLiteral("update-desktop-database"),
            folders.dataHome + QStringLiteral("/applications"));
}

void Note(AssociationResult& result, const std::optional<QString>& problem) {
    if (problem)
        result.problems.append(*problem);
}

// Every mimeapps.list the desktop consults, the user's first; a desktop's own list comes
// before the general one in each folder.
QStringList MimeAppsLists() {
    QStringList desktops;
    for (const QString& desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        desktops.append(desktop.toLower());
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.append(data + QStringLiteral("/applications"));
    QStringList lists;
    for (const QString& folder : folders) {
        for (const QString& desktop : desktops)
            lists.append(folder + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list"));
        lists.append(folder + QStringLiteral("/mimeapps.list"));
    }
    return lists;
}

bool HasDefaultApplication(const QString& type) {
    for (const QString& path : MimeAppsLists()) {
        const QStringList lines = ReadLines(path).value_or(QStringList());
        const auto [first, end] = Section(lines, Utf8(DefaultApplications));
        if (first < 0)
            continue;
        for (qsizetype i = first; i < end; ++i) {
            const QString& line = lines.at(i);
            if (!IsEntryOf(line, type))
                continue;
            QString applications = line.mid(line.indexOf(QLatin1Char('=')) + 1);
            if (!applications.remove(QLatin1Char(';')).trimmed().isEmpty())
                return true;
        }
    }
    return false;
}

// Whether a MIME package of the type, the user's or the system's, gives it files with the
// extension: read from the packages themselves, since Qt's MIME database looks at a change only
// some seconds later and the File Association dialog reopened at once must show what OK wrote.
bool PackageClaims(const QString& type, const QString& extension) {
    const QString pattern = QStringLiteral("pattern=\"*%1\"").arg(XmlEscaped(extension.toLower()));
    const QStringList packages =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("mime/packages/") +
                                      type.section(QLatin1Char('/'), -1) + QStringLiteral(".xml"));
    return std::any_of(packages.cbegin(), packages.cend(), [&pattern](const QString& path) {
        return ReadLines(path).value_or(QStringList()).join(QLatin1Char('\n')).contains(pattern);
    });
}

QString Text(const LocalisedText& text, Language language) {
    return text.in(language).value_or(Utf8(text.czech));
}

QString AssociationExtension() {
    return QLatin1Char('.') + Utf8(Association::RowExtension).toLower();
}

} // namespace

DesktopFolders DesktopFolders::fromEnvironment() {
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
}

QString DesktopFolders::mimePackage(const QString& mimeType) const {
    return dataHome + QStringLiteral("/mime/packages/") + mimeType.section(QLatin1Char('/'), -1) +
           QStringLiteral(".xml");
}

QString DesktopFolders::desktopEntry() const {
    return dataHome + QStringLiteral("/applications/") + Utf8(Association::DesktopEntry);
}

QString DesktopFolders::mimeAppsList() const {
    return configHome + QStringLiteral("/mimeapps.list");
}

AssociationResult RegisterFileType(const QString& mimeType, const QString& extension,
                                   const QString& description, const QString& icon,
                                   const QString& extraArguments, const QString& programPath,
                                   const DesktopFolders& folders) {
    AssociationResult result;
    if (mimeType.isEmpty())
        return result;
    const QString program = QDir::cleanPath(QFileInfo(programPath).absoluteFilePath());
    Note(result, WriteWhole(folders.mimePackage(mimeType),
                            MimePackage(mimeType, extension, description, icon)));
    Note(result,
         WriteWhole(folders.desktopEntry(), DesktopEntry(mimeType, icon, extraArguments, program)));
    const QString list = folders.mimeAppsList();
    if (std::optional<QStringList> lines = ReadLines(list)) {
        SetDefaultApplication(*lines, mimeType, Utf8(Association::DesktopEntry));
        Note(result, WriteLines(list, *lines));
    } else {
        Note(result, QStringLiteral("cannot read ") + list);
    }
    UpdateDesktopDatabases(folders);
    return result;
}

AssociationResult UnregisterFileType(const QString& mimeType, const DesktopFolders& folders) {
    AssociationResult result;
    if (mimeType.isEmpty())
        return result;
    const QString list = folders.mimeAppsList();
    if (std::optional<QStringList> lines = ReadLines(list)) {
        const QStringList before = *lines;
        RemoveDefaultApplication(*lines, mimeType);
        if (*lines != before)
            Note(result, WriteLines(list, *lines));
    } else {
        Note(result, QStringLiteral("cannot read ") + list);
    }
    Note(result, RemoveFile(folders.desktopEntry()));
    Note(result, RemoveFile(folders.mimePackage(mimeType)));
    UpdateDesktopDatabases(folders);
    return result;
}

QVariant ReadAssociation(const QString& key, const QString& valueName, SettingKind kind) {
    if (kind != SettingKind::String || !valueName.isEmpty() || key.size() < 2 ||
        !key.startsWith(QLatin1Char('.')))
        return {};
    // This program's type outweighs any other for the extension it claims.
    const QString own = Utf8(Association::MimeType);
    if (PackageClaims(own, key))
        return HasDefaultApplication(own) ? QVariant(own) : QVariant();
    // Another program's type; the database may still hold this program's, removed just now.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("scheme") + key,
                                                           QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault() || type.name() == own ||
        !HasDefaultApplication(type.name()))
        return {};
    return type.name();
}

AssociationDialogTexts AssociationDialogTextsFor(Language language) {
    using namespace AssociationTexts;
    const QString row = Utf8(Association::RowExtension);
    return {Text(AssociationDialogTitle, language), Text(InstructionLabel, language),
            Text(FormatHeader, language),           Text(DescriptionHeader, language),
            Text(ExtensionsHeader, language),       row,
            Text(RowDescription, language),         row};
}

bool AssociationIsSet() {
    return !ReadAssociation(AssociationExtension(), QString(), SettingKind::String)
                .toString()
                .isEmpty();
}

AssociationDialogState AssociationDialogFor(Language language) {
    return {AssociationDialogTextsFor(language), AssociationIsSet()};
}

AssociationResult ApplyAssociation(bool ticked, const QString& programPath,
                                   const DesktopFolders& folders) {
    const QString mimeType = Utf8(Association::MimeType);
    if (!ticked)
        return UnregisterFileType(mimeType, folders);
    return RegisterFileType(mimeType, AssociationExtension(), Utf8(Association::Description),
                            Utf8(Association::Icon), QString(), programPath, folders);
}
