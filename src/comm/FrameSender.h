#pragma once

#include <QByteArray>

class SerialLink;

// Hands a finished frame to the port: discards the input, raises RTS when RTS control is on,
// writes the frame in one call, and with RTS control on writes one zero byte more and drops
// RTS once the bytes have left. Nothing is sent to a closed link. Returns true when written.
bool SendFrame(SerialLink& link, const QByteArray& frame, bool rtsControl);
