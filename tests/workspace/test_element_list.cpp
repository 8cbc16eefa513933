#include "editor_fixture.h"
#include "workspace/element_list_handlers.h"

#include <QTest>

class TestElementList : public QObject {
    Q_OBJECT
private slots:
    void changingTheLanguageKeepsSelectionAndTicks();
    void checkBoxChangesRedrawAndMarkModified();
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

QTEST_GUILESS_MAIN(TestElementList)
#include "test_element_list.moc"
