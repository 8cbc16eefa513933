#include "app/about_info.h"
#include "app/flash_advice.h"
#include "editor_fixture.h"

#include <QTest>

class TestAboutInfo : public QObject {
    Q_OBJECT
private slots:
    void theAboutTextsFollowTheLanguage();
    void anyOtherWordKeepsTheBuiltInAboutTexts();
    void theLinksTextsFollowTheLanguage();
    void theAddressesAreTheSameInEveryLanguage();
    void theMenuCommandsShowTheirDialogAndMarkIt();
};

void TestAboutInfo::theAboutTextsFollowTheLanguage() {
    EditorFixture f(Language::English);
    const AboutTexts english = AboutTextsFor(f.editor);
    QCOMPARE(english.caption, QStringLiteral("About (ZEF - Colour Scheme Editor)"));
    QCOMPARE(english.title, QStringLiteral("ZEF - Colour Scheme Editor"));
    QCOMPARE(english.version, QStringLiteral("version 1.0"));
    QCOMPARE(english.purpose, QStringLiteral("Only for Siemens S55."));
    QCOMPARE(english.spyware, QStringLiteral("Application not contain SpyWare."));
    // The same words as the flash advice's note, but here with the full stop.
    QCOMPARE(english.apology, QStringLiteral("Behind language discrepancy I'm sorry."));
    QCOMPARE(FlashAdviceFor(f.editor).apology,
             QStringLiteral("Behind language discrepancy I'm sorry"));

    f.editor.language = Language::German;
    const AboutTexts german = AboutTextsFor(f.editor);
    QCOMPARE(german.caption, QStringLiteral("Applikation (ZEF - Editor farbig Schema)"));
    QCOMPARE(german.title, QStringLiteral("ZEF - Editor farbig Schema"));
    QCOMPARE(german.version, QStringLiteral("version 1.0"));
    QCOMPARE(german.purpose, QStringLiteral("Nur für Siemens S55."));
    QCOMPARE(german.spyware, QStringLiteral("Applikation enthält SpyWare nicht."));
    QCOMPARE(german.apology, QStringLiteral("Zu Sprach Unregelmäßigkeiten sich Entschuldigungen."));

    f.editor.language = Language::Czech;
    const AboutTexts czech = AboutTextsFor(f.editor);
    QCOMPARE(czech.caption, QStringLiteral("O programu (ZEF - Editor barevného schéma)"));
    QCOMPARE(czech.title, QStringLiteral("ZEF - Editor barevného schéma"));
    QCOMPARE(czech.version, QStringLiteral("verze 1.0"));
    QCOMPARE(czech.purpose, QStringLiteral("Pouze pro tvorbu barevných schémat pro Siemens S55."));
    QCOMPARE(czech.spyware, QStringLiteral("Aplikace neobsahuje žádné SpyWare."));
    QVERIFY(czech.apology.isEmpty());

    // The terms of use exist in each language, each its own text.
    QVERIFY(!czech.description.isEmpty());
    QVERIFY(czech.description != english.description);
    QVERIFY(german.description != english.description);
    QVERIFY(german.description != czech.description);
    QVERIFY(english.description.contains(QStringLiteral("freeware")));
    // The notice is not translated.
    QCOMPARE(czech.copyright, english.copyright);
    QCOMPARE(german.copyright, english.copyright);
}

void TestAboutInfo::anyOtherWordKeepsTheBuiltInAboutTexts() {
    EditorFixture f(Language::Czech);
    const AboutTexts czech = AboutTextsFor(f.editor);
    // Only the exact words select a language.
    for (const char* word : {"english", "", "Deutch", "Česky"}) {
        f.editor.language = LanguageFromWord(QString::fromUtf8(word));
        const AboutTexts builtIn = AboutTextsFor(f.editor);
        QCOMPARE(builtIn.caption, QStringLiteral("O programu"));
        QCOMPARE(builtIn.title, czech.title);
        QCOMPARE(builtIn.version, czech.version);
        QCOMPARE(builtIn.purpose, czech.purpose);
        QCOMPARE(builtIn.spyware, czech.spyware);
        QCOMPARE(builtIn.description, czech.description);
        QVERIFY(builtIn.apology.isEmpty());
        QCOMPARE(builtIn.copyright, czech.copyright);
    }
}

void TestAboutInfo::theLinksTextsFollowTheLanguage() {
    struct Case {
        Language language;
        const char* caption;
        const char* home;
    };
    // The built-in home label is spelt with "í" where the Czech one has "á".
    const Case cases[] = {{Language::Czech, "Odkazy", "Domácí stránka:"},
                          {Language::English, "Links", "Homepage:"},
                          {Language::German, "WWW", "Hausseite:"},
                          {LanguageFromWord(QStringLiteral("czech")), "Odkazy", "Domací stránka:"}};
    for (const Case& c : cases) {
        EditorFixture f(c.language);
        const LinksTexts texts = LinksTextsFor(f.editor);
        QCOMPARE(texts.caption, QString::fromUtf8(c.caption));
        QCOMPARE(texts.homeLabel, QString::fromUtf8(c.home));
        QCOMPARE(texts.emailLabel, QStringLiteral("E-mail:"));
    }
}

void TestAboutInfo::theAddressesAreTheSameInEveryLanguage() {
    EditorFixture f(Language::Czech);
    const LinksTexts czech = LinksTextsFor(f.editor);
    QVERIFY(QUrl(czech.homePage).isValid());
    QCOMPARE(QUrl(czech.homePage).scheme(), QStringLiteral("https"));
    QCOMPARE(czech.email.count(QLatin1Char('@')), 1);
    for (Language language : {Language::English, Language::German, Language::None}) {
        f.editor.language = language;
        const LinksTexts texts = LinksTextsFor(f.editor);
        QCOMPARE(texts.homePage, czech.homePage);
        QCOMPARE(texts.email, czech.email);
        // The About notice names the home page it links to, on one line.
        const QString notice = AboutTextsFor(f.editor).copyright;
        QVERIFY2(notice.contains(czech.homePage), qPrintable(notice));
        QVERIFY(!notice.contains(QLatin1Char('\n')));
    }
}

void TestAboutInfo::theMenuCommandsShowTheirDialogAndMarkIt() {
    EditorFixture f(Language::German);
    QVERIFY(!f.editor.DialogWasShown);
    ShowAbout(f.editor);
    QVERIFY(f.editor.DialogWasShown);
    QCOMPARE(f.dialogs.aboutDialogs.size(), 1);
    QCOMPARE(f.dialogs.aboutDialogs.first().caption,
             QStringLiteral("Applikation (ZEF - Editor farbig Schema)"));
    QVERIFY(f.dialogs.linksDialogs.isEmpty());

    EditorFixture links(Language::English);
    ShowLinks(links.editor);
    QVERIFY(links.editor.DialogWasShown);
    QCOMPARE(links.dialogs.linksDialogs.size(), 1);
    QCOMPARE(links.dialogs.linksDialogs.first().caption, QStringLiteral("Links"));
    QVERIFY(links.dialogs.aboutDialogs.isEmpty());

    // Every dialog reads the language when it opens.
    links.editor.language = Language::Czech;
    ShowLinks(links.editor);
    QCOMPARE(links.dialogs.linksDialogs.size(), 2);
    QCOMPARE(links.dialogs.linksDialogs.last().homeLabel, QStringLiteral("Domácí stránka:"));
}

QTEST_GUILESS_MAIN(TestAboutInfo)
#include "test_about_info.moc"
