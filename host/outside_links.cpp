#include "host/outside_links.h"

#include "i18n/links_texts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUrl>

#include <unistd.h>
#include <utility>

namespace {

DocumentOpener& CurrentOpener() {
    static DocumentOpener opener;
    return opener;
}

// A mount point in /proc/mounts writes space, tab, newline and backslash as three octal digits.
QString UnescapeMountField(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype k) {
            return k < field.size() && field[k] >= '0' && field[k] <= '7';
        };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            out.append(
                char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0')));
            i += 3;
        } else {
            out.append(field[i]);
        }
    }
    return QFile::decodeName(out);
}

QString SieFsMount(const QString& mountTable) {
    for (const Mount& mount : ReadMountTable(mountTable))
        if (mount.type == "fuse.siefs")
            return mount.point;
    return {};
}

QString ObexMount(const QString& gvfsFolder) {
    if (gvfsFolder.isEmpty())
        return {};
    // gvfs names an OBEX mount "obex:host=..."; the first in name order wins.
    const QDir folder(gvfsFolder);
    const QStringList mounts =
        folder.entryList({QStringLiteral("obex:*")}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    return mounts.isEmpty() ? QString() : folder.filePath(mounts.first());
}

} // namespace

QList<Mount> ReadMountTable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // /proc/mounts reports a size of 0 and is at its end before the first read, so it is read
    // whole rather than line by line.
    QList<Mount> mounts;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 3)
            mounts.append({UnescapeMountField(fields[1]), fields[2]});
    }
    return mounts;
}

bool OpenDocument(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    const DocumentOpener& opener = CurrentOpener();
    return opener ? opener(url) : QDesktopServices::openUrl(url);
}

DocumentOpener SetDocumentOpener(DocumentOpener opener) {
    return std::exchange(CurrentOpener(), std::move(opener));
}

void OpenAuthorHomePage() {
    OpenDocument(QString::fromUtf8(LinksDialogTexts::HomePage));
}

void WriteToAuthor() {
    OpenDocument(QStringLiteral("mailto:") + QString::fromUtf8(LinksDialogTexts::Email));
}

PhonePlaces PhonePlaces::ofThisUser() {
    return PhonePlaces{QStringLiteral("/proc/mounts"),
                       QStringLiteral("/run/user/%1/gvfs").arg(getuid()), QDir::homePath()};
}

QString PhoneFolder(const PhonePlaces& places) {
    if (const QString sieFs = SieFsMount(places.mountTable); !sieFs.isEmpty())
        return sieFs;
    if (const QString obex = ObexMount(places.gvfsFolder); !obex.isEmpty())
        return obex;
    return places.homeFolder;
}

void OpenPhoneExplorer() {
    OpenPhoneExplorer(PhonePlaces::ofThisUser(),
                      [](const QString& program, const QStringList& arguments) {
                          return QProcess::startDetached(program, arguments);
                      });
}

void OpenPhoneExplorer(const PhonePlaces& places, const ProgramLauncher& launch) {
    launch(QStringLiteral("xdg-open"), {PhoneFolder(places)});
}
