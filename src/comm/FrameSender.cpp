#include "comm/FrameSender.h"

#include "comm/SerialLink.h"

bool SendFrame(SerialLink& link, const QByteArray& frame, bool rtsControl) {
    if (!link.isOpen())
        return false;
    link.discardInput();
    if (!rtsControl)
        return link.write(frame);
    link.setRts(true);
    const bool written = link.write(frame);
    // The trailing zero byte keeps the transmitter enabled a character longer, so an RS-485
    // converter switched by RTS never cuts the last byte of the frame.
    if (written)
        link.write(QByteArray(1, '\0'));
    link.setRts(false);
    return written;
}
