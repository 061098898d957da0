// Why a serial port would not open: the cause found for each set of facts, the
// sentence shown for it, and the real cases on pseudo-terminals: a device the
// user may not use, one held by another open, and a missing path, through the
// port class and through vormante-cli.
#include "PtyLine.h"
#include "model/ImageLayout.h"
#include "transfer/PortProblem.h"
#include "transfer/SerialPort.h"
#include "transfer/TransferProtocol.h"

#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vormante;

namespace {
using Pty = testsupport::PtyLine;

QString PortInvalid() {
    return QString::fromLatin1(transfertext::PORT_INVALID);
}
} // namespace

class PortProblemTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void causeFollowsTheFacts_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("accessErrno");
        QTest::addColumn<int>("openError");
        QTest::addColumn<int>("cause");
        const auto row = [](const char* name, bool exists, int accessErrno,
                            QSerialPort::SerialPortError error, PortProblemCause cause) {
            QTest::newRow(name) << exists << accessErrno << int(error) << int(cause);
        };
        row("missing path", false, ENOENT, QSerialPort::DeviceNotFoundError, PortProblemCause::NoSuchDevice);
        row("missing, Qt says permission", false, ENOENT, QSerialPort::PermissionError,
            PortProblemCause::NoSuchDevice);
        row("not readable and writable", true, EACCES, QSerialPort::PermissionError,
            PortProblemCause::NoPermission);
        row("not permitted", true, EPERM, QSerialPort::OpenError, PortProblemCause::NoPermission);
        row("a node without hardware", true, 0, QSerialPort::DeviceNotFoundError,
            PortProblemCause::NoSuchDevice);
        row("allowed but locked", true, 0, QSerialPort::PermissionError, PortProblemCause::InUse);
        row("busy", true, EBUSY, QSerialPort::OpenError, PortProblemCause::InUse);
        row("anything else", true, 0, QSerialPort::OpenError, PortProblemCause::Unknown);
    }
    void causeFollowsTheFacts() {
        QFETCH(bool, exists);
        QFETCH(int, accessErrno);
        QFETCH(int, openError);
        QFETCH(int, cause);
        PortFacts facts;
        facts.exists = exists;
        facts.accessErrno = accessErrno;
        facts.openError = static_cast<QSerialPort::SerialPortError>(openError);
        QCOMPARE(int(ClassifyPortProblem(facts)), cause);
    }

    void explanationsSayWhatToDo() {
        const QString device = QStringLiteral("/dev/ttyUSB0");
        const QString permission =
            ExplainPortProblem(PortProblemCause::NoPermission, device, QStringLiteral("uucp"));
        QVERIFY2(permission.contains(QLatin1String("permission to use /dev/ttyUSB0")),
                 qPrintable(permission));
        QVERIFY(permission.contains(QLatin1String("group \"uucp\"")));
        QVERIFY(permission.contains(QLatin1String("\"sudo usermod -aG uucp $USER\"")));
        QVERIFY(permission.contains(QLatin1String("log in again")));

        // Without a group to name, or when it is root's, the advice is the usual serial group.
        for (const QString& group : {QString(), QStringLiteral("root")}) {
            const QString text = ExplainPortProblem(PortProblemCause::NoPermission, device, group);
            QVERIFY2(text.contains(QLatin1String("\"sudo usermod -aG dialout $USER\"")), qPrintable(text));
            QVERIFY(!text.contains(QLatin1String("-aG root")));
        }

        QVERIFY(ExplainPortProblem(PortProblemCause::InUse, device, {})
                    .contains(QLatin1String("Another program")));
        QVERIFY(ExplainPortProblem(PortProblemCause::NoSuchDevice, device, {})
                    .contains(QLatin1String("no device")));
        QVERIFY(ExplainPortProblem(PortProblemCause::Unknown, device, {}).isEmpty());
        for (auto cause :
             {PortProblemCause::NoPermission, PortProblemCause::InUse, PortProblemCause::NoSuchDevice}) {
            const QString text = ExplainPortProblem(cause, device, QStringLiteral("dialout"));
            QVERIFY2(text.endsWith(QLatin1Char('.')) && text.at(0).isUpper(), qPrintable(text));
        }
    }

    void groupNamesComeFromTheGroupDatabase() {
        QCOMPARE(GroupName(0), QStringLiteral("root"));
        QVERIFY(GroupName(4000000000u).isEmpty());
        const group* dialout = ::getgrnam("dialout");
        if (dialout != nullptr)
            QCOMPARE(GroupName(dialout->gr_gid), QStringLiteral("dialout"));
    }

    void missingPathIsNoSuchDevice() {
        const QString device = QStringLiteral("/dev/ttyVormanteNone");
        const PortFacts facts = GatherPortFacts(device, QSerialPort::DeviceNotFoundError);
        QVERIFY(!facts.exists);

        SerialPort port;
        QCOMPARE(port.Open(device), SerialChannel::OpenResult::PortUnavailable);
        QCOMPARE(port.OpenProblem(), ExplainPortProblem(PortProblemCause::NoSuchDevice, device, {}));
    }

    void portHeldByAnotherOpenIsInUse() {
        Pty pty;
        QVERIFY(!pty.device.isEmpty());
        QSerialPort holder(pty.device);
        QVERIFY2(holder.open(QIODevice::ReadWrite), qPrintable(holder.errorString()));

        SerialPort port;
        QCOMPARE(port.Open(pty.device), SerialChannel::OpenResult::PortUnavailable);
        QCOMPARE(port.OpenProblem(), ExplainPortProblem(PortProblemCause::InUse, pty.device, {}));

        // Once the other program lets go, the port opens and the explanation is gone.
        holder.close();
        QCOMPARE(port.Open(pty.device), SerialChannel::OpenResult::Opened);
        QVERIFY(port.OpenProblem().isEmpty());
        port.Stop();
    }

    void deviceTheUserMayNotUseNamesItsGroup() {
        if (::geteuid() == 0)
            QSKIP("root may use every device; deviceOfAnotherGroupThroughTheCompanion runs this case as "
                  "nobody");
        Pty pty;
        QVERIFY(!pty.device.isEmpty());
        QCOMPARE(::chmod(pty.device.toLocal8Bit().constData(), 0), 0);
        struct stat info {};
        QCOMPARE(::stat(pty.device.toLocal8Bit().constData(), &info), 0);

        SerialPort port;
        QCOMPARE(port.Open(pty.device), SerialChannel::OpenResult::PortUnavailable);
        QCOMPARE(port.OpenProblem(),
                 ExplainPortProblem(PortProblemCause::NoPermission, pty.device, GroupName(info.st_gid)));
    }

    // The companion as a user outside the device's group: the pseudo-terminal is
    // given to the dialout group with mode 660, and the command runs as nobody.
    void deviceOfAnotherGroupThroughTheCompanion() {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (::geteuid() != 0 || setpriv.isEmpty())
            QSKIP("needs root and setpriv to run the companion as another user");
        const group* dialout = ::getgrnam("dialout");
        if (dialout == nullptr)
            QSKIP("no dialout group on this machine");
        const QStringList asNobody = {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                      QStringLiteral("--clear-groups")};
        if (QProcess::execute(setpriv, asNobody + QStringList{QStringLiteral("test"), QStringLiteral("-x"),
                                                              QStringLiteral(VORMANTE_CLI_PATH)}) != 0)
            QSKIP("nobody cannot reach the companion in this build folder");
        Pty pty;
        QVERIFY(!pty.device.isEmpty());
        const QByteArray path = pty.device.toLocal8Bit();
        QCOMPARE(::chown(path.constData(), 0, dialout->gr_gid), 0);
        QCOMPARE(::chmod(path.constData(), 0660), 0);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                      QFileDevice::ExeOther));
        const QString image = dir.filePath(QStringLiteral("demo.bin"));
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(qsizetype(IMAGE_SIZE), 0)), qint64(IMAGE_SIZE));
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadOther));

        QProcess cli;
        cli.start(setpriv, asNobody + QStringList{QStringLiteral(VORMANTE_CLI_PATH), QStringLiteral("send"),
                                                  image, QStringLiteral("--port"), pty.device,
                                                  QStringLiteral("--timeout"), QStringLiteral("2")});
        QVERIFY(cli.waitForFinished(20000));
        const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), 1);
        const QString expected = PortInvalid() + QLatin1Char(' ') +
                                 ExplainPortProblem(PortProblemCause::NoPermission, pty.device,
                                                    QString::fromLocal8Bit(dialout->gr_name));
        QVERIFY2(err.contains(expected), qPrintable(err));
    }

    void companionSaysWhyForAMissingPort() {
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("got.bin"));
        QProcess cli;
        cli.start(QStringLiteral(VORMANTE_CLI_PATH),
                  {QStringLiteral("receive"), output, QStringLiteral("--port"),
                   QStringLiteral("/dev/ttyVormanteNone"), QStringLiteral("--timeout"), QStringLiteral("2")});
        QVERIFY(cli.waitForFinished(20000));
        const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY2(err.contains(PortInvalid() + QStringLiteral(" There is no device /dev/ttyVormanteNone")),
                 qPrintable(err));
        QVERIFY(!QFile::exists(output));
    }
};

QTEST_GUILESS_MAIN(PortProblemTest)
#include "tst_portproblem.moc"
