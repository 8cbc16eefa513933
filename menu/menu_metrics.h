#pragma once

#include <QFont>
#include <QString>

// The menu font, its bold copy and the measures derived from them. Read afresh from the menu's
// font each time a menu is measured, so a changed desktop font shows at the next opening.
class MenuMetrics {
public:
    explicit MenuMetrics(const QFont& menuFont);

    const QFont& menuFont() const { return menuFont_; }
    const QFont& boldMenuFont() const { return boldMenuFont_; }
    // The width of a caption as drawn: an "&" marks the access key and takes no room.
    int textWidth(const QString& text, bool bold = false) const;
    // The height of the text "yY" in the menu font.
    int textHeight() const;
    // A drop-down row: room for the icon or the text, whichever is taller, and 6 pixels.
    int rowHeight(int iconSize) const;

private:
    QFont menuFont_;
    QFont boldMenuFont_;
};

// The text with its access-key marks removed ("&&" stands for one "&").
QString WithoutMnemonic(const QString& text);
