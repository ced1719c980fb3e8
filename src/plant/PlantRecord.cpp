#include "plant/PlantRecord.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cstring>

namespace {

// The publisher's shape, read left to right; any step that does not find what that shape has
// there gives up, and the general reader takes over.
class Cursor {
public:
    explicit Cursor(QByteArrayView text)
        : m_p(text.data())
        , m_end(text.data() + text.size()) {}

    bool atEnd() const { return m_p == m_end; }
    template <size_t N>
    bool literal(const char (&text)[N]) {
        constexpr size_t n = N - 1;
        if (size_t(m_end - m_p) < n || std::memcmp(m_p, text, n) != 0)
            return false;
        m_p += n;
        return true;
    }
    bool peek(char c) const { return m_p != m_end && *m_p == c; }

    // A whole number as JSON writes it (no fraction, no exponent), small enough to be exact.
    std::optional<qint64> whole() {
        const char* start = m_p;
        const bool negative = m_p != m_end && *m_p == '-';
        if (negative)
            ++m_p;
        const char* digits = m_p;
        while (m_p != m_end && *m_p >= '0' && *m_p <= '9')
            ++m_p;
        const qsizetype n = m_p - digits;
        if (n == 0 || n > 15 || (n > 1 && *digits == '0') || followsNumber()) {
            m_p = start;
            return std::nullopt;
        }
        qint64 v = 0;
        for (const char* d = digits; d != m_p; ++d)
            v = v * 10 + (*d - '0');
        return negative ? -v : v;
    }

    // A number with at most a decimal fraction (no exponent), read to the nearest double as
    // the general reader reads it; a whole one as a whole one (so "-0" is 0, as there).
    std::optional<double> number() {
        const char* start = m_p;
        if (const std::optional<qint64> w = whole())
            return double(*w);
        if (m_p != m_end && *m_p == '-')
            ++m_p;
        const char* digits = m_p;
        while (m_p != m_end && *m_p >= '0' && *m_p <= '9')
            ++m_p;
        const qsizetype n = m_p - digits;
        if (n == 0 || n > 15 || (n > 1 && *digits == '0') || m_p == m_end || *m_p != '.')
            return fail(start);
        ++m_p;
        const char* fraction = m_p;
        while (m_p != m_end && *m_p >= '0' && *m_p <= '9')
            ++m_p;
        if (m_p == fraction || m_p - fraction > 15 || followsNumber())
            return fail(start);
        // Up to fifteen digits in all are a whole number a double holds exactly, and a power of
        // ten up to 1e22 is exact too: their quotient is the nearest double, as a full reader
        // gives it, in one division.
        if (n + (m_p - fraction) <= 15) {
            static constexpr double kTens[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
            qint64 whole = 0;
            for (const char* d = digits; d != fraction - 1; ++d)
                whole = whole * 10 + (*d - '0');
            for (const char* d = fraction; d != m_p; ++d)
                whole = whole * 10 + (*d - '0');
            const double v = double(whole) / kTens[m_p - fraction];
            return *start == '-' ? -v : v;
        }
        double v = 0;
        const std::from_chars_result r = std::from_chars(start, m_p, v);
        if (r.ec != std::errc() || r.ptr != m_p)
            return fail(start);
        return v;
    }

    // A string of printable ASCII without escapes, as a stamp is written, into `out` in the
    // room it has.
    bool plainString(QString* out) {
        if (!literal("\""))
            return false;
        const char* start = m_p;
        while (m_p != m_end && *m_p != '"') {
            if (*m_p < 0x20 || *m_p > 0x7e || *m_p == '\\')
                return false;
            ++m_p;
        }
        if (m_p == m_end)
            return false;
        if (out->isDetached() && out->capacity() >= m_p - start) {
            out->resize(m_p - start);
            std::copy(start, m_p, out->begin());
        } else {
            *out = QString::fromLatin1(start, m_p - start);
        }
        ++m_p;
        return true;
    }

private:
    // A number must end where a value ends: "1e3" or "1x" is not one this reader knows.
    bool followsNumber() const { return m_p != m_end && *m_p != ',' && *m_p != '}' && *m_p != ']'; }
    std::optional<double> fail(const char* start) {
        m_p = start;
        return std::nullopt;
    }

    const char* m_p;
    const char* m_end;
};

// A meter has six digital inputs and sixteen relays at the most.
constexpr int kInputs = 6, kRelays = 16;

// The bit of input or relay number `n` of `count`; numbers no meter has set none.
quint16 bitOf(qint64 n, int count) {
    return n >= 1 && n <= count ? quint16(1u << (n - 1)) : 0;
}

// The numbers of the inputs or relays that are on ("di", "relays") as bits.
bool readBitNumbers(Cursor& c, int count, std::optional<quint16>* bits) {
    if (!c.literal("["))
        return false;
    *bits = 0;
    if (c.literal("]"))
        return true;
    do {
        const std::optional<qint64> n = c.whole();
        if (!n || *n < 0)
            return false;
        **bits |= bitOf(*n, count);
    } while (c.literal(","));
    return c.literal("]");
}

std::optional<quint16> bitNumbersOf(const QJsonValue& v, int count) {
    if (!v.isArray())
        return std::nullopt;
    quint16 bits = 0;
    for (const QJsonValue& n : v.toArray())
        if (const std::optional<qint64> w = PlantJsonWhole(n))
            bits |= bitOf(*w, count);
    return bits;
}

bool readChannel(Cursor& c, PlantChannel* p) {
    if (!c.literal("{\"ch\":"))
        return false;
    const std::optional<qint64> ch = c.whole();
    if (!ch || *ch < 1 || *ch > PlantState::kMaxChannels || !c.literal(",\"value\":"))
        return false;
    p->ch = int(*ch);
    p->value.reset();
    if (!c.literal("null")) {
        p->value = c.number();
        if (!p->value)
            return false;
    }
    if (!c.literal(",\"state\":"))
        return false;
    p->state.reset();
    if (!c.literal("null")) {
        const std::optional<qint64> state = c.whole();
        if (!state || *state < -999999999 || *state > 999999999)
            return false;
        p->state = int(*state);
    }
    return c.literal("}");
}

bool readAlarm(Cursor& c, PlantAlarm* a) {
    if (!c.literal("{\"ch\":"))
        return false;
    const std::optional<qint64> ch = c.whole();
    if (!ch || *ch < 1 || *ch > PlantState::kMaxChannels || !c.literal(",\"alarm\":"))
        return false;
    const std::optional<qint64> alarm = c.whole();
    if (!alarm || *alarm < 0 || *alarm > 255 || !c.literal("}"))
        return false;
    *a = PlantAlarm{int(*ch), int(*alarm)};
    return true;
}

int digitsAt(const QString& s, int at, int n) {
    int v = 0;
    for (int i = at; i < at + n; ++i) {
        const char16_t c = s[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
qint64 daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = int(y - era * 400);
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// "YYYY-MM-DDTHH:MM:SS" followed by "Z" or "+HH:MM"/"-HH:MM"; none for any other form.
std::optional<qint64> publishedStampMs(const QString& ts) {
    if (ts.size() != 20 && ts.size() != 25)
        return std::nullopt;
    if (ts[4] != u'-' || ts[7] != u'-' || ts[10] != u'T' || ts[13] != u':' || ts[16] != u':')
        return std::nullopt;
    const int y = digitsAt(ts, 0, 4), mo = digitsAt(ts, 5, 2), d = digitsAt(ts, 8, 2);
    const int h = digitsAt(ts, 11, 2), mi = digitsAt(ts, 14, 2), s = digitsAt(ts, 17, 2);
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1000 || mo < 1 || mo > 12 || d < 1 ||
        d > kDays[mo - 1] + (mo == 2 && isLeap(y) ? 1 : 0) || h < 0 || h > 23 || mi < 0 ||
        mi > 59 || s < 0 || s > 59)
        return std::nullopt;
    int offsetMinutes = 0;
    if (ts.size() == 20) {
        if (ts[19] != u'Z')
            return std::nullopt;
    } else {
        const int oh = digitsAt(ts, 20, 2), om = digitsAt(ts, 23, 2);
        if ((ts[19] != u'+' && ts[19] != u'-') || ts[22] != u':' || oh < 0 || om < 0 || om > 59 ||
            oh * 60 + om > 14 * 60)
            return std::nullopt;
        offsetMinutes = (ts[19] == u'-' ? -1 : 1) * (oh * 60 + om);
    }
    const qint64 seconds =
        daysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s - qint64(offsetMinutes) * 60;
    return seconds * 1000;
}

} // namespace

std::optional<qint64> PlantJsonWhole(const QJsonValue& v) {
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (d != double(qint64(d)))
        return std::nullopt;
    return qint64(d);
}

std::optional<qint64> PlantStampMs(const QString& ts) {
    if (const std::optional<qint64> ms = publishedStampMs(ts))
        return ms;
    const QDateTime moment = QDateTime::fromString(ts, Qt::ISODate);
    return moment.isValid() ? std::optional<qint64>(moment.toMSecsSinceEpoch()) : std::nullopt;
}

bool ReadPublishedRecord(QByteArrayView payload, PlantRecord* out) {
    Cursor c(payload);
    if (!c.literal("{\"ts\":"))
        return false;
    if (c.literal("null"))
        out->ts.resize(0);
    else if (!c.plainString(&out->ts))
        return false;
    if (!c.literal(",\"seq\":"))
        return false;
    const std::optional<qint64> seq = c.whole();
    if (!seq || *seq < 1 || !c.literal(",\"replayed\":"))
        return false;
    out->seq = *seq;
    if (c.literal("true"))
        out->replayed = true;
    else if (c.literal("false"))
        out->replayed = false;
    else
        return false;
    if (!c.literal(",\"channels\":["))
        return false;
    out->channels.clear();
    out->channels.reserve(PlantState::kMaxChannels);
    if (!c.peek(']')) {
        do {
            if (out->channels.size() == PlantState::kMaxChannels)
                return false;
            PlantChannel p;
            if (!readChannel(c, &p))
                return false;
            out->channels.append(p);
        } while (c.literal(","));
    }
    if (!c.literal("],\"alarms\":["))
        return false;
    out->alarms.clear();
    if (!c.peek(']')) {
        do {
            if (out->alarms.size() == PlantState::kMaxChannels * 4)
                return false;
            PlantAlarm a;
            if (!readAlarm(c, &a))
                return false;
            out->alarms.append(a);
        } while (c.literal(","));
    }
    if (!c.literal("]"))
        return false;
    out->inputs.reset();
    out->relays.reset();
    if (c.literal(",\"di\":") && !readBitNumbers(c, kInputs, &out->inputs))
        return false;
    if (c.literal(",\"relays\":") && !readBitNumbers(c, kRelays, &out->relays))
        return false;
    if (!c.literal("}") || !c.atEnd())
        return false;
    out->utcMs = out->ts.isEmpty() ? std::nullopt : PlantStampMs(out->ts);
    return true;
}

PlantReading ReadRecordAsJson(const QByteArray& payload, PlantRecord* out) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return PlantReading::Malformed;
    const QJsonObject o = doc.object();
    const std::optional<qint64> seq = PlantJsonWhole(o.value(QStringLiteral("seq")));
    const QJsonValue channelsValue = o.value(QStringLiteral("channels"));
    if (!seq || *seq < 1 || !channelsValue.isArray())
        return PlantReading::Malformed;
    const QJsonArray channelArray = channelsValue.toArray();
    const QJsonArray alarmArray = o.value(QStringLiteral("alarms")).toArray();
    if (channelArray.size() > PlantState::kMaxChannels ||
        alarmArray.size() > PlantState::kMaxChannels * 4)
        return PlantReading::OverLimit;
    PlantRecord r;
    r.seq = *seq;
    r.ts = o.value(QStringLiteral("ts")).toString();
    r.replayed = o.value(QStringLiteral("replayed")).toBool();
    for (const QJsonValue& v : channelArray) {
        const QJsonObject c = v.toObject();
        const std::optional<qint64> ch = PlantJsonWhole(c.value(QStringLiteral("ch")));
        const QJsonValue value = c.value(QStringLiteral("value"));
        const QJsonValue state = c.value(QStringLiteral("state"));
        if (!ch || *ch < 1 || *ch > PlantState::kMaxChannels ||
            !(value.isDouble() || value.isNull()) || !(state.isNull() || PlantJsonWhole(state)))
            return PlantReading::Malformed;
        PlantChannel p;
        p.ch = int(*ch);
        if (value.isDouble())
            p.value = value.toDouble();
        if (!state.isNull())
            p.state = int(*PlantJsonWhole(state));
        r.channels << p;
    }
    for (const QJsonValue& v : alarmArray) {
        const std::optional<qint64> ch = PlantJsonWhole(v[QStringLiteral("ch")]);
        const std::optional<qint64> alarm = PlantJsonWhole(v[QStringLiteral("alarm")]);
        if (!ch || !alarm || *ch < 1 || *ch > PlantState::kMaxChannels || *alarm < 0 ||
            *alarm > 255)
            return PlantReading::Malformed;
        r.alarms << PlantAlarm{int(*ch), int(*alarm)};
    }
    r.inputs = bitNumbersOf(o.value(QStringLiteral("di")), kInputs);
    r.relays = bitNumbersOf(o.value(QStringLiteral("relays")), kRelays);
    r.utcMs = r.ts.isEmpty() ? std::nullopt : PlantStampMs(r.ts);
    *out = std::move(r);
    return PlantReading::Read;
}

PlantReading ReadPlantRecord(const QByteArray& payload, PlantRecord* out) {
    if (ReadPublishedRecord(payload, out))
        return PlantReading::Read;
    return ReadRecordAsJson(payload, out);
}
