#pragma once

#include <QString>

class Editor;

// What the About dialog (aboutDialog) shows, in the interface language of the moment.
struct AboutTexts {
    QString caption;
    QString title;       // titleLabel
    QString version;     // versionLabel
    QString purpose;     // purposeLabel
    QString spyware;     // spywareLabel
    QString description; // descriptionLabel: the terms of use
    QString apology;     // apologyLabel; empty in Czech
    QString copyright;   // copyrightLink, a link to the home page

    friend bool operator==(const AboutTexts&, const AboutTexts&) = default;
};

// What the Links dialog (linksDialog) shows.
struct LinksTexts {
    QString caption;
    QString homeLabel;  // homePageCaption
    QString emailLabel; // emailCaption
    QString homePage;   // homePageLink, a link to the home page
    QString email;      // emailLink, a link that writes to the author

    friend bool operator==(const LinksTexts&, const LinksTexts&) = default;
};

AboutTexts AboutTextsFor(const Editor& editor);
LinksTexts LinksTextsFor(const Editor& editor);

// Help, About and Help, Links: the dialog, modal.
void ShowAbout(Editor& editor);
void ShowLinks(Editor& editor);
