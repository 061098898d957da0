#include "SendCheck.h"

#include "model/ImageLayout.h"

#include <QCoreApplication>

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
        return offset < IMAGE_SIZE ? QCoreApplication::translate("SendCheck", "outside the tables")
                                   : QCoreApplication::translate("SendCheck", "past the image");
    switch (place.part->kind) {
    case layout::PartKind::SectorHeader:
        //: %1 is the sector's number
        return QCoreApplication::translate("SendCheck", "sector header %1").arg(place.record + 1);
    case layout::PartKind::Satellite:
        //: %1 is the slot's number
        return QCoreApplication::translate("SendCheck", "satellite slot %1").arg(place.record);
    case layout::PartKind::TransponderMark:
        //: %1 is the mark's number
        return QCoreApplication::translate("SendCheck", "transponder mark %1").arg(place.record);
    case layout::PartKind::Settings:
        return QCoreApplication::translate("SendCheck", "the settings block");
    case layout::PartKind::Transponder:
        //: %1 is the slot's number
        return QCoreApplication::translate("SendCheck", "transponder slot %1").arg(place.record);
    case layout::PartKind::Channel:
        break;
    }
    //: %1 is the slot's number
    return QCoreApplication::translate("SendCheck", "channel slot %1").arg(place.record);
}

namespace sendcheck {

QString ByteLine(const DifferingByte& difference) {
    //: %1 is the offset, %2 the same in hex, %3 where it lies, %4 and %5 the byte values in hex
    return QCoreApplication::translate("SendCheck", "byte %1 (%2, %3): sent %4, the receiver holds %5")
        .arg(difference.offset)
        .arg(Hex(difference.offset, 5), ImageRegion(difference.offset), Hex(difference.sent, 2),
             Hex(difference.held, 2));
}

QString DifferenceText(const std::vector<DifferingByte>& differences, std::size_t shown) {
    QString text;
    if (differences.size() == 1)
        text = QCoreApplication::translate(
            "SendCheck", "The receiver holds an image that differs from the one sent in 1 byte:");
    else
        //: %1 is the number of bytes (more than one)
        text = QCoreApplication::translate(
                   "SendCheck", "The receiver holds an image that differs from the one sent in %1 bytes:")
                   .arg(differences.size());
    for (std::size_t i = 0; i < std::min(shown, differences.size()); ++i)
        text += QStringLiteral("\n  ") + ByteLine(differences[i]);
    if (differences.size() > shown)
        //: %1 is the number of differing bytes not listed
        text += QStringLiteral("\n  ") +
                QCoreApplication::translate("SendCheck", "and %1 more").arg(differences.size() - shown);
    return text;
}

} // namespace sendcheck

} // namespace vormante
