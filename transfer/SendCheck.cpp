#include "SendCheck.h"

#include "model/ImageLayout.h"

#include <algorithm>

namespace vormante {

namespace {

QString Hex(std::size_t value, int width) {
    return QStringLiteral("0x") +
           QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}

// The slot of a table of equal records starting at `table`, or -1 outside it.
int SlotIn(std::size_t offset, std::size_t table, std::size_t recordSize, int slots) {
    if (offset < table || offset >= table + recordSize * static_cast<std::size_t>(slots))
        return -1;
    return static_cast<int>((offset - table) / recordSize);
}

} // namespace

std::vector<DifferingByte> DifferingBytes(const QByteArray& sent, const QByteArray& held) {
    std::vector<DifferingByte> differences;
    const qsizetype size = std::max(sent.size(), held.size());
    for (qsizetype i = 0; i < size; ++i) {
        const auto a = static_cast<std::uint8_t>(i < sent.size() ? sent[i] : 0);
        const auto b = static_cast<std::uint8_t>(i < held.size() ? held[i] : 0);
        if (a != b || i >= sent.size() || i >= held.size())
            differences.push_back({static_cast<std::size_t>(i), a, b});
    }
    return differences;
}

QString ImageRegion(std::size_t offset) {
    using namespace layout;
    for (std::size_t sector = 0; sector < SECTOR_COUNT; ++sector)
        if (offset >= SECTOR_OFFSETS[sector] && offset < SECTOR_OFFSETS[sector] + SECTOR_HEADER_SIZE)
            return QStringLiteral("sector header %1").arg(sector + 1);
    if (const int s = SlotIn(offset, SATELLITE_TABLE, SATELLITE_RECORD_SIZE, SATELLITE_SLOTS); s >= 0)
        return QStringLiteral("satellite slot %1").arg(s);
    if (const int t = SlotIn(offset, TRANSPONDER_MARK_TABLE, 1, TRANSPONDER_SLOTS); t >= 0)
        return QStringLiteral("transponder mark %1").arg(t);
    if (offset >= SETTINGS_BLOCK && offset < SETTINGS_BLOCK + SETTINGS_BLOCK_SIZE)
        return QStringLiteral("the settings block");
    if (const int t = SlotIn(offset, TRANSPONDER_TABLE, TRANSPONDER_RECORD_SIZE, TRANSPONDER_SLOTS); t >= 0)
        return QStringLiteral("transponder slot %1").arg(t);
    for (std::size_t run = 0; run < CHANNEL_RUN_COUNT; ++run)
        if (const int c =
                SlotIn(offset, CHANNEL_RUN_OFFSETS[run], CHANNEL_RECORD_SIZE, CHANNEL_RUN_SLOTS[run]);
            c >= 0)
            return QStringLiteral("channel slot %1").arg(CHANNEL_RUN_FIRST_SLOT[run] + c);
    return offset < IMAGE_SIZE ? QStringLiteral("outside the tables") : QStringLiteral("past the image");
}

namespace sendcheck {

QString ByteLine(const DifferingByte& difference) {
    return QStringLiteral("byte %1 (%2, %3): sent %4, the receiver holds %5")
        .arg(difference.offset)
        .arg(Hex(difference.offset, 5), ImageRegion(difference.offset), Hex(difference.sent, 2),
             Hex(difference.held, 2));
}

QString DifferenceText(const std::vector<DifferingByte>& differences, std::size_t shown) {
    QString text = QStringLiteral("The receiver holds an image that differs from the one sent in %1 %2:")
                       .arg(differences.size())
                       .arg(differences.size() == 1 ? QStringLiteral("byte") : QStringLiteral("bytes"));
    for (std::size_t i = 0; i < std::min(shown, differences.size()); ++i)
        text += QStringLiteral("\n  ") + ByteLine(differences[i]);
    if (differences.size() > shown)
        text += QStringLiteral("\n  and %1 more").arg(differences.size() - shown);
    return text;
}

} // namespace sendcheck

} // namespace vormante
