#include "editor_fixture.h"
#include "workspace/element_list_handlers.h"
#include "workspace/provider_name.h"
#include "workspace/safe_scheme.h"

#include <QTest>

class TestElementList : public QObject {
    Q_OBJECT
private slots:
    void changingTheLanguageKeepsSelectionAndTicks();
    void checkBoxChangesRedrawAndMarkModified();
    void selectionShowsTheElementsComponents();
    void theProviderNameOptionFollowsElements23And24OnSelection();
    void hidingTheProviderNameMakesBothTextsTransparent();
    void theOptionWorksUnderSafeScheme();
};

void TestElementList::changingTheLanguageKeepsSelectionAndTicks() {
    EditorFixture f;
    f.editor.elementList.setCurrent(18);
    f.editor.elementList.setChecked(3, false);
    f.editor.language = Language::German;
    FillElementNames(f.editor);
    QCOMPARE(f.editor.elementList.current(), 18);
    QCOMPARE(f.editor.elementList.entry(18).text, QStringLiteral("19 - Menüauswahl Schatten"));
    QVERIFY(!f.editor.elementList.isChecked(3));
    QVERIFY(!f.editor.elementList.isChecked(34));
    QVERIFY(f.editor.elementList.isChecked(0));
    QVERIFY(f.editor.document.SchemeReady);

    f.editor.language = Language::None;
    FillElementNames(f.editor);
    QVERIFY(f.editor.elementList.entry(0).text.isEmpty());
    QVERIFY(f.editor.elementList.entry(59).text.isEmpty());
}

void TestElementList::checkBoxChangesRedrawAndMarkModified() {
    EditorFixture f;
    f.editor.elementList.clickCheckBox(6);
    QVERIFY(!f.editor.elementList.isChecked(6));
    QCOMPARE(f.editor.elementList.current(), 6);
    QCOMPARE(f.redraws, QStringList{QStringLiteral("7")});
    QVERIFY(f.editor.document.modified);
    QCOMPARE(f.editor.selectedItemText, QStringLiteral("07 - Softkeys background"));
    QCOMPARE(f.editor.swatchColour, MakeColour(0, 0, 192));

    // While a scheme is being put into the list, tick changes are neither drawn nor edits.
    f.editor.document.modified = false;
    f.redraws.clear();
    f.editor.document.SchemeReady = false;
    f.editor.elementList.clickCheckBox(6);
    QVERIFY(f.redraws.isEmpty());
    QVERIFY(!f.editor.document.modified);
}

void TestElementList::selectionShowsTheElementsComponents() {
    EditorFixture f;
    f.editor.document.elementColour[12] = 33023;
    f.editor.elementList.setCurrent(11);
    QCOMPARE(f.editor.selectedItemText, QStringLiteral("12 - ???"));
    QCOMPARE(f.editor.swatchColour, 33023);
    QCOMPARE(f.editor.selectedRed, 255);
    QCOMPARE(f.editor.selectedGreen, 128);
    QCOMPARE(f.editor.selectedBlue, 0);
    // Selecting draws nothing and is no edit.
    QVERIFY(f.redraws.isEmpty());
    QVERIFY(!f.editor.document.modified);
}

void TestElementList::theProviderNameOptionFollowsElements23And24OnSelection() {
    EditorFixture f;
    ElementList& list = f.editor.elementList;
    f.editor.document.SchemeReady = false;
    list.setChecked(22, false);
    list.setChecked(23, false);
    f.editor.document.SchemeReady = true;
    // The option is brought in step on selection, not on the check change itself.
    QVERIFY(!f.editor.options.hideProviderName);
    list.setCurrent(40);
    QVERIFY(f.editor.options.hideProviderName);
    // Bringing it in step is no click: the elements stay as they are.
    QVERIFY(f.redraws.isEmpty());
    QCOMPARE(list.current(), 40);

    list.setChecked(23, true);
    list.setCurrent(41);
    QVERIFY(!f.editor.options.hideProviderName);
    QVERIFY(!list.isChecked(22));
}

void TestElementList::hidingTheProviderNameMakesBothTextsTransparent() {
    EditorFixture f;
    ElementList& list = f.editor.elementList;
    list.setCurrent(5);
    f.redraws.clear();

    SetProviderNameOption(f.editor, true);
    QVERIFY(!list.isChecked(22));
    QVERIFY(!list.isChecked(23));
    QCOMPARE(list.current(), 23);
    QCOMPARE(f.editor.selectedItemText, QStringLiteral("24 - Provider font border"));
    // Element 24's screen also holds element 23: one redraw shows both.
    QCOMPARE(f.redraws, QStringList{QStringLiteral("24")});
    QVERIFY(f.editor.document.modified);
    QVERIFY(!f.editor.ListSyncGuard);
    QVERIFY(!f.editor.OptionSyncGuard);

    list.setCurrent(7);
    f.redraws.clear();
    SetProviderNameOption(f.editor, false);
    QVERIFY(list.isChecked(22));
    QVERIFY(list.isChecked(23));
    QCOMPARE(list.current(), 7);
    QCOMPARE(f.redraws, QStringList{QStringLiteral("24")});
    QVERIFY(!f.editor.options.hideProviderName);
}

void TestElementList::theOptionWorksUnderSafeScheme() {
    // Elements 23 and 24 may be transparent under Safe Scheme, but while the current element is
    // outside the safe set the change is neither drawn nor an edit.
    EditorFixture f;
    SetSafeScheme(f.editor, true);
    f.editor.elementList.setCurrent(1);
    f.redraws.clear();
    f.editor.document.modified = false;
    SetProviderNameOption(f.editor, true);
    QVERIFY(!f.editor.elementList.isChecked(22));
    QVERIFY(!f.editor.elementList.isChecked(23));
    QVERIFY(f.redraws.isEmpty());
    QVERIFY(!f.editor.document.modified);
    QVERIFY(f.editor.options.hideProviderName);
}

QTEST_GUILESS_MAIN(TestElementList)
#include "test_element_list.moc"
