// The check after sending: what the receiver sends back is compared byte for
// byte with what was sent, and every byte that differs is named by its offset
// and the table it lies in, so even a change the channel lists do not show
// (a settings byte, a free slot) is found.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vormante {

struct DifferingByte {
    std::size_t offset = 0;
    std::uint8_t sent = 0;
    std::uint8_t held = 0;
};

// Every offset where the two differ (a shorter one differs past its end, as 0).
std::vector<DifferingByte> DifferingBytes(const QByteArray& sent, const QByteArray& held);

// Where an offset lies: "channel slot 812", "the settings block", "sector header 2", ...
QString ImageRegion(std::size_t offset);

namespace sendcheck {
// Shown through QCoreApplication::translate("SendCheck", IDENTICAL).
inline constexpr char IDENTICAL[] =
    QT_TRANSLATE_NOOP("SendCheck", "The receiver holds exactly the image that was sent.");
// "The receiver holds an image that differs from the one sent in 1 byte:" and one line
// per byte, at most `shown` of them, then how many more.
QString DifferenceText(const std::vector<DifferingByte>& differences, std::size_t shown = 10);
// "byte 4660 (0x1234, channel slot 12): sent 0x12, the receiver holds 0xED"
QString ByteLine(const DifferingByte& difference);
} // namespace sendcheck

} // namespace vormante
