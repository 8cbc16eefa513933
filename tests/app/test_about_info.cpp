#include "app/about_info.h"
#include "app/file_association.h"
#include "app/flash_advice.h"
#include "editor_fixture.h"

#include <QFile>
#include <QTest>

namespace {

// Every text of the About, Links, Flash on Select and File Association dialogs for a language
// word, one "dialog.field=text" line each, line breaks written as \n.
QStringList DialogTexts(const QString& word) {
    EditorFixture f(LanguageFromWord(word));
    const AboutTexts a = AboutTextsFor(f.editor);
    const LinksTexts l = LinksTextsFor(f.editor);
    const FlashAdvice fl = FlashAdviceFor(f.editor);
    const AssociationDialogTexts as = AssociationDialogTextsFor(f.editor.language);
    const std::pair<const char*, QString> fields[] = {
        {"about.caption", a.caption},
        {"about.title", a.title},
        {"about.version", a.version},
        {"about.purpose", a.purpose},
        {"about.spyware", a.spyware},
        {"about.description", a.description},
        {"about.apology", a.apology},
        {"about.copyright", a.copyright},
        {"links.caption", l.caption},
        {"links.homeLabel", l.homeLabel},
        {"links.emailLabel", l.emailLabel},
        {"links.homePage", l.homePage},
        {"links.email", l.email},
        {"flash.caption", fl.caption},
        {"flash.text", fl.text},
        {"flash.pcLabel", fl.pcLabel},
        {"flash.apology", fl.apology},
        {"association.caption", as.caption},
        {"association.instruction", as.instruction},
        {"association.headers",
         as.formatHeader + u'|' + as.descriptionHeader + u'|' + as.extensionsHeader},
        {"association.row", as.rowFormat + u'|' + as.rowDescription + u'|' + as.rowExtensions}};
    QStringList lines{u'[' + word + u']'};
    for (const auto& [key, text] : fields)
        lines.append(QLatin1String(key) + u'=' +
                     QString(text).replace(u'\n', QLatin1String("\\n")));
    return lines;
}

} // namespace

class TestAboutInfo : public QObject {
    Q_OBJECT
private slots:
    void theDialogsSpeakTheInterfaceLanguage();
    void theCommandsShowTheirDialogAndMarkIt();
    void theAddressesAreLinks();
};

// The texts of the three languages, and the built-in ones a word of no language keeps, against
// the reviewed file; on a difference the texts as they are go to dialog_texts.actual.
void TestAboutInfo::theDialogsSpeakTheInterfaceLanguage() {
    QStringList actual;
    for (const char* word : {"Czech", "English", "Deutsch", "czech"})
        actual += DialogTexts(QLatin1String(word));
    QFile golden(QFINDTESTDATA("golden/dialog_texts.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    const QStringList expected =
        QString::fromUtf8(golden.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (actual != expected) {
        QFile out(QStringLiteral("dialog_texts.actual"));
        if (out.open(QIODevice::WriteOnly))
            out.write(actual.join(u'\n').toUtf8() + '\n');
    }
    QCOMPARE(actual, expected);
}

void TestAboutInfo::theCommandsShowTheirDialogAndMarkIt() {
    EditorFixture f(Language::German);
    for (void (*command)(Editor&) : {ShowAbout, ShowLinks, ShowFlashAdvice}) {
        f.editor.DialogWasShown = false;
        command(f.editor);
        QVERIFY(f.editor.DialogWasShown);
    }
    QCOMPARE(f.dialogs.aboutDialogs, QList<AboutTexts>{AboutTextsFor(f.editor)});
    QCOMPARE(f.dialogs.linksDialogs, QList<LinksTexts>{LinksTextsFor(f.editor)});
    QCOMPARE(f.dialogs.flashAdviceDialogs, QList<FlashAdvice>{FlashAdviceFor(f.editor)});
    // Every dialog reads the language when it opens.
    f.editor.language = Language::English;
    ShowAbout(f.editor);
    QCOMPARE(f.dialogs.aboutDialogs.last().caption, AboutTextsFor(f.editor).caption);
    QVERIFY(f.dialogs.aboutDialogs.last().caption != f.dialogs.aboutDialogs.first().caption);
}

void TestAboutInfo::theAddressesAreLinks() {
    EditorFixture f;
    const LinksTexts links = LinksTextsFor(f.editor);
    QCOMPARE(QUrl(links.homePage).scheme(), QStringLiteral("https"));
    QCOMPARE(links.email.count(u'@'), 1);
    // The About notice names the home page it links to, on one line.
    const QString notice = AboutTextsFor(f.editor).copyright;
    QVERIFY2(notice.contains(links.homePage) && !notice.contains(u'\n'), qPrintable(notice));
}

QTEST_GUILESS_MAIN(TestAboutInfo)
#include "test_about_info.moc"
