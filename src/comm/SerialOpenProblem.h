#pragma once

#include <QString>
#include <QStringList>

// Why a serial device did not open, said so that the user knows the fix: the adapter that is
// not plugged in (and which devices there are instead), the group a user must be in to use
// serial devices, the other program that holds the port.

enum class SerialOpenFailure { NotFound, NoPermission, InUse, Other };

// What this process may do with a device, and the group that owns it.
struct SerialDeviceAccess {
    bool exists = false;
    bool readWrite = false;     // this process may read and write it
    QString group;              // the group that owns it ("dialout")
    bool inGroupNow = false;    // this process carries that group
    bool inGroupListed = false; // the user database lists the user in it (not yet logged in)
};

SerialDeviceAccess ProbeSerialDevice(const QString& devicePath);

// The message for a failed open of `portName` (as typed; `devicePath` is the device it names
// here). `systemText` is the system's own words, used when nothing better is known.
QString SerialOpenMessage(const QString& portName, const QString& devicePath,
                          SerialOpenFailure failure, const QString& systemText,
                          const SerialDeviceAccess& access, const QStringList& presentDevices);
