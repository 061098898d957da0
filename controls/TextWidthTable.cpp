#include "TextWidthTable.h"

#include <cmath>

namespace vormante {

TextWidthTable::TextWidthTable(const QFont& font) : metrics_(font) {
    SetFont(font);
}

void TextWidthTable::SetFont(const QFont& font) {
    metrics_ = QFontMetricsF(font);
    for (int c = 0; c < 256; ++c)
        advances_[static_cast<std::size_t>(c)] = metrics_.horizontalAdvance(QChar(c));
}

int TextWidthTable::Width(const QString& text) const {
    qreal width = 0;
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return static_cast<int>(std::ceil(metrics_.horizontalAdvance(text)));
        width += advances_[c.unicode()];
    }
    return static_cast<int>(std::ceil(width));
}

} // namespace vormante
