// Why a serial port could not be opened, in words a user can act on: no
// permission (and which group to join), in use by another program, or no such
// device. Qt Core only, so the transfer engine and the command line share it.
#pragma once

#include <QSerialPort>
#include <QString>

namespace vormante {

enum class PortProblemCause { Unknown, NoSuchDevice, NoPermission, InUse };

// What the system says about a device that would not open.
struct PortFacts {
    bool exists = true;
    // errno of a read-write access check on the device; 0 when allowed.
    int accessErrno = 0;
    // The group that owns the device; empty when unknown.
    QString group;
    // The error Qt gave for the failed open.
    QSerialPort::SerialPortError openError = QSerialPort::NoError;
};

// Looks the device up: whether it exists, whether this user may read and
// write it, and its owning group.
PortFacts GatherPortFacts(const QString& device, QSerialPort::SerialPortError openError);

PortProblemCause ClassifyPortProblem(const PortFacts& facts);

// The sentence that follows the "cannot open" message; empty for an unknown cause.
QString ExplainPortProblem(PortProblemCause cause, const QString& device, const QString& group);

// GatherPortFacts, ClassifyPortProblem and ExplainPortProblem in one.
QString ExplainPortOpenFailure(const QString& device, QSerialPort::SerialPortError openError);

// The name of a group id, or an empty string.
QString GroupName(unsigned groupId);

} // namespace vormante
