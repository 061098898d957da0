#include "PortProblem.h"

#include <QCoreApplication>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace vormante {

QString GroupName(unsigned groupId) {
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(4096);
    // getgrgid_r wants a bigger buffer for groups with many members.
    while (getgrgid_r(static_cast<gid_t>(groupId), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
           buffer.size() < (1u << 20))
        buffer.resize(buffer.size() * 2);
    return found != nullptr ? QString::fromLocal8Bit(found->gr_name) : QString();
}

PortFacts GatherPortFacts(const QString& device, QSerialPort::SerialPortError openError) {
    PortFacts facts;
    facts.openError = openError;
    const QByteArray path = device.toLocal8Bit();
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) {
        facts.exists = errno != ENOENT && errno != ENOTDIR;
        facts.accessErrno = errno;
        return facts;
    }
    facts.group = GroupName(info.st_gid);
    // access() checks the real user, who is the one to add to the group.
    if (::access(path.constData(), R_OK | W_OK) != 0)
        facts.accessErrno = errno;
    return facts;
}

PortProblemCause ClassifyPortProblem(const PortFacts& facts) {
    if (!facts.exists)
        return PortProblemCause::NoSuchDevice;
    if (facts.accessErrno == EACCES || facts.accessErrno == EPERM)
        return PortProblemCause::NoPermission;
    // A device node without hardware behind it (a ttyS with no UART).
    if (facts.openError == QSerialPort::DeviceNotFoundError)
        return PortProblemCause::NoSuchDevice;
    // The user may use the device, yet the open was refused: Qt's lock file or
    // the exclusive mode of a terminal says another program holds it.
    if (facts.openError == QSerialPort::PermissionError || facts.accessErrno == EBUSY)
        return PortProblemCause::InUse;
    return PortProblemCause::Unknown;
}

QString ExplainPortProblem(PortProblemCause cause, const QString& device, const QString& group) {
    switch (cause) {
    case PortProblemCause::NoSuchDevice:
        //: %1 is the device, e.g. /dev/ttyUSB0
        return QCoreApplication::translate(
                   "PortProblem",
                   "There is no device %1: check that the adapter is plugged in and the name is right.")
            .arg(device);
    case PortProblemCause::NoPermission:
        // Joining root's group is no advice to give; serial devices are the dialout group's.
        if (group.isEmpty() || group == QLatin1String("root"))
            //: %1 is the device; keep the command as it is
            return QCoreApplication::translate(
                       "PortProblem",
                       "You have no permission to use %1: serial ports usually belong to the group "
                       "\"dialout\"; join it with \"sudo usermod -aG dialout $USER\", then log out and "
                       "log in again.")
                .arg(device);
        //: %1 is the device, %2 its group; keep the command as it is
        return QCoreApplication::translate(
                   "PortProblem",
                   "You have no permission to use %1, which belongs to the group \"%2\": join the group "
                   "with \"sudo usermod -aG %2 $USER\", then log out and log in again.")
            .arg(device, group);
    case PortProblemCause::InUse:
        //: %1 is the device
        return QCoreApplication::translate("PortProblem",
                                           "Another program is using %1: close that program and try again.")
            .arg(device);
    case PortProblemCause::Unknown:
        break;
    }
    return {};
}

QString ExplainPortOpenFailure(const QString& device, QSerialPort::SerialPortError openError) {
    const PortFacts facts = GatherPortFacts(device, openError);
    return ExplainPortProblem(ClassifyPortProblem(facts), device, facts.group);
}

} // namespace vormante
