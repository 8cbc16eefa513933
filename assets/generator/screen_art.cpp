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
    Canvas& Add(const char* label) {
        layers_.emplace_back(QString::fromLatin1(label), Canvas());
        return layers_.back().second;
    }
    std::vector<ArtLayer> Layers() const {
        std::vector<ArtLayer> layers;
        for (const auto& [label, canvas] : layers_) {
            layers.push_back({label, canvas.Picture(), canvas.MissingGlyphs()});
        }
        return layers;
    }

private:
    // A deque keeps the canvases in place while later layers are added.
    std::deque<std::pair<QString, Canvas>> layers_;
};

int RightAligned(Canvas& canvas, int top, QStringView text, const PixelFont& font = SmallFont()) {
    return canvas.Text(RightEdge + 1 - font.Width(text), top, text, font);
}

int Centred(Canvas& canvas, int top, QStringView text, const PixelFont& font = SmallFont()) {
    const int x = (art::Width - font.Width(text)) / 2;
    canvas.Text(x, top, text, font);
    return x;
}

// Where the next letter after text, drawn from x, starts.
int After(int x, QStringView text, const PixelFont& font = SmallFont()) {
    return x + font.Width(text) + 1;
}

// Signal strength at the left, battery at the right; a white edge keeps them readable on dark
// backgrounds, as the phone does.
void StatusRow(Canvas& overlay) {
    Canvas icons;
    Stamp(2, 1, icons::Signal, icons::IconColours(icons));
    Stamp(85, 1, icons::Battery, icons::IconColours(icons));
    overlay.Add(icons.Ring(White));
    overlay.Add(icons);
}

void TitleBar(Canvas& bar, Canvas& shadow) {
    bar.Fill(0, TitleTop, art::Width, ShadowRow - TitleTop);
    shadow.HLine(0, art::Width - 1, ShadowRow);
}

void SoftKeyBar(Canvas& bar) {
    bar.Fill(0, SoftKeyTop, art::Width, art::Height - SoftKeyTop);
}

void SoftKeyTexts(Canvas& text, QStringView left, QStringView right) {
    if (!left.isEmpty()) {
        text.Text(2, SoftKeyText, left, SmallFont());
    }
    if (!right.isEmpty()) {
        RightAligned(text, SoftKeyText, right);
    }
}

void ScrollBar(Canvas& track, Canvas& thumb, int thumbTop, int thumbHeight) {
    track.Fill(ScrollX, RowTops[0], art::Width - ScrollX, SoftKeyTop - RowTops[0]);
    thumb.Fill(ScrollX + 1, thumbTop, art::Width - ScrollX - 2, thumbHeight);
}

// The selected row of a list menu: bar, one-pixel frame, shadow one pixel to the right and below.
void Selection(Canvas& shadow, Canvas& bar, Canvas& frame, int top) {
    frame.Frame(1, top, 92, 14);
    bar.Fill(2, top + 1, 90, 12);
    shadow.VLine(93, top + 1, top + 14);
    shadow.HLine(2, 93, top + 14);
}

// Screen 0: the standby screen.
std::vector<ArtLayer> Standby() {
    Screen s;
    s.Add("2").FillAll();
    StatusRow(s.Add("ovl"));
    Canvas& outline = s.Add("24");
    Canvas& inner = s.Add("23");
    Canvas& clockOutline = s.Add("2*");
    Canvas& clock = s.Add("1");
    Canvas& keyBar = s.Add("7");
    Canvas& keyText = s.Add("6");

    Centred(inner, 25, u"Tesmira", LargeFont());
    outline.Add(inner.Ring(art::Ink));

    Centred(clock, 42, u"12:45", LargeFont());
    Centred(clock, 57, u"15.09.03");
    clockOutline.Add(clock.Ring(art::HitOnly));

    SoftKeyBar(keyBar);
    SoftKeyTexts(keyText, u"Internet", u"Menu");
    return s.Layers();
}

// Screen 1: the main menu's icon grid, the envelope selected.
std::vector<ArtLayer> MainMenu() {
    Screen s;
    s.Add("58").FillAll();
    Canvas& bar = s.Add("4");
    Canvas& title = s.Add("3");
    Canvas& number = s.Add("5");
    Canvas& shadow = s.Add("22");
    Canvas& overlay = s.Add("ovl");
    Canvas& frame = s.Add("18");
    Canvas& frameShadow = s.Add("19");
    Canvas& keyBar = s.Add("7");
    Canvas& keyText = s.Add("6");

    TitleBar(bar, shadow);
    title.Text(2, TitleText, u"Messages", SmallFont());
    RightAligned(number, TitleText, u"2");

    StatusRow(overlay);
    const PictureRows* grid[9] = {&icons::MenuPhone, &icons::MenuEnvelope, &icons::MenuBook,
                                  &icons::MenuGlobe, &icons::MenuNotepad,  &icons::MenuClock,
                                  &icons::MenuCog,   &icons::MenuGamepad,  &icons::MenuCamera};
    constexpr int Columns[3] = {10, 43, 76};
    constexpr int Rows[3] = {24, 38, 52};
    for (int i = 0; i < 9; ++i) {
        Stamp(Columns[i % 3], Rows[i / 3], *grid[i], icons::IconColours(overlay));
    }
    const int x = Columns[1];
    const int y = Rows[0];
    frame.Frame(x - 1, y - 1, 16, 14);
    frameShadow.VLine(x + 15, y, y + 13);
    frameShadow.HLine(x, x + 15, y + 13);

    SoftKeyBar(keyBar);
    SoftKeyTexts(keyText, u"Back", u"Select");
    return s.Layers();
}

// The message folder list of screens 2 and 3, up to the title text.
void FolderList(Screen& s) {
    s.Add("21").FillAll();
    Canvas& bar = s.Add("4");
    Canvas& shadow = s.Add("22");
    Canvas& selShadow = s.Add("19");
    Canvas& selBar = s.Add("17");
    Canvas& selFrame = s.Add("18");
    Canvas& around = s.Add("45");
    Canvas& border = s.Add("42");
    Canvas& mark = s.Add("44");
    Canvas& fill = s.Add("43");
    Canvas& rowText = s.Add("20");
    Canvas& selText = s.Add("16");
    Canvas& overlay = s.Add("ovl");
    Canvas& title = s.Add("3");

    TitleBar(bar, shadow);
    Selection(selShadow, selBar, selFrame, RowTops[1]);
    StatusRow(overlay);
    Stamp(2, TitleText, icons::Folder, icons::IconColours(overlay));
    title.Text(15, TitleText, u"Messages", SmallFont());

    const char16_t* names[3] = {u"Inbox", u"Outbox", u"Archive"};
    for (int row = 0; row < 3; ++row) {
        const int top = RowTops[row];
        Stamp(RowIconX, top + 3, icons::Folder, icons::IconColours(overlay));
        (row == 1 ? selText : rowText).Text(RowTextX, top + 3, names[row], SmallFont());
        Stamp(80, top + 2, icons::SymbolArrow,
              {{'s', {&around}}, {'b', {&border}}, {'f', {&fill}}, {'m', {&mark}}});
    }
}

// Screen 2: the folder list.
std::vector<ArtLayer> ListMenu() {
    Screen s;
    FolderList(s);
    SoftKeyBar(s.Add("7"));
    SoftKeyTexts(s.Add("6"), u"Back", u"Select");
    Canvas& track = s.Add("29");
    ScrollBar(track, s.Add("28"), 31, 14);
    return s.Layers();
}

// Screen 3: the folder list under the options pop-up.
std::vector<ArtLayer> OptionsPopup() {
    Screen s;
    FolderList(s);
    Canvas& body = s.Add("31");
    Canvas& windowShadow = s.Add("35");
    Canvas& border = s.Add("34");
    Canvas& titleShadow = s.Add("38");
    Canvas& titleBar = s.Add("33");
    Canvas& title = s.Add("32");
    Canvas& selBar = s.Add("37");
    Canvas& selText = s.Add("36");
    Canvas& text = s.Add("30");

    // Window: border 6..89 x 23..66, title bar rows 24..34 over its shadow line, three items
    // of ten rows each.
    constexpr int Left = 6, Top = 23, Right = 89, Bottom = 66;
    border.Frame(Left, Top, Right - Left + 1, Bottom - Top + 1);
    windowShadow.VLine(Right + 1, Top + 1, Bottom + 1);
    windowShadow.HLine(Left + 1, Right + 1, Bottom + 1);
    titleBar.Fill(Left + 1, Top + 1, Right - Left - 1, 11);
    titleShadow.HLine(Left + 1, Right - 1, Top + 12);
    title.Text(Left + 3, Top + 3, u"Options", SmallFont());
    body.Fill(Left + 1, Top + 13, Right - Left - 1, Bottom - Top - 13);

    const char16_t* items[3] = {u"Open", u"Send", u"Delete"};
    for (int i = 0; i < 3; ++i) {
        const int top = Top + 13 + 10 * i;
        if (i == 0) {
            selBar.Fill(Left + 1, top, Right - Left - 1, 10);
        }
        (i == 0 ? selText : text).Text(Left + 3, top + 1, items[i], SmallFont());
    }

    SoftKeyBar(s.Add("7"));
    SoftKeyTexts(s.Add("6"), u"", u"Select");
    Canvas& track = s.Add("29");
    ScrollBar(track, s.Add("28"), 31, 14);
    return s.Layers();
}

// Screen 4: the profile list, the active profile ticked.
std::vector<ArtLayer> SettingsList() {
    Screen s;
    s.Add("21").FillAll();
    Canvas& bar = s.Add("4");
    Canvas& shadow = s.Add("22");
    Canvas& title = s.Add("3");
    Canvas& number = s.Add("5");
    Canvas& selShadow = s.Add("19");
    Canvas& selBar = s.Add("17");
    Canvas& selFrame = s.Add("18");
    Canvas& inside = s.Add("43");
    Canvas& tick = s.Add("44");
    Canvas& border = s.Add("42");
    Canvas& boxShadow = s.Add("19");
    Canvas& rowText = s.Add("20");
    Canvas& selText = s.Add("16");
    Canvas& overlay = s.Add("ovl");

    TitleBar(bar, shadow);
    title.Text(2, TitleText, u"Profiles", SmallFont());
    RightAligned(number, TitleText, u"4-2-1");
    Selection(selShadow, selBar, selFrame, RowTops[1]);

    const char16_t* names[3] = {u"Normal", u"Quiet", u"Noisy"};
    const PictureRows* pictures[3] = {&icons::Bell, &icons::SpeakerMuted, &icons::SpeakerLoud};
    for (int row = 0; row < 3; ++row) {
        const int top = RowTops[row];
        Stamp(RowIconX, top + 3, *pictures[row], icons::IconColours(overlay));
        (row == 1 ? selText : rowText).Text(RowTextX, top + 3, names[row], SmallFont());
    }
    const int boxX = 81;
    const int boxY = RowTops[1] + 2;
    Stamp(boxX, boxY, icons::TickBox, {{'b', {&border}}, {'f', {&inside}}, {'m', {&tick}}});
    boxShadow.VLine(boxX + 9, boxY + 1, boxY + 9);
    boxShadow.HLine(boxX + 1, boxX + 9, boxY + 9);
    StatusRow(overlay);

    SoftKeyBar(s.Add("7"));
    SoftKeyTexts(s.Add("6"), u"Back", u"Select");
    Canvas& track = s.Add("29");
    ScrollBar(track, s.Add("28"), 38, 14);
    return s.Layers();
}

// Screen 5: the message editor, the word being typed marked.
std::vector<ArtLayer> MessageEditor() {
    Screen s;
    s.Add("2").FillAll();
    Canvas& bar = s.Add("4");
    Canvas& shadow = s.Add("22");
    Canvas& overlay = s.Add("ovl");
    Canvas& title = s.Add("3");
    Canvas& body = s.Add("31");
    Canvas& border = s.Add("34");
    Canvas& boxText = s.Add("30");
    Canvas& keyBar = s.Add("7");
    Canvas& keyText = s.Add("6");
    Canvas& text = s.Add("57");
    Canvas& markBar = s.Add("neg2");
    Canvas& markText = s.Add("neg57");

    TitleBar(bar, shadow);
    StatusRow(overlay);
    // The text input mode symbol: "T9" on a white plate.
    overlay.Fill(2, 10, 12, 9, White);
    overlay.Text(3, TitleText, u"T9", SmallFont(), qRgb(0, 0, 0));
    title.Text(17, TitleText, u"Abc", SmallFont());
    RightAligned(title, TitleText, u"748");

    constexpr int LineTop = 25;
    const QStringView typed = u"See you at ";
    const QStringView word = u"home";
    text.Text(2, LineTop, typed, SmallFont());
    const int wordX = After(2, typed);
    markBar.Fill(wordX - 1, LineTop - 1, SmallFont().Width(word) + 2, 10);
    markText.Text(wordX, LineTop, word, SmallFont());

    border.Frame(2, 44, 97, 19);
    body.Fill(3, 45, 95, 17);
    Centred(boxText, 50, u"Chars left: 147");

    SoftKeyBar(keyBar);
    SoftKeyTexts(keyText, u"Send", u"Options");
    return s.Layers();
}

// Screen 6: a phonebook entry, the e-mail row selected.
std::vector<ArtLayer> PhonebookEntry() {
    Screen s;
    s.Add("2").FillAll();
    Canvas& bar = s.Add("4");
    Canvas& shadow = s.Add("22");
    Canvas& overlay = s.Add("ovl");
    Canvas& title = s.Add("3");
    Canvas& name = s.Add("1");
    Canvas& number = s.Add("11");
    Canvas& selBar = s.Add("neg2");
    Canvas& selText = s.Add("neg13");
    Canvas& selBorder = s.Add("neg42");
    Canvas& selFill = s.Add("neg43");
    Canvas& selMark = s.Add("neg44");
    Canvas& web = s.Add("13");
    Canvas& border = s.Add("42");
    Canvas& fill = s.Add("43");
    Canvas& mark = s.Add("44");
    Canvas& around = s.Add("45");
    Canvas& keyBar = s.Add("7");
    Canvas& keyText = s.Add("6");
    Canvas& track = s.Add("29");
    Canvas& thumb = s.Add("28");

    TitleBar(bar, shadow);
    StatusRow(overlay);
    title.Text(2, TitleText, u"Phonebook", SmallFont());

    constexpr int Tops[4] = {23, 34, 45, 56};
    const Legend plain = {{'s', {&around}}, {'b', {&border}}, {'f', {&fill}}, {'m', {&mark}}};
    // In the selected row the bar takes the symbol's surroundings.
    const Legend inverted = {
        {'s', {&selBar}}, {'b', {&selBorder}}, {'f', {&selFill}}, {'m', {&selMark}}};
    Stamp(0, Tops[0], icons::SymbolPerson, plain);
    name.Text(13, Tops[0] + 2, u"John Smith", SmallFont());
    Stamp(0, Tops[1], icons::SymbolHandset, plain);
    number.Text(13, Tops[1] + 2, u"+49 89 1234567", SmallFont());
    selBar.Fill(0, Tops[2], ScrollX, 11);
    Stamp(0, Tops[2], icons::SymbolLetter, inverted);
    selText.Text(13, Tops[2] + 2, u"john@smith.com", SmallFont());
    Stamp(0, Tops[3], icons::SymbolGlobe, plain);
    web.Text(13, Tops[3] + 2, u"www.smith.com", SmallFont());

    SoftKeyBar(keyBar);
    SoftKeyTexts(keyText, u"Call", u"Options");
    ScrollBar(track, thumb, 40, 20);
    return s.Layers();
}

// Screen 7: the calendar's month view. The month fills the screen: its title bar sits at the top
// and the day grid takes the rows below.
std::vector<ArtLayer> CalendarMonth() {
    Screen s;
    s.Add("2").FillAll();
    Canvas& bar = s.Add("4");
    Canvas& shadow = s.Add("22");
    Canvas& title = s.Add("3");
    Canvas& cells = s.Add("46");
    Canvas& birthday = s.Add("48");
    Canvas& dates = s.Add("52");
    Canvas& today = s.Add("18");

    bar.Fill(0, 0, art::Width, 11);
    shadow.HLine(0, art::Width - 1, 11);
    title.Text(2, 2, u"September", SmallFont());
    RightAligned(title, 2, u"Wk 36");

    // Seven columns of 13-pixel cells with a one-pixel gap; September 2003 starts on a Monday.
    constexpr int CellW = 13, CellH = 9, Left = 2, GridTop = 19;
    const char16_t* weekdays[7] = {u"M", u"T", u"W", u"T", u"F", u"S", u"S"};
    for (int col = 0; col < 7; ++col) {
        const int x = Left + col * (CellW + 1);
        dates.Text(x + (CellW - TinyFont().Width(weekdays[col])) / 2, 13, weekdays[col],
                   TinyFont());
    }
    constexpr int Today = 15, Birthday = 18;
    for (int day = 1; day <= 30; ++day) {
        const int x = Left + ((day - 1) % 7) * (CellW + 1);
        const int y = GridTop + ((day - 1) / 7) * (CellH + 1);
        (day == Birthday ? birthday : cells).Fill(x, y, CellW, CellH);
        const QString digits = QString::number(day);
        dates.Text(x + (CellW - TinyFont().Width(digits) + 1) / 2, y + 2, digits, TinyFont());
        if (day == Today) {
            today.Frame(x - 1, y - 1, CellW + 2, CellH + 2);
        }
    }

    SoftKeyBar(s.Add("7"));
    SoftKeyTexts(s.Add("6"), u"Back", u"Options");
    return s.Layers();
}

// Screen 8: the keypad lock message.
std::vector<ArtLayer> KeypadLocked() {
    Screen s;
    s.Add("2").FillAll();
    Canvas& overlay = s.Add("ovl");
    Canvas& text = s.Add("1");

    StatusRow(overlay);
    Stamp(37, 22, icons::Key, icons::IconColours(overlay));
    Centred(text, 38, u"Keypad");
    Centred(text, 48, u"locked");
    return s.Layers();
}

// Screen 9: a new calendar entry in marking mode, the cursor on the day.
std::vector<ArtLayer> NewCalendarEntry() {
    Screen s;
    s.Add("2").FillAll();
    Canvas& bar = s.Add("4");
    Canvas& shadow = s.Add("22");
    Canvas& overlay = s.Add("ovl");
    Canvas& title = s.Add("3");
    Canvas& captions = s.Add("56");
    Canvas& keyBar = s.Add("7");
    Canvas& keyText = s.Add("6");
    Canvas& fields = s.Add("57");
    Canvas& cursorBar = s.Add("neg2");
    Canvas& cursorText = s.Add("neg57");
    Canvas& markBack = s.Add("26");
    Canvas& markEdge = s.Add("n26");
    Canvas& markText = s.Add("25");

    TitleBar(bar, shadow);
    StatusRow(overlay);
    title.Text(2, TitleText, u"Appointment", SmallFont());

    // The MARK indicator at the right end of the title bar, edged while it is shown.
    constexpr int MarkX = 75, MarkY = 10, MarkW = 24, MarkH = 9;
    markBack.Fill(MarkX, MarkY, MarkW, MarkH);
    markEdge.Frame(MarkX - 1, MarkY - 1, MarkW + 2, MarkH + 2, White);
    markText.Text(MarkX + (MarkW - SmallFont().Width(u"MARK")) / 2, MarkY + 1, u"MARK",
                  SmallFont());

    captions.Text(2, 25, u"Date:", SmallFont());
    const QStringView day = u"15";
    constexpr int FieldX = 4, DateTop = 35;
    cursorBar.Fill(FieldX - 1, DateTop - 1, SmallFont().Width(day) + 2, 9);
    cursorText.Text(FieldX, DateTop, day, SmallFont());
    fields.Text(After(FieldX, day), DateTop, u".09.2003", SmallFont());
    captions.Text(2, 47, u"Time:", SmallFont());
    fields.Text(FieldX, 57, u"12:00", SmallFont());

    SoftKeyBar(keyBar);
    SoftKeyTexts(keyText, u"", u"Save");
    return s.Layers();
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
