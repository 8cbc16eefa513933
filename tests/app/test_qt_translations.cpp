#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTest>

namespace {

// The context Qt's message boxes and button boxes take their standard button texts from.
QString Button(const char* text) {
    return QCoreApplication::translate("QPlatformTheme", text);
}

bool Installed(const char* name) {
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/') +
                         QLatin1String(name) + QLatin1String(".qm"));
}

} // namespace

class TestQtTranslations : public QObject {
    Q_OBJECT
private slots:
    void init();
    void theButtonsFollowTheLanguage();
    void eachCallReplacesTheLastOne();
};

void TestQtTranslations::init() {
    if (!Installed("qtbase_de") || !Installed("qtbase_cs"))
        QSKIP("Qt's Czech and German translations (Debian qt6-translations-l10n) are not "
              "installed");
}

void TestQtTranslations::theButtonsFollowTheLanguage() {
    QCOMPARE(Button("Cancel"), QStringLiteral("Cancel"));
    InstallQtTranslations(Language::German);
    QCOMPARE(Button("Cancel"), QStringLiteral("Abbrechen"));
    QCOMPARE(Button("&Yes"), QStringLiteral("&Ja"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Öffnen"));
    InstallQtTranslations(Language::Czech);
    QCOMPARE(Button("Cancel"), QStringLiteral("Zrušit"));
    QCOMPARE(Button("&No"), QStringLiteral("&Ne"));
    InstallQtTranslations(Language::English);
    QCOMPARE(Button("Cancel"), QStringLiteral("Cancel"));
    QCOMPARE(Button("&Yes"), QStringLiteral("&Yes"));
}

void TestQtTranslations::eachCallReplacesTheLastOne() {
    // Neither a second install of the same language nor a word without a language leaves an
    // older translation behind.
    InstallQtTranslations(Language::German);
    InstallQtTranslations(Language::German);
    InstallQtTranslations(Language::None);
    QCOMPARE(Button("Cancel"), QStringLiteral("Cancel"));
    InstallQtTranslations(Language::German);
    InstallQtTranslations(Language::Czech);
    InstallQtTranslations(Language::English);
    QCOMPARE(Button("Cancel"), QStringLiteral("Cancel"));
}

QTEST_GUILESS_MAIN(TestQtTranslations)
#include "test_qt_translations.moc"
