#include "assets/generator/canvas.h"

#include <QtGlobal>

Canvas::Canvas() : image_(Art::Width, Art::Height, QImage::Format_RGB32) {
    image_.fill(Art::Clear);
}

void Canvas::dot(int x, int y, QRgb colour) {
    if (x >= 0 && x < Art::Width && y >= 0 && y < Art::Height) {
        image_.setPixel(x, y, colour);
    }
}

void Canvas::fill(int x, int y, int width, int height, QRgb colour) {
    for (int row = y; row < y + height; ++row) {
        for (int col = x; col < x + width; ++col) {
            dot(col, row, colour);
        }
    }
}

void Canvas::hLine(int x0, int x1, int y, QRgb colour) {
    fill(x0, y, x1 - x0 + 1, 1, colour);
}

void Canvas::vLine(int x, int y0, int y1, QRgb colour) {
    fill(x, y0, 1, y1 - y0 + 1, colour);
}

void Canvas::frame(int x, int y, int width, int height, QRgb colour) {
    hLine(x, x + width - 1, y, colour);
    hLine(x, x + width - 1, y + height - 1, colour);
    vLine(x, y, y + height - 1, colour);
    vLine(x + width - 1, y, y + height - 1, colour);
}

int Canvas::text(int x, int top, QStringView text, const PixelFont& font, QRgb colour) {
    for (QChar c : font.missing(text)) {
        if (!missing_.contains(c)) {
            missing_.append(c);
        }
    }
    font.draw(text, x, top, [&](int px, int py) { dot(px, py, colour); });
    return font.width(text);
}

void Canvas::add(const Canvas& other) {
    for (int y = 0; y < Art::Height; ++y) {
        for (int x = 0; x < Art::Width; ++x) {
            if (other.covers(x, y)) {
                image_.setPixel(x, y, other.image_.pixel(x, y));
            }
        }
    }
    missing_ += other.missing_;
}

bool Canvas::covers(int x, int y) const {
    return x >= 0 && x < Art::Width && y >= 0 && y < Art::Height &&
           image_.pixel(x, y) != Art::Clear;
}

Canvas Canvas::ring(QRgb colour) const {
    Canvas ring;
    for (int y = 0; y < Art::Height; ++y) {
        for (int x = 0; x < Art::Width; ++x) {
            if (covers(x, y)) {
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy) {
                for (int dx = -1; dx <= 1 && !touches; ++dx) {
                    touches = covers(x + dx, y + dy);
                }
            }
            if (touches) {
                ring.dot(x, y, colour);
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
                    pen.canvas->dot(x + col, y + row, pen.colour);
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
