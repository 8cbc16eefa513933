#pragma once

#include <QString>

class Editor;

// What the About dialog (frmAbout) shows, in the interface language of the moment.
struct AboutTexts {
    QString caption;
    QString title;       // lblTitle
    QString version;     // lblVersion
    QString purpose;     // lblMobil
    QString spyware;     // lblSpy
    QString description; // lblDescription: the terms of use
    QString apology;     // lblOmluva; empty in Czech
    QString copyright;   // lblCopy, a link to the home page

    friend bool operator==(const AboutTexts&, const AboutTexts&) = default;
};

// What the Links dialog (frmLinks) shows.
struct LinksTexts {
    QString caption;
    QString homeLabel;  // lblHome
    QString emailLabel; // lblEmail
    QString homePage;   // lblWeb, a link to the home page
    QString email;      // lblPosta, a link that writes to the author

    friend bool operator==(const LinksTexts&, const LinksTexts&) = default;
};

AboutTexts AboutTextsFor(const Editor& editor);
LinksTexts LinksTextsFor(const Editor& editor);

// Help, About and Help, Links: the dialog, modal.
void ShowAbout(Editor& editor);
void ShowLinks(Editor& editor);
