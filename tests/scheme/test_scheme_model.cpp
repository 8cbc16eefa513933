#include "editor_fixture.h"
#include "scheme/scheme_reader.h"

#include <QTest>

class TestSchemeModel : public QObject {
    Q_OBJECT
private slots:
    void colourComponents();
    void everyElementHasItsTextInEveryLanguage();
    void irregularWordingsStandAsThePhoneHasThem();
    void onlyTypedNamesMarkTheSchemeModified();
};

void TestSchemeModel::colourComponents() {
    QCOMPARE((QList<int>{RedOf(255), GreenOf(255), BlueOf(255)}), (QList<int>{255, 0, 0}));
    QCOMPARE((QList<int>{RedOf(65280), GreenOf(65280), BlueOf(65280)}), (QList<int>{0, 255, 0}));
    const ColourValue blue = 255 * 65536;
    QCOMPARE((QList<int>{RedOf(blue), GreenOf(blue), BlueOf(blue)}), (QList<int>{0, 0, 255}));
    QCOMPARE((QList<int>{RedOf(33023), GreenOf(33023), BlueOf(33023)}), (QList<int>{255, 128, 0}));
    QCOMPARE(MakeColour(300, 256, 1000), ColourValue(0xFFFFFF));
    QCOMPARE(InverseColour(MakeColour(0, 0, 160)), MakeColour(255, 255, 95));
}

void TestSchemeModel::everyElementHasItsTextInEveryLanguage() {
    for (const Language language : {Language::Czech, Language::English, Language::German}) {
        for (int element = 1; element <= ElementCount; ++element) {
            const std::optional<QString> text = ElementText(element, language);
            QVERIFY(text);
            QVERIFY2(
                text->startsWith(QStringLiteral("%1 - ").arg(element, 2, 10, QLatin1Char('0'))),
                qPrintable(*text));
            QVERIFY(text->size() > 5);
        }
    }
    QVERIFY(!ElementText(0, Language::English));
    QVERIFY(!ElementText(61, Language::English));
    QVERIFY(!ElementText(1, Language::None));

    // Reserved elements: the same fixed words in all three languages.
    const QList<int> reserved{8, 9, 10, 12, 14, 47, 49, 50, 51, 53, 59, 60};
    for (const int element : reserved) {
        const QString number = QStringLiteral("%1 - ").arg(element, 2, 10, QLatin1Char('0'));
        QCOMPARE(*ElementText(element, Language::Czech), number + "!! Rezervované místo !!");
        QCOMPARE(*ElementText(element, Language::English), number + "???");
    }
}

void TestSchemeModel::irregularWordingsStandAsThePhoneHasThem() {
    QCOMPARE(*ElementText(19, Language::English), QStringLiteral("19 - Select menu shaddow"));
    QCOMPARE(*ElementText(55, Language::English),
             QStringLiteral("55 - WAP Browser - visitor link"));
    QCOMPARE(*ElementText(38, Language::Czech),
             QStringLiteral("38 - Menu2 - stín podkladu pod nadpis"));
    QCOMPARE(*ElementText(45, Language::Czech), QStringLiteral("45 - Ikony/tlačítka - jeho okoli"));
    QCOMPARE(*ElementText(2, Language::German),
             QStringLiteral("02 - Schrift Display Datum/Zeit aussen / Hintergrundfarbe Standby"));
    // The German texts of 12 to 15 do not follow the other two languages.
    QCOMPARE(*ElementText(12, Language::German),
             QStringLiteral("12 - Textfarbe für eMail und Homepage"));
    QCOMPARE(*ElementText(13, Language::German), QStringLiteral("13 - Textfarbe für Adresse"));
    QCOMPARE(*ElementText(15, Language::German), QStringLiteral("15 - ???"));
    QCOMPARE(*ElementText(58, Language::German),
             QStringLiteral("58 - Iconmenü Hintergrund (1. Menüebene)"));
}

void TestSchemeModel::onlyTypedNamesMarkTheSchemeModified() {
    EditorFixture f;
    QVERIFY(!f.editor.document.modified);
    QCOMPARE(f.editor.nameBoxText(), QStringLiteral("Blue ZEF"));
    // What Open puts into the name box is not an edit.
    QVERIFY(
        ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("a.col"), SchemeFileBytes("Read"))));
    QCOMPARE(f.editor.nameBoxText(), QStringLiteral("Read"));
    QVERIFY(!f.editor.document.modified);
    f.editor.setNameBoxText(QStringLiteral("Typed"));
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Typed"));
    QVERIFY(f.editor.document.modified);
}

QTEST_GUILESS_MAIN(TestSchemeModel)
#include "test_scheme_model.moc"
