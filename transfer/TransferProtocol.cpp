#include "TransferProtocol.h"

namespace vormante {

FrameKind RecogniseFrame(const std::uint8_t* bytes, std::size_t count) {
    if (count != FRAME_SIZE)
        return FrameKind::None;
    const Frame read = {bytes[0], bytes[1]};
    if (read == SEND_READY)
        return FrameKind::SendReadyFrame;
    if (read == RECEIVE_READY)
        return FrameKind::ReceiveReadyFrame;
    if (read == NEXT_BLOCK)
        return FrameKind::NextBlockFrame;
    if (read == REPEAT_BLOCK)
        return FrameKind::RepeatBlockFrame;
    return FrameKind::None;
}

QString ReceivedFileName(const QString& chosenName) {
    for (const char* ending : {".bin", ".BIN", ".Bin"}) {
        if (chosenName.contains(QLatin1String(ending), Qt::CaseSensitive))
            return chosenName;
    }
    return chosenName + QStringLiteral(".bin");
}

QString SerialDeviceName(const QString& portName) {
    static const QString items[] = {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3")};
    for (int i = 0; i < 3; ++i) {
        if (portName == items[i]) {
#ifdef Q_OS_WIN
            return portName;
#else
            return QStringLiteral("/dev/ttyS%1").arg(i);
#endif
        }
    }
    return portName;
}

} // namespace vormante
