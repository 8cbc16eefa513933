#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <initializer_list>
#include <vector>

// One letter of a pixel font as drawn in the source: its character and its rows from the top of
// the capital letters down, '#' for an inked pixel and '.' for an empty one. Rows below the last
// one given are empty; rows past the font's ascent are the descender.
struct GlyphArt {
    char16_t character;
    std::initializer_list<const char*> rows;
};

// A bitmap font of the preview screens: fixed height, proportional widths, a fixed gap between
// letters. The phone draws its texts without anti-aliasing, so every pixel is either ink or not.
class PixelFont {
public:
    // ascent: rows from the top of the capitals to the baseline inclusive; descent: rows below.
    PixelFont(int ascent, int descent, int letterGap, int spaceWidth,
              std::initializer_list<GlyphArt> glyphs);

    int ascent() const { return ascent_; }
    int descent() const { return descent_; }
    int height() const { return ascent_ + descent_; }

    bool has(QChar c) const;
    // The characters of text that the font cannot draw, each once, in order of appearance.
    QString missing(QStringView text) const;
    // Width in pixels from the first inked column of the first letter to the last column of the
    // last letter (no trailing gap).
    int width(QStringView text) const;
    // Calls ink (x, y) for every inked pixel of text with its capitals' top-left corner at
    // (left, top). Characters the font lacks advance by a space.
    void draw(QStringView text, int left, int top, const std::function<void(int, int)>& ink) const;

private:
    struct Glyph {
        char16_t character;
        int width;
        std::vector<QString> rows;
    };
    const Glyph* find(QChar c) const;
    int advance(QChar c) const;

    int ascent_;
    int descent_;
    int letterGap_;
    int spaceWidth_;
    std::vector<Glyph> glyphs_;
};

// The phone's text font: capitals and digits 7 pixels high, lower case with two-pixel descenders.
const PixelFont& SmallFont();
// The bold font of the standby screen's provider name and clock, 12 pixels high.
const PixelFont& LargeFont();
// Digits and weekday letters 5 pixels high, for the calendar's day grid.
const PixelFont& TinyFont();
