#include "editor_fixture.h"
#include "scheme/starter_schemes.h"
#include "scheme/undo_redo.h"

#include <QTest>

namespace {

// A palette edit as the palettes make it: the colour goes in first, then the step is recorded.
void PaletteEdit(Editor& editor, ColourValue colour) {
    const int element = editor.elementList.current() + 1;
    const ColourValue before = editor.document.elementColour[element];
    editor.document.elementColour[element] = colour;
    editor.document.modified = true;
    RecordStep(editor, element - 1, before, colour);
}

} // namespace

class TestEditHistory : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedoWalkThroughTheSteps();
    void anEditAfterUndoDropsTheRedoableSteps();
    void undoSelectsTheEditedElement();
    void stepsAreKeptAsDecimalTexts();
    void aNewSchemeStartsANewHistory();
    void checkBoxChangesAreNotUndone();
    void theHistoryStopsAt32767Steps();
};

void TestEditHistory::undoAndRedoWalkThroughTheSteps() {
    EditorFixture f;
    QVERIFY(!f.editor.commands.undoEnabled);
    QVERIFY(!f.editor.commands.redoEnabled);
    PaletteEdit(f.editor, 111);
    QVERIFY(f.editor.commands.undoEnabled);
    QVERIFY(!f.editor.commands.redoEnabled);

    f.editor.document.modified = false;
    Undo(f.editor);
    QCOMPARE(f.editor.history.historyPosition, qint16(0));
    QCOMPARE(f.editor.document.elementColour[1], MakeColour(0, 0, 128));
    QVERIFY(!f.editor.commands.undoEnabled);
    QVERIFY(f.editor.commands.redoEnabled);
    Redo(f.editor);
    QCOMPARE(f.editor.document.elementColour[1], ColourValue(111));
    QVERIFY(f.editor.commands.undoEnabled);
    QVERIFY(!f.editor.commands.redoEnabled);
    // Undo and redo are not edits of their own.
    QVERIFY(!f.editor.document.modified);
    QCOMPARE(f.redraws, (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
}

void TestEditHistory::anEditAfterUndoDropsTheRedoableSteps() {
    EditorFixture f;
    PaletteEdit(f.editor, 1);
    PaletteEdit(f.editor, 2);
    PaletteEdit(f.editor, 3);
    Undo(f.editor);
    Undo(f.editor);
    QCOMPARE(f.editor.document.elementColour[1], ColourValue(1));
    QVERIFY(f.editor.commands.undoEnabled);
    QVERIFY(f.editor.commands.redoEnabled);
    PaletteEdit(f.editor, 4);
    QCOMPARE(f.editor.history.lastIndex(), 2);
    QVERIFY(!f.editor.commands.redoEnabled);
    Undo(f.editor);
    QCOMPARE(f.editor.document.elementColour[1], ColourValue(1));
    Redo(f.editor);
    QCOMPARE(f.editor.document.elementColour[1], ColourValue(4));
}

void TestEditHistory::undoSelectsTheEditedElement() {
    EditorFixture f;
    f.editor.elementList.setCurrent(9);
    PaletteEdit(f.editor, MakeColour(10, 20, 30));
    f.editor.elementList.setCurrent(2);
    Undo(f.editor);
    QCOMPARE(f.editor.elementList.current(), 9);
    QCOMPARE(f.editor.selectedItemText, QStringLiteral("10 - ???"));
    QCOMPARE(f.editor.swatchColour, MakeColour(160, 0, 0));
    QCOMPARE(f.redraws, QStringList{QStringLiteral("10")});
}

void TestEditHistory::stepsAreKeptAsDecimalTexts() {
    EditorFixture f;
    f.editor.elementList.setCurrent(59);
    PaletteEdit(f.editor, 16777215);
    QCOMPARE(f.editor.history.stepElement, (QStringList{QString(), QStringLiteral("59")}));
    QCOMPARE(f.editor.history.stepColourBefore, (QStringList{QString(), QStringLiteral("0")}));
    QCOMPARE(f.editor.history.stepColourAfter,
             (QStringList{QString(), QStringLiteral("16777215")}));
}

void TestEditHistory::aNewSchemeStartsANewHistory() {
    EditorFixture f;
    PaletteEdit(f.editor, 5);
    f.dialogs.answers = {MessageAnswer::No};
    CreateStarterScheme(f.editor, Starter::Red);
    QVERIFY(!f.editor.commands.undoEnabled);
    QVERIFY(!f.editor.commands.redoEnabled);
    PaletteEdit(f.editor, 6);
    QCOMPARE(f.editor.history.historyPosition, qint16(1));
    Undo(f.editor);
    QCOMPARE(f.editor.document.elementColour[1], MakeColour(128, 0, 0));
    QVERIFY(!f.editor.commands.undoEnabled);
}

void TestEditHistory::checkBoxChangesAreNotUndone() {
    EditorFixture f;
    PaletteEdit(f.editor, 7);
    f.editor.elementList.clickCheckBox(0);
    QVERIFY(!f.editor.elementList.isChecked(0));
    Undo(f.editor);
    QCOMPARE(f.editor.document.elementColour[1], MakeColour(0, 0, 128));
    QVERIFY(!f.editor.elementList.isChecked(0));
}

void TestEditHistory::theHistoryStopsAt32767Steps() {
    EditHistory history;
    UndoRedoState commands;
    for (int i = 1; i <= EditHistory::MaxSteps + 2; ++i)
        history.recordStep(0, i - 1, i);
    UpdateUndoRedo(history, commands);
    QCOMPARE(history.historyPosition, qint16(32767));
    QCOMPARE(history.lastIndex(), 32767);
    // The two oldest steps went; the newest is on top and the order is kept.
    QCOMPARE(history.stepColourAfter.at(1), QStringLiteral("3"));
    QCOMPARE(history.stepColourAfter.at(32767), QStringLiteral("32769"));
    QVERIFY(history.stepElement.at(0).isEmpty());
    QVERIFY(commands.undoEnabled);
    QVERIFY(!commands.redoEnabled);
}

QTEST_GUILESS_MAIN(TestEditHistory)
#include "test_edit_history.moc"
