#include "menu/nc_metrics.h"

#include <QFontMetrics>

#include <algorithm>

cNCMetrics::cNCMetrics(const QFont& menuFont) : menuFont_(menuFont), boldMenuFont_(menuFont) {
    boldMenuFont_.setBold(true);
}

int cNCMetrics::TextWidth(const QString& text, bool bold) const {
    return QFontMetrics(bold ? boldMenuFont_ : menuFont_).horizontalAdvance(WithoutMnemonic(text));
}

int cNCMetrics::TextHeight() const {
    return QFontMetrics(menuFont_).size(Qt::TextSingleLine, QStringLiteral("yY")).height();
}

int cNCMetrics::RowHeight(int iconSize) const {
    return std::max(iconSize + 6, TextHeight() + 6);
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
