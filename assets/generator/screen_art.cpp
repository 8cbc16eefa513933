#include "assets/generator/screen_art.h"

#include "assets/generator/art_icons.h"
#include "assets/generator/canvas.h"
#include "assets/generator/pixel_font.h"

#include <deque>
#include <utility>

namespace {

// The bands every screen is built from.
constexpr int TitleTop = 9;   // title bar: rows 9 to 20
constexpr int TitleText = 11; // top of the title's capitals
constexpr int ShadowRow = 21; // the title bar's shadow line
constexpr int SoftKeyTop = 68;
constexpr int SoftKeyText = 70;
constexpr int RightEdge = 99; // last column of right-aligned texts

// List menus (screens 2 to 4): three rows of 15 pixels, the middle one selected, a scroll bar at
// the right.
constexpr int RowTops[3] = {22, 37, 52};
constexpr int RowIconX = 4;
constexpr int RowTextX = 17;
constexpr int ScrollX = 96;

const QRgb White = qRgb(255, 255, 255);

// A screen under construction: its layers in drawing order, each labelled as in the layer table.
class Screen {
public:
    Canvas& add(const char* label) {
        layers_.emplace_back(QString::fromLatin1(label), Canvas());
        return layers_.back().second;
    }
    std::vector<ArtLayer> layers() const {
        std::vector<ArtLayer> layers;
        for (const auto& [label, canvas] : layers_) {
            layers.push_back({label, canvas.picture(), canvas.missingGlyphs()});
        }
        return layers;
    }

private:
    // A deque keeps the canvases in place while later layers are added.
    std::deque<std::pair<QString, Canvas>> layers_;
};

int RightAligned(Canvas& canvas, int top, QStringView text, const PixelFont& font = SmallFont()) {
    return canvas.text(RightEdge + 1 - font.width(text), top, text, font);
}

int Centred(Canvas& canvas, int top, QStringView text, const PixelFont& font = SmallFont()) {
    const int x = (Art::Width - font.width(text)) / 2;
    canvas.text(x, top, text, font);
    return x;
}

// Where the next letter after text, drawn from x, starts.
int After(int x, QStringView text, const PixelFont& font = SmallFont()) {
    return x + font.width(text) + 1;
}

// Signal strength at the left, battery at the right; a white edge keeps them readable on dark
// backgrounds, as the phone does.
void StatusRow(Canvas& overlay) {
    Canvas icons;
    Stamp(2, 1, Icons::Signal, Icons::IconColours(icons));
    Stamp(85, 1, Icons::Battery, Icons::IconColours(icons));
    overlay.add(icons.ring(White));
    overlay.add(icons);
}

void TitleBar(Canvas& bar, Canvas& shadow) {
    bar.fill(0, TitleTop, Art::Width, ShadowRow - TitleTop);
    shadow.hLine(0, Art::Width - 1, ShadowRow);
}

void SoftKeyBar(Canvas& bar) {
    bar.fill(0, SoftKeyTop, Art::Width, Art::Height - SoftKeyTop);
}

void SoftKeyTexts(Canvas& text, QStringView left, QStringView right) {
    if (!left.isEmpty()) {
        text.text(2, SoftKeyText, left, SmallFont());
    }
    if (!right.isEmpty()) {
        RightAligned(text, SoftKeyText, right);
    }
}

void ScrollBar(Canvas& track, Canvas& thumb, int thumbTop, int thumbHeight) {
    track.fill(ScrollX, RowTops[0], Art::Width - ScrollX, SoftKeyTop - RowTops[0]);
    thumb.fill(ScrollX + 1, thumbTop, Art::Width - ScrollX - 2, thumbHeight);
}

// The selected row of a list menu: bar, one-pixel frame, shadow one pixel to the right and below.
void Selection(Canvas& shadow, Canvas& bar, Canvas& frame, int top) {
    frame.frame(1, top, 92, 14);
    bar.fill(2, top + 1, 90, 12);
    shadow.vLine(93, top + 1, top + 14);
    shadow.hLine(2, 93, top + 14);
}

// Screen 0: the standby screen.
std::vector<ArtLayer> Standby() {
    Screen s;
    s.add("2").fillAll();
    StatusRow(s.add("ovl"));
    Canvas& outline = s.add("24");
    Canvas& inner = s.add("23");
    Canvas& clockOutline = s.add("2*");
    Canvas& clock = s.add("1");
    Canvas& keyBar = s.add("7");
    Canvas& keyText = s.add("6");

    Centred(inner, 25, u"Tesmira", LargeFont());
    outline.add(inner.ring(Art::Ink));

    Centred(clock, 42, u"12:45", LargeFont());
    Centred(clock, 57, u"15.09.03");
    clockOutline.add(clock.ring(Art::HitOnly));

    SoftKeyBar(keyBar);
    SoftKeyTexts(keyText, u"Internet", u"Menu");
    return s.layers();
}

// Screen 1: the main menu's icon grid, the envelope selected.
std::vector<ArtLayer> MainMenu() {
    Screen s;
    s.add("58").fillAll();
    Canvas& bar = s.add("4");
    Canvas& title = s.add("3");
    Canvas& number = s.add("5");
    Canvas& shadow = s.add("22");
    Canvas& overlay = s.add("ovl");
    Canvas& frame = s.add("18");
    Canvas& frameShadow = s.add("19");
    Canvas& keyBar = s.add("7");
    Canvas& keyText = s.add("6");

    TitleBar(bar, shadow);
    title.text(2, TitleText, u"Messages", SmallFont());
    RightAligned(number, TitleText, u"2");

    StatusRow(overlay);
    const PictureRows* grid[9] = {&Icons::MenuPhone, &Icons::MenuEnvelope, &Icons::MenuBook,
                                  &Icons::MenuGlobe, &Icons::MenuNotepad,  &Icons::MenuClock,
                                  &Icons::MenuCog,   &Icons::MenuGamepad,  &Icons::MenuCamera};
    constexpr int Columns[3] = {10, 43, 76};
    constexpr int Rows[3] = {24, 38, 52};
    for (int i = 0; i < 9; ++i) {
        Stamp(Columns[i % 3], Rows[i / 3], *grid[i], Icons::IconColours(overlay));
    }
    const int x = Columns[1];
    const int y = Rows[0];
    frame.frame(x - 1, y - 1, 16, 14);
    frameShadow.vLine(x + 15, y, y + 13);
    frameShadow.hLine(x, x + 15, y + 13);

    SoftKeyBar(keyBar);
    SoftKeyTexts(keyText, u"Back", u"Select");
    return s.layers();
}

// The message folder list of screens 2 and 3, up to the title text.
void FolderList(Screen& s) {
    s.add("21").fillAll();
    Canvas& bar = s.add("4");
    Canvas& shadow = s.add("22");
    Canvas& selShadow = s.add("19");
    Canvas& selBar = s.add("17");
    Canvas& selFrame = s.add("18");
    Canvas& around = s.add("45");
    Canvas& border = s.add("42");
    Canvas& mark = s.add("44");
    Canvas& fill = s.add("43");
    Canvas& rowText = s.add("20");
    Canvas& selText = s.add("16");
    Canvas& overlay = s.add("ovl");
    Canvas& title = s.add("3");

    TitleBar(bar, shadow);
    Selection(selShadow, selBar, selFrame, RowTops[1]);
    StatusRow(overlay);
    Stamp(2, TitleText, Icons::Folder, Icons::IconColours(overlay));
    title.text(15, TitleText, u"Messages", SmallFont());

    const char16_t* names[3] = {u"Inbox", u"Outbox", u"Archive"};
    for (int row = 0; row < 3; ++row) {
        const int top = RowTops[row];
        Stamp(RowIconX, top + 3, Icons::Folder, Icons::IconColours(overlay));
        (row == 1 ? selText : rowText).text(RowTextX, top + 3, names[row], SmallFont());
        Stamp(80, top + 2, Icons::SymbolArrow,
              {{'s', {&around}}, {'b', {&border}}, {'f', {&fill}}, {'m', {&mark}}});
    }
}

// Screen 2: the folder list.
std::vector<ArtLayer> ListMenu() {
    Screen s;
    FolderList(s);
    SoftKeyBar(s.add("7"));
    SoftKeyTexts(s.add("6"), u"Back", u"Select");
    Canvas& track = s.add("29");
    ScrollBar(track, s.add("28"), 31, 14);
    return s.layers();
}

// Screen 3: the folder list under the options pop-up.
std::vector<ArtLayer> OptionsPopup() {
    Screen s;
    FolderList(s);
    Canvas& body = s.add("31");
    Canvas& windowShadow = s.add("35");
    Canvas& border = s.add("34");
    Canvas& titleShadow = s.add("38");
    Canvas& titleBar = s.add("33");
    Canvas& title = s.add("32");
    Canvas& selBar = s.add("37");
    Canvas& selText = s.add("36");
    Canvas& text = s.add("30");

    // Window: border 6..89 x 23..66, title bar rows 24..34 over its shadow line, three items
    // of ten rows each.
    constexpr int Left = 6, Top = 23, Right = 89, Bottom = 66;
    border.frame(Left, Top, Right - Left + 1, Bottom - Top + 1);
    windowShadow.vLine(Right + 1, Top + 1, Bottom + 1);
    windowShadow.hLine(Left + 1, Right + 1, Bottom + 1);
    titleBar.fill(Left + 1, Top + 1, Right - Left - 1, 11);
    titleShadow.hLine(Left + 1, Right - 1, Top + 12);
    title.text(Left + 3, Top + 3, u"Options", SmallFont());
    body.fill(Left + 1, Top + 13, Right - Left - 1, Bottom - Top - 13);

    const char16_t* items[3] = {u"Open", u"Send", u"Delete"};
    for (int i = 0; i < 3; ++i) {
        const int top = Top + 13 + 10 * i;
        if (i == 0) {
            selBar.fill(Left + 1, top, Right - Left - 1, 10);
        }
        (i == 0 ? selText : text).text(Left + 3, top + 1, items[i], SmallFont());
    }

    SoftKeyBar(s.add("7"));
    SoftKeyTexts(s.add("6"), u"", u"Select");
    Canvas& track = s.add("29");
    ScrollBar(track, s.add("28"), 31, 14);
    return s.layers();
}

// Screen 4: the profile list, the active profile ticked.
std::vector<ArtLayer> SettingsList() {
    Screen s;
    s.add("21").fillAll();
    Canvas& bar = s.add("4");
    Canvas& shadow = s.add("22");
    Canvas& title = s.add("3");
    Canvas& number = s.add("5");
    Canvas& selShadow = s.add("19");
    Canvas& selBar = s.add("17");
    Canvas& selFrame = s.add("18");
    Canvas& inside = s.add("43");
    Canvas& tick = s.add("44");
    Canvas& border = s.add("42");
    Canvas& boxShadow = s.add("19");
    Canvas& rowText = s.add("20");
    Canvas& selText = s.add("16");
    Canvas& overlay = s.add("ovl");

    TitleBar(bar, shadow);
    title.text(2, TitleText, u"Profiles", SmallFont());
    RightAligned(number, TitleText, u"4-2-1");
    Selection(selShadow, selBar, selFrame, RowTops[1]);

    const char16_t* names[3] = {u"Normal", u"Quiet", u"Noisy"};
    const PictureRows* pictures[3] = {&Icons::Bell, &Icons::SpeakerMuted, &Icons::SpeakerLoud};
    for (int row = 0; row < 3; ++row) {
        const int top = RowTops[row];
        Stamp(RowIconX, top + 3, *pictures[row], Icons::IconColours(overlay));
        (row == 1 ? selText : rowText).text(RowTextX, top + 3, names[row], SmallFont());
    }
    const int boxX = 81;
    const int boxY = RowTops[1] + 2;
    Stamp(boxX, boxY, Icons::TickBox, {{'b', {&border}}, {'f', {&inside}}, {'m', {&tick}}});
    boxShadow.vLine(boxX + 9, boxY + 1, boxY + 9);
    boxShadow.hLine(boxX + 1, boxX + 9, boxY + 9);
    StatusRow(overlay);

    SoftKeyBar(s.add("7"));
    SoftKeyTexts(s.add("6"), u"Back", u"Select");
    Canvas& track = s.add("29");
    ScrollBar(track, s.add("28"), 38, 14);
    return s.layers();
}

// Screen 5: the message editor, the word being typed marked.
std::vector<ArtLayer> MessageEditor() {
    Screen s;
    s.add("2").fillAll();
    Canvas& bar = s.add("4");
    Canvas& shadow = s.add("22");
    Canvas& overlay = s.add("ovl");
    Canvas& title = s.add("3");
    Canvas& body = s.add("31");
    Canvas& border = s.add("34");
    Canvas& boxText = s.add("30");
    Canvas& keyBar = s.add("7");
    Canvas& keyText = s.add("6");
    Canvas& text = s.add("57");
    Canvas& markBar = s.add("neg2");
    Canvas& markText = s.add("neg57");

    TitleBar(bar, shadow);
    StatusRow(overlay);
    // The text input mode symbol: "T9" on a white plate.
    overlay.fill(2, 10, 12, 9, White);
    overlay.text(3, TitleText, u"T9", SmallFont(), qRgb(0, 0, 0));
    title.text(17, TitleText, u"Abc", SmallFont());
    RightAligned(title, TitleText, u"748");

    constexpr int LineTop = 25;
    const QStringView typed = u"See you at ";
    const QStringView word = u"home";
    text.text(2, LineTop, typed, SmallFont());
    const int wordX = After(2, typed);
    markBar.fill(wordX - 1, LineTop - 1, SmallFont().width(word) + 2, 10);
    markText.text(wordX, LineTop, word, SmallFont());

    border.frame(2, 44, 97, 19);
    body.fill(3, 45, 95, 17);
    Centred(boxText, 50, u"Chars left: 147");

    SoftKeyBar(keyBar);
    SoftKeyTexts(keyText, u"Send", u"Options");
    return s.layers();
}

// Screen 6: a phonebook entry, the e-mail row selected.
std::vector<ArtLayer> PhonebookEntry() {
    Screen s;
    s.add("2").fillAll();
    Canvas& bar = s.add("4");
    Canvas& shadow = s.add("22");
    Canvas& overlay = s.add("ovl");
    Canvas& title = s.add("3");
    Canvas& name = s.add("1");
    Canvas& number = s.add("11");
    Canvas& selBar = s.add("neg2");
    Canvas& selText = s.add("neg13");
    Canvas& selBorder = s.add("neg42");
    Canvas& selFill = s.add("neg43");
    Canvas& selMark = s.add("neg44");
    Canvas& web = s.add("13");
    Canvas& border = s.add("42");
    Canvas& fill = s.add("43");
    Canvas& mark = s.add("44");
    Canvas& around = s.add("45");
    Canvas& keyBar = s.add("7");
    Canvas& keyText = s.add("6");
    Canvas& track = s.add("29");
    Canvas& thumb = s.add("28");

    TitleBar(bar, shadow);
    StatusRow(overlay);
    title.text(2, TitleText, u"Phonebook", SmallFont());

    constexpr int Tops[4] = {23, 34, 45, 56};
    const Legend plain = {{'s', {&around}}, {'b', {&border}}, {'f', {&fill}}, {'m', {&mark}}};
    // In the selected row the bar takes the symbol's surroundings.
    const Legend inverted = {
        {'s', {&selBar}}, {'b', {&selBorder}}, {'f', {&selFill}}, {'m', {&selMark}}};
    Stamp(0, Tops[0], Icons::SymbolPerson, plain);
    name.text(13, Tops[0] + 2, u"John Smith", SmallFont());
    Stamp(0, Tops[1], Icons::SymbolHandset, plain);
    number.text(13, Tops[1] + 2, u"+49 89 1234567", SmallFont());
    selBar.fill(0, Tops[2], ScrollX, 11);
    Stamp(0, Tops[2], Icons::SymbolLetter, inverted);
    selText.text(13, Tops[2] + 2, u"john@smith.com", SmallFont());
    Stamp(0, Tops[3], Icons::SymbolGlobe, plain);
    web.text(13, Tops[3] + 2, u"www.smith.com", SmallFont());

    SoftKeyBar(keyBar);
    SoftKeyTexts(keyText, u"Call", u"Options");
    ScrollBar(track, thumb, 40, 20);
    return s.layers();
}

// Screen 7: the calendar's month view. The month fills the screen: its title bar sits at the top
// and the day grid takes the rows below.
std::vector<ArtLayer> CalendarMonth() {
    Screen s;
    s.add("2").fillAll();
    Canvas& bar = s.add("4");
    Canvas& shadow = s.add("22");
    Canvas& title = s.add("3");
    Canvas& cells = s.add("46");
    Canvas& birthday = s.add("48");
    Canvas& dates = s.add("52");
    Canvas& today = s.add("18");

    bar.fill(0, 0, Art::Width, 11);
    shadow.hLine(0, Art::Width - 1, 11);
    title.text(2, 2, u"September", SmallFont());
    RightAligned(title, 2, u"Wk 36");

    // Seven columns of 13-pixel cells with a one-pixel gap; September 2003 starts on a Monday.
    constexpr int CellW = 13, CellH = 9, Left = 2, GridTop = 19;
    const char16_t* weekdays[7] = {u"M", u"T", u"W", u"T", u"F", u"S", u"S"};
    for (int col = 0; col < 7; ++col) {
        const int x = Left + col * (CellW + 1);
        dates.text(x + (CellW - TinyFont().width(weekdays[col])) / 2, 13, weekdays[col],
                   TinyFont());
    }
    constexpr int Today = 15, Birthday = 18;
    for (int day = 1; day <= 30; ++day) {
        const int x = Left + ((day - 1) % 7) * (CellW + 1);
        const int y = GridTop + ((day - 1) / 7) * (CellH + 1);
        (day == Birthday ? birthday : cells).fill(x, y, CellW, CellH);
        const QString digits = QString::number(day);
        dates.text(x + (CellW - TinyFont().width(digits) + 1) / 2, y + 2, digits, TinyFont());
        if (day == Today) {
            today.frame(x - 1, y - 1, CellW + 2, CellH + 2);
        }
    }

    SoftKeyBar(s.add("7"));
    SoftKeyTexts(s.add("6"), u"Back", u"Options");
    return s.layers();
}

// Screen 8: the keypad lock message.
std::vector<ArtLayer> KeypadLocked() {
    Screen s;
    s.add("2").fillAll();
    Canvas& overlay = s.add("ovl");
    Canvas& text = s.add("1");

    StatusRow(overlay);
    Stamp(37, 22, Icons::Key, Icons::IconColours(overlay));
    Centred(text, 38, u"Keypad");
    Centred(text, 48, u"locked");
    return s.layers();
}

// Screen 9: a new calendar entry in marking mode, the cursor on the day.
std::vector<ArtLayer> NewCalendarEntry() {
    Screen s;
    s.add("2").fillAll();
    Canvas& bar = s.add("4");
    Canvas& shadow = s.add("22");
    Canvas& overlay = s.add("ovl");
    Canvas& title = s.add("3");
    Canvas& captions = s.add("56");
    Canvas& keyBar = s.add("7");
    Canvas& keyText = s.add("6");
    Canvas& fields = s.add("57");
    Canvas& cursorBar = s.add("neg2");
    Canvas& cursorText = s.add("neg57");
    Canvas& markBack = s.add("26");
    Canvas& markEdge = s.add("n26");
    Canvas& markText = s.add("25");

    TitleBar(bar, shadow);
    StatusRow(overlay);
    title.text(2, TitleText, u"Appointment", SmallFont());

    // The MARK indicator at the right end of the title bar, edged while it is shown.
    constexpr int MarkX = 75, MarkY = 10, MarkW = 24, MarkH = 9;
    markBack.fill(MarkX, MarkY, MarkW, MarkH);
    markEdge.frame(MarkX - 1, MarkY - 1, MarkW + 2, MarkH + 2, White);
    markText.text(MarkX + (MarkW - SmallFont().width(u"MARK")) / 2, MarkY + 1, u"MARK",
                  SmallFont());

    captions.text(2, 25, u"Date:", SmallFont());
    const QStringView day = u"15";
    constexpr int FieldX = 4, DateTop = 35;
    cursorBar.fill(FieldX - 1, DateTop - 1, SmallFont().width(day) + 2, 9);
    cursorText.text(FieldX, DateTop, day, SmallFont());
    fields.text(After(FieldX, day), DateTop, u".09.2003", SmallFont());
    captions.text(2, 47, u"Time:", SmallFont());
    fields.text(FieldX, 57, u"12:00", SmallFont());

    SoftKeyBar(keyBar);
    SoftKeyTexts(keyText, u"", u"Save");
    return s.layers();
}

} // namespace

std::vector<ArtLayer> DrawScreen(int screen) {
    switch (screen) {
    case 0:
        return Standby();
    case 1:
        return MainMenu();
    case 2:
        return ListMenu();
    case 3:
        return OptionsPopup();
    case 4:
        return SettingsList();
    case 5:
        return MessageEditor();
    case 6:
        return PhonebookEntry();
    case 7:
        return CalendarMonth();
    case 8:
        return KeypadLocked();
    case 9:
        return NewCalendarEntry();
    default:
        return {};
    }
}

QString LayerFileName(int screen, int layer) {
    return QStringLiteral("screen%1/layer%2.png").arg(screen).arg(layer, 2, 10, QLatin1Char('0'));
}
