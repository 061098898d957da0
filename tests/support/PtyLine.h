// A pseudo-terminal that stands for the serial cable: the code under test opens device() (the
// slave side) as its port, the test plays the far end on the master side.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QTest>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace vormante::testsupport {

struct PtyLine {
    int master = -1;
    int slave = -1;
    QString device; // empty when no pseudo-terminal could be opened

    // With holdSlave false the test keeps no handle on the port side, so that the port is free
    // for whoever opens it and closing the master hangs the line up.
    explicit PtyLine(bool holdSlave = true) {
        if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
            master = slave = -1;
            return;
        }
        termios settings{};
        ::tcgetattr(slave, &settings);
        ::cfmakeraw(&settings);
        ::tcsetattr(slave, TCSANOW, &settings);
        device = QString::fromLocal8Bit(::ttyname(slave));
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        if (!holdSlave) {
            ::close(slave);
            slave = -1;
        }
    }
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;
    ~PtyLine() { HangUp(); }

    bool isOpen() const { return master >= 0; }

    // Writes all bytes to the port side, waiting for room; false when that takes over 5 s.
    bool Send(const QByteArray& bytes) const {
        qsizetype done = 0;
        QDeadlineTimer deadline(5000);
        while (done < bytes.size() && !deadline.hasExpired()) {
            const ssize_t n =
                ::write(master, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
            if (n > 0)
                done += n;
            else
                QTest::qWait(1);
        }
        return done == bytes.size();
    }
    // What the port side wrote, waiting up to timeoutMs for count bytes (the event loop runs
    // meanwhile).
    QByteArray Receive(qsizetype count, int timeoutMs = 5000) const {
        QByteArray got;
        QDeadlineTimer deadline(timeoutMs);
        while (got.size() < count && !deadline.hasExpired()) {
            char buffer[4096];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, n);
            else
                QTest::qWait(1);
        }
        return got;
    }
    void HangUp() {
        if (slave >= 0)
            ::close(slave);
        if (master >= 0)
            ::close(master);
        master = slave = -1;
    }
};

} // namespace vormante::testsupport
