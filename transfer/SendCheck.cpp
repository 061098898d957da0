#include "SendCheck.h"

#include "model/ImageLayout.h"

#include <algorithm>

namespace vormante {

namespace {

QString Hex(std::size_t value, int width) {
    return QStringLiteral("0x") +
           QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0'));
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
    const layout::ImagePlace place = layout::PlaceOf(offset);
    if (place.part == nullptr)
        return offset < IMAGE_SIZE ? QStringLiteral("outside the tables") : QStringLiteral("past the image");
    switch (place.part->kind) {
    case layout::PartKind::SectorHeader:
        return QStringLiteral("sector header %1").arg(place.record + 1);
    case layout::PartKind::Satellite:
        return QStringLiteral("satellite slot %1").arg(place.record);
    case layout::PartKind::TransponderMark:
        return QStringLiteral("transponder mark %1").arg(place.record);
    case layout::PartKind::Settings:
        return QStringLiteral("the settings block");
    case layout::PartKind::Transponder:
        return QStringLiteral("transponder slot %1").arg(place.record);
    case layout::PartKind::Channel:
        break;
    }
    return QStringLiteral("channel slot %1").arg(place.record);
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
