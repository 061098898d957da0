// The transfer protocol against a scripted channel: both exchanges step by
// step, frames and stray bytes, the file checks, saving, and a lost port.
#include "EngineRig.h"
#include "FakeCountdown.h"
#include "FakeSerialChannel.h"
#include "TestSupport.h"
#include "model/SampleImages.h"
#include "transfer/TransferEngine.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

using namespace vormante;
using Controls = RecordingView::Controls;

namespace {
using testsupport::ReadFile;
using testsupport::WriteFile;
const Controls ALL_ENABLED = {true, true, true, true};
const Controls LISTENING = {false, false, true, true};
const Controls START_FAILED = {true, false, true, true};
const Controls TRANSFERRING = {false, false, false, false};

QString Text(const char* text) {
    return QString::fromLatin1(text);
}

QByteArray ImageBytes(std::uint32_t seed, std::size_t size = IMAGE_SIZE) {
    return testsupport::ToByteArray(testsupport::RandomBytes(size, seed));
}

// A consistent image, for tests about saving rather than about what arrived.
QByteArray DemoBytes() {
    return testsupport::ToByteArray(BuildDemoImage());
}

QByteArray Block(const QByteArray& image, int number) {
    return image.mid(static_cast<qsizetype>(BLOCK_SIZE) * (number - 1), static_cast<qsizetype>(BLOCK_SIZE));
}

struct Rig : testsupport::EngineRig<FakeSerialChannel> {
    using EngineRig::EngineRig;
    bool Start() { return engine.Start(QStringLiteral("COM1")); }
};
} // namespace

class TestTransferEngine : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void windowOpensReadyToStart() {
        Rig rig(TransferDirection::Receive);
        QCOMPARE(rig.view.statuses, QStringList{Text(transfertext::SELECT_PORT)});
        QCOMPARE(rig.view.progress, QList<int>{0});
        QCOMPARE(rig.view.lastControls(), ALL_ENABLED);
        QCOMPARE(rig.engine.state(), TransferEngine::State::Closed);
    }

    void startAndStop() {
        Rig rig(TransferDirection::Receive);
        QVERIFY(rig.Start());
        QCOMPARE(rig.channel.openedName, QStringLiteral("COM1"));
        QCOMPARE(rig.view.statuses.last(), Text(transfertext::WAITING));
        QCOMPARE(rig.view.lastControls(), LISTENING);
        QVERIFY(!rig.Start()); // already listening
        rig.engine.StopListening();
        QVERIFY(!rig.channel.connected);
        QCOMPARE(rig.view.statuses.last(), Text(transfertext::SELECT_PORT));
        QCOMPARE(rig.view.lastControls(), ALL_ENABLED);
        QVERIFY(rig.view.messages.isEmpty());

        // Stop before any Start only resets the window.
        rig.engine.StopListening();
        QCOMPARE(rig.view.lastControls(), ALL_ENABLED);

        rig.engine.Exit();
        QVERIFY(rig.view.ended);
        QVERIFY(!rig.view.accepted);
    }

    void startFailures() {
        {
            Rig rig(TransferDirection::Receive);
            rig.channel.openResult = SerialChannel::OpenResult::PortUnavailable;
            QVERIFY(!rig.Start());
            QCOMPARE(rig.view.messages,
                     (QStringList{Text(transfertext::PORT_INVALID), Text(transfertext::GENERIC_ERROR)}));
            QCOMPARE(rig.view.lastControls(), START_FAILED);
            QCOMPARE(rig.engine.state(), TransferEngine::State::Closed);
        }
        {
            Rig rig(TransferDirection::Receive);
            rig.channel.openResult = SerialChannel::OpenResult::ConfigurationFailed;
            QVERIFY(!rig.Start());
            QCOMPARE(rig.view.messages, QStringList{Text(transfertext::GENERIC_ERROR)});
            QCOMPARE(rig.view.lastControls(), START_FAILED);
        }
    }

    void wholeSend() {
        const QByteArray image = ImageBytes(1);
        const QString file = Path(QStringLiteral("send.bin"));
        QVERIFY(WriteFile(file, image));
        Rig rig(TransferDirection::Send, file);
        QSignalSpy states(&rig.engine, &TransferEngine::StateChanged);
        QVERIFY(rig.Start());

        rig.channel.Arrive(RECEIVE_READY);
        QCOMPARE(rig.channel.writes, QList<QByteArray>{FakeSerialChannel::Bytes(SEND_READY)});
        QCOMPARE(rig.channel.purges, 1);
        QCOMPARE(rig.view.statuses.last(), Text(transfertext::SENDING));
        QCOMPARE(rig.view.lastControls(), TRANSFERRING);
        QCOMPARE(rig.engine.state(), TransferEngine::State::Sending);
        rig.view.progress.clear();

        for (int k = 1; k <= 26; ++k)
            rig.channel.Arrive(NEXT_BLOCK);

        QCOMPARE(rig.channel.writes.size(), 26);
        for (int k = 1; k <= 25; ++k)
            QCOMPARE(rig.channel.writes[k], Block(image, k));
        QList<int> expected;
        for (int k = 0; k <= 25; ++k)
            expected.append(k * static_cast<int>(BLOCK_SIZE));
        QCOMPARE(rig.view.progress, expected);
        QCOMPARE(rig.view.messages, QStringList{Text(transfertext::UPLOADED)});
        QVERIFY(!rig.channel.connected);
        QVERIFY(rig.view.ended && rig.view.accepted);
        QCOMPARE(rig.engine.state(), TransferEngine::State::Finished);
        QCOMPARE(rig.channel.purges, 1);
        QCOMPARE(states.size(), 3);
        QCOMPARE(states[0][0].value<TransferEngine::State>(), TransferEngine::State::Listening);
        QCOMPARE(states[1][0].value<TransferEngine::State>(), TransferEngine::State::Sending);
        QCOMPARE(states[2][0].value<TransferEngine::State>(), TransferEngine::State::Finished);
    }

    void repeatBlockResendsTheLastBlock() {
        const QByteArray image = ImageBytes(2);
        const QString file = Path(QStringLiteral("repeat.bin"));
        QVERIFY(WriteFile(file, image));
        Rig rig(TransferDirection::Send, file);
        QVERIFY(rig.Start());
        rig.channel.Arrive(RECEIVE_READY);

        // Before the first block there is nothing to repeat.
        rig.channel.Arrive(REPEAT_BLOCK);
        QCOMPARE(rig.channel.writes.size(), 1);
        QCOMPARE(rig.channel.purges, 2);

        for (int k = 1; k <= 7; ++k)
            rig.channel.Arrive(NEXT_BLOCK);
        const int progressBefore = rig.view.progress.size();
        rig.channel.Arrive(REPEAT_BLOCK);
        QCOMPARE(rig.channel.writes.size(), 9);
        QCOMPARE(rig.channel.writes.last(), image.mid(49152, 8192));
        QCOMPARE(rig.view.progress.size(), progressBefore);
        QCOMPARE(rig.view.progress.last(), 49152);
        QCOMPARE(rig.engine.acknowledged(), std::size_t(49152));

        for (int k = 8; k <= 26; ++k)
            rig.channel.Arrive(NEXT_BLOCK);
        QCOMPARE(rig.view.messages, QStringList{Text(transfertext::UPLOADED)});
        // Every block went out once, block 7 twice.
        QList<QByteArray> blocks = rig.channel.writes.mid(1);
        blocks.removeAt(7);
        QCOMPARE(blocks.size(), 25);
        for (int k = 1; k <= 25; ++k)
            QCOMPARE(blocks[k - 1], Block(image, k));
    }

    void repeatedHandshakeRestartsTheSend() {
        const QByteArray image = ImageBytes(3);
        const QString file = Path(QStringLiteral("restart.bin"));
        QVERIFY(WriteFile(file, image));
        Rig rig(TransferDirection::Send, file);
        QVERIFY(rig.Start());
        rig.channel.Arrive(RECEIVE_READY);
        for (int k = 1; k <= 4; ++k)
            rig.channel.Arrive(NEXT_BLOCK);
        rig.channel.Arrive(RECEIVE_READY);
        QCOMPARE(rig.channel.writes.last(), FakeSerialChannel::Bytes(SEND_READY));
        QCOMPARE(rig.engine.acknowledged(), std::size_t(0));
        rig.channel.Arrive(NEXT_BLOCK);
        QCOMPARE(rig.channel.writes.last(), Block(image, 1));
        // A restarted send must not finish before all 25 blocks are acknowledged again.
        for (int k = 2; k <= 25; ++k)
            rig.channel.Arrive(NEXT_BLOCK);
        QVERIFY(rig.view.messages.isEmpty());
        rig.channel.Arrive(NEXT_BLOCK);
        QCOMPARE(rig.view.messages, QStringList{Text(transfertext::UPLOADED)});
    }

    void receiveInChunks() {
        const QByteArray image = ImageBytes(4);
        Rig rig(TransferDirection::Receive);
        QVERIFY(rig.Start());
        rig.channel.Arrive(SEND_READY);
        QCOMPARE(rig.channel.writes, QList<QByteArray>{FakeSerialChannel::Bytes(RECEIVE_READY)});
        QCOMPARE(rig.channel.purges, 1);
        QCOMPARE(rig.view.statuses.last(), Text(transfertext::RECEIVING));
        QCOMPARE(rig.view.lastControls(), TRANSFERRING);

        rig.view.fileNames.append(Path(QStringLiteral("received")));
        rig.channel.reads.clear();
        rig.view.progress.clear();
        // More than an image waits at every step; the surplus is never taken.
        rig.channel.Arrive(image + QByteArray(1000, '\x55'));

        QCOMPARE(rig.channel.reads.size(), 1366);
        QCOMPARE(rig.channel.reads.count(150), 1365);
        QCOMPARE(rig.channel.reads.last(), std::size_t(50));
        QCOMPARE(rig.channel.input.size(), 1000);
        QCOMPARE(rig.view.progress.size(), 1366);
        QCOMPARE(rig.view.progress.first(), 150);
        QCOMPARE(rig.view.progress.last(), 204800);
        QCOMPARE(rig.view.fileNameAsks, 1);
        QCOMPARE(rig.engine.transferBuffer(), image);

        const QString saved = Path(QStringLiteral("received.bin"));
        QCOMPARE(rig.engine.savedFileName(), saved);
        QCOMPARE(ReadFile(saved), image);
        // Random bytes are no consistent image: saved all the same, with the problems counted.
        QVERIFY(rig.engine.receivedProblems() > 0);
        QCOMPARE(rig.view.messages,
                 QStringList{Text(transfertext::DOWNLOADED_SAVED_TO) + QDir::toNativeSeparators(saved) +
                             QStringLiteral("\n\n") +
                             TransferEngine::ReceivedProblemsText(rig.engine.receivedProblems())});
        QVERIFY(!rig.channel.connected);
        QVERIFY(rig.view.ended && rig.view.accepted);
        QCOMPARE(rig.channel.writes.size(), 1); // the PC never answers image data
    }

    // What arrived is checked: it is saved whatever the check says, and the final message
    // counts the problems of a damaged image instead of reporting a plain success.
    void receivedImageIsCheckedAndSavedAllTheSame_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("problems");
        QTest::newRow("consistent") << DemoBytes() << QString();
        auto db = std::make_unique<ChannelDatabase>();
        testsupport::LoadInto(*db, BuildDemoImage());
        db->Settings().setSatelliteCount(99); // a count the satellite table does not have
        const QByteArray damaged(reinterpret_cast<const char*>(db->workingCopy().data()), IMAGE_SIZE);
        QTest::newRow("one problem") << damaged << QString("The received image has 1 problem (");
    }
    void receivedImageIsCheckedAndSavedAllTheSame() {
        QFETCH(QByteArray, image);
        QFETCH(QString, problems);
        Rig rig(TransferDirection::Receive);
        rig.view.fileNames.append(Path(QStringLiteral("checked")));
        QVERIFY(rig.Start());
        rig.channel.Arrive(SEND_READY);
        rig.channel.Arrive(image);
        const QString saved = Path(QStringLiteral("checked.bin"));
        QCOMPARE(ReadFile(saved), image);
        QCOMPARE(rig.view.messages.size(), 1);
        const QString first = Text(transfertext::DOWNLOADED_SAVED_TO) + QDir::toNativeSeparators(saved);
        if (problems.isEmpty())
            QCOMPARE(rig.view.messages[0], first);
        else
            QVERIFY2(rig.view.messages[0].startsWith(first + QStringLiteral("\n\n") + problems),
                     qPrintable(rig.view.messages[0]));
        QCOMPARE(rig.engine.receivedProblems(), std::size_t(problems.isEmpty() ? 0 : 1));
    }

    void receiveTakesFramePairsAsData() {
        Rig rig(TransferDirection::Receive);
        QVERIFY(rig.Start());
        rig.channel.Arrive(SEND_READY);
        rig.channel.Arrive(QByteArray(100, '\x01'));
        // Block frames in a receive are image bytes, not commands.
        rig.channel.Arrive(NEXT_BLOCK);
        rig.channel.Arrive(REPEAT_BLOCK);
        QCOMPARE(rig.engine.length(), std::size_t(104));
        QCOMPARE(rig.engine.transferBuffer().mid(100, 4), QByteArray("\xD1\x1D\xE1\x1E"));
        QCOMPARE(rig.channel.writes.size(), 1);

        // Once data flows, handshake pairs are image bytes too: neither restarts nor aborts.
        rig.channel.Arrive(SEND_READY);
        rig.channel.Arrive(RECEIVE_READY);
        QCOMPARE(rig.engine.length(), std::size_t(108));
        QCOMPARE(rig.engine.transferBuffer().mid(104, 4), QByteArray("\xB1\x1B\xC1\x1C"));
        QCOMPARE(rig.channel.writes.size(), 1);
        QVERIFY(rig.view.messages.isEmpty());
        QCOMPARE(rig.engine.state(), TransferEngine::State::Receiving);
    }

    void handshakeRepeatedBeforeDataIsAnsweredAgain() {
        Rig rig(TransferDirection::Receive);
        QVERIFY(rig.Start());
        rig.channel.Arrive(SEND_READY);
        rig.channel.Arrive(SEND_READY);
        QCOMPARE(rig.engine.length(), std::size_t(0));
        QCOMPARE(rig.channel.writes.size(), 2);
        QCOMPARE(rig.channel.writes.last(), FakeSerialChannel::Bytes(RECEIVE_READY));
        QCOMPARE(rig.engine.state(), TransferEngine::State::Receiving);
    }

    void strayBytesWhileListening() {
        const QString file = Path(QStringLiteral("stray.bin"));
        QVERIFY(WriteFile(file, ImageBytes(5)));
        Rig rig(TransferDirection::Send, file);
        QVERIFY(rig.Start());

        // A frame split over two reads is two lone bytes, both dropped.
        rig.channel.Arrive(QByteArray("\xC1"));
        rig.channel.Arrive(QByteArray("\x1C"));
        QCOMPARE(rig.channel.reads, (QList<std::size_t>{1, 1}));
        // Pairs that are no frame, and block frames before a handshake, are ignored.
        rig.channel.Arrive(QByteArray("\x1C\xC1\xAB\xCD"));
        rig.channel.Arrive(NEXT_BLOCK);
        rig.channel.Arrive(REPEAT_BLOCK);
        QVERIFY(rig.channel.writes.isEmpty());
        QCOMPARE(rig.channel.purges, 0);
        QCOMPARE(rig.engine.state(), TransferEngine::State::Listening);
        QVERIFY(rig.view.messages.isEmpty());

        // Garbage of odd length shifts the pairs: the frame read across the seam is lost too.
        rig.channel.Arrive(QByteArray("\x00\xC1\x1C", 3));
        QVERIFY(rig.channel.writes.isEmpty());
        rig.channel.Arrive(RECEIVE_READY);
        QCOMPARE(rig.channel.writes, QList<QByteArray>{FakeSerialChannel::Bytes(SEND_READY)});
    }

    void wrongDirection_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("afterHandshake");
        QTest::newRow("send window, SendReady") << int(TransferDirection::Send) << false;
        QTest::newRow("receive window, ReceiveReady") << int(TransferDirection::Receive) << false;
        QTest::newRow("sending, SendReady") << int(TransferDirection::Send) << true;
        QTest::newRow("receiving, ReceiveReady") << int(TransferDirection::Receive) << true;
    }
    void wrongDirection() {
        QFETCH(int, direction);
        QFETCH(bool, afterHandshake);
        const auto dir = static_cast<TransferDirection>(direction);
        const QString file = Path(QStringLiteral("direction.bin"));
        QVERIFY(WriteFile(file, ImageBytes(6)));
        Rig rig(dir, file);
        QVERIFY(rig.Start());
        const Frame own = dir == TransferDirection::Send ? RECEIVE_READY : SEND_READY;
        const Frame wrong = dir == TransferDirection::Send ? SEND_READY : RECEIVE_READY;
        if (afterHandshake)
            rig.channel.Arrive(own);
        const auto writesBefore = rig.channel.writes.size();
        rig.channel.Arrive(wrong);
        QCOMPARE(rig.channel.writes.size(), writesBefore); // not answered
        QCOMPARE(rig.view.messages, QStringList{Text(transfertext::WRONG_DIRECTION)});
        QVERIFY(!rig.channel.connected);
        QVERIFY(rig.view.ended && rig.view.accepted);
    }

    void receivedFileName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        struct Row {
            const char *name, *chosen, *written;
        };
        const Row rows[] = {{"plain", "/tmp/image", "/tmp/image.bin"},
                            {"ends .bin", "/tmp/image.bin", "/tmp/image.bin"},
                            {"ends .BIN", "/tmp/image.BIN", "/tmp/image.BIN"},
                            {"ends .Bin", "/tmp/image.Bin", "/tmp/image.Bin"},
                            {"mixed case", "/tmp/image.bIn", "/tmp/image.bIn.bin"},
                            {"in a folder name", "/tmp/a.bin/image", "/tmp/a.bin/image"},
                            {"before an extension", "/tmp/image.bin.old", "/tmp/image.bin.old"},
                            {"other extension", "/tmp/image.dat", "/tmp/image.dat.bin"},
                            {"no dot", "/tmp/imagebin", "/tmp/imagebin.bin"}};
        for (const Row& row : rows)
            QTest::newRow(row.name) << row.chosen << row.written;
    }
    void receivedFileName() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(ReceivedFileName(chosen), written);
    }

    void refusesAFileThatIsNotAnImage_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("says");
        QTest::newRow("one byte short") << 204799 << "204799 bytes";
        QTest::newRow("empty") << 0 << "zeros";
        QTest::newRow("one byte long") << 204801 << "longer";
        QTest::newRow("missing") << -1 << "can't be opened";
        QTest::newRow("named pipe, no hang") << -2 << "not a regular file";
        QTest::newRow("folder") << -3 << "not a regular file";
    }
    void refusesAFileThatIsNotAnImage() {
        QFETCH(int, size);
        QFETCH(QString, says);
        // A "%2" in the name stays in the message as it is.
        const QString file = Path(QStringLiteral("size%1 %2.bin").arg(size));
        if (size >= 0)
            QVERIFY(WriteFile(file, ImageBytes(7, static_cast<std::size_t>(size))));
        if (size == -2)
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        if (size == -3)
            QVERIFY(QDir().mkpath(file));
        QString refusal;
        QByteArray unused;
        QVERIFY(!TransferEngine::LoadImageToSend(file, &unused, &refusal)); // the file dialog's check
        QVERIFY2(refusal.contains(says), qPrintable(refusal));
        QVERIFY2(refusal.contains(QDir::toNativeSeparators(file)), qPrintable(refusal));
        Rig rig(TransferDirection::Send, file);
        QVERIFY(!rig.Start());
        QVERIFY(rig.channel.openedName.isEmpty()); // the port never opened
        QCOMPARE(rig.view.messages.size(), 1);
        QVERIFY2(rig.view.messages[0].contains(says), qPrintable(rig.view.messages[0]));
        QCOMPARE(rig.view.lastControls(), START_FAILED);
        QVERIFY(rig.channel.writes.isEmpty());
    }

    void refusesAFileThatShrankBeforeTheHandshake() {
        const QString file = Path(QStringLiteral("shrinks.bin"));
        QVERIFY(WriteFile(file, ImageBytes(8)));
        Rig rig(TransferDirection::Send, file);
        QVERIFY(rig.Start());
        QVERIFY(WriteFile(file, ImageBytes(8, 1000)));
        rig.channel.Arrive(RECEIVE_READY);
        QVERIFY(rig.channel.writes.isEmpty()); // not even the answer goes out
        QCOMPARE(rig.view.messages.size(), 1);
        QVERIFY(rig.view.messages[0].contains(QStringLiteral("zeros")));
        QVERIFY(!rig.channel.connected);
        QCOMPARE(rig.view.lastControls(), ALL_ENABLED);
        QCOMPARE(rig.view.statuses.last(), Text(transfertext::SELECT_PORT));
        QVERIFY(!rig.view.ended);
    }

    void refusesAPipePutInTheFilesPlaceBeforeTheHandshake() {
        // Opening a pipe for reading would wait for a writer for ever.
        const QString file = Path(QStringLiteral("becomes-a-pipe.bin"));
        QVERIFY(WriteFile(file, ImageBytes(9)));
        Rig rig(TransferDirection::Send, file);
        QVERIFY(rig.Start());
        QVERIFY(QFile::remove(file));
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        rig.channel.Arrive(RECEIVE_READY);
        QVERIFY(rig.channel.writes.isEmpty());
        QCOMPARE(rig.view.messages.size(), 1);
        QVERIFY2(rig.view.messages[0].contains(QStringLiteral("not a regular file")),
                 qPrintable(rig.view.messages[0]));
        QVERIFY(!rig.channel.connected);
        QCOMPARE(rig.view.lastControls(), ALL_ENABLED);
        QCOMPARE(rig.engine.state(), TransferEngine::State::Closed);
    }

    void noiseAndHandshakeInOnePiece_data() {
        QTest::addColumn<int>("direction");
        QTest::newRow("send") << int(TransferDirection::Send);
        QTest::newRow("receive") << int(TransferDirection::Receive);
    }
    void noiseAndHandshakeInOnePiece() {
        // Frames are read two bytes at a time while listening, so an even run of
        // noise arriving with the handshake in one piece leaves the frame whole.
        QFETCH(int, direction);
        const auto transferDirection = static_cast<TransferDirection>(direction);
        const bool send = transferDirection == TransferDirection::Send;
        const QString file = Path(QStringLiteral("noise.bin"));
        QVERIFY(WriteFile(file, ImageBytes(10)));
        Rig rig(transferDirection, file);
        QVERIFY(rig.Start());
        rig.channel.Arrive(QByteArray("\x55\x1B\xAA\xC1\x00\xFF", 6) +
                           FakeSerialChannel::Bytes(send ? RECEIVE_READY : SEND_READY));
        QCOMPARE(rig.channel.reads, (QList<std::size_t>{2, 2, 2, 2}));
        QCOMPARE(rig.channel.writes,
                 QList<QByteArray>{FakeSerialChannel::Bytes(send ? SEND_READY : RECEIVE_READY)});
        QCOMPARE(rig.engine.state(),
                 send ? TransferEngine::State::Sending : TransferEngine::State::Receiving);
    }

    void silentReceiverEndsTheTransfer_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("blocks"); // blocks (send) or 8192-byte pieces (receive) before the silence
        QTest::newRow("send, after the handshake") << int(TransferDirection::Send) << 0;
        QTest::newRow("send, after block 5") << int(TransferDirection::Send) << 5;
        QTest::newRow("receive, after the handshake") << int(TransferDirection::Receive) << 0;
        QTest::newRow("receive, mid-image") << int(TransferDirection::Receive) << 12;
    }
    void silentReceiverEndsTheTransfer() {
        QFETCH(int, direction);
        QFETCH(int, blocks);
        const auto transferDirection = static_cast<TransferDirection>(direction);
        const bool send = transferDirection == TransferDirection::Send;
        const QString file = Path(QStringLiteral("silence.bin"));
        QVERIFY(WriteFile(file, ImageBytes(11)));
        Rig rig(transferDirection, file);
        FakeCountdowns countdowns(rig.engine);
        rig.view.fileNames = {Path(QStringLiteral("never-saved"))};
        QVERIFY(rig.Start());
        QVERIFY(!countdowns.silence->running); // waiting for a handshake is no transfer yet

        rig.channel.Arrive(send ? RECEIVE_READY : SEND_READY);
        QVERIFY(countdowns.silence->running);
        QCOMPARE(countdowns.silence->lastInterval, TransferEngine::SILENCE_LIMIT);
        for (int k = 0; k < blocks; ++k) {
            const int before = countdowns.silence->starts;
            if (send)
                rig.channel.Arrive(NEXT_BLOCK);
            else
                rig.channel.Arrive(QByteArray(static_cast<qsizetype>(BLOCK_SIZE), 'x'));
            QVERIFY(countdowns.silence->starts > before); // every byte restarts the count
        }
        const QStringList messagesBefore = rig.view.messages;
        countdowns.silence->RunOut();

        QCOMPARE(rig.view.messages.size(), messagesBefore.size() + 1);
        QVERIFY2(rig.view.messages.last().contains(QStringLiteral("stopped answering")),
                 qPrintable(rig.view.messages.last()));
        QVERIFY(rig.view.messages.last().contains(QStringLiteral("10 seconds")));
        QVERIFY(!rig.view.messages.contains(Text(transfertext::UPLOADED)));
        QCOMPARE(rig.engine.state(), TransferEngine::State::Closed);
        QCOMPARE(rig.view.lastControls(), ALL_ENABLED); // the window is the user's again
        QCOMPARE(rig.view.statuses.last(), Text(transfertext::SELECT_PORT));
        QVERIFY(!rig.view.ended); // never reported as done
        QVERIFY(!rig.channel.connected);
        QCOMPARE(rig.view.fileNameAsks, 0);
        QVERIFY(!QFile::exists(Path(QStringLiteral("never-saved.bin"))));
        QVERIFY(!countdowns.silence->running);

        // The window can start again.
        QVERIFY(rig.Start());
        rig.channel.Arrive(send ? RECEIVE_READY : SEND_READY);
        QCOMPARE(rig.engine.state(),
                 send ? TransferEngine::State::Sending : TransferEngine::State::Receiving);
    }

    void noSilenceLimitOutsideATransfer() {
        const QString file = Path(QStringLiteral("done.bin"));
        QVERIFY(WriteFile(file, ImageBytes(12)));
        Rig rig(TransferDirection::Send, file);
        FakeCountdowns countdowns(rig.engine);
        QVERIFY(rig.Start());
        rig.channel.Arrive(RECEIVE_READY);
        for (std::size_t k = 0; k <= BLOCK_COUNT; ++k)
            rig.channel.Arrive(NEXT_BLOCK);
        QCOMPARE(rig.view.messages, QStringList{Text(transfertext::UPLOADED)});
        QVERIFY(!countdowns.silence->running);
        countdowns.silence->running = true; // a late expiry changes nothing
        countdowns.silence->RunOut();
        QCOMPARE(rig.view.messages, QStringList{Text(transfertext::UPLOADED)});
        QVERIFY(rig.view.accepted);
    }

    void hintWhileNoHandshakeComes() {
        Rig rig(TransferDirection::Receive);
        FakeCountdowns countdowns(rig.engine);
        QVERIFY(!countdowns.handshakeWait->running);
        QVERIFY(rig.Start());
        QVERIFY(countdowns.handshakeWait->running);
        QCOMPARE(countdowns.handshakeWait->lastInterval, TransferEngine::HANDSHAKE_HINT_DELAY);
        rig.channel.Arrive(QByteArray("\x12\x34")); // noise is no handshake: the count goes on
        QCOMPARE(countdowns.handshakeWait->starts, 1);
        QVERIFY(rig.view.hints.isEmpty());

        countdowns.handshakeWait->RunOut();
        QCOMPARE(rig.view.hints.size(), 1);
        QVERIFY(rig.view.hints[0].contains(QStringLiteral("update mode")));
        QVERIFY(rig.view.hints[0].contains(QStringLiteral("cable")));
        QCOMPARE(rig.view.statuses.last(), Text(transfertext::WAITING)); // the status line stays
        QVERIFY(rig.view.messages.isEmpty());

        // The handshake takes the hint away; so does Stop.
        rig.channel.Arrive(SEND_READY);
        QCOMPARE(rig.view.hints, (QStringList{rig.view.hints[0], QString()}));
        QVERIFY(!countdowns.handshakeWait->running);
        rig.engine.StopListening();
        QVERIFY(rig.Start());
        countdowns.handshakeWait->RunOut();
        rig.engine.StopListening();
        QCOMPARE(rig.view.hints.size(), 4);
        QVERIFY(rig.view.hints.last().isEmpty());
    }

    void saveCancelledThenNamed() {
        Rig rig(TransferDirection::Receive);
        rig.view.fileNames = {QString(), Path(QStringLiteral("second.BIN"))};
        rig.view.discardAnswers = {false};
        QVERIFY(rig.Start());
        rig.channel.Arrive(SEND_READY);
        const QByteArray image = DemoBytes();
        rig.channel.Arrive(image);
        QCOMPARE(rig.view.fileNameAsks, 2);
        QCOMPARE(rig.view.discardQuestions.size(), 1);
        QCOMPARE(ReadFile(Path(QStringLiteral("second.BIN"))), image);
        QCOMPARE(rig.view.messages.size(), 1);
        QVERIFY(rig.view.messages[0].endsWith(QStringLiteral("second.BIN")));
        QVERIFY(rig.view.accepted);
    }

    void saveCancelledAndDiscarded() {
        Rig rig(TransferDirection::Receive);
        rig.view.discardAnswers = {true};
        QVERIFY(rig.Start());
        rig.channel.Arrive(SEND_READY);
        rig.channel.Arrive(ImageBytes(10));
        QCOMPARE(rig.view.fileNameAsks, 1);
        QVERIFY(rig.view.messages.isEmpty()); // never "saved"
        QVERIFY(rig.view.savedPaths.isEmpty());
        QVERIFY(rig.engine.savedFileName().isEmpty());
        QVERIFY(!rig.channel.connected);
        QVERIFY(rig.view.ended && !rig.view.accepted);
    }

    void saveFailureIsReportedAndRetried() {
        Rig rig(TransferDirection::Receive);
        const QString target = Path(QStringLiteral("retry"));
        rig.view.fileNames = {target, target};
        rig.view.failingSaves = 1;
        QVERIFY(rig.Start());
        rig.channel.Arrive(SEND_READY);
        const QByteArray image = ImageBytes(11);
        rig.channel.Arrive(image);
        QCOMPARE(rig.view.fileNameAsks, 2);
        QCOMPARE(rig.view.messages.size(), 2);
        QVERIFY(rig.view.messages[0].contains(QStringLiteral("No space left on device")));
        QVERIFY(!rig.view.messages[0].startsWith(Text(transfertext::DOWNLOADED_SAVED_TO)));
        QVERIFY(rig.view.messages[1].startsWith(Text(transfertext::DOWNLOADED_SAVED_TO)));
        QCOMPARE(ReadFile(target + QStringLiteral(".bin")), image);
    }

    void saveIntoAFolderThatIsMissing() {
        // The real writer reports the failure; the image is not lost.
        Rig rig(TransferDirection::Receive);
        rig.view.fileNames = {Path(QStringLiteral("no/such/folder/x")), QString()};
        rig.view.discardAnswers = {true};
        QVERIFY(rig.Start());
        rig.channel.Arrive(SEND_READY);
        rig.channel.Arrive(ImageBytes(12));
        QCOMPARE(rig.view.messages.size(), 1);
        QVERIFY(rig.view.messages[0].startsWith(QStringLiteral("The received data could not be saved")));
        QCOMPARE(rig.view.discardQuestions.size(), 1);
        QVERIFY(!QFile::exists(Path(QStringLiteral("no/such/folder/x.bin"))));
    }

    void portLost_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("blocksBeforeLoss"); // -1: while listening
        for (const auto direction : {TransferDirection::Send, TransferDirection::Receive}) {
            const char* name = direction == TransferDirection::Send ? "sending" : "receiving";
            QTest::addRow("%s, listening", name) << int(direction) << -1;
            QTest::addRow("%s, after the handshake", name) << int(direction) << 0;
            QTest::addRow("%s, after block 3", name) << int(direction) << 3;
        }
    }
    void portLost() {
        QFETCH(int, direction);
        QFETCH(int, blocksBeforeLoss);
        const bool send = static_cast<TransferDirection>(direction) == TransferDirection::Send;
        const QString file = Path(QStringLiteral("lost.bin"));
        QVERIFY(WriteFile(file, ImageBytes(13)));
        Rig rig(static_cast<TransferDirection>(direction), file);
        QVERIFY(rig.Start());
        if (blocksBeforeLoss >= 0)
            rig.channel.Arrive(send ? RECEIVE_READY : SEND_READY);
        for (int k = 0; k < blocksBeforeLoss; ++k) {
            if (send)
                rig.channel.Arrive(NEXT_BLOCK);
            else
                rig.channel.Arrive(QByteArray(static_cast<qsizetype>(BLOCK_SIZE), 'z'));
        }
        if (!send && blocksBeforeLoss > 0)
            QCOMPARE(rig.engine.length(), BLOCK_SIZE * static_cast<std::size_t>(blocksBeforeLoss));
        rig.channel.Lose(QStringLiteral("Input/output error"));
        QCOMPARE(rig.view.messages.size(), 1);
        QVERIFY(rig.view.messages[0].contains(QStringLiteral("lost")));
        QVERIFY(rig.view.messages[0].contains(QStringLiteral("Input/output error")));
        QCOMPARE(rig.view.messages[0].contains(QStringLiteral("transfer has been stopped")),
                 blocksBeforeLoss >= 0);
        QCOMPARE(rig.engine.state(), TransferEngine::State::Closed);
        QCOMPARE(rig.view.lastControls(), ALL_ENABLED);
        QCOMPARE(rig.view.statuses.last(), Text(transfertext::SELECT_PORT));
        QVERIFY(!rig.view.ended);

        QCOMPARE(rig.view.fileNameAsks, 0); // a partial image is never offered for saving

        // A new Start works and the receiver can begin again.
        QVERIFY(rig.Start());
        rig.channel.Arrive(send ? RECEIVE_READY : SEND_READY);
        QCOMPARE(rig.engine.state(),
                 send ? TransferEngine::State::Sending : TransferEngine::State::Receiving);
        QCOMPARE(rig.engine.length(), std::size_t(0));
    }

    void portLostWhileAMessageIsUp() {
        // The loss report arrives during the step's own message: it waits for the step.
        const QString file = Path(QStringLiteral("modal.bin"));
        QVERIFY(WriteFile(file, ImageBytes(14)));
        Rig rig(TransferDirection::Send, file);
        QVERIFY(rig.Start());
        rig.view.onMessage = [&rig](const QString&) {
            if (rig.channel.connected)
                rig.channel.Lose(QStringLiteral("gone"));
        };
        rig.channel.Arrive(SEND_READY); // wrong direction; the window is ending anyway
        QCOMPARE(rig.view.messages, QStringList{Text(transfertext::WRONG_DIRECTION)});
        QVERIFY(rig.view.ended);
    }

    void portLostWhileAskingForTheName() {
        Rig rig(TransferDirection::Receive);
        const QString target = Path(QStringLiteral("late.bin"));
        rig.view.fileNames = {target};
        rig.view.onAsk = [&rig] {
            if (rig.channel.connected)
                rig.channel.Lose(QStringLiteral("gone"));
        };
        QVERIFY(rig.Start());
        rig.channel.Arrive(SEND_READY);
        const QByteArray image = DemoBytes();
        rig.channel.Arrive(image);
        // The image is complete: it is still saved and reported as saved.
        QCOMPARE(ReadFile(target), image);
        QCOMPARE(rig.view.messages,
                 QStringList{Text(transfertext::DOWNLOADED_SAVED_TO) + QDir::toNativeSeparators(target)});
    }

    void closingMidTransferStopsThePort() {
        Rig rig(TransferDirection::Receive);
        QVERIFY(rig.Start());
        rig.channel.Arrive(SEND_READY);
        rig.channel.Arrive(QByteArray(1000, 'x'));
        rig.engine.Close();
        QVERIFY(!rig.channel.connected);
        rig.channel.input = QByteArray(500, 'y');
        rig.channel.DeliverAll();
        QCOMPARE(rig.engine.length(), std::size_t(1000));
    }
};

QTEST_GUILESS_MAIN(TestTransferEngine)
#include "tst_transferengine.moc"
