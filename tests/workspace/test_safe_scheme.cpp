#include "editor_fixture.h"
#include "scheme/scheme_reader.h"
#include "workspace/element_list_handlers.h"
#include "workspace/safe_scheme.h"
#include "workspace/safe_scheme_info.h"

#include <QTest>

class TestSafeScheme : public QObject {
    Q_OBJECT
private slots:
    void switchingOnPaintsEveryElementOutsideTheSafeSet();
    void switchingOnFromASafeElementRedrawsEachForcedChange();
    void switchingOffChangesNothing();
    void theListHoldsUnsafeElementsPainted();
    void selectingAnUnsafeTransparentElementTicksItQuietly();
    void theDialogListsTheSafeElementsInTheLanguageOfTheMoment_data();
    void theDialogListsTheSafeElementsInTheLanguageOfTheMoment();
};

void TestSafeScheme::switchingOnPaintsEveryElementOutsideTheSafeSet() {
    EditorFixture f;
    ElementList& list = f.editor.elementList;
    list.setChecked(1, false);  // element 2
    list.setChecked(22, false); // element 23
    list.setCurrent(9);         // element 10, outside the safe set
    f.redraws.clear();
    f.editor.document.modified = false;

    SetSafeScheme(f.editor, true);
    QVERIFY(list.isChecked(1));
    QVERIFY(!list.isChecked(22));
    QVERIFY(!list.isChecked(44)); // the starter's transparent element 45 may stay so
    QCOMPARE(list.current(), 9);
    // The forced change is drawn only by the closing full redraw and is no edit.
    QCOMPARE(f.redraws, QStringList{QStringLiteral("all")});
    QVERIFY(!f.editor.document.modified);
}

void TestSafeScheme::switchingOnFromASafeElementRedrawsEachForcedChange() {
    EditorFixture f;
    ElementList& list = f.editor.elementList;
    list.setChecked(1, false);
    list.setChecked(6, false);
    list.setCurrent(22); // element 23 is in the safe set
    f.redraws.clear();
    f.editor.document.modified = false;

    SetSafeScheme(f.editor, true);
    QCOMPARE(f.redraws,
             (QStringList{QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("all")}));
    QVERIFY(f.editor.document.modified);
    QCOMPARE(list.current(), 22);
}

void TestSafeScheme::switchingOffChangesNothing() {
    EditorFixture f;
    SetSafeScheme(f.editor, true);
    f.editor.elementList.setChecked(22, false);
    f.redraws.clear();
    f.editor.document.modified = false;
    SetSafeScheme(f.editor, false);
    QVERIFY(f.redraws.isEmpty());
    QVERIFY(!f.editor.document.modified);
    QVERIFY(!f.editor.elementList.isChecked(22));
}

void TestSafeScheme::theListHoldsUnsafeElementsPainted() {
    EditorFixture f;
    ElementList& list = f.editor.elementList;
    SetSafeScheme(f.editor, true);
    f.redraws.clear();
    f.editor.document.modified = false;

    // Element 2 is outside the set: its box is ticked again at once, nothing drawn or edited.
    list.clickCheckBox(1);
    QVERIFY(list.isChecked(1));
    QVERIFY(f.redraws.isEmpty());
    QVERIFY(!f.editor.document.modified);

    // Element 23 may be transparent.
    list.clickCheckBox(22);
    QVERIFY(!list.isChecked(22));
    QCOMPARE(f.redraws, QStringList{QStringLiteral("23")});
    QVERIFY(f.editor.document.modified);

    // Without Safe Scheme any element may be.
    SetSafeScheme(f.editor, false);
    f.redraws.clear();
    list.clickCheckBox(1);
    QVERIFY(!list.isChecked(1));
    QCOMPARE(f.redraws, QStringList{QStringLiteral("2")});
}

void TestSafeScheme::selectingAnUnsafeTransparentElementTicksItQuietly() {
    // A scheme loaded with element 2 transparent while Safe Scheme is on keeps it so until the
    // user selects it; the tick then neither draws nor counts as an edit.
    EditorFixture f;
    SetSafeScheme(f.editor, true);
    const QString path = f.writeFile(QStringLiteral("two.col"), SchemeFileBytes("Two", {2}));
    QVERIFY(ReadSchemeFile(f.editor, path));
    ElementList& list = f.editor.elementList;
    QVERIFY(f.editor.options.safeScheme);
    QVERIFY(!list.isChecked(1));
    f.redraws.clear();
    f.editor.document.modified = false;

    list.setCurrent(1);
    QVERIFY(list.isChecked(1));
    QVERIFY(f.redraws.isEmpty());
    QVERIFY(!f.editor.document.modified);
}

void TestSafeScheme::theDialogListsTheSafeElementsInTheLanguageOfTheMoment_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("listCaption");
    QTest::addColumn<QString>("apology");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("Czech") << Language::Czech << QStringLiteral("Bezpečné schéma")
                           << QStringLiteral("Povolené prvky k transparenci:") << QString()
                           << QStringLiteral("01 - Datum a čas/Data v adresáři")
                           << QStringLiteral("48 - Kalendář - narozeniny");
    QTest::newRow("English") << Language::English << QStringLiteral("Safe Scheme")
                             << QStringLiteral("Leave element to transparency:")
                             << QStringLiteral("Behind language discrepancy I'm sorry")
                             << QStringLiteral("01 - Font display date / time")
                             << QStringLiteral("48 - Calendar mark / birthday");
    QTest::newRow("German") << Language::German << QStringLiteral("Sicher Schema")
                            << QStringLiteral("Zugelassen Elemente zu Transparenz:")
                            << QStringLiteral("Zu Sprach Unregelmäßigkeiten sich Entschuldigungen")
                            << QStringLiteral("01 - Schrift Display Datum/Zeit innen")
                            << QStringLiteral("48 - Kalender Markierung / Geburtstag");
    // No language: the Czech texts the dialog was made with, and the list's empty entries.
    QTest::newRow("none") << Language::None << QStringLiteral("Bezpečné schéma")
                          << QStringLiteral("Povolené prvky k transparenci:") << QString()
                          << QString() << QString();
}

void TestSafeScheme::theDialogListsTheSafeElementsInTheLanguageOfTheMoment() {
    QFETCH(Language, language);
    QFETCH(QString, caption);
    QFETCH(QString, listCaption);
    QFETCH(QString, apology);
    QFETCH(QString, first);
    QFETCH(QString, last);
    EditorFixture f;
    // The language changed after start-up: the dialog reads the list as it is now.
    f.editor.language = language;
    FillElementNames(f.editor);
    ShowSafeSchemeInfo(f.editor);
    QVERIFY(f.editor.DialogWasShown);
    QCOMPARE(f.dialogs.safeSchemeDialogs.size(), 1);
    const SafeSchemeInfo& info = f.dialogs.safeSchemeDialogs.first();
    QCOMPARE(info.caption, caption);
    QCOMPARE(info.listCaption, listCaption);
    QCOMPARE(info.apology, apology);
    QCOMPARE(info.elements.size(), 20);
    if (!first.isEmpty()) {
        QCOMPARE(info.elements.first(), first);
        QCOMPARE(info.elements.last(), last);
    }
    QStringList numbers;
    for (const QString& entry : info.elements)
        numbers.append(entry.left(2));
    if (language != Language::None)
        QCOMPARE(numbers.join(QLatin1Char(' ')),
                 QStringLiteral("01 04 05 17 19 22 23 24 28 29 33 34 35 37 38 43 44 45 46 48"));
    if (language == Language::English)
        QVERIFY(info.text.startsWith(QStringLiteral(
            "Check boxes 'Safe Scheme' in the main application window protect resulting scheme "
            "against transparentelement on display")));
}

QTEST_GUILESS_MAIN(TestSafeScheme)
#include "test_safe_scheme.moc"
