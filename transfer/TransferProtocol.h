// The receiver's transfer protocol: frame bytes, sizes, the texts the user
// sees, and the rule that names a received image file.
#pragma once

#include "model/ImageLayout.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

namespace vormante {

// The direction is fixed when a transfer window opens.
enum class TransferDirection {
    Send = 0,    // PC to receiver ("uploading")
    Receive = 1, // receiver to PC ("downloading")
};

// The PC sends the image in blocks, each asked for by the receiver.
inline constexpr std::size_t BLOCK_SIZE = 8192;
inline constexpr std::size_t BLOCK_COUNT = IMAGE_SIZE / BLOCK_SIZE;
static_assert(BLOCK_SIZE * BLOCK_COUNT == IMAGE_SIZE);
// The most image bytes taken in one step of a receive.
inline constexpr std::size_t RECEIVE_CHUNK = 150;
// Frames are two bytes; the second is the first with its hex digits swapped.
inline constexpr std::size_t FRAME_SIZE = 2;

using Frame = std::array<std::uint8_t, FRAME_SIZE>;
inline constexpr Frame SEND_READY = {0xB1, 0x1B};    // the sender of this frame is about to send the image
inline constexpr Frame RECEIVE_READY = {0xC1, 0x1C}; // the sender of this frame is ready to take the image
inline constexpr Frame NEXT_BLOCK = {0xD1, 0x1D};    // receiver: last block arrived, send the next
inline constexpr Frame REPEAT_BLOCK = {0xE1, 0x1E};  // receiver: send the last block again

enum class FrameKind { None, SendReadyFrame, ReceiveReadyFrame, NextBlockFrame, RepeatBlockFrame };

// Only a read of exactly two bytes can be a frame.
FrameKind RecogniseFrame(const std::uint8_t* bytes, std::size_t count);

// A name that contains ".bin", ".BIN" or ".Bin" anywhere is used as it is;
// any other gets ".bin" appended.
QString ReceivedFileName(const QString& chosenName);

// Maps the port list's "COM1".."COM3" to the platform's first three serial
// ports; any other name is a device path (USB adapters, pseudo-terminals).
QString SerialDeviceName(const QString& portName);

// Texts shown to the user, exactly as the program has always shown them; shown
// through QCoreApplication::translate("TransferProtocol", ...).
namespace transfertext {
inline constexpr char PORT_INVALID[] =
    QT_TRANSLATE_NOOP("TransferProtocol", "The selected COM is invalid or have already been opened!");
//: follows a message about a failed transfer
inline constexpr char GENERIC_ERROR[] = QT_TRANSLATE_NOOP("TransferProtocol", "Error!");
inline constexpr char SELECT_PORT[] =
    QT_TRANSLATE_NOOP("TransferProtocol", "Please Select Port type and press the Start button!");
inline constexpr char WAITING[] = QT_TRANSLATE_NOOP("TransferProtocol", "Waiting for handshake signal!");
//: STB: the set-top box, the receiver
inline constexpr char RECEIVING[] = QT_TRANSLATE_NOOP("TransferProtocol", "Data is transmitting form STB!");
inline constexpr char SENDING[] = QT_TRANSLATE_NOOP("TransferProtocol", "Data is uploading to STB!");
//: the receiver was set to receive when the PC sends, or the other way round
inline constexpr char WRONG_DIRECTION[] =
    QT_TRANSLATE_NOOP("TransferProtocol", "You have select wrong direction");
inline constexpr char UPLOADED[] = QT_TRANSLATE_NOOP("TransferProtocol", "Data have been uploaded to STB");
inline constexpr char DOWNLOADED_SAVED_TO[] =
    "Data have been DownLoaded and saved to "; // SAVED_TO's English start
//: %1 is the path the received image was saved to
inline constexpr char SAVED_TO[] =
    QT_TRANSLATE_NOOP("TransferProtocol", "Data have been DownLoaded and saved to %1");
//: IRD: the receiver
inline constexpr char SEND_CAPTION[] = QT_TRANSLATE_NOOP("TransferProtocol", "Data from PC to IRD");
//: IRD: the receiver
inline constexpr char RECEIVE_CAPTION[] = QT_TRANSLATE_NOOP("TransferProtocol", "Data from IRD to PC");
inline constexpr char FILE_FILTER[] = "BIN data(*.bin)";
} // namespace transfertext

} // namespace vormante
