#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QUrl;

// Addresses handed to the desktop, and the phone's file system opened in the file manager.
// Nothing here reports a failure: without a browser, mail program or file manager nothing
// happens.

// Hands an address to the desktop's default handler for it; the result is the handler's
// answer, which no caller uses.
using DocumentOpener = std::function<bool(const QUrl& address)>;
bool OpenDocument(const QString& address);
// Replaces the opener (QDesktopServices::openUrl) and returns the one it replaces; an empty
// opener restores the desktop's. Tests record the addresses instead of opening them.
DocumentOpener SetDocumentOpener(DocumentOpener opener);

// The copyright line (About) and the home page link (Links): the author's home page.
void OpenAuthorHomePage();
// The e-mail link (Links): a new mail to the author.
void WriteToAuthor();

// Where the phone's flex memory may be mounted, and where to go without it.
struct PhonePlaces {
    QString mountTable; // /proc/mounts
    QString gvfsFolder; // /run/user/UID/gvfs
    QString homeFolder; // the user's home
    static PhonePlaces ofThisUser();
};

// One line of a mount table in the form of /proc/mounts.
struct Mount {
    QString point;   // where it is mounted
    QByteArray type; // "ext4", "fuse.siefs", ...
};
QList<Mount> ReadMountTable(const QString& path);

// The folder "S55 Explorer" opens: the first SieFS mount (the FUSE file system of the x55
// phones' data cable), else the first OBEX mount in the gvfs folder, else the home folder.
QString PhoneFolder(const PhonePlaces& places);

// Starts a program without waiting for it.
using ProgramLauncher = std::function<bool(const QString& program, const QStringList& arguments)>;

// File, S55 Explorer: the file manager on the phone's folder, not waited for.
void OpenPhoneExplorer();
void OpenPhoneExplorer(const PhonePlaces& places, const ProgramLauncher& launch);
