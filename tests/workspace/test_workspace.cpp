// The element list and the options that act through it (Don't show Provider Name, Safe Scheme),
// the palettes and Mix Color, and the Safe Scheme dialog.
#include "assets/palette_pictures.h"
#include "editor_fixture.h"
#include "workspace/element_list_handlers.h"
#include "workspace/palette_colours.h"
#include "workspace/provider_name.h"
#include "workspace/safe_scheme.h"
#include "workspace/safe_scheme_info.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The centre of a cell of the "S55" grid: 16 cells of about 8 pixels inside a 1-pixel frame.
QPoint CellCentre(int row, int column) {
    const double cell = 131.0 / 16;
    return {1 + int((column + 0.5) * cell), 1 + int((row + 0.5) * cell)};
}

QString Components(ColourValue c) {
    return u"%1 %2 %3"_s.arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c));
}

} // namespace

class TestWorkspace : public QObject {
    Q_OBJECT
private slots:
    void elementListEvents_data() {
        // sN: select entry N; cN: click entry N's check box; -N, +N: clear, tick entry N's box;
        // SN, PN: Safe Scheme, Don't show Provider Name on (1) or off (0); RN: SchemeReady
        // lowered (0) or raised (1); |: redraws and edits are counted from here.
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("redraws");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("transparent"); // element numbers
        QTest::addColumn<bool>("hide");           // Don't show Provider Name
        const auto row = [](const char* tag, const char* script, const char* redraws, bool modified,
                            int current, const char* transparent, bool hide) {
            QTest::newRow(tag) << script << redraws << modified << current << transparent << hide;
        };
        row("a click redraws and is an edit", "| c6", "7", true, 6, "7 35 45", false);
        row("no click counts while a scheme loads", "R0 | c6", "", false, 6, "7 35 45", false);
        row("selecting shows, draws nothing", "| s11", "", false, 11, "35 45", false);
        row("the option waits for a selection", "R0 -22 -23 R1 |", "", false, 0, "23 24 35 45",
            false);
        row("and then follows 23 and 24", "R0 -22 -23 R1 | s40", "", false, 40, "23 24 35 45",
            true);
        row("one of them painted clears it", "R0 -22 -23 R1 s40 +23 | s41", "", false, 41,
            "23 35 45", false);
        row("hiding the provider name", "s5 | P1", "24", true, 23, "23 24 35 45", true);
        row("showing it again", "P1 s7 | P0", "24", true, 7, "35 45", false);
        row("hiding it under Safe Scheme", "S1 s1 | P1", "", false, 23, "23 24 35 45", true);
        row("Safe Scheme paints the unsafe", "-1 -22 s9 | S1", "all", false, 9, "23 35 45", false);
        row("from a safe element each change is drawn", "-1 -6 s22 | S1", "2 7 all", true, 22,
            "35 45", false);
        row("switching it off changes nothing", "S1 -22 | S0", "", false, 0, "23 35 45", false);
        row("an unsafe element stays painted", "S1 | c1", "", false, 1, "35 45", false);
        row("a safe element may be transparent", "S1 | c22", "23", true, 22, "23 35 45", false);
        row("without it any element may", "S1 S0 | c1", "2", true, 1, "2 35 45", false);
        row("an unsafe transparent one is ticked quietly", "S1 R0 -1 R1 | s1", "", false, 1,
            "35 45", false);
    }
    void elementListEvents() {
        QFETCH(QString, script);
        QFETCH(QString, redraws);
        QFETCH(bool, modified);
        QFETCH(int, current);
        QFETCH(QString, transparent);
        QFETCH(bool, hide);
        EditorFixture f;
        Editor& editor = f.editor;
        ElementList& list = editor.elementList;
        for (const QString& step : script.split(u' ')) {
            const int n = step.mid(1).toInt();
            const char what = step.at(0).toLatin1();
            if (what == 's')
                list.setCurrent(n);
            if (what == 'c')
                list.clickCheckBox(n);
            if (what == '-' || what == '+')
                list.setChecked(n, what == '+');
            if (what == 'S')
                SetSafeScheme(editor, n == 1);
            if (what == 'P')
                SetProviderNameOption(editor, n == 1);
            if (what == 'R')
                editor.document.SchemeReady = n == 1;
            if (what == '|') {
                f.redraws.clear();
                editor.document.modified = false;
            }
        }
        QCOMPARE(f.redraws.join(u' '), redraws);
        QCOMPARE(editor.document.modified, modified);
        QCOMPARE(list.current(), current);
        QStringList unticked;
        for (int p = 0; p < list.count(); ++p) {
            if (!list.isChecked(p))
                unticked << QString::number(p + 1);
        }
        QCOMPARE(unticked.join(u' '), transparent);
        QCOMPARE(editor.options.hideProviderName, hide);
        // The current element is shown: its text, its swatch and its components.
        const ColourValue colour = editor.document.elementColour[current + 1];
        QCOMPARE(editor.selectedItemText, list.entry(current).text);
        QCOMPARE(editor.swatchColour, colour);
        QCOMPARE(u"%1 %2 %3"_s.arg(editor.selectedRed)
                     .arg(editor.selectedGreen)
                     .arg(editor.selectedBlue),
                 Components(colour));
        QVERIFY(!editor.ListSyncGuard && !editor.OptionSyncGuard);
    }

    void aPaletteClickColoursTheCurrentElement_data() {
        QTest::addColumn<ColourPicture>("picture");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<ColourValue>("colour"); // -1: the colour the picture shows there
        QTest::addColumn<bool>("off");           // the pointer left the picture before the click
        const auto row = [](const char* tag, ColourPicture picture, QPoint point,
                            ColourValue colour, bool off = false) {
            QTest::newRow(tag) << picture << point << colour << off;
        };
        const ColourPicture s55 = ColourPicture::S55;
        row("S55 cell", s55, CellCentre(0, 1), MakeColour(0, 0, 85));
        row("S55 second row", s55, CellCentre(1, 0), MakeColour(0, 146, 0));
        row("S55 last cell", s55, CellCentre(15, 15), MakeColour(255, 255, 255));
        // A seam between two cells shows a blended colour; the field palettes show any colour.
        row("S55 seam across", s55, QPoint(9, 40), -1);
        row("S55 seam down", s55, QPoint(40, 9), -1);
        row("hue and brightness", ColourPicture::HueBrightness, QPoint(70, 66), -1);
        row("256 colours", ColourPicture::Colours256, QPoint(100, 20), -1);
        row("custom, white until mixed", ColourPicture::Custom, QPoint(60, 30), 0xFFFFFF);
        row("pointer moved off", s55, CellCentre(0, 1), MakeColour(0, 0, 85), true);
    }
    void aPaletteClickColoursTheCurrentElement() {
        QFETCH(ColourPicture, picture);
        QFETCH(QPoint, point);
        QFETCH(ColourValue, colour);
        QFETCH(bool, off);
        if (colour < 0) { // the palette pictures are in the order of the pictures showing them
            const QRgb pixel = PalettePicture(PaletteKind(int(picture))).pixel(point);
            colour = MakeColour(qRed(pixel), qGreen(pixel), qBlue(pixel));
        }
        EditorFixture f;
        Editor& editor = f.editor;
        editor.elementList.setCurrent(3); // element 4
        const ColourValue before = editor.document.elementColour[4];
        HoverPaletteColour(editor, picture, point.x(), point.y());
        if (off)
            HoverPaletteColour(editor, picture, -1, -1);
        QCOMPARE(editor.colourFrame.overColour, colour);
        const ColourFrameState& frame = editor.colourFrame;
        QCOMPARE(frame.redText + u' ' + frame.greenText + u' ' + frame.blueText,
                 Components(colour));
        // LCD colours change only what the preview shows, never the stored colour.
        editor.options.lcdColours = true;
        ApplyPaletteColour(editor, picture);
        QCOMPARE(editor.document.elementColour[4], colour);
        QCOMPARE(editor.swatchColour, off ? before : colour);
        QCOMPARE(f.redraws, QStringList{u"4"_s});
        QVERIFY(editor.document.modified && editor.commands.undoEnabled);
        const EditHistory& h = editor.history;
        QCOMPARE((QStringList{h.stepElement.last(), h.stepColourBefore.last(),
                              h.stepColourAfter.last()}),
                 (QStringList{u"3"_s, QString::number(before), QString::number(colour)}));
        // The element's own components keep the colour it had when it was selected.
        QCOMPARE(u"%1 %2 %3"_s.arg(editor.selectedRed)
                     .arg(editor.selectedGreen)
                     .arg(editor.selectedBlue),
                 Components(before));
    }

    void mixingSetsOnlyTheCustomColour() {
        EditorFixture f;
        Editor& editor = f.editor;
        const ColourFrameState& frame = editor.colourFrame;
        editor.elementList.setCurrent(5);
        const ColourValue element = editor.document.elementColour[6];
        const ColourValue mixed = MakeColour(255, 128, 0);
        f.dialogs.colourAnswers = {mixed};
        MixCustomColour(editor);
        // Cancelling starts from the mixed colour, keeps it and shows its components again.
        editor.colourFrame.redText = u"9"_s;
        MixCustomColour(editor);
        QCOMPARE(f.dialogs.colourDialogs, (QList<ColourValue>{0xFFFFFF, mixed}));
        QCOMPARE(frame.customColour, mixed);
        QCOMPARE(frame.redText + u' ' + frame.greenText + u' ' + frame.blueText, u"255 128 0"_s);
        QCOMPARE(editor.document.elementColour[6], element);
        QVERIFY(f.redraws.isEmpty() && !editor.document.modified);
        ApplyPaletteColour(editor, ColourPicture::Custom);
        QCOMPARE(editor.document.elementColour[6], mixed);
    }

    void theSafeSchemeDialogInTheLanguageOfTheMoment_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("texts"); // caption, list caption, apology
        QTest::addColumn<QString>("last");  // the last element listed
        QTest::newRow("English") << Language::English
                                 << u"Safe Scheme|Leave element to transparency:|Behind language "
                                    u"discrepancy I'm sorry"_s
                                 << u"48 - Calendar mark / birthday"_s;
        // No language: the Czech texts the dialog was made with, and the list's empty entries.
        QTest::newRow("none") << Language::None
                              << u"Bezpečné schéma|Povolené prvky k transparenci:|"_s << QString();
    }
    void theSafeSchemeDialogInTheLanguageOfTheMoment() {
        QFETCH(Language, language);
        QFETCH(QString, texts);
        QFETCH(QString, last);
        EditorFixture f;
        f.editor.language = language; // changed after start-up: the list is read as it is now
        FillElementNames(f.editor);
        ShowSafeSchemeInfo(f.editor);
        QVERIFY(f.editor.DialogWasShown);
        const SafeSchemeInfo& info = f.dialogs.safeSchemeDialogs.value(0);
        QCOMPARE(info.caption + u'|' + info.listCaption + u'|' + info.apology, texts);
        QCOMPARE(info.elements.size(), 20);
        QCOMPARE(info.elements.last(), last);
        QVERIFY(info.text.startsWith(language == Language::None
                                         ? u"Zaškrtnutím políčka 'Bezpečné schéma'"_s
                                         : u"Check boxes 'Safe Scheme'"_s));
        if (language == Language::English) {
            QStringList numbers;
            for (const QString& entry : info.elements)
                numbers.append(entry.left(2));
            QCOMPARE(numbers.join(u' '), u"01 04 05 17 19 22 23 24 28 29 33 34 35 37 38 43 44 45 "
                                         u"46 48"_s);
        }
    }
};

QTEST_GUILESS_MAIN(TestWorkspace)
#include "test_workspace.moc"
