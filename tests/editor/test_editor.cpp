// The element list and the options that act through it (Don't show Provider Name, Safe Scheme),
// the palettes and Mix Color, the Safe Scheme dialog, and the language the list speaks.
#include "assets/palette_pictures.h"
#include "editor/document_commands.h"
#include "editor/element_list_handlers.h"
#include "editor/language_command.h"
#include "editor/palette_colours.h"
#include "editor/provider_name.h"
#include "editor/safe_scheme.h"
#include "editor/safe_scheme_info.h"
#include "editor_fixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString Components(ColourValue c) {
    return u"%1 %2 %3"_s.arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c));
}

// The components shown of the colour under the pointer, and of the selected element.
QString Shown(const ColourFrameState& frame) {
    return frame.redText + u' ' + frame.greenText + u' ' + frame.blueText;
}
QString Selected(const Editor& e) {
    return Components(MakeColour(e.shown.selectedRed, e.shown.selectedGreen, e.shown.selectedBlue));
}

} // namespace

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void elementListEvents_data() {
        // sN: select entry N; cN: click entry N's check box; -N, +N: clear, tick entry N's box;
        // SN, PN: Safe Scheme, Don't show Provider Name on (1) or off (0); RN: schemeReady
        // lowered (0) or raised (1); |: redraws and edits are counted from here.
        QTest::addColumn<QString>("script");
        // Redraws / edited or not / current entry / transparent elements / provider name hidden.
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* tag, const char* script, const char* outcome) {
            QTest::newRow(tag) << QString::fromUtf8(script) << QString::fromUtf8(outcome);
        };
        row("a click redraws and is an edit", "| c6", "7/edit/6/7 35 45/-");
        row("no click counts while loading", "R0 | c6", "/-/6/7 35 45/-");
        row("the option waits for a selection", "R0 -22 -23 R1 |", "/-/0/23 24 35 45/-");
        row("and follows 23 and 24", "R0 -22 -23 R1 | s40", "/-/40/23 24 35 45/hidden");
        row("one of them painted clears it", "R0 -22 -23 R1 s40 +23 | s41", "/-/41/23 35 45/-");
        row("hiding the provider name", "s5 | P1", "24/edit/23/23 24 35 45/hidden");
        row("showing it again", "P1 s7 | P0", "24/edit/7/35 45/-");
        row("hiding it under Safe Scheme", "S1 s1 | P1", "/-/23/23 24 35 45/hidden");
        row("Safe Scheme paints the unsafe", "-1 -22 s9 | S1", "all/-/9/23 35 45/-");
        row("from a safe entry each change is drawn", "-1 -6 s22 | S1", "2 7 all/edit/22/35 45/-");
        row("switching it off changes nothing", "S1 -22 | S0", "/-/0/23 35 45/-");
        row("an unsafe element stays painted", "S1 | c1", "/-/1/35 45/-");
        row("a safe one may be transparent", "S1 | c22", "23/edit/22/23 35 45/-");
        row("without it any element may", "S1 S0 | c1", "2/edit/1/2 35 45/-");
        row("an unsafe transparent one is ticked quietly", "S1 R0 -1 R1 | s1", "/-/1/35 45/-");
    }
    void elementListEvents() {
        QFETCH(QString, script);
        QFETCH(QString, outcome);
        EditorFixture f;
        Editor& editor = f.editor;
        ElementList& list = editor.list.elements;
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
                editor.list.schemeReady = n == 1;
            if (what == '|') {
                f.redraws.clear();
                editor.document.modified = false;
            }
        }
        QStringList unticked;
        for (int p = 0; p < list.count(); ++p)
            if (!list.isChecked(p))
                unticked << QString::number(p + 1);
        QCOMPARE(QStringList({f.redrawsText(), editor.document.modified ? u"edit"_s : u"-"_s,
                              QString::number(list.current()), unticked.join(u' '),
                              editor.options.hideProviderName ? u"hidden"_s : u"-"_s})
                     .join(u'/'),
                 outcome);
        // The current element is shown: its text, its swatch and its components.
        const ColourValue colour = editor.document.elementColour[list.current() + 1];
        QCOMPARE(editor.shown.selectedItemText, list.entry(list.current()).text);
        QCOMPARE(editor.shown.swatchColour, colour);
        QCOMPARE(Selected(editor), Components(colour));
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
        // The "S55" grid: 16 cells of about 8 pixels inside a 1-pixel frame.
        const ColourPicture s55 = ColourPicture::S55;
        row("S55 cell", s55, QPoint(13, 5), MakeColour(0, 0, 85));
        row("S55 last cell", s55, QPoint(127, 127), MakeColour(255, 255, 255));
        // A seam between two cells shows a blended colour.
        row("S55 seam across", s55, QPoint(9, 40), -1);
        row("S55 seam down", s55, QPoint(40, 9), -1);
        row("custom, white until mixed", ColourPicture::Custom, QPoint(60, 30), 0xFFFFFF);
        row("pointer moved off", s55, QPoint(13, 5), MakeColour(0, 0, 85), true);
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
        editor.list.elements.setCurrent(3); // element 4
        const ColourValue before = editor.document.elementColour[4];
        HoverPaletteColour(editor, picture, point.x(), point.y());
        if (off)
            HoverPaletteColour(editor, picture, -1, -1);
        QCOMPARE(editor.colourFrame.overColour, colour);
        QCOMPARE(Shown(editor.colourFrame), Components(colour));
        // LCD colours change only what the preview shows, never the stored colour.
        editor.options.lcdColours = true;
        ApplyPaletteColour(editor, picture);
        QCOMPARE(editor.document.elementColour[4], colour);
        QCOMPARE(editor.shown.swatchColour, off ? before : colour);
        QCOMPARE(f.redraws, QList{RedrawTarget(4)});
        QVERIFY(editor.document.modified);
        // The element's own components keep the colour it had when it was selected.
        QCOMPARE(Selected(editor), Components(before));
    }

    void mixingSetsOnlyTheCustomColour() {
        EditorFixture f;
        Editor& editor = f.editor;
        const ColourFrameState& frame = editor.colourFrame;
        editor.list.elements.setCurrent(5);
        const ColourValue element = editor.document.elementColour[6];
        const ColourValue mixed = MakeColour(255, 128, 0);
        f.dialogs.colourAnswers = {mixed};
        MixCustomColour(editor);
        // Cancelling starts from the mixed colour, keeps it and shows its components again.
        editor.colourFrame.redText = u"9"_s;
        MixCustomColour(editor);
        QCOMPARE(f.dialogs.colourDialogs, (QList<ColourValue>{0xFFFFFF, mixed}));
        QCOMPARE(frame.customColour, mixed);
        QCOMPARE(Shown(frame), u"255 128 0"_s);
        QCOMPARE(editor.document.elementColour[6], element);
        QVERIFY(f.redraws.isEmpty() && !editor.document.modified);
        ApplyPaletteColour(editor, ColourPicture::Custom);
        QCOMPARE(editor.document.elementColour[6], mixed);
    }

    void theSafeSchemeDialogReadsTheListAsItIsNow() {
        EditorFixture f;
        ShowSafeSchemeInfo(f.editor);
        QVERIFY(f.editor.dialogWasShown);
        SafeSchemeInfo info = f.dialogs.safeSchemeDialogs.value(0);
        QCOMPARE(
            info.caption + u'|' + info.listCaption + u'|' + info.apology,
            u"Safe Scheme|Leave element to transparency:|Behind language discrepancy I'm sorry"_s);
        QVERIFY(
            info.text.startsWith(u"Check boxes 'Safe Scheme' in the main application window"_s));
        QStringList numbers;
        for (const QString& entry : info.elements)
            numbers.append(entry.left(2));
        QCOMPARE(numbers.join(u' '),
                 u"01 04 05 17 19 22 23 24 28 29 33 34 35 37 38 43 44 45 46 48"_s);
        QCOMPARE(info.elements.last(), u"48 - Calendar mark / birthday"_s);
        // With no language: the Czech texts the dialog was made with, and empty entries.
        f.editor.language = Language::None;
        FillElementNames(f.editor);
        info = SafeSchemeInfoFor(f.editor);
        QCOMPARE(info.caption + u'|' + info.listCaption + u'|' + info.apology,
                 u"Bezpečné schéma|Povolené prvky k transparenci:|"_s);
        QCOMPARE(info.elements, QStringList(20, QString()));
    }

    void theLanguageCommandSwitchesStoresAndRenames_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("empty"); // the caption of a recent item without a file
        QTest::newRow("Deutsch") << u"Deutsch"_s << Language::German << u"(nichts)"_s;
        QTest::newRow("Czech") << u"Czech"_s << Language::Czech << u"(žádný)"_s;
        QTest::newRow("English") << u"English"_s << Language::English << u"(none)"_s;
        // Another word is stored as it is and selects no language: captions stay as they were.
        QTest::newRow("english") << u"english"_s << Language::None << u"(none)"_s;
    }
    void theLanguageCommandSwitchesStoresAndRenames() {
        QFETCH(QString, word);
        QFETCH(Language, language);
        QFETCH(QString, empty);
        EditorFixture f;
        QVERIFY(OpenSchemeFromPath(f.editor, f.writeFile(u"a.col"_s, SchemeFileBytes("A", {3}))));
        CaptionRecentMenu(f.editor);
        f.editor.list.elements.setCurrent(9);
        ApplyPaletteColour(f.editor, ColourPicture::Custom);
        f.editor.list.elements.clickCheckBox(4);
        const SchemeDocument document = f.editor.document;

        ApplyLanguageCommand(f.editor, word);
        QCOMPARE(f.editor.language, language);
        QCOMPARE(ReadStoredLanguage(f.editor.settings), word);
        // Each element's text starts with its number; without a language the texts are empty.
        for (int p = 0; p < ElementCount; ++p) {
            const QString text = f.editor.list.elements.entry(p).text;
            const QString number = u"%1 - "_s.arg(p + 1, 2, 10, QLatin1Char('0'));
            QVERIFY2(language == Language::None ? text.isEmpty()
                                                : text.startsWith(number) && text.size() > 5,
                     qPrintable(text));
        }
        QCOMPARE(f.editor.recentMenu.captions,
                 (std::array<QString, RecentFiles::Count>{"a.col", empty, empty, empty, empty}));
        // The scheme, its ticks, the current entry and the history stay, and the list is ready.
        QCOMPARE(f.editor.document.elementColour, document.elementColour);
        QVERIFY(f.editor.document.modified && !f.editor.list.elements.isChecked(4));
        QVERIFY(f.editor.list.schemeReady);
        QCOMPARE(f.editor.list.elements.current(), 4);
        QCOMPARE(f.editor.history.steps.historyPosition, qint16(1));
    }
};

QTEST_GUILESS_MAIN(TestEditor)
#include "test_editor.moc"
