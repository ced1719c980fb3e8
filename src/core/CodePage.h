#pragma once

#include <QByteArray>
#include <QString>

// The recorders and the settings files written on Windows use the Korean ANSI code page
// (949). Zero bytes are kept as characters so that fixed-width device fields keep their length.
QString DecodeCp949(const QByteArray& bytes);
QByteArray EncodeCp949(const QString& text);
