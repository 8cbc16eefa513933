#include "assets/palette_pictures.h"
#include "editor_fixture.h"
#include "scheme/undo_redo.h"
#include "workspace/palette_colours.h"

#include <QTest>

namespace {

// The centre of a cell of the "S55" grid: 16 cells of about 8 pixels inside a 1-pixel frame.
QPoint CellCentre(int row, int column) {
    const double cell = 131.0 / 16;
    return {1 + int((column + 0.5) * cell), 1 + int((row + 0.5) * cell)};
}

ColourValue PictureColour(PaletteKind kind, QPoint p) {
    const QRgb pixel = PalettePicture(kind).pixel(p);
    return qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel);
}

} // namespace

class TestPaletteColours : public QObject {
    Q_OBJECT
private slots:
    void aPaletteClickColoursTheCurrentElement();
    void theColourIsStoredExactlyAsShownUnderThePointer();
    void movingOffAPaletteKeepsTheShownColour();
    void theCustomColourIsWhiteUntilMixed();
    void mixingSetsOnlyTheCustomColour();
    void applyingAfterUndoDropsTheUndoneSteps();
};

void TestPaletteColours::aPaletteClickColoursTheCurrentElement() {
    EditorFixture f;
    Editor& editor = f.editor;
    editor.elementList.setCurrent(3); // element 4
    const ColourValue before = editor.document.elementColour[4];
    const QPoint cell = CellCentre(0, 1);

    HoverPaletteColour(editor, ColourPicture::S55, cell.x(), cell.y());
    QCOMPARE(editor.colourFrame.overColour, MakeColour(0, 0, 85));
    QCOMPARE(editor.colourFrame.redText, QStringLiteral("0"));
    QCOMPARE(editor.colourFrame.greenText, QStringLiteral("0"));
    QCOMPARE(editor.colourFrame.blueText, QStringLiteral("85"));

    // LCD colours change only what the preview shows, never the stored colour.
    editor.options.lcdColours = true;
    ApplyPaletteColour(editor, ColourPicture::S55);
    QCOMPARE(editor.document.elementColour[4], 5570560);
    QCOMPARE(editor.swatchColour, 5570560);
    QCOMPARE(f.redraws, QStringList{QStringLiteral("4")});
    QVERIFY(editor.document.modified);
    QCOMPARE(editor.history.historyPosition, qint16(1));
    QCOMPARE(editor.history.stepElement.last(), QStringLiteral("3"));
    QCOMPARE(editor.history.stepColourBefore.last(), QString::number(before));
    QCOMPARE(editor.history.stepColourAfter.last(), QStringLiteral("5570560"));
    QVERIFY(editor.commands.undoEnabled);
    // The element's own components keep the colour it had when it was selected.
    QCOMPARE(editor.selectedRed, RedOf(before));
    QCOMPARE(editor.selectedGreen, GreenOf(before));
    QCOMPARE(editor.selectedBlue, BlueOf(before));

    // Other cells of the grid: the first of the second row and the last one.
    for (const auto& [cellPoint, colour] :
         {std::pair{CellCentre(1, 0), MakeColour(0, 146, 0)},
          std::pair{CellCentre(15, 15), MakeColour(255, 255, 255)}}) {
        HoverPaletteColour(editor, ColourPicture::S55, cellPoint.x(), cellPoint.y());
        ApplyPaletteColour(editor, ColourPicture::S55);
        QCOMPARE(editor.document.elementColour[4], colour);
    }
}

void TestPaletteColours::theColourIsStoredExactlyAsShownUnderThePointer() {
    // A seam between two cells shows a blended colour; the field palettes show any colour.
    const struct {
        ColourPicture picture;
        PaletteKind kind;
        QPoint point;
    } cases[] = {{ColourPicture::S55, PaletteKind::S55, QPoint(9, 40)},
                 {ColourPicture::S55, PaletteKind::S55, QPoint(40, 9)},
                 {ColourPicture::HueBrightness, PaletteKind::HueBrightness, QPoint(70, 66)},
                 {ColourPicture::Colours256, PaletteKind::Colours256, QPoint(100, 20)}};
    for (const auto& c : cases) {
        EditorFixture f;
        f.editor.elementList.setCurrent(10);
        HoverPaletteColour(f.editor, c.picture, c.point.x(), c.point.y());
        ApplyPaletteColour(f.editor, c.picture);
        QCOMPARE(f.editor.document.elementColour[11], PictureColour(c.kind, c.point));
        QCOMPARE(f.editor.colourFrame.overColour, PictureColour(c.kind, c.point));
    }
}

void TestPaletteColours::movingOffAPaletteKeepsTheShownColour() {
    EditorFixture f;
    Editor& editor = f.editor;
    editor.elementList.setCurrent(0);
    const QPoint cell = CellCentre(0, 1);
    HoverPaletteColour(editor, ColourPicture::S55, cell.x(), cell.y());
    HoverPaletteColour(editor, ColourPicture::S55, 133, 20);
    QCOMPARE(editor.colourFrame.overColour, MakeColour(0, 0, 85));
    QCOMPARE(editor.colourFrame.blueText, QStringLiteral("85"));
    QCOMPARE(editor.colourFrame.HoverX, 133);
    // A click there gives the colour last read.
    ApplyPaletteColour(editor, ColourPicture::S55);
    QCOMPARE(editor.document.elementColour[1], MakeColour(0, 0, 85));
}

void TestPaletteColours::theCustomColourIsWhiteUntilMixed() {
    EditorFixture f;
    Editor& editor = f.editor;
    QCOMPARE(editor.colourFrame.overColour, MakeColour(128, 128, 128));
    QCOMPARE(editor.colourFrame.redText, QStringLiteral("---"));
    editor.elementList.setCurrent(5);
    HoverPaletteColour(editor, ColourPicture::Custom, 60, 30);
    ApplyPaletteColour(editor, ColourPicture::Custom);
    QCOMPARE(editor.document.elementColour[6], 16777215);
}

void TestPaletteColours::mixingSetsOnlyTheCustomColour() {
    EditorFixture f;
    Editor& editor = f.editor;
    editor.elementList.setCurrent(5);
    const ColourValue element = editor.document.elementColour[6];
    const ColourValue mixed = MakeColour(255, 128, 0);
    f.dialogs.colourAnswers = {mixed};
    MixCustomColour(editor);
    QCOMPARE(f.dialogs.colourDialogs, QList<ColourValue>{MakeColour(255, 255, 255)});
    QCOMPARE(editor.colourFrame.customColour, mixed);
    QCOMPARE(editor.colourFrame.redText, QStringLiteral("255"));
    QCOMPARE(editor.colourFrame.greenText, QStringLiteral("128"));
    QCOMPARE(editor.colourFrame.blueText, QStringLiteral("0"));
    QCOMPARE(editor.document.elementColour[6], element);
    QVERIFY(f.redraws.isEmpty());
    QVERIFY(!editor.document.modified);
    QCOMPARE(editor.history.historyPosition, qint16(0));

    // Cancelling starts from the mixed colour, keeps it and shows its components again.
    editor.colourFrame.redText = QStringLiteral("9");
    MixCustomColour(editor);
    QCOMPARE(f.dialogs.colourDialogs.last(), mixed);
    QCOMPARE(editor.colourFrame.customColour, mixed);
    QCOMPARE(editor.colourFrame.redText, QStringLiteral("255"));

    // Clicking the swatch gives the element the mixed colour.
    ApplyPaletteColour(editor, ColourPicture::Custom);
    QCOMPARE(editor.document.elementColour[6], mixed);
}

void TestPaletteColours::applyingAfterUndoDropsTheUndoneSteps() {
    EditorFixture f;
    Editor& editor = f.editor;
    editor.elementList.setCurrent(2);
    for (int column = 0; column < 3; ++column) {
        const QPoint cell = CellCentre(4, column);
        HoverPaletteColour(editor, ColourPicture::S55, cell.x(), cell.y());
        ApplyPaletteColour(editor, ColourPicture::S55);
    }
    Undo(editor);
    Undo(editor);
    QVERIFY(editor.commands.redoEnabled);
    ApplyPaletteColour(editor, ColourPicture::S55);
    QVERIFY(!editor.commands.redoEnabled);
    QCOMPARE(editor.history.lastIndex(), 2);
    QCOMPARE(editor.history.historyPosition, qint16(2));
}

QTEST_GUILESS_MAIN(TestPaletteColours)
#include "test_palette_colours.moc"
