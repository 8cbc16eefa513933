#pragma once

#include "host/settings_store.h"
#include "i18n/language.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// The registration of colour scheme files with the desktop. The desktop keeps file types in
// the freedesktop way: the class becomes a MIME type with its own shared-mime-info package, the
// open command a desktop entry, and "the handler of .col" the default application of that type
// in the user's mimeapps.list.
namespace Association {
// The MIME type of colour scheme files.
inline constexpr char MimeType[] = "application/x-zef-colour-scheme";
inline constexpr char Description[] = "ZEF File Colour Scheme";
// The extension text of the dialog's one row; the registered extension is "." + its lower case.
inline constexpr char RowExtension[] = "COL";
// The program's icon, by its name in the icon theme.
inline constexpr char Icon[] = "zef";
inline constexpr char DesktopEntry[] = "zef.desktop";
} // namespace Association

// Where the user's file types and applications live: $XDG_DATA_HOME (~/.local/share) and
// $XDG_CONFIG_HOME (~/.config).
struct DesktopFolders {
    QString dataHome;
    QString configHome;

    static DesktopFolders fromEnvironment();
    // The files the registration writes.
    QString mimePackage(const QString& mimeType) const; // mime/packages/<subtype>.xml
    QString desktopEntry() const;                       // applications/zef.desktop
    QString mimeAppsList() const;                       // mimeapps.list
};

// What a registration did not manage: one line for each file that could not be written or
// removed. The dialog never reports it; the command line does.
struct AssociationResult {
    QStringList problems;
    bool ok() const { return problems.isEmpty(); }
};

// Makes programPath the handler of the extension's files: the MIME type (mimeType) with its
// description and glob, a desktop entry that opens a file with the program ("%f", or the
// trimmed extra arguments when there are any), the icon when one is given, and the type's
// default application. Then the desktop's MIME and application databases are updated, where
// their tools are installed. An empty type does nothing. Running it twice leaves the
// same files as running it once.
AssociationResult
RegisterFileType(const QString& mimeType, const QString& extension, const QString& description,
                 const QString& icon, const QString& extraArguments, const QString& programPath,
                 const DesktopFolders& folders = DesktopFolders::fromEnvironment());
// Removes what RegisterFileType wrote for the type: its MIME package, the desktop entry and its
// default-application line, keeping every other line of mimeapps.list. Each removal is tried
// whatever became of the one before.
AssociationResult
UnregisterFileType(const QString& mimeType,
                   const DesktopFolders& folders = DesktopFolders::fromEnvironment());

// The value the desktop holds for a file class key. The default value (empty value name) of an
// extension key such as ".col" is the MIME type the user's MIME database gives to such files,
// when a default application is set for that type; every other value, and a type without a
// default application, reads as missing. This program's own type and its default are read from
// their files, so that a registration shows at once.
QVariant ReadAssociation(const QString& key, const QString& valueName, SettingKind kind);

// The texts of the File Association dialog and its one row.
struct AssociationDialogTexts {
    QString caption;           // the dialog's title
    QString instruction;       // the line above the list
    QString formatHeader;      // the list's column headers
    QString descriptionHeader; //
    QString extensionsHeader;  //
    QString rowFormat;         // "COL"
    QString rowDescription;    //
    QString rowExtensions;     // "COL"

    friend bool operator==(const AssociationDialogTexts&, const AssociationDialogTexts&) = default;
};
// For a word that selects no language, the dialog's built-in Czech texts.
AssociationDialogTexts AssociationDialogTextsFor(Language language);

// What the dialog shows when it opens.
struct AssociationDialogState {
    AssociationDialogTexts texts;
    // Whether any program is the handler of ".col", not necessarily this one.
    bool ticked = false;

    friend bool operator==(const AssociationDialogState&, const AssociationDialogState&) = default;
};

// Whether ".col" has a handler, as the dialog's row shows when it opens.
bool AssociationIsSet();
AssociationDialogState AssociationDialogFor(Language language);
// OK: registers this program for ".col" when the row is ticked, removes the registration when
// it is not.
AssociationResult
ApplyAssociation(bool ticked, const QString& programPath,
                 const DesktopFolders& folders = DesktopFolders::fromEnvironment());
