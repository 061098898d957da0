// Fast text widths for sizing list columns: the advance of every Latin-1 character
// is measured once per font, so thousands of cells are sized without laying out
// each text. The sum leaves out kerning and ligatures, which narrow Latin text, so it
// errs on the wide side; texts with other characters are measured exactly.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <array>

namespace vormante {

class TextWidthTable {
public:
    explicit TextWidthTable(const QFont& font);

    void SetFont(const QFont& font);
    // Whole pixels, rounded up.
    int Width(const QString& text) const;

private:
    QFontMetricsF metrics_;
    std::array<qreal, 256> advances_{};
};

} // namespace vormante
