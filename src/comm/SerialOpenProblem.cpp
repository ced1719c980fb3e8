#include "comm/SerialOpenProblem.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <unistd.h>
#include <vector>
#endif

namespace {

// The texts of this file, translated where the desktop program shows them.
struct SerialOpenProblemTexts {
    Q_DECLARE_TR_FUNCTIONS(SerialOpenProblem)
};

} // namespace

SerialDeviceAccess ProbeSerialDevice(const QString& devicePath) {
    SerialDeviceAccess a;
    const QFileInfo info(devicePath);
    a.exists = info.exists();
    if (!a.exists)
        return a;
    a.readWrite = info.isReadable() && info.isWritable();
    a.group = info.group();
#ifdef Q_OS_UNIX
    const gid_t gid = info.groupId();
    if (getegid() == gid) {
        a.inGroupNow = true;
    } else {
        const int n = getgroups(0, nullptr);
        std::vector<gid_t> groups(std::max(n, 0));
        if (n > 0 && getgroups(n, groups.data()) == n)
            for (gid_t g : groups)
                a.inGroupNow = a.inGroupNow || g == gid;
    }
    // Added to the group since the session began: the user database knows, the process not.
    if (const passwd* user = getpwuid(getuid())) {
        if (user->pw_gid == gid)
            a.inGroupListed = true;
        if (const group* g = getgrgid(gid))
            for (char** member = g->gr_mem; member && *member; ++member)
                a.inGroupListed = a.inGroupListed || qstrcmp(*member, user->pw_name) == 0;
    }
#endif
    return a;
}

QString SerialOpenMessage(const QString& portName, const QString& devicePath,
                          SerialOpenFailure failure, const QString& systemText,
                          const SerialDeviceAccess& access, const QStringList& presentDevices) {
    switch (failure) {
    case SerialOpenFailure::NotFound: {
        QString text;
        if (devicePath != portName)
            text =
                SerialOpenProblemTexts::tr("%1 is %2 on this computer. ").arg(portName, devicePath);
        text += SerialOpenProblemTexts::tr("No such device: is the adapter plugged in?");
        text += presentDevices.isEmpty()
                    ? SerialOpenProblemTexts::tr(" This computer has no serial device.")
                    : SerialOpenProblemTexts::tr(" Serial devices on this computer: %1.")
                          .arg(presentDevices.join(u", "));
        return text;
    }
    case SerialOpenFailure::NoPermission:
        if (access.inGroupNow)
            return SerialOpenProblemTexts::tr(
                       "Permission denied, although this user is in the device's group %1: the "
                       "device does not let its group use it (see ls -l %2).")
                .arg(access.group, devicePath);
        if (access.inGroupListed)
            return SerialOpenProblemTexts::tr(
                       "Permission denied: this user was added to the group %1 after logging in. "
                       "Log out and in again (or restart the computer) to use the device.")
                .arg(access.group);
        if (access.group.isEmpty() || access.group == QStringLiteral("root"))
            return SerialOpenProblemTexts::tr(
                       "Permission denied: the device is not open to this user; ask the "
                       "administrator for access to %1.")
                .arg(devicePath);
        return SerialOpenProblemTexts::tr(
                   "Permission denied: the device belongs to the group %1, which this user is "
                   "not in. Add the user to it with \"sudo usermod -aG %1 $USER\", then log out "
                   "and in again.")
            .arg(access.group);
    case SerialOpenFailure::InUse:
        return SerialOpenProblemTexts::tr(
            "The device is in use by another program (a terminal program, a modem "
            "manager, another copy of this one); close that program or choose another "
            "port.");
    case SerialOpenFailure::Other:
        break;
    }
    return systemText.isEmpty() ? SerialOpenProblemTexts::tr("The port could not be opened.")
                                : systemText;
}
