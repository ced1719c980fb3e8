#pragma once

#include "plant/PlantState.h"

#include <QByteArrayView>
#include <optional>

class QJsonValue;

enum class PlantReading { Read, Malformed, OverLimit };

// Reads a "data" payload. The shape the publisher writes (compact, its fields in its order) is
// read directly, as one of these comes per meter per save; anything else, and anything in that
// shape the rules refuse, goes to the general JSON reader, so that every payload is judged by
// the same rules whichever way it was read.
PlantReading ReadPlantRecord(const QByteArray& payload, PlantRecord* out);

// The two ways apart, for the tests that hold them to the same results: the direct reader
// says false for anything it does not take (and leaves the judgement to the general one).
bool ReadPublishedRecord(QByteArrayView payload, PlantRecord* out);
PlantReading ReadRecordAsJson(const QByteArray& payload, PlantRecord* out);

// The moment an ISO 8601 stamp names (as QDateTime reads Qt::ISODate), or none. The form the
// publisher writes, "2026-12-07T14:52:29+09:00", is read directly.
std::optional<qint64> PlantStampMs(const QString& ts);

// A whole number field, or nothing when absent, not a number or not whole.
std::optional<qint64> PlantJsonWhole(const QJsonValue& v);
