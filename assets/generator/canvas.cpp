#include "assets/generator/canvas.h"

#include <QtGlobal>

Canvas::Canvas() : image_(art::Width, art::Height, QImage::Format_RGB32) {
    image_.fill(art::Clear);
}

void Canvas::Dot(int x, int y, QRgb colour) {
    if (x >= 0 && x < art::Width && y >= 0 && y < art::Height) {
        image_.setPixel(x, y, colour);
    }
}

void Canvas::Fill(int x, int y, int width, int height, QRgb colour) {
    for (int row = y; row < y + height; ++row) {
        for (int col = x; col < x + width; ++col) {
            Dot(col, row, colour);
        }
    }
}

void Canvas::HLine(int x0, int x1, int y, QRgb colour) {
    Fill(x0, y, x1 - x0 + 1, 1, colour);
}

void Canvas::VLine(int x, int y0, int y1, QRgb colour) {
    Fill(x, y0, 1, y1 - y0 + 1, colour);
}

void Canvas::Frame(int x, int y, int width, int height, QRgb colour) {
    HLine(x, x + width - 1, y, colour);
    HLine(x, x + width - 1, y + height - 1, colour);
    VLine(x, y, y + height - 1, colour);
    VLine(x + width - 1, y, y + height - 1, colour);
}

int Canvas::Text(int x, int top, QStringView text, const PixelFont& font, QRgb colour) {
    for (QChar c : font.Missing(text)) {
        if (!missing_.contains(c)) {
            missing_.append(c);
        }
    }
    font.Draw(text, x, top, [&](int px, int py) { Dot(px, py, colour); });
    return font.Width(text);
}

void Canvas::Add(const Canvas& other) {
    for (int y = 0; y < art::Height; ++y) {
        for (int x = 0; x < art::Width; ++x) {
            if (other.Covers(x, y)) {
                image_.setPixel(x, y, other.image_.pixel(x, y));
            }
        }
    }
    missing_ += other.missing_;
}

bool Canvas::Covers(int x, int y) const {
    return x >= 0 && x < art::Width && y >= 0 && y < art::Height &&
           image_.pixel(x, y) != art::Clear;
}

Canvas Canvas::Ring(QRgb colour) const {
    Canvas ring;
    for (int y = 0; y < art::Height; ++y) {
        for (int x = 0; x < art::Width; ++x) {
            if (Covers(x, y)) {
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy) {
                for (int dx = -1; dx <= 1 && !touches; ++dx) {
                    touches = Covers(x + dx, y + dy);
                }
            }
            if (touches) {
                ring.Dot(x, y, colour);
            }
        }
    }
    return ring;
}

void Stamp(int x, int y, const PictureRows& rows, const Legend& legend) {
    int row = 0;
    for (const char* line : rows) {
        for (int col = 0; line[col] != '\0'; ++col) {
            const char c = line[col];
            if (c == '.' || c == ' ') {
                continue;
            }
            bool known = false;
            for (const auto& [key, pen] : legend) {
                if (key == c) {
                    pen.canvas->Dot(x + col, y + row, pen.colour);
                    known = true;
                }
            }
            if (!known) {
                qFatal("picture row uses '%c', which its legend does not name", c);
            }
        }
        ++row;
    }
}
