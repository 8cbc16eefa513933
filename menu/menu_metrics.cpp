#include "menu/menu_metrics.h"

#include <QFontMetrics>

#include <algorithm>

MenuMetrics::MenuMetrics(const QFont& menuFont) : menuFont_(menuFont), boldMenuFont_(menuFont) {
    boldMenuFont_.setBold(true);
}

int MenuMetrics::textWidth(const QString& text, bool bold) const {
    return QFontMetrics(bold ? boldMenuFont_ : menuFont_).horizontalAdvance(WithoutMnemonic(text));
}

int MenuMetrics::textHeight() const {
    return QFontMetrics(menuFont_).size(Qt::TextSingleLine, QStringLiteral("yY")).height();
}

int MenuMetrics::rowHeight(int iconSize) const {
    return std::max(iconSize + 6, textHeight() + 6);
}

QString WithoutMnemonic(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            ++i;
            if (i == text.size())
                break;
        }
        plain.append(text.at(i));
    }
    return plain;
}
